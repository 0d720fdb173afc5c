// The start-menu group and desktop shortcut plans: names, targets, icons, order and folders.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "shell/shortcut_plan.h"

namespace {

using lp::ShortcutOp;

const std::wstring kF = L"C:\\Programme\\Lumapixel\\";
const std::wstring kViewer = kF + L"lumpix32.exe";

struct ExpectedOp {
    ShortcutOp::Kind kind;
    const wchar_t* linkName;
    std::wstring target;
    std::optional<std::wstring> arguments;
    std::optional<std::wstring> iconPath;
    int iconIndex;
};

constexpr auto kCreate = ShortcutOp::Kind::kCreate;
constexpr auto kDelete = ShortcutOp::Kind::kDelete;

// A plain shortcut: no arguments, the target's own icon.
ExpectedOp Plain(const wchar_t* linkName, std::wstring target) {
    return {kCreate, linkName, std::move(target), std::nullopt, std::nullopt, 0};
}

std::vector<ExpectedOp> ExpectedGroup(bool withUninstaller) {
    std::vector<ExpectedOp> ops = {
        Plain(L"Lumapixel 4.66.lnk", kViewer),
        {kDelete, L"Lumapixel 4.65.lnk", L"", std::nullopt, std::nullopt, 0},
        {kDelete, L"Lumapixel 4.62.lnk", L"", std::nullopt, std::nullopt, 0},
        {kCreate, L"Lumapixel - Thumbnails.lnk", kViewer, L"/thumbs", kViewer, 7},
    };
    if (withUninstaller)
        ops.push_back(Plain(L"Lumapixel deinstallieren.lnk", kF + L"lp_uninstall.exe"));
    const ExpectedOp texts[] = {
        Plain(L"\u00dcber Lumapixel.lnk", kF + L"l_about.txt"),
        Plain(L"Was ist neu.lnk", kF + L"l_changes.txt"),
        Plain(L"Kommandozeilen-Optionen.lnk", kF + L"l_options.txt"),
        Plain(L"Verf\u00fcgbare PlugIns.lnk", kF + L"l_plugins.txt"),
        Plain(L"Verf\u00fcgbare Sprachen.lnk", kF + L"l_languages.txt"),
        Plain(L"Lumapixel Hilfe.lnk", kF + L"help\\lumpix32_deutsch.chm"),
    };
    ops.insert(ops.end(), std::begin(texts), std::end(texts));
    return ops;
}

void ExpectOps(const std::vector<ShortcutOp>& actual, const std::vector<ExpectedOp>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        SCOPED_TRACE(i);
        const ExpectedOp& e = expected[i];
        const lp::ShortcutRequest& s = actual[i].shortcut;
        EXPECT_EQ(actual[i].kind, e.kind);
        EXPECT_EQ(s.linkName, e.linkName);
        if (e.kind == kDelete)
            continue;
        EXPECT_EQ(s.target, e.target);
        EXPECT_EQ(s.arguments, e.arguments);
        EXPECT_EQ(s.iconPath, e.iconPath);
        if (e.iconPath) {
            EXPECT_EQ(s.iconIndex, e.iconIndex);
        }
        EXPECT_FALSE(s.description) << "group shortcuts carry no description";
    }
}

TEST(StartMenuGroupPlan, NineShortcutsAndTwoDeletionsOnEveryGenerationButEight) {
    for (int generation : {0, 1, 5, 6, 7, 10, 11}) {
        SCOPED_TRACE(generation);
        const lp::ShortcutFolderPlan plan = lp::PlanStartMenuGroup(kF, false, generation);
        EXPECT_EQ(plan.subfolder, L"Lumapixel");
        ExpectOps(plan.ops, ExpectedGroup(true));
    }
}

TEST(StartMenuGroupPlan, GenerationEightLeavesOutTheUninstaller) {
    ExpectOps(lp::PlanStartMenuGroup(kF, false, 8).ops, ExpectedGroup(false));
}

TEST(StartMenuGroupPlan, AllUsersChoosesTheCommonProgramsFolder) {
    EXPECT_EQ(lp::PlanStartMenuGroup(kF, true, 7).csidl, 0x17);
    EXPECT_EQ(lp::PlanStartMenuGroup(kF, false, 7).csidl, 0x02);
}

