// CreateDirectoryPath: creates every missing folder of a path and normalises the path in place.
#include "app/directory_path.h"

#include <direct.h>

#include "app/current_directory.h"
#include "app/text_path.h"

namespace lp {
namespace {

// Rebuilds the path folder by folder, creating each one; a leading "\\" of a UNC path is kept
// and the server name behind it simply fails to be created.
std::wstring CreateEachFolder(const std::wstring& path) {
    std::wstring built;
    std::size_t i = 0;
    if (path.starts_with(L"\\\\")) {
        built = L"\\\\";
        i = 2;
    }
    for (; i < path.size() && i < kMaxPath; ++i) {
        if (path[i] != L'\\') {
            built.push_back(path[i]);
            continue;
        }
        TrimSpaces(built);
        _wmkdir(built.c_str());  // fails harmlessly for drives, shares and existing folders
        AppendBackslash(built);
    }
    return built;
}

}  // namespace

int CreateDirectoryPath(std::wstring& path) {
    if (path.empty())
        return 0;
    TrimSpaces(path);
    // A path that does not fit the 260-character buffer with its terminator is refused.
    if (path.empty() || path.size() > kMaxPath - 1)
        return 0;
    AppendBackslash(path);
    const std::wstring remembered = GetCurrentDirectoryText();
    if (_wchdir(path.c_str()) != 0) {
        path = CreateEachFolder(path);
        AppendBackslash(path);
        if (_wchdir(path.c_str()) != 0)
            return 0;
    }
    RestoreCurrentDirectory(remembered);
    return 1;
}

}  // namespace lp
