// Encodes rasters as Windows device-independent bitmaps: .bmp files and .ico files.
#pragma once

#include <string>
#include <vector>

#include "image/raster.h"

namespace lp::image {

// A 24-bit .bmp file (bottom-up rows padded to 4 bytes), or "" for an empty raster.
std::string EncodeBmp24(const Raster& raster);

// An .ico file with one 32-bit image (with alpha and an all-clear AND mask) per raster, in the
// given order. Sizes from 1 to 256 pixels; "" when there is no image or a size is out of range.
std::string EncodeIco(const std::vector<Raster>& images);

}  // namespace lp::image
