// Recognition of a ZIP archive without entries.
#include <gtest/gtest.h>

#include "payload/empty_archive.h"
#include "zip/zip_writer.h"

namespace {

TEST(EmptyArchive, RecognisesOnlyALoneEndRecordWithoutEntries) {
    const std::string empty = lp::zip::BuildArchive({});
    EXPECT_TRUE(lp::IsEmptyZipArchive(empty));
    std::string withComment = empty;
    withComment[20] = 3;
    EXPECT_FALSE(lp::IsEmptyZipArchive(withComment));  // announces a comment it lacks
    EXPECT_TRUE(lp::IsEmptyZipArchive(withComment + "abc"));
    EXPECT_FALSE(lp::IsEmptyZipArchive(empty + "x"));
    EXPECT_FALSE(lp::IsEmptyZipArchive(empty.substr(0, 21)));
    EXPECT_FALSE(lp::IsEmptyZipArchive(""));
    EXPECT_FALSE(lp::IsEmptyZipArchive(lp::zip::BuildArchive({{.name = "a.txt", .data = "a"}})));
    std::string countsOne = empty;
    countsOne[10] = 1;
    EXPECT_FALSE(lp::IsEmptyZipArchive(countsOne));
}

}  // namespace
