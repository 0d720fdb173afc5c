// ApplyRegistryPlan against the real registry: access modes, sizes, deletes and refused key paths.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/unique_handle.h"
#include "shell/registry_plan.h"

namespace {

using namespace lp;

const std::wstring kTestKey = L"Software\\LumapixelRegistryExecutorTest";

// Removes a key tree when the test ends, whatever it wrote below.
class RemovedTree {
public:
    RemovedTree(HKEY root, std::wstring key) : root_(root), key_(std::move(key)) { Remove(); }
    ~RemovedTree() { Remove(); }
    RemovedTree(const RemovedTree&) = delete;
    RemovedTree& operator=(const RemovedTree&) = delete;

private:
    void Remove() {
        ::RegDeleteTreeW(root_, key_.c_str());
        ::RegDeleteKeyW(root_, key_.c_str());
    }
    HKEY root_;
    std::wstring key_;
};

struct StoredValue {
    bool found = false;
    DWORD type = 0;
    DWORD size = 0;
    std::wstring text;
    DWORD number = 0;
};

StoredValue Read(HKEY root, const std::wstring& key, const wchar_t* name) {
    StoredValue v;
    unique_hkey h;
    if (::RegOpenKeyExW(root, key.c_str(), 0, KEY_QUERY_VALUE, h.put()) != ERROR_SUCCESS)
        return v;
    if (::RegQueryValueExW(h.get(), name, nullptr, &v.type, nullptr, &v.size) != ERROR_SUCCESS)
        return v;
    std::vector<BYTE> data(v.size + sizeof(wchar_t));
    DWORD size = v.size;
    v.found =
        ::RegQueryValueExW(h.get(), name, nullptr, nullptr, data.data(), &size) == ERROR_SUCCESS;
    if (v.type == REG_DWORD)
        v.number = *reinterpret_cast<const DWORD*>(data.data());
    if (v.type == REG_SZ)
        v.text = reinterpret_cast<const wchar_t*>(data.data());
    return v;
}

bool KeyExists(HKEY root, const std::wstring& key) {
    unique_hkey h;
    return ::RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, h.put()) == ERROR_SUCCESS;
}

DWORD ValueCount(HKEY root, const std::wstring& key) {
    unique_hkey h;
    DWORD count = 0;
    if (::RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, h.put()) == ERROR_SUCCESS)
        ::RegQueryInfoKeyW(h.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count,
                           nullptr, nullptr, nullptr, nullptr);
    return count;
}

RegistryOp Op(RegistryOp::Kind kind, const std::wstring& key, KeyAccess access = KeyAccess::kCreate,
              std::vector<RegistryValue> values = {}) {
    RegistryOp op;
    op.kind = kind;
    op.root = RegistryRoot::kCurrentUser;
    op.key = key;
    op.access = access;
    op.values = std::move(values);
    return op;
}

RegistryValue Text(const wchar_t* name, std::wstring text) {
    return {name, false, std::move(text), 0};
}

TEST(RegistryExecutor, DefaultsAndNamedValuesWithTheirSizes) {
    RemovedTree cleanup(HKEY_CURRENT_USER, kTestKey);
    RegistryOp setDefault = Op(RegistryOp::Kind::kSetDefault, kTestKey + L"\\a\\b");
    setDefault.text = L"Lumapixel";
    ApplyRegistryPlan(
        {setDefault, Op(RegistryOp::Kind::kSetNamedValues, kTestKey + L"\\a", KeyAccess::kCreate,
                        {Text(L"Empty", L""), Text(L"Name", L"Quellmark"),
                         RegistryValue{L"Size", true, L"", 6144}})});
    const StoredValue def = Read(HKEY_CURRENT_USER, kTestKey + L"\\a\\b", nullptr);
    ASSERT_TRUE(def.found);
    EXPECT_EQ(def.type, DWORD{REG_SZ});
    EXPECT_EQ(def.text, L"Lumapixel");
    EXPECT_EQ(def.size, 20u);  // nine characters and the null
    const StoredValue empty = Read(HKEY_CURRENT_USER, kTestKey + L"\\a", L"Empty");
    EXPECT_EQ(empty.size, 2u);
    EXPECT_EQ(Read(HKEY_CURRENT_USER, kTestKey + L"\\a", L"Name").size, 20u);
    const StoredValue size = Read(HKEY_CURRENT_USER, kTestKey + L"\\a", L"Size");
    EXPECT_EQ(size.type, DWORD{REG_DWORD});
    EXPECT_EQ(size.size, 4u);
    EXPECT_EQ(size.number, 6144u);
}

