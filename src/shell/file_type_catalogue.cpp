// FileTypeCatalogue: the fixed table of file-type groups, their extensions, classes and icons.
#include "shell/file_type_catalogue.h"

#include <iterator>

namespace lp {
namespace {

// An extension written with another class shares that class's file-type key.
constexpr FileTypeExtension kRow0[] = {{L"ani", L"ani"}};
constexpr FileTypeExtension kRow1[] = {{L"b3d", L"b3d"}};
constexpr FileTypeExtension kRow2[] = {{L"bmp", L"bmp"}, {L"dib", L"bmp"}};
constexpr FileTypeExtension kRow3[] = {{L"clp", L"clp"}};
constexpr FileTypeExtension kRow4[] = {{L"crw", L"crw"}, {L"cr2", L"cr2"}, {L"cr3", L"cr3"}};
constexpr FileTypeExtension kRow5[] = {{L"cur", L"cur"}};
constexpr FileTypeExtension kRow6[] = {{L"dcm", L"dcm"}, {L"acr", L"dcm"}, {L"ima", L"dcm"}};
constexpr FileTypeExtension kRow7[] = {{L"dcx", L"dcx"}};
constexpr FileTypeExtension kRow8[] = {{L"dds", L"dds"}};
constexpr FileTypeExtension kRow9[] = {{L"djvu", L"djvu"}, {L"iw44", L"djvu"}};
constexpr FileTypeExtension kRow10[] = {{L"dxf", L"dxf"}};
constexpr FileTypeExtension kRow11[] = {{L"ecw", L"ecw"}};
constexpr FileTypeExtension kRow12[] = {{L"emf", L"emf"}};
constexpr FileTypeExtension kRow13[] = {{L"eps", L"eps"}, {L"ps", L"eps"}};
constexpr FileTypeExtension kRow14[] = {{L"exr", L"exr"}};
constexpr FileTypeExtension kRow15[] = {{L"g3", L"g3"}};
constexpr FileTypeExtension kRow16[] = {{L"gif", L"gif"}};
constexpr FileTypeExtension kRow17[] = {{L"hdp", L"hdp"}, {L"jxr", L"hdp"}, {L"wdp", L"hdp"}};
constexpr FileTypeExtension kRow18[] = {{L"heic", L"heic"}};
constexpr FileTypeExtension kRow19[] = {{L"ico", L"ico"}};
constexpr FileTypeExtension kRow20[] = {{L"iff", L"iff"}, {L"lbm", L"iff"}};
constexpr FileTypeExtension kRow21[] = {{L"jls", L"jls"}};
constexpr FileTypeExtension kRow22[] = {{L"jp2", L"jp2"}, {L"jpc", L"jp2"}, {L"j2k", L"jp2"}};
constexpr FileTypeExtension kRow23[] = {
    {L"jpg", L"jpg"}, {L"jpeg", L"jpg"}, {L"jfif", L"jpg"}, {L"jpe", L"jpg"}};
constexpr FileTypeExtension kRow24[] = {{L"jpm", L"jpm"}};
constexpr FileTypeExtension kRow25[] = {{L"jxl", L"jxl"}};
constexpr FileTypeExtension kRow26[] = {{L"mng", L"mng"}, {L"jng", L"jng"}};
constexpr FileTypeExtension kRow27[] = {{L"pbm", L"pbm"}};
constexpr FileTypeExtension kRow28[] = {{L"pcd", L"pcd"}};
constexpr FileTypeExtension kRow29[] = {{L"pcx", L"pcx"}};
constexpr FileTypeExtension kRow30[] = {{L"pgm", L"pgm"}};
constexpr FileTypeExtension kRow31[] = {{L"png", L"png"}};
constexpr FileTypeExtension kRow32[] = {{L"ppm", L"ppm"}};
constexpr FileTypeExtension kRow33[] = {{L"psd", L"psd"}};
constexpr FileTypeExtension kRow34[] = {{L"psp", L"psp"}};
constexpr FileTypeExtension kRow35[] = {{L"qoi", L"qoi"}};
constexpr FileTypeExtension kRow36[] = {{L"ras", L"ras"}, {L"sun", L"ras"}};
constexpr FileTypeExtension kRow37[] = {{L"raw", L"raw"}};
constexpr FileTypeExtension kRow38[] = {{L"rle", L"rle"}};
constexpr FileTypeExtension kRow39[] = {{L"sff", L"sff"}};
constexpr FileTypeExtension kRow40[] = {{L"sgi", L"sgi"}, {L"rgb", L"sgi"}};
constexpr FileTypeExtension kRow41[] = {{L"sid", L"sid"}};
constexpr FileTypeExtension kRow42[] = {{L"tga", L"tga"}};
constexpr FileTypeExtension kRow43[] = {{L"tif", L"tif"}, {L"tiff", L"tif"}};
constexpr FileTypeExtension kRow44[] = {{L"wbmp", L"wbmp"}};
constexpr FileTypeExtension kRow45[] = {{L"webp", L"webp"}};
constexpr FileTypeExtension kRow46[] = {{L"wmf", L"wmf"}};
constexpr FileTypeExtension kRow47[] = {{L"xbm", L"xbm"}};
constexpr FileTypeExtension kRow48[] = {{L"xpm", L"xpm"}};
constexpr FileTypeExtension kRow49[] = {{L"swf", L"swf"}, {L"flv", L"flv"}};
constexpr FileTypeExtension kRow50[] = {{L"ttf", L"ttf"}};
constexpr FileTypeExtension kRow51[] = {{L"asf", L"asf"}};
constexpr FileTypeExtension kRow52[] = {{L"avi", L"avi"}};
constexpr FileTypeExtension kRow53[] = {{L"mpg", L"mpg"}, {L"mpe", L"mpe"}, {L"mpeg", L"mpg"}};
constexpr FileTypeExtension kRow54[] = {{L"mov", L"mov"}};
constexpr FileTypeExtension kRow55[] = {{L"wmv", L"wmv"}};
constexpr FileTypeExtension kRow56[] = {{L"aif", L"aif"}};
constexpr FileTypeExtension kRow57[] = {{L"mid", L"mid"}, {L"rmi", L"rmi"}};
constexpr FileTypeExtension kRow58[] = {{L"mp3", L"mp3"}};
constexpr FileTypeExtension kRow59[] = {{L"ogg", L"ogg"}};
constexpr FileTypeExtension kRow60[] = {{L"au", L"au"}, {L"snd", L"au"}};
constexpr FileTypeExtension kRow61[] = {{L"wav", L"wav"}};
constexpr FileTypeExtension kRow62[] = {{L"wma", L"wma"}};

constexpr FileTypeGroup kRows[] = {
    {L"ANI", L"Animated Windows Cursors *", true, kRow0, FileTypeIcon::kFileItself},
    {L"B3D", L"BodyPaint 3D Format *", true, kRow1, FileTypeIcon::kViewer0},
    {L"BMP/DIB", L"Windows Bitmap", true, kRow2, FileTypeIcon::kViewer0},
    {L"CLP", L"Windows Clipboard *", true, kRow3, FileTypeIcon::kViewer0},
    {L"CRW/CR2/CR3", L"Canon RAW Format *", true, kRow4, FileTypeIcon::kViewer0},
    {L"CUR", L"Windows Cursor", true, kRow5, FileTypeIcon::kFileItself},
    {L"DCM/ACR/IMA", L"DICOM Format *", true, kRow6, FileTypeIcon::kViewer0},
    {L"DCX", L"Multipage Zsoft Paintbrush", true, kRow7, FileTypeIcon::kViewer0},
    {L"DDS", L"Direct Draw Surface *", true, kRow8, FileTypeIcon::kViewer0},
    {L"DJVU/IW44", L"DjVu Format *", true, kRow9, FileTypeIcon::kViewer0},
    {L"DXF", L"Drawing Interchange Format *", true, kRow10, FileTypeIcon::kViewer0},
    {L"ECW", L"Enhanced Compressed Wavelet *", true, kRow11, FileTypeIcon::kViewer0},
    {L"EMF", L"Enhanced Windows Metafile", true, kRow12, FileTypeIcon::kViewer0},
    {L"EPS/PS", L"PostScript Format *", true, kRow13, FileTypeIcon::kViewer0},
    {L"EXR", L"EXR Format *", true, kRow14, FileTypeIcon::kViewer0},
    {L"G3", L"G3 FAX Format *", true, kRow15, FileTypeIcon::kViewer0},
    {L"GIF", L"Compuserve GIF", true, kRow16, FileTypeIcon::kViewer0},
    {L"HDP/JXR/WDP", L"JPEG-XR/HD-Photo Format *", true, kRow17, FileTypeIcon::kViewer0},
    {L"HEIC", L"High Efficiency Image File Format *", true, kRow18, FileTypeIcon::kViewer0},
    {L"ICO", L"Windows Icon", true, kRow19, FileTypeIcon::kFileItself},
    {L"IFF/LBM", L"Amiga Interchange File Format *", true, kRow20, FileTypeIcon::kViewer0},
    {L"JLS", L"JPEG-LS Format *", true, kRow21, FileTypeIcon::kViewer0},
    {L"JP2/JPC/J2K", L"JPEG2000 Format *", true, kRow22, FileTypeIcon::kViewer0},
    {L"JPG/JPEG/JFIF/JPE", L"JPEG Format", true, kRow23, FileTypeIcon::kViewer0},
    {L"JPM", L"JPM Format *", true, kRow24, FileTypeIcon::kViewer0},
    {L"JXL", L"JPEG XL Format *", true, kRow25, FileTypeIcon::kViewer0},
    {L"MNG/JNG", L"Multiple Network Graphics *", true, kRow26, FileTypeIcon::kViewer0},
    {L"PBM", L"Portable Bitmap", true, kRow27, FileTypeIcon::kViewer0},
    {L"PCD", L"Kodak Photo CD", true, kRow28, FileTypeIcon::kViewer0},
    {L"PCX", L"Zsoft Paintbrush", true, kRow29, FileTypeIcon::kViewer0},
    {L"PGM", L"Portable Greymap", true, kRow30, FileTypeIcon::kViewer0},
    {L"PNG", L"Portable Network Graphics", true, kRow31, FileTypeIcon::kViewer0},
    {L"PPM", L"Portable Pixelmap", true, kRow32, FileTypeIcon::kViewer0},
    {L"PSD", L"Adobe Photoshop Image", true, kRow33, FileTypeIcon::kViewer0},
    {L"PSP", L"Paint Shop Pro Image *", true, kRow34, FileTypeIcon::kViewer0},
    {L"QOI", L"Quite OK Image *", true, kRow35, FileTypeIcon::kViewer0},
    {L"RAS/SUN", L"Sun Raster Format *", true, kRow36, FileTypeIcon::kViewer0},
    {L"RAW", L"RAW Image Data *", true, kRow37, FileTypeIcon::kViewer0},
    {L"RLE", L"Utah RLE Format *", true, kRow38, FileTypeIcon::kViewer0},
    {L"SFF", L"Structured Fax Format *", true, kRow39, FileTypeIcon::kViewer0},
    {L"SGI/RGB", L"Silicon Graphics Image *", true, kRow40, FileTypeIcon::kViewer0},
    {L"SID", L"LizardTech MrSID Format *", true, kRow41, FileTypeIcon::kViewer0},
    {L"TGA", L"Truevision Targa", true, kRow42, FileTypeIcon::kViewer0},
    {L"TIF/TIFF", L"Tagged Image File Format", true, kRow43, FileTypeIcon::kViewer0},
    {L"WBMP", L"WAP Bitmap *", true, kRow44, FileTypeIcon::kViewer0},
    {L"WEBP", L"Weppy Format *", true, kRow45, FileTypeIcon::kViewer0},
    {L"WMF", L"Windows Metafile", true, kRow46, FileTypeIcon::kViewer0},
    {L"XBM", L"X-Bitmap *", true, kRow47, FileTypeIcon::kViewer0},
    {L"XPM", L"X-Pixmap *", true, kRow48, FileTypeIcon::kViewer0},
    {L"SWF/FLV", L"Macromedia Flash Format *", false, kRow49, FileTypeIcon::kViewer0},
    {L"TTF", L"True Type Font Format *", false, kRow50, FileTypeIcon::kViewer0},
    {L"ASF", L"Advanced Systems Format *", false, kRow51, FileTypeIcon::kViewer9},
    {L"AVI", L"Video for Windows *", false, kRow52, FileTypeIcon::kViewer9},
    {L"MPG/MPE/MPEG", L"MPEG Movie *", false, kRow53, FileTypeIcon::kViewer9},
    {L"MOV", L"Apple QuickTime Movie *", false, kRow54, FileTypeIcon::kViewer9},
    {L"WMV", L"Windows Media Video File *", false, kRow55, FileTypeIcon::kViewer9},
    {L"AIF", L"Audio Interchange Format *", false, kRow56, FileTypeIcon::kViewer8},
    {L"MID/RMI", L"MIDI Sound Format *", false, kRow57, FileTypeIcon::kViewer8},
    {L"MP3", L"MPEG Audio Format *", false, kRow58, FileTypeIcon::kViewer8},
    {L"OGG", L"Ogg Vorbis Audio Format *", false, kRow59, FileTypeIcon::kViewer8},
    {L"AU/SND", L"SUN Audio Format *", false, kRow60, FileTypeIcon::kViewer8},
    {L"WAV", L"Windows Audio Format *", false, kRow61, FileTypeIcon::kViewer8},
    {L"WMA", L"Windows Media Audio File *", false, kRow62, FileTypeIcon::kViewer8},
};

static_assert(std::size(kRows) == kFileTypeRows);

}  // namespace

std::span<const FileTypeGroup> FileTypeCatalogue() {
    return kRows;
}

}  // namespace lp
