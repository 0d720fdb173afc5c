// Shortcut files written through the Shell Link object and read back through it; the special
// folders; the start-menu group operations applied to a folder.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>

#include "scratch_folder_support.h"
#include "shell_link_support.h"
#include "shell/shortcut_maker.h"
#include "shell/shortcut_plan.h"

namespace {

using lp::test::FileExists;
using lp::test::LinkFilesIn;
using lp::test::ReadLink;
using lp::test::ScratchFolder;

// COM for the reading side of the tests; the maker initialises on its own as well.
class ShortcutMaker : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr))); }
    void TearDown() override { CoUninitialize(); }

    // Empty files standing in for the targets, so the links point at existing files.
    void MakeTargets() {
        for (const wchar_t* name : {L"lumpix32.exe", L"l_about.txt"})
            lp::test::WriteFileBytes(scratch / name, "");
    }

    ScratchFolder scratch;
};

lp::ShortcutRequest Request(const std::wstring& linkName, const std::wstring& target) {
    lp::ShortcutRequest request;
    request.linkName = linkName;
    request.target = target;
    return request;
}

TEST_F(ShortcutMaker, WritesTargetArgumentsIconAndDescription) {
    MakeTargets();
    const std::wstring viewer = scratch / L"lumpix32.exe";

    lp::ShortcutRequest plain = Request(L"\u00dcber Lumapixel.lnk", scratch / L"l_about.txt");
    ASSERT_EQ(lp::CreateShortcutInFolder(scratch.path(), plain), 1);
    const auto a = ReadLink(scratch / plain.linkName);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->target, scratch / L"l_about.txt");
    EXPECT_EQ(a->arguments, L"");
    EXPECT_EQ(a->iconPath, L"");
    EXPECT_EQ(a->description, L"");

    lp::ShortcutRequest thumbs = Request(L"Lumapixel Thumbnails.lnk", viewer);
    thumbs.arguments = L"/thumbs";
    thumbs.iconPath = viewer;
    thumbs.iconIndex = 7;
    thumbs.description = L"Lumapixel - Thumbnails";
    ASSERT_EQ(lp::CreateShortcutInFolder(scratch.path(), thumbs), 1);
    const auto t = ReadLink(scratch / thumbs.linkName);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->target, viewer);
    EXPECT_EQ(t->arguments, L"/thumbs");
    EXPECT_EQ(t->iconPath, viewer);
    EXPECT_EQ(t->iconIndex, 7);
    EXPECT_EQ(t->description, L"Lumapixel - Thumbnails");
}

TEST_F(ShortcutMaker, SameShortcutTwiceKeepsOneFileWithTheSecondSettings) {
    MakeTargets();
    lp::ShortcutRequest first = Request(L"Lumapixel.lnk", scratch / L"lumpix32.exe");
    first.arguments = L"/first";
    first.description = L"first";
    ASSERT_EQ(lp::CreateShortcutInFolder(scratch.path(), first), 1);
    lp::ShortcutRequest second = Request(L"Lumapixel.lnk", scratch / L"l_about.txt");
    second.arguments = L"/second";
    second.description = L"second";
    ASSERT_EQ(lp::CreateShortcutInFolder(scratch.path(), second), 1);

    const auto content = ReadLink(scratch / L"Lumapixel.lnk");
    ASSERT_TRUE(content);
    EXPECT_EQ(content->target, scratch / L"l_about.txt");
    EXPECT_EQ(content->arguments, L"/second");
    EXPECT_EQ(content->description, L"second");
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((scratch / L"*.lnk").c_str(), &data);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    int count = 1;
    while (FindNextFileW(find, &data))
        ++count;
    FindClose(find);
    EXPECT_EQ(count, 1);
}

TEST_F(ShortcutMaker, ShortcutPathBeyond259CharactersIsRefused) {
    // A folder whose path plus a 19-character link name is exactly 259 characters.
    const std::size_t folderLength = lp::kMaxShortcutPath - 19;
    ASSERT_LT(scratch.path().size() + 2, folderLength);
    const std::wstring folder =
        scratch.path() + std::wstring(folderLength - scratch.path().size() - 1, L'd') + L"\\";
    ASSERT_EQ(folder.size(), folderLength);
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    const std::wstring fits = L"abcdefghijklmno.lnk";  // 19 characters
    const std::wstring tooLong = L"abcdefghijklmnop.lnk";

    EXPECT_EQ(lp::CreateShortcutInFolder(folder, Request(fits, L"C:\\x.exe")), 1);
    EXPECT_TRUE(FileExists(folder + fits));
    EXPECT_EQ(lp::CreateShortcutInFolder(folder, Request(tooLong, L"C:\\x.exe")), 0);
    EXPECT_FALSE(FileExists(folder + tooLong));
    // A folder far beyond the bound is refused without touching the file system.
    const std::wstring huge = folder + std::wstring(600, L'e') + L"\\";
    EXPECT_EQ(lp::CreateShortcutInFolder(huge, Request(fits, L"C:\\x.exe")), 0);
}