// An open-only access on a missing key writes nothing: no key appears and the parent key, which
// exists, gets no value either.
TEST(RegistryExecutor, FailedOpenWritesNothingAnywhere) {
    RemovedTree cleanup(HKEY_CURRENT_USER, kTestKey);
    ApplyRegistryPlan({Op(RegistryOp::Kind::kCreateKey, kTestKey)});
    for (KeyAccess access : {KeyAccess::kOpenAllAccess, KeyAccess::kOpenSetValue}) {
        ApplyRegistryPlan({Op(RegistryOp::Kind::kSetNamedValues, kTestKey + L"\\Missing", access,
                              {Text(L"Lumapixel", L"SOFTWARE\\Lumapixel\\Capabilities")})});
        EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kTestKey + L"\\Missing"));
        EXPECT_EQ(ValueCount(HKEY_CURRENT_USER, kTestKey), 0u);
        EXPECT_FALSE(Read(HKEY_CURRENT_USER, L"", L"Lumapixel").found);
    }
    // Once the key exists, the same open writes into it.
    ApplyRegistryPlan({Op(RegistryOp::Kind::kCreateKey, kTestKey + L"\\Missing"),
                       Op(RegistryOp::Kind::kSetNamedValues, kTestKey + L"\\Missing",
                          KeyAccess::kOpenSetValue, {Text(L"Lumapixel", L"x")})});
    EXPECT_EQ(ValueCount(HKEY_CURRENT_USER, kTestKey + L"\\Missing"), 1u);
}

TEST(RegistryExecutor, DeleteKeepsAKeyWithSubkeysAndRecreateClearsOldValues) {
    RemovedTree cleanup(HKEY_CURRENT_USER, kTestKey);
    const std::wstring nested = kTestKey + L"\\Nested\\DefaultIcon";
    const std::wstring plain = kTestKey + L"\\Plain\\DefaultIcon";
    ApplyRegistryPlan({Op(RegistryOp::Kind::kCreateKey, nested + L"\\Sub"),
                       Op(RegistryOp::Kind::kCreateKey, plain),
                       Op(RegistryOp::Kind::kDeleteKey, nested),
                       Op(RegistryOp::Kind::kDeleteKey, plain),
                       Op(RegistryOp::Kind::kDeleteKey, kTestKey + L"\\NeverThere")});
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, nested));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, plain));

    const std::wstring choice = kTestKey + L"\\.bmp\\UserChoice";
    ApplyRegistryPlan({Op(RegistryOp::Kind::kSetNamedValues, choice, KeyAccess::kCreate,
                          {Text(L"Progid", L"Other.bmp"), Text(L"Hash", L"abc")}),
                       Op(RegistryOp::Kind::kRecreateKey, choice, KeyAccess::kCreate,
                          {Text(L"Progid", L"Lumapixel.bmp")})});
    EXPECT_EQ(ValueCount(HKEY_CURRENT_USER, choice), 1u);
    EXPECT_EQ(Read(HKEY_CURRENT_USER, choice, L"Progid").text, L"Lumapixel.bmp");
}

// Paths the registry would take as the root itself, or reject, are passed over; long data is
// written whole.
TEST(RegistryExecutor, RefusedKeyPathsAndLongTexts) {
    RemovedTree cleanup(HKEY_CURRENT_USER, kTestKey);
    const RegistryValue marker = Text(L"LumapixelExecutorMarker", L"x");
    for (const std::wstring& key : {std::wstring(), kTestKey + L"\\", L"\\" + kTestKey,
                                    kTestKey + L"\\" + std::wstring(256, L'k')}) {
        RegistryOp op = Op(RegistryOp::Kind::kSetNamedValues, key, KeyAccess::kCreate, {marker});
        RegistryOp def = Op(RegistryOp::Kind::kSetDefault, key);
        def.text = L"x";
        ApplyRegistryPlan({op, def});
    }
    EXPECT_FALSE(Read(HKEY_CURRENT_USER, L"", L"LumapixelExecutorMarker").found);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kTestKey));

    const std::wstring folder = L"C:\\" + std::wstring(250, L'f') + L"\\";
    const std::wstring command = L"\"" + folder + L"lumpix32.exe\" \"%1\"";
    RegistryOp def = Op(RegistryOp::Kind::kSetDefault, kTestKey + L"\\" + std::wstring(255, L'k'));
    def.text = command;
    ApplyRegistryPlan({def, Op(RegistryOp::Kind::kSetNamedValues, kTestKey, KeyAccess::kCreate,
                               {Text(L"Long", std::wstring(100000, L'z'))})});
    const StoredValue stored =
        Read(HKEY_CURRENT_USER, kTestKey + L"\\" + std::wstring(255, L'k'), nullptr);
    EXPECT_EQ(stored.text, command);
    EXPECT_EQ(stored.size, (command.size() + 1) * 2);
    EXPECT_EQ(Read(HKEY_CURRENT_USER, kTestKey, L"Long").size, 200002u);
}

