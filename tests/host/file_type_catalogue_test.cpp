// The file type catalogue: row order, extensions and classes, images-only set, icons and labels.
#include <gtest/gtest.h>

#include <cwctype>
#include <set>
#include <string>
#include <vector>

#include "shell/file_type_catalogue.h"

namespace {

using lp::FileTypeCatalogue;
using lp::FileTypeIcon;

std::wstring Upper(std::wstring text) {
    for (wchar_t& c : text)
        c = static_cast<wchar_t>(std::towupper(c));
    return text;
}

TEST(FileTypeCatalogue, HoldsSixtyThreeRowsWithEightySevenExtensionsInSixtyNineClasses) {
    const auto rows = FileTypeCatalogue();
    ASSERT_EQ(rows.size(), 63u);
    std::size_t extensions = 0;
    std::set<std::wstring> classes, distinctExtensions;
    for (const auto& row : rows) {
        for (const auto& e : row.extensions) {
            ++extensions;
            classes.insert(e.className);
            distinctExtensions.insert(e.extension);
        }
    }
    EXPECT_EQ(extensions, 87u);
    EXPECT_EQ(distinctExtensions.size(), 87u);
    EXPECT_EQ(classes.size(), 69u);
}

TEST(FileTypeCatalogue, ImagesOnlyAreTheFirstFortyNineRowsWithSixtyEightExtensions) {
    const auto rows = FileTypeCatalogue();
    std::size_t imageExtensions = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].imagesOnly, i < lp::kImagesOnlyRows) << i;
        if (rows[i].imagesOnly)
            imageExtensions += rows[i].extensions.size();
    }
    EXPECT_EQ(lp::kImagesOnlyRows, 49u);
    EXPECT_EQ(imageExtensions, 68u);
}

// Each row's label is its extensions in capitals joined by "/", and its first extension is
// always its own class; a class other than the row's first is its own class.
TEST(FileTypeCatalogue, LabelsAndFirstClassesFollowTheExtensions) {
    for (const auto& row : FileTypeCatalogue()) {
        std::wstring joined;
        for (const auto& e : row.extensions) {
            if (!joined.empty())
                joined += L"/";
            joined += Upper(e.extension);
        }
        EXPECT_EQ(joined, row.label);
        ASSERT_FALSE(row.extensions.empty());
        EXPECT_STREQ(row.extensions[0].extension, row.extensions[0].className);
    }
}

struct ClassCase {
    std::size_t row;
    std::vector<std::wstring> classes;  // one per extension, in order
};

TEST(FileTypeCatalogue, MultiClassAndSharedClassRows) {
    const ClassCase cases[] = {
        {2, {L"bmp", L"bmp"}},
        {4, {L"crw", L"cr2", L"cr3"}},
        {6, {L"dcm", L"dcm", L"dcm"}},
        {9, {L"djvu", L"djvu"}},
        {13, {L"eps", L"eps"}},
        {17, {L"hdp", L"hdp", L"hdp"}},
        {20, {L"iff", L"iff"}},
        {22, {L"jp2", L"jp2", L"jp2"}},
        {23, {L"jpg", L"jpg", L"jpg", L"jpg"}},
        {26, {L"mng", L"jng"}},
        {36, {L"ras", L"ras"}},
        {40, {L"sgi", L"sgi"}},
        {43, {L"tif", L"tif"}},
        {49, {L"swf", L"flv"}},
        {53, {L"mpg", L"mpe", L"mpg"}},
        {57, {L"mid", L"rmi"}},
        {60, {L"au", L"au"}},
    };
    const auto rows = FileTypeCatalogue();
    for (const auto& c : cases) {
        const auto& extensions = rows[c.row].extensions;
        ASSERT_EQ(extensions.size(), c.classes.size()) << c.row;
        for (std::size_t i = 0; i < extensions.size(); ++i)
            EXPECT_EQ(c.classes[i], extensions[i].className) << c.row << " " << i;
    }
    EXPECT_STREQ(rows[53].extensions[2].extension, L"mpeg");
}

TEST(FileTypeCatalogue, IconsByRow) {
    const auto rows = FileTypeCatalogue();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        FileTypeIcon expected = FileTypeIcon::kViewer0;
        if (i == 0 || i == 5 || i == 19)
            expected = FileTypeIcon::kFileItself;
        if (i >= 51 && i <= 55)
            expected = FileTypeIcon::kViewer9;
        if (i >= 56)
            expected = FileTypeIcon::kViewer8;
        EXPECT_EQ(rows[i].icon, expected) << i;
    }
}

TEST(FileTypeCatalogue, SampleLabelsAndDescriptions) {
    const auto rows = FileTypeCatalogue();
    EXPECT_STREQ(rows[0].description, L"Animated Windows Cursors *");
    EXPECT_STREQ(rows[23].label, L"JPG/JPEG/JFIF/JPE");
    EXPECT_STREQ(rows[23].description, L"JPEG Format");
    EXPECT_STREQ(rows[45].description, L"Weppy Format *");
    EXPECT_STREQ(rows[53].label, L"MPG/MPE/MPEG");
    EXPECT_STREQ(rows[62].label, L"WMA");
    EXPECT_STREQ(rows[62].description, L"Windows Media Audio File *");
    // Formats read without a plug-in carry no mark.
    std::size_t unmarked = 0;
    for (const auto& row : rows)
        if (!std::wstring(row.description).ends_with(L" *"))
            ++unmarked;
    EXPECT_EQ(unmarked, 17u);
}

}  // namespace
