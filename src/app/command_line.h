// The command-line grammar of a silent installation: "/silent" and the switches it reads.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "app/install_options.h"

namespace lp {

constexpr std::size_t kWorkingCopyLength = 519;  // characters of the command line searched
constexpr std::size_t kSwitchLimit = 260;        // counted from a switch's leading slash

// True when the command line holds "/silent" anywhere (case-sensitive, also inside a word).
bool IsSilentCommandLine(std::wstring_view commandLine);

// The first 519 characters of the command line, in which the switches are searched.
std::wstring MakeWorkingCopy(std::wstring_view commandLine);

// Copies the value of the switch at switchPos (prefix of prefixLength characters) into value:
// it ends before the next "/", at the end of the text, or at switchPos + limit. Returns the
// position just after the value.
std::size_t GetSwitchValue(std::wstring_view workingCopy, std::size_t switchPos,
                           std::size_t prefixLength, std::size_t limit, std::wstring& value);

// Removes trailing blanks and one pair of surrounding double quotes; with stripAgain, trailing
// blanks once more. Leading blanks are kept.
void CleanPathValue(std::wstring& value, bool stripAgain);

// A signed decimal number: leading white space, optional sign, digits up to the first other
// character; 0 without digits; clamped to the range of a signed 32-bit integer.
int ParseSwitchNumber(std::wstring_view value);

// Applies the eight switches to a record that already holds the silent defaults.
void FillOptionsFromCommandLine(std::wstring_view commandLine, InstallOptions& options);

}  // namespace lp
