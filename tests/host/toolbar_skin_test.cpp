// The toolbar skin table: scale from pixels per inch, and the rows chosen by scale and height.
#include <gtest/gtest.h>

#include "payload/toolbar_skin.h"

namespace {

TEST(ToolbarSkin, ScaleFromPixelsPerInchDropsTheRemainder) {
    EXPECT_EQ(lp::ScalePercentFromPixelsPerInch(96), 100);
    EXPECT_EQ(lp::ScalePercentFromPixelsPerInch(120), 125);
    EXPECT_EQ(lp::ScalePercentFromPixelsPerInch(144), 150);
    EXPECT_EQ(lp::ScalePercentFromPixelsPerInch(168), 175);
    EXPECT_EQ(lp::ScalePercentFromPixelsPerInch(143), 148);
    EXPECT_EQ(lp::ScalePercentFromPixelsPerInch(0), 100);  // no device context value
    EXPECT_EQ(lp::ScalePercentFromPixelsPerInch(2000000000), 2083333333);  // no overflow
}

struct SkinCase {
    int scale, height;
    const wchar_t* file;
    const wchar_t* size;
};

TEST(ToolbarSkin, FirstMatchingRowDecides) {
    const SkinCase cases[] = {
        {125, 1000, L"Thornway_24.png", L"24"},  // 120 pixels per inch
        {150, 1000, L"gnome-colors-wise_32.png", L"32"},
        {175, 1000, L"gnome-colors-human_48.png", L"48"},
        {100, 700, L"Pebble_16.png", L"16"},
        {100, 1600, L"gnome-colors-human_48.png", L"48"},  // 1600 itself selects 48
        {100, 1599, L"gnome-colors-wise_32.png", L"32"},
        {100, 1201, L"gnome-colors-wise_32.png", L"32"},
        {100, 1200, L"Thornway_24.png", L"24"},  // 1200 itself does not select 32
        {100, 768, L"Thornway_24.png", L"24"},
        {100, 767, L"Pebble_16.png", L"16"},
        {170, 700, L"gnome-colors-human_48.png", L"48"},  // scale wins over a small screen
        {169, 700, L"gnome-colors-wise_32.png", L"32"},
        {149, 700, L"Pebble_16.png", L"16"},
    };
    for (const SkinCase& c : cases) {
        const lp::ToolbarSkin skin = lp::SelectToolbarSkin(c.scale, c.height);
        EXPECT_EQ(skin.file, c.file) << c.scale << "% " << c.height;
        EXPECT_EQ(skin.size, c.size) << c.scale << "% " << c.height;
    }
}

}  // namespace
