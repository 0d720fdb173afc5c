// QueryFileVersion on fixture libraries built from small version resources.
#include <windows.h>

#include <gtest/gtest.h>

#include "payload/environment_probes.h"
#include "scratch_folder_support.h"

namespace {

std::wstring FixturePath(const wchar_t* name) {
    wchar_t module[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    std::wstring path = module;
    return path.substr(0, path.find_last_of(L'\\') + 1) + name;
}

TEST(FileVersionProbe, ReadsVersionTextAndCompany) {
    struct Case {
        const wchar_t* fixture;
        const wchar_t* version;
        std::wstring company;
    };
    const Case cases[] = {
        {L"fixture_version_440.dll", L"4.40", L""},  // no 040904E4 string table
        {L"fixture_version_430.dll", L"4.30", L"QUELLMARK"},
        {L"fixture_version_429.dll", L"4.29", std::wstring(259, L'M')},  // 300, cut to 259
    };
    for (const Case& c : cases) {
        std::wstring version = L"stale";
        std::wstring company = L"stale";
        EXPECT_EQ(lp::QueryFileVersion(FixturePath(c.fixture), version, &company), 1) << c.fixture;
        EXPECT_EQ(version, c.version) << c.fixture;
        EXPECT_EQ(company, c.company) << c.fixture;
        EXPECT_EQ(lp::QueryFileVersion(FixturePath(c.fixture), version, nullptr), 1) << c.fixture;
    }
}

TEST(FileVersionProbe, PaddedCopyOfExactly226816BytesKeepsItsVersion) {
    lp::test::ScratchFolder scratch;
    const std::wstring copy = scratch / L"Icons.dll";
    std::string bytes = lp::test::ReadFileBytes(FixturePath(L"fixture_version_430.dll"));
    ASSERT_FALSE(bytes.empty());
    ASSERT_LT(bytes.size(), 226816u);
    bytes.resize(226816, '\0');
    ASSERT_TRUE(lp::test::WriteFileBytes(copy, bytes));
    std::wstring version, company;
    EXPECT_EQ(lp::QueryFileVersion(copy, version, &company), 1);
    EXPECT_EQ(version, L"4.30");
    EXPECT_EQ(company, L"QUELLMARK");
}

TEST(FileVersionProbe, FilesWithoutVersionLeaveBothOutputsUntouched) {
    for (const std::wstring& path : {FixturePath(L"fixture_no_version.dll"),
                                     FixturePath(L"no_such_file.dll"), std::wstring()}) {
        std::wstring version = L"untouched";
        std::wstring company = L"untouched";
        EXPECT_EQ(lp::QueryFileVersion(path, version, &company), 0) << path;
        EXPECT_EQ(version, L"untouched");
        EXPECT_EQ(company, L"untouched");
    }
}

}  // namespace
