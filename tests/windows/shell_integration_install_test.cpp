// IntegrateWithShell with a chosen file type on the running Windows: the start-menu group, the
// desktop shortcut and the registry as they are afterwards; everything is restored at the end.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "payload/environment_probes.h"
#include "scratch_folder_support.h"
#include "shell_link_support.h"
#include "shell_registry_support.h"
#include "shell/shell_integration.h"
#include "shell/shortcut_maker.h"
#include "shell/windows_version_flags.h"

namespace {

using lp::test::FileExists;
using lp::test::kBrowseVerb;
using lp::test::kFileExtsKey;
using lp::test::kStoreAppClasses;
using lp::test::LinkFilesIn;
using lp::test::LinkTarget;
using lp::test::RegistryText;
using lp::test::RegistryValueCount;

const std::wstring kUninstall =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Lumapixel";

void RemoveFolderLinks(const std::wstring& folder) {
    for (const std::wstring& name : LinkFilesIn(folder))
        DeleteFileW((folder + name).c_str());
    RemoveDirectoryW(folder.c_str());
}

TEST(IntegrateWithShell, ChosenRowWithGroupAndDesktopShortcutOnTheRunningWindows) {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    lp::test::ScratchFolder scratch;
    const std::wstring f = scratch / L"Lumapixel\\";
    const std::wstring viewer = f + L"lumpix32.exe";
    const std::wstring group = lp::GetSpecialFolderPath(lp::kCsidlPrograms) + L"Lumapixel\\";
    const std::wstring desktop = lp::GetSpecialFolderPath(lp::kCsidlDesktop);
    CreateDirectoryW(desktop.c_str(), nullptr);
    RemoveFolderLinks(group);
    ASSERT_TRUE(CreateDirectoryW(group.c_str(), nullptr));
    // Shortcuts of earlier versions: 4.65 and 4.62 are replaced, 4.60 stays.
    for (const wchar_t* old : {L"Lumapixel 4.65.lnk", L"Lumapixel 4.62.lnk", L"Lumapixel 4.60.lnk"})
        lp::test::WriteFileBytes(group + old, "");
    {
        lp::test::RegistryRestorer keep;
        keep.KeepShellIntegration();
        lp::AssociationFlags gif;
        gif.Set(16);

        EXPECT_EQ(lp::IntegrateWithShell(1, 1, f, 1, 1, 0, 0, gif, 0), 1);

        const int generation = lp::GetCachedWindowsGeneration();
        const std::size_t groupLinks = generation == 8 ? 8 : 9;
        EXPECT_EQ(LinkFilesIn(group).size(), groupLinks + 1);  // with the 4.60 shortcut
        EXPECT_FALSE(FileExists(group + L"Lumapixel 4.65.lnk"));
        EXPECT_FALSE(FileExists(group + L"Lumapixel 4.62.lnk"));
        EXPECT_TRUE(FileExists(group + L"Lumapixel 4.60.lnk"));
        EXPECT_EQ(LinkTarget(group + L"Lumapixel 4.66.lnk"), viewer);
        EXPECT_EQ(LinkTarget(group + L"Lumapixel Hilfe.lnk"), f + L"help\\lumpix32_deutsch.chm");
        EXPECT_EQ(LinkTarget(desktop + L"Lumapixel.lnk"), viewer);
        EXPECT_FALSE(FileExists(desktop + L"Lumapixel Thumbnails.lnk"));

        const HKEY hklm = HKEY_LOCAL_MACHINE;
        const std::wstring open = L"\"" + viewer + L"\" \"%1\"";
        EXPECT_EQ(
            RegistryText(hklm, L"SOFTWARE\\Classes\\Lumapixel\\shell\\open\\command", nullptr),
            open);
        EXPECT_EQ(RegistryText(hklm, kUninstall, L"DisplayName"), L"Lumapixel 4.66 (32-bit)");
        EXPECT_EQ(RegistryText(hklm, kUninstall, L"InstallLocation"), f);
        EXPECT_EQ(RegistryText(hklm, kUninstall, L"UninstallString"),
                  L"\"" + f + L"lp_uninstall.exe\"");
        EXPECT_FALSE(
            RegistryText(hklm, L"SOFTWARE\\Classes\\Directory\\shell\\" + kBrowseVerb, nullptr));
        if (lp::ProbeWindowsVersionFlags().isVistaOrLater) {
            EXPECT_EQ(
                RegistryValueCount(hklm, L"SOFTWARE\\Lumapixel\\Capabilities\\FileAssociations"),
                87u);
            EXPECT_EQ(RegistryText(hklm, L"SOFTWARE\\Classes\\.gif", nullptr), L"Lumapixel.gif");
            EXPECT_EQ(RegistryText(hklm, L"SOFTWARE\\Classes\\Lumapixel.gif\\shell\\open\\command",
                                   nullptr),
                      open);
            EXPECT_EQ(RegistryText(HKEY_CURRENT_USER, kFileExtsKey + L"gif\\UserChoice", L"Progid"),
                      L"Lumapixel.gif");
            for (const wchar_t* app : kStoreAppClasses)
                EXPECT_EQ(RegistryText(HKEY_CURRENT_USER,
                                       std::wstring(L"SOFTWARE\\Classes\\") + app, L"NoOpenWith")
                              .has_value(),
                          generation == 10);
        }
    }
    RemoveFolderLinks(group);
    DeleteFileW((desktop + L"Lumapixel.lnk").c_str());
    CoUninitialize();
}

}  // namespace
