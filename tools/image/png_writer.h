// Encodes a raster as an 8-bit RGB PNG file (no alpha, no interlace, no time chunk).
#pragma once

#include <string>

#include "image/raster.h"

namespace lp::image {

// The PNG file's bytes, or "" when the raster is empty or the compressor fails.
std::string EncodePng(const Raster& raster);

}  // namespace lp::image
