// Start-up preparations under Wine: system library paths, search path and theme properties.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/process_hardening.h"

namespace lp {
namespace {

TEST(SystemLibraryPath, PutsTheLibraryIntoTheSystemFolder) {
    wchar_t system[MAX_PATH] = {};
    ASSERT_GT(GetSystemDirectoryW(system, MAX_PATH), 0u);
    std::wstring expected = system;
    if (expected.back() != L'\\')
        expected += L'\\';
    EXPECT_EQ(SystemLibraryPath(L"kernel32.dll"), expected + L"kernel32.dll");
}

TEST(StartUpPreparations, RestrictTheSearchPathAndApplyThemesRepeatedly) {
    EXPECT_NE(RestrictDllSearchPath(LOAD_LIBRARY_SEARCH_SYSTEM32), 0);
    ApplyThemeProperties();
    ApplyThemeProperties();  // the second call only repeats the function call
    EXPECT_NE(GetModuleHandleW(SystemLibraryPath(L"UxTheme.dll").c_str()), nullptr);
}

}  // namespace
}  // namespace lp
