// The probes against the real registry and system: previous installation, default folder,
// Windows generation and its cache.
#include <windows.h>

#include <gtest/gtest.h>

#include "payload/environment_probes.h"

namespace {

constexpr wchar_t kCommandKey[] = L"SOFTWARE\\Classes\\Lumapixel\\shell\\open\\command";

// Writes the registered open command for one test and removes the class key again.
class RegisteredCommand {
public:
    explicit RegisteredCommand(const std::wstring& command) {
        RegSetValueW(HKEY_LOCAL_MACHINE, kCommandKey, REG_SZ, command.c_str(),
                     static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
    }
    ~RegisteredCommand() { RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Classes\\Lumapixel"); }
    RegisteredCommand(const RegisteredCommand&) = delete;
    RegisteredCommand& operator=(const RegisteredCommand&) = delete;
};

TEST(EnvironmentProbes, PreviousInstallFolderFromTheRegisteredCommand) {
    struct Case {
        const wchar_t* command;
        int found;
        const wchar_t* folder;
    };
    const std::wstring tooLong = L"\"C:\\" + std::wstring(300, L'x') + L"\\lumpix32.exe\"";
    const Case cases[] = {
        {L"\"D:\\Tools\\Lumapixel\\lumpix32.exe\" \"%1\"", 1, L"D:\\Tools\\Lumapixel\\"},
        {L"\"D:\\Tools\\Lumapixel\\LUMPIX32.exe\" \"%1\"", 0, L""},
        {L"D:\\Tools\\Lumapixel\\lumpix32.exe", 1, L":\\Tools\\Lumapixel\\"},
        {tooLong.c_str(), 0, L""},  // longer than the 260-character read limit
    };
    for (const Case& c : cases) {
        RegisteredCommand registered(c.command);
        std::wstring folder = L"stale";
        EXPECT_EQ(lp::FindPreviousInstallFolder(folder), c.found) << c.command;
        EXPECT_EQ(folder, c.folder) << c.command;
    }
    std::wstring folder = L"stale";
    EXPECT_EQ(lp::FindPreviousInstallFolder(folder), 0);  // no key at all
    EXPECT_EQ(folder, L"");
}

TEST(EnvironmentProbes, DefaultFolderFollowsProgramFilesDir) {
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows\\CurrentVersion", 0,
                            KEY_QUERY_VALUE | KEY_SET_VALUE, &key),
              ERROR_SUCCESS);
    wchar_t saved[260] = {};
    DWORD size = sizeof saved;
    const bool hadValue = RegQueryValueExW(key, L"ProgramFilesDir", nullptr, nullptr,
                                           reinterpret_cast<BYTE*>(saved), &size) == ERROR_SUCCESS;
    const auto set = [key](const std::wstring& value) {
        RegSetValueExW(key, L"ProgramFilesDir", 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    };
    std::wstring folder;
    set(L"C:\\Program Files");
    EXPECT_EQ(lp::GetDefaultInstallFolder(folder), 1);
    EXPECT_EQ(folder, L"C:\\Program Files\\Lumapixel");
    RegDeleteValueW(key, L"ProgramFilesDir");
    EXPECT_EQ(lp::GetDefaultInstallFolder(folder), 1);
    EXPECT_EQ(folder, L"C:\\Lumapixel\\");
    if (hadValue)
        set(saved);
    RegCloseKey(key);
}

TEST(EnvironmentProbes, WindowsGenerationIsProbedOnceAndCached) {
    const int generation = lp::GetWindowsGeneration();
    EXPECT_TRUE(generation == 1 || generation == 5 || generation == 6 || generation == 7 ||
                generation == 8 || generation == 10 || generation == 11)
        << generation;
    lp::CachedWindowsGeneration = 0;
    EXPECT_EQ(lp::GetCachedWindowsGeneration(), generation);
    EXPECT_EQ(lp::CachedWindowsGeneration, generation);
    lp::CachedWindowsGeneration = 7;  // a known value is used without probing again
    EXPECT_EQ(lp::GetCachedWindowsGeneration(), 7);
    lp::CachedWindowsGeneration = 0;
}

}  // namespace
