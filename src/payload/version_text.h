// The version text of a file ("4.30") from the words of its fixed file information.
#pragma once

#include <cstdint>
#include <string>

namespace lp {

// "%d.%d%d" from the high and low word of the product version's most significant part and the
// high word of the file version's least significant part.
std::wstring FormatVersionText(std::uint32_t productVersionMS, std::uint32_t fileVersionLS);

}  // namespace lp
