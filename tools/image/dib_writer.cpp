// Encodes .bmp and .ico files from rasters: BITMAPINFOHEADER-based DIBs, written byte by byte.
#include "image/dib_writer.h"

#include "byte_order.h"

#include <cstdint>

namespace lp::image {
namespace {

// BITMAPINFOHEADER; an icon image states twice its height (colour rows and mask rows).
// Icons state no resolution; a .bmp file states 72 pixels per inch (2835 per metre).
void PutInfoHeader(std::string& out, int width, int heightField, int bits, std::uint32_t imageSize,
                   std::uint32_t pixelsPerMetre) {
    bytes::PutLittle32(out, 40);
    bytes::PutLittle32(out, static_cast<std::uint32_t>(width));
    bytes::PutLittle32(out, static_cast<std::uint32_t>(heightField));
    bytes::PutLittle16(out, 1);
    bytes::PutLittle16(out, static_cast<std::uint16_t>(bits));
    bytes::PutLittle32(out, 0);  // BI_RGB
    bytes::PutLittle32(out, imageSize);
    bytes::PutLittle32(out, pixelsPerMetre);
    bytes::PutLittle32(out, pixelsPerMetre);
    bytes::PutLittle32(out, 0);
    bytes::PutLittle32(out, 0);
}

std::string Rows24(const Raster& raster) {
    std::string rows;
    const int padding = (4 - (raster.width * 3) % 4) % 4;
    for (int y = raster.height - 1; y >= 0; --y) {
        for (int x = 0; x < raster.width; ++x) {
            const Rgba& p = raster.at(x, y);
            rows += {static_cast<char>(p.b), static_cast<char>(p.g), static_cast<char>(p.r)};
        }
        rows.append(static_cast<std::size_t>(padding), '\0');
    }
    return rows;
}

// One icon image: header, bottom-up BGRA rows, then the 1-bit AND mask (all zero).
std::string IconImage(const Raster& raster) {
    std::string image;
    const int maskStride = ((raster.width + 31) / 32) * 4;
    const auto pixelBytes = static_cast<std::uint32_t>(raster.width * raster.height * 4);
    PutInfoHeader(image, raster.width, raster.height * 2, 32,
                  pixelBytes + static_cast<std::uint32_t>(maskStride * raster.height), 0);
    for (int y = raster.height - 1; y >= 0; --y) {
        for (int x = 0; x < raster.width; ++x) {
            const Rgba& p = raster.at(x, y);
            image += {static_cast<char>(p.b), static_cast<char>(p.g), static_cast<char>(p.r),
                      static_cast<char>(p.a)};
        }
    }
    image.append(static_cast<std::size_t>(maskStride * raster.height), '\0');
    return image;
}

}  // namespace

std::string EncodeBmp24(const Raster& raster) {
    if (raster.width <= 0 || raster.height <= 0) {
        return {};
    }
    const std::string rows = Rows24(raster);
    std::string out = "BM";
    bytes::PutLittle32(out, static_cast<std::uint32_t>(14 + 40 + rows.size()));
    bytes::PutLittle32(out, 0);
    bytes::PutLittle32(out, 14 + 40);
    PutInfoHeader(out, raster.width, raster.height, 24, static_cast<std::uint32_t>(rows.size()),
                  2835);
    return out + rows;
}

std::string EncodeIco(const std::vector<Raster>& images) {
    if (images.empty() || images.size() > 0xFFFF) {
        return {};
    }
    std::string directory;
    std::string bodies;
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (const Raster& raster : images) {
        if (raster.width < 1 || raster.width > 256 || raster.height < 1 || raster.height > 256) {
            return {};
        }
        const std::string image = IconImage(raster);
        directory.push_back(static_cast<char>(raster.width & 0xFF));  // 256 is written as 0
        directory.push_back(static_cast<char>(raster.height & 0xFF));
        directory += {'\0', '\0'};          // no palette, reserved
        bytes::PutLittle16(directory, 1);   // planes
        bytes::PutLittle16(directory, 32);  // bits per pixel
        bytes::PutLittle32(directory, static_cast<std::uint32_t>(image.size()));
        bytes::PutLittle32(directory, offset);
        offset += static_cast<std::uint32_t>(image.size());
        bodies += image;
    }
    std::string out;
    bytes::PutLittle16(out, 0);
    bytes::PutLittle16(out, 1);  // icon
    bytes::PutLittle16(out, static_cast<std::uint16_t>(images.size()));
    return out + directory + bodies;
}

}  // namespace lp::image
