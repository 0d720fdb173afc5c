// The start-menu group and desktop shortcuts of an installation, in the order they are made.
#include "shell/shortcut_plan.h"

namespace lp {
namespace {

constexpr int kProductMajor = 4;
constexpr int kProductMinor = 66;
constexpr int kThumbnailsIconIndex = 7;
constexpr const wchar_t* kViewerFile = L"lumpix32.exe";
constexpr const wchar_t* kThumbsArgument = L"/thumbs";

// "Lumapixel <major>.<minor>.lnk", the minor version right-aligned in two places.
std::wstring VersionedViewerLinkName(int major, int minor) {
    std::wstring minorText = std::to_wstring(minor);
    if (minorText.size() < 2)
        minorText.insert(0, 2 - minorText.size(), L' ');
    return L"Lumapixel " + std::to_wstring(major) + L"." + minorText + L".lnk";
}

ShortcutOp Create(std::wstring linkName, std::wstring target) {
    ShortcutOp op;
    op.shortcut.linkName = std::move(linkName);
    op.shortcut.target = std::move(target);
    return op;
}

ShortcutOp Delete(std::wstring linkName) {
    ShortcutOp op;
    op.kind = ShortcutOp::Kind::kDelete;
    op.shortcut.linkName = std::move(linkName);
    return op;
}

// A viewer shortcut that opens the thumbnail browser, with the viewer's eighth icon.
ShortcutOp CreateThumbnails(std::wstring linkName, const std::wstring& viewerPath) {
    ShortcutOp op = Create(std::move(linkName), viewerPath);
    op.shortcut.arguments = kThumbsArgument;
    op.shortcut.iconPath = viewerPath;
    op.shortcut.iconIndex = kThumbnailsIconIndex;
    return op;
}

}  // namespace

ShortcutFolderPlan PlanStartMenuGroup(const std::wstring& installFolder, bool allUsers,
                                      int windowsGeneration) {
    const std::wstring& f = installFolder;
    const std::wstring viewer = f + kViewerFile;
    ShortcutFolderPlan plan;
    plan.csidl = allUsers ? kCsidlCommonPrograms : kCsidlPrograms;
    plan.subfolder = L"Lumapixel";
    auto& ops = plan.ops;
    ops.push_back(Create(VersionedViewerLinkName(kProductMajor, kProductMinor), viewer));
    // Viewer shortcuts of the two previous releases; other versions stay.
    ops.push_back(Delete(L"Lumapixel 4.65.lnk"));
    ops.push_back(Delete(L"Lumapixel 4.62.lnk"));
    ops.push_back(CreateThumbnails(L"Lumapixel - Thumbnails.lnk", viewer));
    if (windowsGeneration != 8)
        ops.push_back(Create(L"Lumapixel deinstallieren.lnk", f + L"lp_uninstall.exe"));
    ops.push_back(Create(L"\u00dcber Lumapixel.lnk", f + L"l_about.txt"));
    ops.push_back(Create(L"Was ist neu.lnk", f + L"l_changes.txt"));
    ops.push_back(Create(L"Kommandozeilen-Optionen.lnk", f + L"l_options.txt"));
    ops.push_back(Create(L"Verf\u00fcgbare PlugIns.lnk", f + L"l_plugins.txt"));
    ops.push_back(Create(L"Verf\u00fcgbare Sprachen.lnk", f + L"l_languages.txt"));
    ops.push_back(Create(L"Lumapixel Hilfe.lnk", f + L"help\\lumpix32_deutsch.chm"));
    return plan;
}

ShortcutFolderPlan PlanDesktopShortcuts(const std::wstring& installFolder, bool viewerShortcut,
                                        bool thumbnailsShortcut, bool allUsers) {
    const std::wstring viewer = installFolder + kViewerFile;
    ShortcutFolderPlan plan;
    plan.csidl = allUsers ? kCsidlCommonDesktop : kCsidlDesktop;
    if (viewerShortcut) {
        ShortcutOp op = Create(L"Lumapixel.lnk", viewer);
        op.shortcut.description = L"Lumapixel - Bildbetrachter";
        plan.ops.push_back(std::move(op));
    }
    if (thumbnailsShortcut) {
        ShortcutOp op = CreateThumbnails(L"Lumapixel Thumbnails.lnk", viewer);
        op.shortcut.description = L"Lumapixel - Thumbnails";
        plan.ops.push_back(std::move(op));
    }
    return plan;
}

std::optional<std::wstring> ComposeShortcutPath(const std::wstring& folder,
                                                const std::wstring& linkName) {
    if (folder.size() + linkName.size() > kMaxShortcutPath)
        return std::nullopt;
    return folder + linkName;
}

bool FitsShortcutPaths(const ShortcutRequest& request) {
    return request.target.size() <= kMaxShortcutPath &&
           (!request.iconPath || request.iconPath->size() <= kMaxShortcutPath);
}

}  // namespace lp
