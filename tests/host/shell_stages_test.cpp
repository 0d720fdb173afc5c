// The shell stage order, the Windows version flags and the shared paths of an installation.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/shell_stages.h"

namespace {

using lp::ShellStage;
using S = ShellStage;

TEST(WindowsVersionFlags, ClassifiesReportedVersions) {
    struct Case {
        unsigned long platform, major, minor;
        bool xp, vista;
    };
    const Case cases[] = {
        {2, 5, 0, false, false},  // Windows 2000
        {2, 5, 1, true, false},   // XP
        {2, 5, 2, true, false},   // XP x64, Server 2003
        {2, 6, 0, false, true},   // Vista
        {2, 6, 1, false, true},   // 7
        {2, 6, 2, false, true},   // 8, and 8.1 and later without compatibility entries
        {2, 10, 0, false, true},  {2, 4, 0, false, false},
        {1, 4, 10, false, false},  // the non-NT family
        {1, 6, 0, false, false},  {0, 5, 1, false, false},
    };
    for (const Case& c : cases) {
        const lp::WindowsVersionFlags f =
            lp::ClassifyWindowsVersionFlags(c.platform, c.major, c.minor);
        EXPECT_EQ(f.isXpOr2003, c.xp) << c.platform << " " << c.major << "." << c.minor;
        EXPECT_EQ(f.isVistaOrLater, c.vista) << c.platform << " " << c.major << "." << c.minor;
    }
}

constexpr lp::WindowsVersionFlags kXp{true, false};
constexpr lp::WindowsVersionFlags kVista{false, true};
constexpr lp::WindowsVersionFlags kWin2000{false, false};

struct StageCase {
    const char* name;
    lp::WindowsVersionFlags version;
    int generation;
    bool confirmed, requested;
    std::vector<ShellStage> stages;  // with the group and thumbnails shortcut chosen
};

TEST(ShellStages, OrderForEachWindowsAnswerAndRequest) {
    const std::vector<S> xpBase = {S::kStartMenuGroup, S::kDesktopShortcuts,
                                   S::kApplicationRegistration};
    const std::vector<S> vistaBase = {S::kStartMenuGroup,    S::kDesktopShortcuts,
                                      S::kFolderBrowseVerbs, S::kApplicationRegistration,
                                      S::kCapabilities,      S::kFileTypeAssociations};
    auto with = [](std::vector<S> base, std::initializer_list<S> more) {
        base.insert(base.end(), more);
        return base;
    };
    const StageCase cases[] = {
        {"XP no", kXp, 5, false, true, xpBase},
        {"XP no, nothing requested", kXp, 5, false, false, xpBase},
        {"XP yes", kXp, 5, true, true, with(xpBase, {S::kFileTypeAssociations, S::kNotifications})},
        {"XP silent, no /assoc", kXp, 5, true, false, with(xpBase, {S::kFileTypeAssociations})},
        {"2000 no", kWin2000, 0, false, true, xpBase},
        {"Vista no", kVista, 6, false, true, with(vistaBase, {S::kNotifications})},
        {"Vista nothing requested", kVista, 6, true, false, vistaBase},
        {"7 no", kVista, 7, false, true, with(vistaBase, {S::kNotifications})},
        {"7 yes", kVista, 7, true, true, with(vistaBase, {S::kNotifications})},
        {"8 yes", kVista, 8, true, true, with(vistaBase, {S::kNotifications})},
        {"10 yes", kVista, 10, true, true,
         with(vistaBase, {S::kStoreAppSuppression, S::kNotifications})},
        {"10 no", kVista, 10, false, true,
         with(vistaBase, {S::kStoreAppSuppression, S::kNotifications})},
        {"10 nothing requested", kVista, 10, true, false, vistaBase},
        {"11 yes", kVista, 11, true, true, with(vistaBase, {S::kNotifications})},
        {"11 no", kVista, 11, false, true, with(vistaBase, {S::kNotifications})},
    };
    for (const StageCase& c : cases) {
        const lp::ShellStageChoices choices{c.confirmed, c.requested, true, true};
        const int generation = c.generation;
        EXPECT_EQ(lp::PlanShellStages(choices, c.version, [=] { return generation; }), c.stages)
            << c.name;
    }
}

TEST(ShellStages, ShortcutChoicesGateTheGroupAndTheFolderVerb) {
    auto generation = [] { return 7; };
    EXPECT_EQ(lp::PlanShellStages({true, false, false, false}, kVista, generation),
              (std::vector<S>{S::kDesktopShortcuts, S::kApplicationRegistration, S::kCapabilities,
                              S::kFileTypeAssociations}));
    // The thumbnails shortcut before Vista: the shortcut, but no folder verb.
    EXPECT_EQ(lp::PlanShellStages({true, false, false, true}, kXp, generation),
              (std::vector<S>{S::kDesktopShortcuts, S::kApplicationRegistration,
                              S::kFileTypeAssociations}));
}

TEST(ShellStages, GenerationIsAskedOnlyWhenAssociationsWereRequested) {
    int asked = 0;
    auto generation = [&] {
        ++asked;
        return 10;
    };
    lp::PlanShellStages({true, false, true, true}, kVista, generation);
    lp::PlanShellStages({false, true, true, true}, kXp, generation);
    EXPECT_EQ(asked, 0);
    lp::PlanShellStages({true, true, true, true}, kVista, generation);
    EXPECT_EQ(asked, 1);
}

TEST(ShellPaths, InstallFolderIsTrimmedAndClosed) {
    struct Case {
        const wchar_t* folder;
        const wchar_t* f;
    };
    const Case cases[] = {
        {L" C:\\Programs\\Lumapixel ", L"C:\\Programs\\Lumapixel\\"},
        {L"C:\\Programs\\Lumapixel", L"C:\\Programs\\Lumapixel\\"},
        {L"C:\\Programs\\Lumapixel\\", L"C:\\Programs\\Lumapixel\\"},
        {L"  D:\\  ", L"D:\\"},
    };
    for (const Case& c : cases) {
        const lp::ShellPaths p = lp::PrepareShellPaths(c.folder);
        EXPECT_EQ(p.installFolder, c.f);
        EXPECT_EQ(p.viewerPath, std::wstring(c.f) + L"lumpix32.exe");
        EXPECT_EQ(p.openCommand, L"\"" + std::wstring(c.f) + L"lumpix32.exe\" \"%1\"");
    }
    const lp::ShellPaths blanks = lp::PrepareShellPaths(L" C:\\Programs\\Lumapixel ");
    EXPECT_EQ(blanks.viewerPath, L"C:\\Programs\\Lumapixel\\lumpix32.exe");
    EXPECT_EQ(blanks.openCommand, L"\"C:\\Programs\\Lumapixel\\lumpix32.exe\" \"%1\"");
}

TEST(ShellPaths, LongestInstallFolderStillGetsItsBackslash) {
    const std::wstring folder = L"C:\\" + std::wstring(256, L'a');  // 259 characters
    const lp::ShellPaths p = lp::PrepareShellPaths(folder);
    EXPECT_EQ(p.installFolder, folder + L"\\");
    EXPECT_EQ(p.viewerPath, folder + L"\\lumpix32.exe");
}

}  // namespace
