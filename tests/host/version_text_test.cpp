// The version text of a file from the words of its fixed file information.
#include <gtest/gtest.h>

#include "payload/version_text.h"

namespace {

TEST(VersionText, TakesMajorAndMinorFromProductAndTheLastDigitsFromFileVersion) {
    EXPECT_EQ(lp::FormatVersionText(0x00040003, 0x00000000), L"4.30");
    EXPECT_EQ(lp::FormatVersionText(0x00040004, 0x00000000), L"4.40");
    EXPECT_EQ(lp::FormatVersionText(0x00040002, 0x00090000), L"4.29");
    EXPECT_EQ(lp::FormatVersionText(0x00040042, 0x00000007), L"4.660");  // low word unused
    EXPECT_EQ(lp::FormatVersionText(0xFFFFFFFF, 0xFFFF0000), L"65535.6553565535");
}

}  // namespace
