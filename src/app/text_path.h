// Text and path rules shared by every stage: blank trimming and the closing backslash.
#pragma once

#include <cstddef>
#include <string>

namespace lp {

constexpr std::size_t kMaxPath = 260;     // MAX_PATH, terminator included
constexpr std::size_t kWorkBuffer = 520;  // working copies, terminator included

// Removes trailing blanks (U+0020 only); removes leading blanks only from a text shorter than
// 260 characters.
void TrimSpaces(std::wstring& text);

// Appends a backslash to a path of 1 to 258 characters that does not end in one.
void AppendBackslash(std::wstring& path);

}  // namespace lp
