// The toolbar skin that suits a screen: from its scale and its full-screen client height.
#pragma once

#include <string>

namespace lp {

struct ToolbarSkin {
    std::wstring file;  // skin image in the viewer's Toolbars folder
    std::wstring size;  // button size in pixels, as text
};

// Scale in percent from pixels per inch (96 gives 100, 120 gives 125); 100 for no value.
int ScalePercentFromPixelsPerInch(int pixelsPerInch);

// The first matching row: height >= 1600 or scale >= 170 gives 48; height > 1200 or
// scale >= 150 gives 32; height < 768 gives 16; otherwise 24.
ToolbarSkin SelectToolbarSkin(int scalePercent, int fullScreenHeight);

}  // namespace lp
