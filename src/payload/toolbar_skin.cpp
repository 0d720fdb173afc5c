// The toolbar skin table.
#include "payload/toolbar_skin.h"

namespace lp {

int ScalePercentFromPixelsPerInch(int pixelsPerInch) {
    if (pixelsPerInch <= 0)
        return 100;
    return static_cast<int>(static_cast<long long>(pixelsPerInch) * 100 / 96);
}

ToolbarSkin SelectToolbarSkin(int scalePercent, int fullScreenHeight) {
    if (fullScreenHeight >= 1600 || scalePercent >= 170) {
        return {L"gnome-colors-human_48.png", L"48"};
    }
    if (fullScreenHeight > 1200 || scalePercent >= 150)
        return {L"gnome-colors-wise_32.png", L"32"};
    if (fullScreenHeight < 768)
        return {L"Pebble_16.png", L"16"};
    return {L"Thornway_24.png", L"24"};
}

}  // namespace lp