TEST(RegistryExecutor, StoreAppSuppressionWritesTwoByteNoOpenWith) {
    const RegistryPlan plan = PlanStoreAppSuppression();
    std::vector<std::unique_ptr<RemovedTree>> cleanup;
    for (const RegistryOp& op : plan)
        cleanup.push_back(std::make_unique<RemovedTree>(HKEY_CURRENT_USER, op.key));
    ApplyRegistryPlan(plan);
    for (const RegistryOp& op : plan) {
        const StoredValue v = Read(HKEY_CURRENT_USER, op.key, L"NoOpenWith");
        ASSERT_TRUE(v.found) << op.key.c_str();
        EXPECT_EQ(v.type, DWORD{REG_SZ});
        EXPECT_EQ(v.size, 2u);
    }
}

// The capabilities only open "RegisteredApplications": when it is missing it stays missing.
TEST(RegistryExecutor, CapabilitiesNeverCreateRegisteredApplications) {
    const std::wstring registered = L"SOFTWARE\\RegisteredApplications";
    RemovedTree app(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Lumapixel");
    const bool existed = KeyExists(HKEY_LOCAL_MACHINE, registered);
    ::RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, registered.c_str(), L"Lumapixel");
    ApplyRegistryPlan(PlanCapabilities(L"C:\\Lumapixel\\lumpix32.exe"));
    EXPECT_EQ(KeyExists(HKEY_LOCAL_MACHINE, registered), existed);
    EXPECT_EQ(Read(HKEY_LOCAL_MACHINE, registered, L"Lumapixel").found, existed);
    EXPECT_TRUE(
        KeyExists(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Lumapixel\\Capabilities\\FileAssociations"));
    EXPECT_EQ(Read(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Lumapixel\\shell\\open\\command", nullptr).text,
              L"\"C:\\Lumapixel\\lumpix32.exe\"");
    ::RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, registered.c_str(), L"Lumapixel");
}

// The whole registration with an install folder near the path limit: every text arrives whole.
TEST(RegistryExecutor, RegistrationWithALongInstallFolder) {
    const std::wstring uninstall =
        L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Lumapixel";
    RemovedTree entry(HKEY_LOCAL_MACHINE, uninstall);
    RemovedTree classKey(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Classes\\Lumapixel");
    RemovedTree appKey(HKEY_CLASSES_ROOT, L"Applications\\lumpix32.exe");
    const std::wstring folder = L"C:\\" + std::wstring(254, L'p') + L"\\";
    const std::wstring viewer = folder + L"lumpix32.exe";
    const std::wstring open = L"\"" + viewer + L"\" \"%1\"";
    ApplyRegistryPlan(PlanApplicationRegistration(folder, viewer, open));
    EXPECT_EQ(
        Read(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Classes\\Lumapixel\\shell\\open\\command", nullptr)
            .text,
        open);
    EXPECT_EQ(Read(HKEY_CLASSES_ROOT, L"Applications\\lumpix32.exe", L"FriendlyAppName").text,
              L"Lumapixel 32-bit");
    EXPECT_EQ(ValueCount(HKEY_LOCAL_MACHINE, uninstall), 10u);
    EXPECT_EQ(Read(HKEY_LOCAL_MACHINE, uninstall, L"UninstallString").text,
              L"\"" + folder + L"lp_uninstall.exe\"");
    EXPECT_EQ(Read(HKEY_LOCAL_MACHINE, uninstall, L"InstallLocation").text, folder);
    EXPECT_EQ(Read(HKEY_LOCAL_MACHINE, uninstall, L"VersionMinor").number, 66u);
}

}  // namespace
