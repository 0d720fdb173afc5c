// The temporary archive copy: nobody else can open, replace or delete it, and it vanishes.
#include <windows.h>

#include <gtest/gtest.h>

#include "payload/temporary_archive.h"
#include "scratch_folder_support.h"

namespace {

TEST(TemporaryArchive, IsExclusiveWhileHeldAndGoneAfterwards) {
    lp::test::ScratchFolder scratch;
    const std::wstring path = scratch / L"lumpxg_x32.zip";
    const std::wstring other = scratch / L"other.zip";
    ASSERT_TRUE(lp::test::WriteFileBytes(other, "replacement"));
    {
        lp::TemporaryArchive archive;
        ASSERT_TRUE(archive.Create(path, "archive bytes", 13));
        const DWORD shareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
        for (const DWORD access : {DWORD{GENERIC_READ}, DWORD{GENERIC_WRITE}, DWORD{DELETE}}) {
            HANDLE intruder =
                CreateFileW(path.c_str(), access, shareAll, nullptr, OPEN_EXISTING, 0, nullptr);
            EXPECT_EQ(intruder, INVALID_HANDLE_VALUE) << access;
            if (intruder != INVALID_HANDLE_VALUE)
                CloseHandle(intruder);
        }
        EXPECT_FALSE(DeleteFileW(path.c_str()));
        EXPECT_FALSE(MoveFileExW(other.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING));
        EXPECT_TRUE(lp::test::FileExists(other));
    }
    EXPECT_FALSE(lp::test::FileExists(path));
}

TEST(TemporaryArchive, ReplacesAnOlderFileAndFailsWhenItIsHeld) {
    lp::test::ScratchFolder scratch;
    const std::wstring path = scratch / L"lumpxg_x32.zip";
    ASSERT_TRUE(lp::test::WriteFileBytes(path, "stale copy from an earlier run"));
    {
        lp::TemporaryArchive archive;
        EXPECT_TRUE(archive.Create(path, "new", 3));
    }
    EXPECT_FALSE(lp::test::FileExists(path));

    ASSERT_TRUE(lp::test::WriteFileBytes(path, "held"));
    HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    lp::TemporaryArchive archive;
    EXPECT_FALSE(archive.Create(path, "new", 3));
    CloseHandle(held);
    EXPECT_EQ(lp::test::ReadFileBytes(path), "held");
}

TEST(TemporaryArchive, PathLiesInTheTemporaryFolderWithinItsLimit) {
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, temp);
    EXPECT_EQ(lp::TemporaryArchivePath(L"lumpxg_x32.zip"), std::wstring(temp) + L"lumpxg_x32.zip");
    EXPECT_EQ(lp::TemporaryArchivePath(L""), L"");
    const std::size_t room = 519 - std::wstring(temp).size();
    EXPECT_EQ(lp::TemporaryArchivePath(std::wstring(room, L'n')).size(), 519u);
    EXPECT_EQ(lp::TemporaryArchivePath(std::wstring(room + 1, L'n')), L"");
}

}  // namespace
