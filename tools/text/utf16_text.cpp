// UTF-8 decoding with strict validation and UTF-16LE encoding with CR LF line ends.
#include "text/utf16_text.h"

#include <cstdint>

namespace lp::text {
namespace {

// Decodes one code point starting at `at` and advances past it; nothing for invalid input.
std::optional<char32_t> DecodeOne(const std::string& in, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(in[at]);
    int length = lead < 0x80           ? 1
                 : (lead >> 5) == 0x6  ? 2
                 : (lead >> 4) == 0xE  ? 3
                 : (lead >> 3) == 0x1E ? 4
                                       : 0;
    if (length == 0 || at + length > in.size()) {
        return std::nullopt;
    }
    static constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
    char32_t value = length == 1 ? lead : lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(in[at + i]);
        if ((next & 0xC0) != 0x80) {
            return std::nullopt;
        }
        value = (value << 6) | (next & 0x3F);
    }
    if (value < kMinimum[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return std::nullopt;
    }
    at += static_cast<std::size_t>(length);
    return value;
}

void PutUnit(std::string& out, std::uint16_t unit) {
    out.push_back(static_cast<char>(unit & 0xFF));
    out.push_back(static_cast<char>(unit >> 8));
}

void PutCodePoint(std::string& out, char32_t value) {
    if (value < 0x10000) {
        PutUnit(out, static_cast<std::uint16_t>(value));
        return;
    }
    value -= 0x10000;
    PutUnit(out, static_cast<std::uint16_t>(0xD800 + (value >> 10)));
    PutUnit(out, static_cast<std::uint16_t>(0xDC00 + (value & 0x3FF)));
}

}  // namespace

std::optional<std::string> Utf8ToUtf16LeWithBom(const std::string& utf8, std::size_t maxUnits) {
    std::string out("\xFF\xFE", 2);
    std::size_t at = utf8.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    while (at < utf8.size()) {
        const std::optional<char32_t> value = DecodeOne(utf8, at);
        if (!value) {
            return std::nullopt;
        }
        if (*value == U'\r' || *value == U'\n') {
            if (*value == U'\r' && at < utf8.size() && utf8[at] == '\n') {
                ++at;
            }
            PutCodePoint(out, U'\r');
            PutCodePoint(out, U'\n');
        } else {
            PutCodePoint(out, *value);
        }
        if (out.size() / 2 > maxUnits) {
            return std::nullopt;
        }
    }
    return out;
}

}  // namespace lp::text