TEST(DesktopShortcutPlan, EachChoiceGivesItsShortcutWithDescription) {
    const lp::ShortcutFolderPlan both = lp::PlanDesktopShortcuts(kF, true, true, false);
    ASSERT_EQ(both.ops.size(), 2u);
    const lp::ShortcutRequest& viewer = both.ops[0].shortcut;
    EXPECT_EQ(viewer.linkName, L"Lumapixel.lnk");
    EXPECT_EQ(viewer.target, kViewer);
    EXPECT_FALSE(viewer.arguments);
    EXPECT_FALSE(viewer.iconPath);
    EXPECT_EQ(viewer.description, L"Lumapixel - Bildbetrachter");
    const lp::ShortcutRequest& thumbs = both.ops[1].shortcut;
    EXPECT_EQ(thumbs.linkName, L"Lumapixel Thumbnails.lnk");
    EXPECT_EQ(thumbs.target, kViewer);
    EXPECT_EQ(thumbs.arguments, L"/thumbs");
    EXPECT_EQ(thumbs.iconPath, kViewer);
    EXPECT_EQ(thumbs.iconIndex, 7);
    EXPECT_EQ(thumbs.description, L"Lumapixel - Thumbnails");
    for (const ShortcutOp& op : both.ops)
        EXPECT_EQ(op.kind, kCreate);

    EXPECT_TRUE(lp::PlanDesktopShortcuts(kF, false, false, false).ops.empty());
    const auto onlyThumbs = lp::PlanDesktopShortcuts(kF, false, true, false).ops;
    ASSERT_EQ(onlyThumbs.size(), 1u);
    EXPECT_EQ(onlyThumbs[0].shortcut.linkName, L"Lumapixel Thumbnails.lnk");
    const auto onlyViewer = lp::PlanDesktopShortcuts(kF, true, false, false).ops;
    ASSERT_EQ(onlyViewer.size(), 1u);
    EXPECT_EQ(onlyViewer[0].shortcut.linkName, L"Lumapixel.lnk");
}

TEST(DesktopShortcutPlan, AllUsersChoosesTheCommonDesktop) {
    const auto common = lp::PlanDesktopShortcuts(kF, true, true, true);
    EXPECT_EQ(common.csidl, 0x19);
    EXPECT_TRUE(common.subfolder.empty());
    EXPECT_EQ(lp::PlanDesktopShortcuts(kF, true, true, false).csidl, 0x00);
}

TEST(ComposeShortcutPath, JoinsWithoutSeparatorUpToTheBound) {
    EXPECT_EQ(lp::ComposeShortcutPath(L"C:\\a\\", L"b.lnk"), L"C:\\a\\b.lnk");
    const std::wstring link = L"Lumapixel.lnk";
    const std::wstring fits(lp::kMaxShortcutPath - link.size(), L'x');
    EXPECT_EQ(lp::ComposeShortcutPath(fits, link)->size(), 259u);
    EXPECT_FALSE(lp::ComposeShortcutPath(fits + L"x", link));
    EXPECT_FALSE(lp::ComposeShortcutPath(std::wstring(300, L'x'), link));
}

TEST(FitsShortcutPaths, TargetAndIconPathUpToTheBound) {
    const std::wstring fits(lp::kMaxShortcutPath, L'x');
    const std::wstring tooLong = fits + L"x";
    struct Case {
        std::wstring target;
        std::optional<std::wstring> iconPath;
        bool fits;
    };
    const Case cases[] = {
        {fits, std::nullopt, true},     {fits, fits, true},
        {tooLong, std::nullopt, false}, {L"C:\\a.exe", tooLong, false},
        {tooLong, L"C:\\a.exe", false},
    };
    for (const Case& c : cases) {
        lp::ShortcutRequest request;
        request.linkName = L"a.lnk";
        request.target = c.target;
        request.iconPath = c.iconPath;
        EXPECT_EQ(lp::FitsShortcutPaths(request), c.fits)
            << c.target.size() << " " << (c.iconPath ? c.iconPath->size() : 0);
    }
}

// An install folder of 259 characters (the longest allowed, with its backslash) puts every
// group target beyond the bound, so the maker refuses them rather than cutting them short.
TEST(FitsShortcutPaths, LongestInstallFolderGivesTargetsBeyondTheBound) {
    const std::wstring folder = std::wstring(258, L'f') + L"\\";
    for (const ShortcutOp& op : lp::PlanStartMenuGroup(folder, false, 10).ops) {
        if (op.kind == ShortcutOp::Kind::kCreate) {
            EXPECT_FALSE(lp::FitsShortcutPaths(op.shortcut)) << op.shortcut.target.size();
        }
    }
}

}  // namespace
