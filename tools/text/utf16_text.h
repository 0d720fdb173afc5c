// Turns UTF-8 text into the UTF-16LE form Windows resources carry: byte-order mark, CR LF lines.
#pragma once

#include <optional>
#include <string>

namespace lp::text {

// The release notes' page copies at most this many UTF-16 units, byte-order mark included.
inline constexpr std::size_t kMaxReleaseNotesUnits = 10239;

// FF FE followed by the text in UTF-16LE, every line break (LF, CR LF or a lone CR) written as
// CR LF. A leading UTF-8 byte-order mark is dropped. Returns nothing for invalid UTF-8
// (overlong forms, surrogates, values above U+10FFFF, cut sequences) or when the result,
// byte-order mark included, holds more than maxUnits UTF-16 units.
std::optional<std::string> Utf8ToUtf16LeWithBom(const std::string& utf8, std::size_t maxUnits);

}  // namespace lp::text
