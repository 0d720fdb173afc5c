// Install-log entries: layout, line ends, time format and the 8-bit encoding.
#include <gtest/gtest.h>

#include "app/install_log_format.h"

namespace lp {
namespace {

const std::string kSeparator = std::string(48, '-') + "\r\n";

TEST(FormatInstallLogEntry, WritesDateTimeMessageAndSeparator) {
    EXPECT_EQ(EncodeLogText(FormatInstallLogEntry(L"11.12.2026", L"07:05:09", L"Hallo")),
              "11.12.2026 - 07:05:09: Hallo\r\n" + kSeparator);
}

TEST(FormatInstallLogEntry, WritesEveryLineBreakAsCrLf) {
    EXPECT_EQ(EncodeLogText(FormatInstallLogEntry(L"d", L"t", L"a\nb\r\nc\n\nd")),
              "d - t: a\r\nb\r\nc\r\n\r\nd\r\n" + kSeparator);
    // The failure-5 line ends in the colon and blank of an empty folder.
    EXPECT_EQ(EncodeLogText(FormatInstallLogEntry(L"d", L"t", L"Fehler: ")),
              "d - t: Fehler: \r\n" + kSeparator);
}

TEST(FormatLogTime, UsesTwoDigitsEach) {
    EXPECT_EQ(FormatLogTime(7, 5, 9), L"07:05:09");
    EXPECT_EQ(FormatLogTime(23, 59, 59), L"23:59:59");
    EXPECT_EQ(FormatLogTime(0, 0, 0), L"00:00:00");
}

TEST(EncodeLogText, KeepsLatin1AndMarksEverythingElse) {
    EXPECT_EQ(EncodeLogText(L"Ung\u00fcltig \u00c4\u00d6\u00dc\u00df"),
              "Ung\xfcltig \xc4\xd6\xdc\xdf");
    EXPECT_EQ(EncodeLogText(L"\u00ff\u0100\u20ac\u4e2d"), "\xff???");
    EXPECT_EQ(EncodeLogText(std::wstring(L"a\0b", 3)), std::string("a\0b", 3));
    EXPECT_EQ(EncodeLogText(L""), "");
}

}  // namespace
}  // namespace lp
