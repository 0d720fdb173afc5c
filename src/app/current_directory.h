// The process's current directory, remembered as text and made current again.
#pragma once

#include <string>

namespace lp {

// The current directory at whatever length it has; "" when it cannot be read.
std::wstring GetCurrentDirectoryText();

// Makes a remembered directory current again; an empty text changes nothing.
void RestoreCurrentDirectory(const std::wstring& directory);

}  // namespace lp
