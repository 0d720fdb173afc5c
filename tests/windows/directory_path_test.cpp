// CreateDirectoryPath against the real file system: nested creation, normalising, limits.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/directory_path.h"
#include "install_log_support.h"
#include "scratch_folder_support.h"

namespace lp {
namespace {

bool IsFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring CurrentDirectory() {
    wchar_t current[MAX_PATH + 1] = {};
    GetCurrentDirectoryW(MAX_PATH, current);
    return current;
}

TEST(CreateDirectoryPath, CreatesEveryMissingFolderAndKeepsTheCurrentDirectory) {
    test::ScratchFolder scratch;
    const std::wstring before = CurrentDirectory();
    std::wstring path = scratch / L"A\\B\\C";
    EXPECT_EQ(CreateDirectoryPath(path), 1);
    EXPECT_EQ(path, scratch / L"A\\B\\C\\");
    EXPECT_TRUE(IsFolder(scratch / L"A\\B\\C"));
    EXPECT_EQ(CurrentDirectory(), before);

    std::wstring existing = L"  " + (scratch / L"A\\B") + L" ";
    EXPECT_EQ(CreateDirectoryPath(existing), 1);
    EXPECT_EQ(existing, scratch / L"A\\B\\");
    EXPECT_EQ(CurrentDirectory(), before);
}

TEST(CreateDirectoryPath, RemovesBlanksInFrontOfEveryBackslash) {
    test::ScratchFolder scratch;
    std::wstring path = scratch / L"A \\B  \\C";
    EXPECT_EQ(CreateDirectoryPath(path), 1);
    EXPECT_EQ(path, scratch / L"A\\B\\C\\");
    EXPECT_TRUE(IsFolder(scratch / L"A\\B\\C"));
}

TEST(CreateDirectoryPath, RefusesEmptyBlankAndUncreatablePaths) {
    test::ScratchFolder scratch;
    std::wstring empty;
    EXPECT_EQ(CreateDirectoryPath(empty), 0);
    std::wstring blanks = L"    ";
    EXPECT_EQ(CreateDirectoryPath(blanks), 0);
    EXPECT_EQ(blanks, L"");

    ASSERT_TRUE(test::WriteFileBytes(scratch / L"file", "x"));
    const std::wstring before = CurrentDirectory();
    std::wstring belowFile = scratch / L"file\\sub";
    EXPECT_EQ(CreateDirectoryPath(belowFile), 0);
    EXPECT_EQ(belowFile, scratch / L"file\\sub\\");
    EXPECT_EQ(CurrentDirectory(), before);
}

TEST(CreateDirectoryPath, RefusesPathsLongerThanItsBufferWithoutCreatingAnything) {
    test::ScratchFolder scratch;
    std::wstring path = scratch / L"long\\";
    path += std::wstring(300 - path.size(), L'x');
    EXPECT_EQ(CreateDirectoryPath(path), 0);
    EXPECT_FALSE(IsFolder(scratch / L"long"));

    // 260 characters once trimmed: still one too many for the buffer and its terminator.
    std::wstring at260 = scratch / L"long\\";
    at260 += std::wstring(260 - at260.size(), L'x');
    std::wstring padded = L"  " + at260 + L"  ";
    EXPECT_EQ(CreateDirectoryPath(padded), 0);
    EXPECT_FALSE(IsFolder(scratch / L"long"));
}

TEST(CreateDirectoryPath, KeepsTheTwoBackslashesOfAUncPath) {
    // The server cannot be created and its share does not exist: the path keeps its form.
    std::wstring path = L"\\\\lp-no-such-server\\share\\Lumapixel";
    EXPECT_EQ(CreateDirectoryPath(path), 0);
    EXPECT_EQ(path, L"\\\\lp-no-such-server\\share\\Lumapixel\\");
}

}  // namespace
}  // namespace lp
