// Shortcut files through the shell's Shell Link object, and the special folders they go to.
#pragma once

#include <string>

#include "shell/shortcut_plan.h"

namespace lp {

// The file-system path of a special folder (CSIDL), ending in a backslash; the Windows
// directory when the folder cannot be resolved.
std::wstring GetSpecialFolderPath(int csidl);

// Writes the shortcut folder + request.linkName (the folder ends in a backslash), replacing a
// file of that name. A shortcut path, target or icon path longer than kMaxShortcutPath is
// refused. Returns 1 when saved.
int CreateShortcutInFolder(const std::wstring& folder, const ShortcutRequest& request);

// The same in the all-users or the current user's desktop folder.
int CreateDesktopShortcut(const ShortcutRequest& request, bool allUsers);

// Runs the operations of a plan in folder (ending in a backslash); failures are skipped.
void ApplyShortcutOps(const std::wstring& folder, const std::vector<ShortcutOp>& ops);

// Resolves the plan's special folder, creates its subfolder and runs its operations. A
// subfolder that cannot be created skips the operations. Failures stay silent.
void ApplyShortcutPlan(const ShortcutFolderPlan& plan);

}  // namespace lp
