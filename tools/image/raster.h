// An in-memory RGBA picture: what the image writers take and the pattern makers produce.
#pragma once

#include <cstdint>
#include <vector>

namespace lp::image {

struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 255;
};

struct Raster {
    int width = 0;
    int height = 0;
    std::vector<Rgba> pixels;  // row by row, top row first

    Raster(int w, int h, Rgba fill = {})
        : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}
    Rgba& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    const Rgba& at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

}  // namespace lp::image
