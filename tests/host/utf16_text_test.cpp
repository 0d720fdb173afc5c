// UTF-8 to UTF-16LE conversion of the release notes: line ends, validation and the length bound.
#include <gtest/gtest.h>

#include "text/utf16_text.h"

namespace lp::text {
namespace {

std::string Units(std::u16string_view text) {
    std::string out("\xFF\xFE", 2);
    for (char16_t unit : text) {
        out += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    }
    return out;
}

TEST(Utf16Text, ConvertsTextAndLineEnds) {
    struct Case {
        const char* utf8;
        std::u16string_view expected;
    };
    const Case cases[] = {
        {"", u""},
        {"a\nb\n", u"a\r\nb\r\n"},
        {"a\r\nb", u"a\r\nb"},
        {"a\rb\r", u"a\r\nb\r\n"},
        {"a\n\r\nb", u"a\r\n\r\nb"},
        {"\xEF\xBB\xBFNeu", u"Neu"},
        {"Ä ö ü ß €", u"\u00C4 \u00F6 \u00FC \u00DF \u20AC"},
        {"\xF0\x9F\x96\xBC", u"\xD83D\xDDBC"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Utf8ToUtf16LeWithBom(c.utf8, kMaxReleaseNotesUnits), Units(c.expected)) << c.utf8;
    }
}

TEST(Utf16Text, RefusesInvalidUtf8) {
    for (const char* bad : {"\x80", "\xC3", "\xC0\x80", "\xE0\x80\x80", "\xED\xA0\x80",
                            "\xF4\x90\x80\x80", "\xF8\x88\x80\x80\x80", "ok\xC3(", "\xFF"}) {
        EXPECT_EQ(Utf8ToUtf16LeWithBom(bad, kMaxReleaseNotesUnits), std::nullopt) << bad;
    }
}

TEST(Utf16Text, LengthBoundCountsTheByteOrderMarkAndLineEnds) {
    const std::size_t fit = kMaxReleaseNotesUnits - 1;  // one unit for the byte-order mark
    EXPECT_TRUE(Utf8ToUtf16LeWithBom(std::string(fit, 'x'), kMaxReleaseNotesUnits));
    EXPECT_FALSE(Utf8ToUtf16LeWithBom(std::string(fit + 1, 'x'), kMaxReleaseNotesUnits));
    EXPECT_FALSE(Utf8ToUtf16LeWithBom(std::string(fit - 1, 'x') + "\n", kMaxReleaseNotesUnits));
    EXPECT_EQ(Utf8ToUtf16LeWithBom(std::string(fit, 'x'), kMaxReleaseNotesUnits)->size(),
              2 * kMaxReleaseNotesUnits);
}

}  // namespace
}  // namespace lp::text
