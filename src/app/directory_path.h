// CreateDirectoryPath: creates every missing folder of a path and normalises the path in place.
#pragma once

#include <string>

namespace lp {

// Trims the path, gives it its closing backslash, creates each missing folder and leaves the
// current directory as it was. Returns 1 when the folder exists afterwards and can be entered.
int CreateDirectoryPath(std::wstring& path);

}  // namespace lp
