// Encodes PNG files: signature, IHDR, one zlib-compressed IDAT, IEND, each chunk with its CRC.
#include "image/png_writer.h"

#include "byte_order.h"

#include <zlib.h>

namespace lp::image {
namespace {

void PutChunk(std::string& out, const char* type, const std::string& data) {
    bytes::PutBig32(out, static_cast<std::uint32_t>(data.size()));
    const std::string body = std::string(type, 4) + data;
    out += body;
    bytes::PutBig32(out,
                    static_cast<std::uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(body.data()),
                                                     static_cast<uInt>(body.size()))));
}

// Every row starts with filter type 0 (none), then R, G, B per pixel.
std::string Scanlines(const Raster& raster) {
    std::string rows;
    rows.reserve(static_cast<std::size_t>(raster.height) * (1 + 3 * raster.width));
    for (int y = 0; y < raster.height; ++y) {
        rows.push_back('\0');
        for (int x = 0; x < raster.width; ++x) {
            const Rgba& p = raster.at(x, y);
            rows.push_back(static_cast<char>(p.r));
            rows.push_back(static_cast<char>(p.g));
            rows.push_back(static_cast<char>(p.b));
        }
    }
    return rows;
}

}  // namespace

std::string EncodePng(const Raster& raster) {
    if (raster.width <= 0 || raster.height <= 0) {
        return {};
    }
    const std::string rows = Scanlines(raster);
    uLongf packedSize = compressBound(static_cast<uLong>(rows.size()));
    std::string packed(packedSize, '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
                  reinterpret_cast<const Bytef*>(rows.data()), static_cast<uLong>(rows.size()),
                  Z_BEST_COMPRESSION) != Z_OK) {
        return {};
    }
    packed.resize(packedSize);

    std::string header;
    bytes::PutBig32(header, static_cast<std::uint32_t>(raster.width));
    bytes::PutBig32(header, static_cast<std::uint32_t>(raster.height));
    header +=
        std::string("\x08\x02\x00\x00\x00", 5);  // depth 8, RGB, deflate, filter 0, no interlace

    std::string out("\x89PNG\r\n\x1a\n", 8);
    PutChunk(out, "IHDR", header);
    PutChunk(out, "IDAT", packed);
    PutChunk(out, "IEND", {});
    return out;
}

}  // namespace lp::image
