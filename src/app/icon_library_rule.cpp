// Whether the setup may replace an icon library that is already installed.
#include "app/icon_library_rule.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <string>

namespace lp {
namespace {

// The longest leading part of the text that reads as a decimal number, in ASCII; characters
// outside ASCII end it.
std::string NumberPrefix(std::wstring_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == L' ' || (text[i] >= L'\t' && text[i] <= L'\r')))
        ++i;
    std::string ascii;
    if (i < text.size() && text[i] == L'-')
        ascii.push_back('-');
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-'))
        ++i;
    for (; i < text.size() && text[i] < 0x80; ++i)
        ascii.push_back(static_cast<char>(text[i]));
    return ascii;
}

double ReadDecimal(std::wstring_view text) {
    const std::string ascii = NumberPrefix(text);
    double value = 0.0;
    const char* first = ascii.data();
    // Text without a number, and a number beyond the range of a double, read as 0.
    if (std::from_chars(first, first + ascii.size(), value, std::chars_format::general).ec !=
        std::errc{})
        return 0.0;
    return value;
}

int ClampToInt(float value) {
    if (std::isnan(value))
        return 0;
    if (value >= 2147483648.0f)
        return INT_MAX;
    if (value <= -2147483648.0f)
        return INT_MIN;
    return static_cast<int>(value);  // truncates toward zero
}

bool EqualsIgnoringAsciiCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto fold = [](wchar_t c) { return c >= L'a' && c <= L'z' ? c - 32 : c; };
        if (fold(a[i]) != fold(b[i]))
            return false;
    }
    return true;
}

}  // namespace

int VersionThousandths(std::wstring_view versionText) {
    // Stored through volatile floats so that the 32-bit build, whose x87 unit computes with
    // excess precision, rounds to single precision at each step as the 64-bit build does
    // (otherwise "4.29" truncates to 4289 there).
    volatile float single = static_cast<float>(ReadDecimal(versionText));
    volatile float thousandths = single * 1000.0f;
    return ClampToInt(thousandths);
}

bool MayReplaceIconLibrary(std::wstring_view installedVersion, std::int64_t installedSize,
                           std::wstring_view installedCompany) {
    const int reference = VersionThousandths(kReferenceIconLibraryVersion);
    const int installed = VersionThousandths(installedVersion);
    if (installed > reference)
        return false;
    if (installed == reference && installedSize != kReferenceIconLibrarySize)
        return false;
    return EqualsIgnoringAsciiCase(installedCompany, kIconLibraryCompany);
}

}  // namespace lp
