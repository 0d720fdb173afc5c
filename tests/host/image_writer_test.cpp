// The generated PNG, BMP and ICO files, read back by `file`, icotool and zlib.
#include <gtest/gtest.h>

#include <zlib.h>

#include "command_support.h"
#include "image/dib_writer.h"
#include "image/patterns.h"
#include "image/png_writer.h"

namespace lp::image {
namespace {

using test::RunCommand;
using test::TempFile;

std::uint32_t Big32(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

TEST(PngWriter, ToolbarStripsHaveTheSizeInTheirNameAsHeight) {
    for (int size : {16, 24, 32, 48}) {
        TempFile png(".png", EncodePng(ToolbarStrip(size)));
        const std::string expected = "PNG image data, " + std::to_string(12 * size) + " x " +
                                     std::to_string(size) + ", 8-bit/color RGB, non-interlaced";
        EXPECT_NE(RunCommand("file -b " + png.path()).output.find(expected), std::string::npos)
            << size;
    }
}

TEST(PngWriter, ImageDataInflatesToFilteredRowsWithCheckedChunks) {
    Raster raster(3, 2, {10, 20, 30, 255});
    raster.at(2, 1) = {1, 2, 3, 255};
    const std::string png = EncodePng(raster);
    ASSERT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    const std::size_t idat = png.find("IDAT");
    ASSERT_NE(idat, std::string::npos);
    const std::uint32_t length = Big32(png, idat - 4);
    const std::uint32_t crc = static_cast<std::uint32_t>(
        crc32(0, reinterpret_cast<const Bytef*>(png.data() + idat), length + 4));
    EXPECT_EQ(Big32(png, idat + 4 + length), crc);

    std::string rows(2 * (1 + 3 * 3), '\0');
    uLongf rowsSize = rows.size();
    ASSERT_EQ(uncompress(reinterpret_cast<Bytef*>(rows.data()), &rowsSize,
                         reinterpret_cast<const Bytef*>(png.data() + idat + 4), length),
              Z_OK);
    EXPECT_EQ(rows, std::string("\0\x0a\x14\x1e\x0a\x14\x1e\x0a\x14\x1e"
                                "\0\x0a\x14\x1e\x0a\x14\x1e\x01\x02\x03",
                                20));
    EXPECT_EQ(png.substr(png.size() - 12), std::string("\0\0\0\0IEND\xae\x42\x60\x82", 12));
}

TEST(PngWriter, EmptyRasterGivesNothing) {
    EXPECT_EQ(EncodePng(Raster(0, 5)), "");
}

TEST(DibWriter, BmpRowsArePaddedBottomUp) {
    Raster raster(2, 2, {255, 0, 0, 255});  // 6 bytes a row, padded to 8
    raster.at(0, 0) = {0, 0, 255, 255};     // top left blue: lands in the last row
    const std::string bmp = EncodeBmp24(raster);
    ASSERT_EQ(bmp.size(), 14u + 40u + 16u);
    EXPECT_EQ(bmp.substr(54, 8), std::string("\0\0\xff\0\0\xff\0\0", 8));
    EXPECT_EQ(bmp.substr(62, 8), std::string("\xff\0\0\0\0\xff\0\0", 8));
    TempFile file(".bmp", EncodeBmp24(LogoPicture(88, 31)));
    EXPECT_NE(RunCommand("file -b " + file.path())
                  .output.find("PC bitmap, Windows 3.x format, 88 x 31 x 24"),
              std::string::npos);
}

TEST(DibWriter, IconFileListsEveryImageForIcotool) {
    TempFile ico(".ico", EncodeIco({IconPicture(7, 32), IconPicture(7, 16), IconPicture(7, 256)}));
    const test::CommandResult listing = RunCommand("icotool -l " + ico.path());
    EXPECT_EQ(listing.output,
              "--icon --index=1 --width=32 --height=32 --bit-depth=32 --palette-size=0\n"
              "--icon --index=2 --width=16 --height=16 --bit-depth=32 --palette-size=0\n"
              "--icon --index=3 --width=256 --height=256 --bit-depth=32 --palette-size=0\n");
}

TEST(DibWriter, IconRefusesSizesOutsideOneTo256) {
    EXPECT_EQ(EncodeIco({}), "");
    EXPECT_EQ(EncodeIco({Raster(257, 257)}), "");
    EXPECT_EQ(EncodeIco({Raster(0, 16)}), "");
}

TEST(Patterns, IconVariantsDifferFromEachOther) {
    for (int a = 0; a < kIconVariants; ++a) {
        for (int b = a + 1; b < kIconVariants; ++b) {
            EXPECT_NE(EncodeIco({IconPicture(a, 16)}), EncodeIco({IconPicture(b, 16)}))
                << a << " " << b;
        }
    }
}

}  // namespace
}  // namespace lp::image
