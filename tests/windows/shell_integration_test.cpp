// IntegrateWithShell against the real shell and registry: the shared paths reach the shortcuts
// and the folder verb.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "scratch_folder_support.h"
#include "shell_link_support.h"
#include "shell_registry_support.h"
#include "shell/association_flags.h"
#include "shell/shell_integration.h"
#include "shell/shortcut_maker.h"
#include "shell/windows_version_flags.h"

namespace {

using lp::test::LinkTarget;

std::wstring DefaultValue(HKEY root, const std::wstring& key) {
    wchar_t text[1024] = {};
    LONG size = sizeof(text);
    if (RegQueryValueW(root, key.c_str(), text, &size) != ERROR_SUCCESS)
        return L"<missing>";
    return text;
}

TEST(IntegrateWithShell, TrimmedInstallFolderReachesShortcutAndFolderVerb) {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    lp::test::ScratchFolder scratch;
    const std::wstring folder = scratch / L"Lumapixel";  // no closing backslash
    const std::wstring viewer = folder + L"\\lumpix32.exe";
    const std::wstring desktop = lp::GetSpecialFolderPath(lp::kCsidlDesktop);
    CreateDirectoryW(desktop.c_str(), nullptr);
    DeleteFileW((desktop + L"Lumapixel Thumbnails.lnk").c_str());
    lp::test::RegistryRestorer keep;
    keep.KeepShellIntegration();

    const lp::AssociationFlags none;
    EXPECT_EQ(lp::IntegrateWithShell(1, 0, L" " + folder + L" ", 0, 0, 1, 0, none, 0), 1);

    EXPECT_EQ(LinkTarget(desktop + L"Lumapixel Thumbnails.lnk"), viewer);
    EXPECT_FALSE(lp::test::FileExists(desktop + L"Lumapixel.lnk"));
    if (lp::ProbeWindowsVersionFlags().isVistaOrLater) {
        const std::wstring command = L"\"" + viewer + L"\" \"%1\" /thumbs";
        EXPECT_EQ(DefaultValue(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Classes\\Directory\\shell\\" +
                                                       lp::test::kBrowseVerb + L"\\command"),
                  command);
        EXPECT_EQ(DefaultValue(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Classes\\Drive\\shell\\" +
                                                       lp::test::kBrowseVerb + L"\\command"),
                  command);
    }
    DeleteFileW((desktop + L"Lumapixel Thumbnails.lnk").c_str());
    CoUninitialize();
}

}  // namespace
