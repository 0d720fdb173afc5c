// Draws the icon, toolbar and logo pictures from fixed colours and shapes.
#include "image/patterns.h"

#include <array>

namespace lp::image {
namespace {

constexpr std::array<Rgba, kIconVariants> kPalette = {{
    {200, 30, 30, 255},
    {230, 120, 20, 255},
    {220, 200, 20, 255},
    {60, 170, 40, 255},
    {20, 160, 150, 255},
    {30, 90, 210, 255},
    {110, 40, 190, 255},
    {200, 40, 150, 255},
    {120, 80, 40, 255},
    {90, 90, 90, 255},
    {20, 40, 90, 255},
    {150, 200, 60, 255},
}};

constexpr Rgba kWhite{255, 255, 255, 255};

Rgba PaletteColour(int index) {
    const int n = static_cast<int>(kPalette.size());
    return kPalette[static_cast<std::size_t>(((index % n) + n) % n)];
}

bool InsideCircle(int x, int y, int size, int radiusTimes2) {
    const int dx = 2 * x + 1 - size;
    const int dy = 2 * y + 1 - size;
    return dx * dx + dy * dy <= radiusTimes2 * radiusTimes2;
}

void DrawButton(Raster& strip, int left, int size, Rgba colour) {
    const Rgba dark{static_cast<std::uint8_t>(colour.r / 2),
                    static_cast<std::uint8_t>(colour.g / 2),
                    static_cast<std::uint8_t>(colour.b / 2), 255};
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const bool edge = x == 0 || y == 0 || x == size - 1 || y == size - 1;
            const bool centre =
                x >= size / 4 && x < size - size / 4 && y >= size / 4 && y < size - size / 4;
            strip.at(left + x, y) = edge ? dark : centre ? kWhite : colour;
        }
    }
}

}  // namespace

Raster IconPicture(int variant, int size) {
    const Rgba colour = PaletteColour(variant);
    Raster picture(size, size, colour);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (InsideCircle(x, y, size, size * 3 / 4) && !InsideCircle(x, y, size, size / 4)) {
                picture.at(x, y) = kWhite;
            }
        }
    }
    return picture;
}

Raster ToolbarStrip(int size) {
    Raster strip(kToolbarButtons * size, size);
    for (int i = 0; i < kToolbarButtons; ++i) {
        DrawButton(strip, i * size, size, PaletteColour(i));
    }
    return strip;
}

Raster LogoPicture(int width, int height) {
    Raster picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const auto shade =
                static_cast<std::uint8_t>(60 + 150 * x / (width > 1 ? width - 1 : 1));
            const bool band = y >= height / 3 && y < height - height / 3;
            picture.at(x, y) = band ? Rgba{240, 240, 255, 255}
                                    : Rgba{20, static_cast<std::uint8_t>(shade / 2), shade, 255};
        }
    }
    return picture;
}

}  // namespace lp::image
