// Reads shortcut files back through the Shell Link object, and lists the shortcuts of a folder.
#pragma once

#include <optional>
#include <set>
#include <string>

namespace lp::test {

// What a saved shortcut holds, as the Shell Link object reads it back.
struct LinkContent {
    std::wstring target, arguments, iconPath, description;
    int iconIndex = -1;
};

// The shortcut's content; nothing when it cannot be loaded. COM must be initialised.
std::optional<LinkContent> ReadLink(const std::wstring& path);

// The target of a shortcut, or "<unreadable>".
std::wstring LinkTarget(const std::wstring& path);

// The names of the .lnk files in a folder (which ends in a backslash).
std::set<std::wstring> LinkFilesIn(const std::wstring& folder);

}  // namespace lp::test
