// The icon-library rule: version in thousandths, size and company of the installed library.
#include <gtest/gtest.h>

#include <climits>

#include "app/icon_library_rule.h"

namespace lp {
namespace {

TEST(VersionThousandths, ReadsDecimalsInSinglePrecision) {
    struct Case {
        const wchar_t* text;
        int thousandths;
    };
    const Case cases[] = {
        {L"4.30", 4300}, {L"4.29", 4290},    {L"4.40", 4400},     {L"4.3", 4300},
        {L"4.66", 4660}, {L"0.001", 1},      {L"4.30beta", 4300}, {L"  4.31", 4310},
        {L"", 0},        {L"abc", 0},        {L".", 0},           {L"-1.5", -1500},
        {L"4,30", 4000}, {L"1e40", INT_MAX}, {L"-1e40", INT_MIN}, {L"inf", INT_MAX},
        {L"nan", 0},     {L"4.295", 4295},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VersionThousandths(c.text), c.thousandths) << c.text;
}

TEST(MayReplaceIconLibrary, KeepsNewerOtherBuildsAndForeignLibraries) {
    struct Case {
        const wchar_t* version;
        std::int64_t size;
        const wchar_t* company;
        bool replace;
    };
    const Case cases[] = {
        {L"4.40", 226816, L"Quellmark", false},
        {L"4.40", 1, L"Other", false},
        {L"4.30", 226816, L"QUELLMARK", true},
        {L"4.30", 226816, L"quellmark", true},
        {L"4.30", 226817, L"Quellmark", false},
        {L"4.30", 0, L"Quellmark", false},
        {L"4.29", 226816, L"Other Corp", false},
        {L"4.29", 12345, L"Quellmark", true},
        {L"4.29", 12345, L"", false},
        {L"4.30", 226816, L"", false},
        {L"4.30", 226816, L"Quellmark ", false},
        {L"", 0, L"Quellmark", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MayReplaceIconLibrary(c.version, c.size, c.company), c.replace)
            << c.version << " " << c.size << " " << c.company;
}

}  // namespace
}  // namespace lp
