// The pictures of the payload and the setup, drawn from fixed rules so every build gets the same.
#pragma once

#include "image/raster.h"

namespace lp::image {

// Number of distinct icon pictures; IconPicture(variant, ...) repeats after that.
inline constexpr int kIconVariants = 12;
// Buttons in a toolbar strip: the strip is kToolbarButtons x size wide and size high.
inline constexpr int kToolbarButtons = 12;

// A square icon picture: a frame in the variant's own colour around a white lens whose centre
// holds the variant's colour again, so icons of different variants differ at a glance.
Raster IconPicture(int variant, int size);
// A toolbar skin: kToolbarButtons square buttons of `size` pixels side by side.
Raster ToolbarStrip(int size);
// The setup's logo bitmap: a blue gradient with a light band.
Raster LogoPicture(int width, int height);

}  // namespace lp::image
