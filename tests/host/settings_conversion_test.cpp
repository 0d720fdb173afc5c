// Conversion of an 8-bit settings file to UTF-16LE: header, pieces, failures and the temp path.
#include <gtest/gtest.h>

#include "payload/settings_conversion.h"

namespace {

// Stands in for the ANSI code page: every byte is the code point of the same value.
std::optional<std::wstring> Latin1(std::string_view bytes) {
    std::wstring wide;
    for (const char ch : bytes)
        wide.push_back(static_cast<wchar_t>(static_cast<unsigned char>(ch)));
    return wide;
}

std::string Utf16Le(std::string_view ascii) {
    std::string out;
    for (const char ch : ascii) {
        out.push_back(ch);
        out.push_back('\0');
    }
    return out;
}

const std::string kHeader = "\xFF\xFE" + Utf16Le("; UNICODE FILE - edit with care ;-)\r\n\r\n");

TEST(SettingsConversion, RecognisesTheByteOrderMark) {
    EXPECT_TRUE(lp::IsUnicodeSettings("\xFF\xFE"));
    EXPECT_TRUE(lp::IsUnicodeSettings("\xFF\xFE;\0"));
    EXPECT_FALSE(lp::IsUnicodeSettings("\xFE\xFF"));
    EXPECT_FALSE(lp::IsUnicodeSettings("\xFF"));
    EXPECT_FALSE(lp::IsUnicodeSettings(""));
    EXPECT_FALSE(lp::IsUnicodeSettings("[Language]\r\n"));
}

TEST(SettingsConversion, PrefixesHeaderAndConvertsEveryByte) {
    const std::string ansi =
        "[Language]\r\nLang=Deutsch\r\nName=M\xFC"
        "ller\r\nlast line";
    std::string expected = kHeader + Utf16Le("[Language]\r\nLang=Deutsch\r\nName=M");
    expected += std::string("\xFC\0", 2) + Utf16Le("ller\r\nlast line");
    EXPECT_EQ(lp::ConvertSettingsBytes(ansi, Latin1), expected);
    EXPECT_EQ(lp::ConvertSettingsBytes("", Latin1), kHeader);
    // An embedded null byte is kept rather than ending the line there.
    EXPECT_EQ(lp::ConvertSettingsBytes(std::string("a\0b", 3), Latin1),
              kHeader + std::string("a\0\0\0b\0", 6));
}

TEST(SettingsConversion, SplitsIntoPiecesEndingAtLineEndsOrTheLimit) {
    EXPECT_TRUE(lp::SplitSettingsPieces("").empty());
    const std::vector<std::string_view> lines = lp::SplitSettingsPieces("a\r\nb\n\nc");
    EXPECT_EQ(lines, (std::vector<std::string_view>{"a\r\n", "b\n", "\n", "c"}));

    const std::string longLine = std::string(2047 * 2 + 5, 'x') + "\n" + std::string(2047, 'y');
    const std::vector<std::string_view> pieces = lp::SplitSettingsPieces(longLine);
    ASSERT_EQ(pieces.size(), 4u);
    EXPECT_EQ(pieces[0].size(), 2047u);
    EXPECT_EQ(pieces[1].size(), 2047u);
    EXPECT_EQ(pieces[2], "xxxxx\n");
    EXPECT_EQ(pieces[3].size(), 2047u);
    EXPECT_EQ(lp::SplitSettingsPieces(std::string(2048, 'z')).size(), 2u);
}

TEST(SettingsConversion, AFailedPieceConvertsNothing) {
    int calls = 0;
    const lp::AnsiToWide failsSecond = [&](std::string_view bytes) -> std::optional<std::wstring> {
        if (++calls == 2)
            return std::nullopt;
        return Latin1(bytes);
    };
    EXPECT_EQ(lp::ConvertSettingsBytes("one\ntwo\nthree\n", failsSecond), std::nullopt);
}

TEST(SettingsConversion, TempFileLiesBesideTheSettingsFile) {
    EXPECT_EQ(lp::SettingsTempPath(L"C:\\Program Files\\Lumapixel\\lumpix32.ini"),
              L"C:\\Program Files\\Lumapixel\\lumpix32.ini_temp");
    EXPECT_EQ(lp::SettingsTempPath(L"\\\\srv\\share\\lumpix32.ini"),
              L"\\\\srv\\share\\lumpix32.ini_temp");
    EXPECT_EQ(lp::SettingsTempPath(L"D:/x/lumpix32.ini"), L"D:/x/lumpix32.ini_temp");
    EXPECT_EQ(lp::SettingsTempPath(L"C:lumpix32.ini"), L"C:lumpix32.ini_temp");
    EXPECT_EQ(lp::SettingsTempPath(L"lumpix32.ini"), L"lumpix32.ini_temp");
}

}  // namespace