// Targets and icon paths of 259 characters are stored whole; one more character refuses the
// shortcut instead of saving a link to a cut-off path.
TEST_F(ShortcutMaker, TargetOrIconPathBeyond259CharactersIsRefused) {
    const std::wstring fits = L"C:\\" + std::wstring(lp::kMaxShortcutPath - 7, L't') + L".exe";
    ASSERT_EQ(fits.size(), lp::kMaxShortcutPath);
    const std::wstring tooLong = L"C:\\" + std::wstring(lp::kMaxShortcutPath - 6, L't') + L".exe";

    lp::ShortcutRequest whole = Request(L"whole.lnk", fits);
    whole.iconPath = fits;
    whole.iconIndex = 7;
    ASSERT_EQ(lp::CreateShortcutInFolder(scratch.path(), whole), 1);
    const auto w = ReadLink(scratch / L"whole.lnk");
    ASSERT_TRUE(w);
    EXPECT_EQ(w->target, fits);
    EXPECT_EQ(w->iconPath, fits);

    EXPECT_EQ(lp::CreateShortcutInFolder(scratch.path(), Request(L"target.lnk", tooLong)), 0);
    EXPECT_FALSE(FileExists(scratch / L"target.lnk"));
    lp::ShortcutRequest icon = Request(L"icon.lnk", fits);
    icon.iconPath = tooLong;
    EXPECT_EQ(lp::CreateShortcutInFolder(scratch.path(), icon), 0);
    EXPECT_FALSE(FileExists(scratch / L"icon.lnk"));
}

TEST_F(ShortcutMaker, SpecialFoldersEndInABackslashAndFallBackToTheWindowsFolder) {
    wchar_t windows[MAX_PATH] = {};
    GetWindowsDirectoryW(windows, MAX_PATH);
    const std::wstring windowsFolder = std::wstring(windows) + L"\\";
    for (int csidl : {lp::kCsidlDesktop, lp::kCsidlPrograms, lp::kCsidlCommonPrograms,
                      lp::kCsidlCommonDesktop}) {
        const std::wstring path = lp::GetSpecialFolderPath(csidl);
        ASSERT_GT(path.size(), 3u) << csidl;
        EXPECT_EQ(path.back(), L'\\') << csidl;
        EXPECT_NE(path, windowsFolder) << csidl;
    }
    EXPECT_EQ(lp::GetSpecialFolderPath(0x7f), windowsFolder);          // no such folder
    EXPECT_EQ(lp::GetSpecialFolderPath(CSIDL_DRIVES), windowsFolder);  // not a file-system path
    EXPECT_NE(lp::GetSpecialFolderPath(lp::kCsidlDesktop),
              lp::GetSpecialFolderPath(lp::kCsidlCommonDesktop));
}

TEST_F(ShortcutMaker, DesktopShortcutLandsInTheChosenDesktop) {
    for (bool allUsers : {false, true}) {
        const std::wstring desktop =
            lp::GetSpecialFolderPath(allUsers ? lp::kCsidlCommonDesktop : lp::kCsidlDesktop);
        CreateDirectoryW(desktop.c_str(), nullptr);
        lp::ShortcutRequest request = Request(L"lp-shelllnk-test.lnk", L"C:\\x.exe");
        request.description = L"Lumapixel - Bildbetrachter";
        ASSERT_EQ(lp::CreateDesktopShortcut(request, allUsers), 1) << allUsers;
        const auto content = ReadLink(desktop + request.linkName);
        EXPECT_TRUE(content && content->description == L"Lumapixel - Bildbetrachter");
        DeleteFileW((desktop + request.linkName).c_str());
    }
}

TEST_F(ShortcutMaker, GroupReplacesTheTwoPreviousViewerShortcutsOnly) {
    for (const wchar_t* old : {L"Lumapixel 4.65.lnk", L"Lumapixel 4.62.lnk", L"Lumapixel 4.60.lnk"})
        lp::test::WriteFileBytes(scratch / old, "old");
    const std::wstring f = scratch / L"install\\";
    const lp::ShortcutFolderPlan plan = lp::PlanStartMenuGroup(f, false, 10);
    const std::set<std::wstring> expected = {
        L"Lumapixel 4.66.lnk",           L"Lumapixel 4.60.lnk",
        L"Lumapixel - Thumbnails.lnk",   L"Lumapixel deinstallieren.lnk",
        L"\u00dcber Lumapixel.lnk",      L"Was ist neu.lnk",
        L"Kommandozeilen-Optionen.lnk",  L"Verf\u00fcgbare PlugIns.lnk",
        L"Verf\u00fcgbare Sprachen.lnk", L"Lumapixel Hilfe.lnk",
    };
    lp::ApplyShortcutOps(scratch.path(), plan.ops);
    EXPECT_EQ(LinkFilesIn(scratch.path()), expected);
    lp::ApplyShortcutOps(scratch.path(), plan.ops);  // a second installation: the same set
    EXPECT_EQ(LinkFilesIn(scratch.path()), expected);

    const auto help = ReadLink(scratch / L"Lumapixel Hilfe.lnk");
    ASSERT_TRUE(help);
    EXPECT_EQ(help->target, f + L"help\\lumpix32_deutsch.chm");
}

}  // namespace
