// The shortcut files of an installation as data: the start-menu group and the desktop shortcuts.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace lp {

// Shell special folders (CSIDL values) the shortcuts go to.
constexpr int kCsidlDesktop = 0x00;
constexpr int kCsidlPrograms = 0x02;
constexpr int kCsidlCommonPrograms = 0x17;
constexpr int kCsidlCommonDesktop = 0x19;

// One shortcut file; an unset field is left at the shell's default.
struct ShortcutRequest {
    std::wstring linkName;  // file name with ".lnk"
    std::wstring target;
    std::optional<std::wstring> arguments;
    std::optional<std::wstring> iconPath;
    int iconIndex = 0;  // used only with iconPath
    std::optional<std::wstring> description;
};

// Create a shortcut, or delete a file of the folder (a missing file is no error).
struct ShortcutOp {
    enum class Kind { kCreate, kDelete };
    Kind kind = Kind::kCreate;
    ShortcutRequest shortcut;  // kDelete uses only linkName
};

// The operations of one folder: the special folder, an optional subfolder created below it,
// and the operations in the order they run.
struct ShortcutFolderPlan {
    int csidl = kCsidlDesktop;
    std::wstring subfolder;  // "" for the special folder itself
    std::vector<ShortcutOp> ops;
};

// The start-menu group "Lumapixel" for the install folder F (ending in a backslash). The
// uninstaller shortcut is left out on generation 8 (Windows 8 and 8.1).
ShortcutFolderPlan PlanStartMenuGroup(const std::wstring& installFolder, bool allUsers,
                                      int windowsGeneration);

// The chosen desktop shortcuts (viewer, thumbnail browser) for F.
ShortcutFolderPlan PlanDesktopShortcuts(const std::wstring& installFolder, bool viewerShortcut,
                                        bool thumbnailsShortcut, bool allUsers);

// The largest shortcut path the shell link calls are given (MAX_PATH without its terminator).
constexpr std::size_t kMaxShortcutPath = 259;

// folder + linkName, or nothing when the joined path would not fit kMaxShortcutPath.
std::optional<std::wstring> ComposeShortcutPath(const std::wstring& folder,
                                                const std::wstring& linkName);

// Whether the target and the icon path fit kMaxShortcutPath. The shell link keeps paths in
// MAX_PATH buffers, so a longer one would be refused or cut short, and a shortcut to a cut
// path opens the wrong file; such a shortcut is not made at all.
bool FitsShortcutPaths(const ShortcutRequest& request);

}  // namespace lp
