// The length limits of the folders in an InstallOptions record.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lp {

constexpr std::size_t kMaxInstallFolder = 258;  // 259 when it already ends in a backslash
constexpr std::size_t kMaxIniFolder = 259;

// At most 258 characters, or 259 ending in a backslash: room for the closing backslash and the
// terminator in a 260-character path.
inline bool FitsInstallFolderLimit(std::wstring_view folder) {
    return folder.size() <= kMaxInstallFolder ||
           (folder.size() == kMaxInstallFolder + 1 && folder.back() == L'\\');
}

inline bool FitsIniFolderLimit(std::wstring_view folder) {
    return folder.size() <= kMaxIniFolder;
}

// The settings folder an installation uses: an over-long one is dropped rather than cut, so the
// settings land beside the viewer (the rule for an empty folder) and never in a truncated folder.
inline std::wstring IniFolderWithinLimit(const std::wstring& folder) {
    return FitsIniFolderLimit(folder) ? folder : std::wstring();
}

}  // namespace lp
