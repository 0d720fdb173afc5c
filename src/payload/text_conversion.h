// The 8-bit to UTF-16 converter that core rules take from their caller.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace lp {

// Converts 8-bit text (for example in the ANSI code page) to UTF-16; nullopt when it cannot.
using AnsiToWide = std::function<std::optional<std::wstring>(std::string_view)>;

}  // namespace lp
