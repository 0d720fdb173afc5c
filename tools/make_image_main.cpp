// lp_make_image: writes the generated pictures of the payload and the setup.
//   lp_make_image icon OUTPUT.ico VARIANT SIZE...   one icon file with an image per size
//   lp_make_image toolbar OUTPUT.png SIZE           a toolbar strip SIZE pixels high
//   lp_make_image logo OUTPUT.bmp WIDTH HEIGHT      the setup's 24-bit logo bitmap
#include <charconv>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "file_io.h"
#include "image/dib_writer.h"
#include "image/patterns.h"
#include "image/png_writer.h"

namespace {

// A whole decimal argument between low and high, or nothing.
std::optional<int> Number(const char* text, int low, int high) {
    int value = 0;
    const char* end = text + std::strlen(text);
    const auto [stop, error] = std::from_chars(text, end, value);
    if (error != std::errc() || stop != end || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

std::string Build(int argc, char** argv) {
    const std::string kind = argv[1];
    if (kind == "icon" && argc >= 5) {
        const auto variant = Number(argv[3], 0, 1000);
        std::vector<lp::image::Raster> images;
        for (int i = 4; i < argc && variant; ++i) {
            const auto size = Number(argv[i], 1, 256);
            if (!size) {
                return {};
            }
            images.push_back(lp::image::IconPicture(*variant, *size));
        }
        return variant ? lp::image::EncodeIco(images) : std::string();
    }
    if (kind == "toolbar" && argc == 4) {
        const auto size = Number(argv[3], 1, 256);
        return size ? lp::image::EncodePng(lp::image::ToolbarStrip(*size)) : std::string();
    }
    if (kind == "logo" && argc == 5) {
        const auto width = Number(argv[3], 1, 2048);
        const auto height = Number(argv[4], 1, 2048);
        return width && height ? lp::image::EncodeBmp24(lp::image::LogoPicture(*width, *height))
                               : std::string();
    }
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    const std::string bytes = argc >= 3 ? Build(argc, argv) : std::string();
    if (bytes.empty()) {
        std::fprintf(stderr,
                     "usage: lp_make_image icon OUT.ico VARIANT SIZE... | toolbar OUT.png SIZE | "
                     "logo OUT.bmp WIDTH HEIGHT (sizes 1 to 256, logo up to 2048)\n");
        return 2;
    }
    if (!lp::tools::WriteWholeFile(argv[2], bytes)) {
        std::fprintf(stderr, "lp_make_image: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
