// Unpacking payload archives: files, folders, times, the icon-library rule, passed-over files,
// damaged payloads, hostile names, the target folder and the temporary copy.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "payload/payload_extraction.h"
#include "scratch_folder_support.h"
#include "zip/zip_writer.h"

namespace {

using lp::test::FileExists;
using lp::test::ReadFileBytes;
using lp::test::ScratchFolder;
using lp::test::WriteFileBytes;
using lp::zip::Entry;

const std::wstring kTempName = L"lumpxg_x32.zip";

std::wstring TempArchivePath() {
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, temp);
    return std::wstring(temp) + kTempName;
}

int Extract(const std::vector<Entry>& entries, const std::wstring& target, int keep = 0) {
    const std::string archive = lp::zip::BuildArchive(entries);
    EXPECT_FALSE(archive.empty());
    return lp::ExtractArchiveBytes(archive.data(), archive.size(), kTempName, target, keep);
}

std::wstring CurrentDirectory() {
    wchar_t buffer[MAX_PATH + 1] = {};
    GetCurrentDirectoryW(MAX_PATH, buffer);
    std::wstring folder = buffer;
    if (folder.back() != L'\\')
        folder.push_back(L'\\');
    return folder;
}

struct FileTimes {
    FILETIME creation{}, lastAccess{}, lastWrite{};
};

FileTimes TimesOf(const std::wstring& path) {
    FileTimes times;
    HANDLE file = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    GetFileTime(file, &times.creation, &times.lastAccess, &times.lastWrite);
    CloseHandle(file);
    return times;
}

// A local date and time as "YYYY-MM-DD hh:mm:ss", for readable comparisons.
std::string LocalText(const FILETIME& utc) {
    FILETIME local{};
    SYSTEMTIME t{};
    FileTimeToLocalFileTime(&utc, &local);
    FileTimeToSystemTime(&local, &t);
    char text[32] = {};
    snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", t.wYear, t.wMonth, t.wDay, t.wHour,
             t.wMinute, t.wSecond);
    return text;
}

FILETIME UtcFromLocal(WORD year, WORD month, WORD day) {
    const SYSTEMTIME t{year, month, 0, day, 9, 15, 0, 0};
    FILETIME local{}, utc{};
    SystemTimeToFileTime(&t, &local);
    LocalFileTimeToFileTime(&local, &utc);
    return utc;
}

class PayloadExtraction : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_FALSE(FileExists(TempArchivePath())); }
    ScratchFolder scratch_;
};

TEST_F(PayloadExtraction, UnpacksFilesAndFoldersAndLeavesTheTargetCurrent) {
    const std::vector<Entry> entries = {
        {.name = "lumpix32.exe", .data = "MZ viewer"},
        {.name = "Plugins/"},
        {.name = "Plugins/Icons.dll", .data = std::string(100000, 'i')},  // several chunks
        {.name = "Toolbars/Pebble_16.png", .data = "png"},  // no folder entry of its own
        {.name = "a/b/c/deep.txt", .data = "deep", .deflate = false},
        {.name = "Empty/"},
        {.name = "empty.txt", .data = ""},
    };
    ASSERT_EQ(Extract(entries, scratch_.path()), 0);
    EXPECT_EQ(ReadFileBytes(scratch_ / L"lumpix32.exe"), "MZ viewer");
    EXPECT_EQ(ReadFileBytes(scratch_ / L"Plugins\\Icons.dll"), std::string(100000, 'i'));
    EXPECT_EQ(ReadFileBytes(scratch_ / L"Toolbars\\Pebble_16.png"), "png");
    EXPECT_EQ(ReadFileBytes(scratch_ / L"a\\b\\c\\deep.txt"), "deep");
    EXPECT_TRUE(FileExists(scratch_ / L"empty.txt"));
    EXPECT_NE(GetFileAttributesW((scratch_ / L"Empty").c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_EQ(CurrentDirectory(), scratch_.path());
}

TEST_F(PayloadExtraction, StampsArchiveTimesAndKeepsLastAccessOfAReplacedFile) {
    const std::wstring path = scratch_ / L"l_about.txt";
    ASSERT_TRUE(WriteFileBytes(path, "older and longer content"));
    const FILETIME accessed = UtcFromLocal(2001, 3, 4);
    HANDLE file =
        CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    SetFileTime(file, nullptr, &accessed, nullptr);
    CloseHandle(file);

    // 2023-07-15 (date 0x56EF) at 18:45:30 (time 0x95AF).
    ASSERT_EQ(
        Extract({{.name = "l_about.txt", .data = "new", .dosDate = 0x56EF, .dosTime = 0x95AF}},
                scratch_.path()),
        0);
    const FileTimes times = TimesOf(path);  // before reading, which may touch the access time
    EXPECT_EQ(ReadFileBytes(path), "new");
    EXPECT_EQ(LocalText(times.lastWrite), "2023-07-15 18:45:30");
    EXPECT_EQ(LocalText(times.lastAccess), LocalText(accessed));
    // Wine keeps no creation time of its own on every file system; where it does, it is set.
    if (CompareFileTime(&times.creation, &times.lastWrite) != 0) {
        SUCCEED() << "creation time not settable here: " << LocalText(times.creation);
    }
}

TEST_F(PayloadExtraction, IconLibraryRuleIsACaseBlindSubstringTestForKeepOne) {
    struct Case {
        int keep;
        bool libraryReplaced;
    };
    for (const Case c : {Case{1, false}, Case{0, true}, Case{2, true}, Case{-1, true}}) {
        ScratchFolder target;
        CreateDirectoryW((target / L"Plugins").c_str(), nullptr);
        ASSERT_TRUE(WriteFileBytes(target / L"Plugins\\Icons.dll", "installed"));
        const std::vector<Entry> entries = {
            {.name = "Plugins/Icons.dll", .data = "payload"},
            {.name = "old/MyICONS.DLL.bak", .data = "backup"},
            {.name = "Plugins/Other.dll", .data = "other"},
        };
        ASSERT_EQ(Extract(entries, target.path(), c.keep), 0) << c.keep;
        EXPECT_EQ(ReadFileBytes(target / L"Plugins\\Icons.dll"),
                  c.libraryReplaced ? "payload" : "installed")
            << c.keep;
        EXPECT_EQ(FileExists(target / L"old\\MyICONS.DLL.bak"), c.libraryReplaced) << c.keep;
        EXPECT_EQ(ReadFileBytes(target / L"Plugins\\Other.dll"), "other") << c.keep;
    }
}

TEST_F(PayloadExtraction, PassesOverLockedAndDeniedFilesAndGoesOn) {
    const std::wstring locked = scratch_ / L"lumpix32.exe";
    ASSERT_TRUE(WriteFileBytes(locked, "running"));
    HANDLE held = CreateFileW(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    CreateDirectoryW((scratch_ / L"folder.txt").c_str(), nullptr);  // access denied as a file
    const std::vector<Entry> entries = {
        {.name = "lumpix32.exe", .data = "replaced"},
        {.name = "folder.txt", .data = "replaced"},
        {.name = "after.txt", .data = "after"},
    };
    const int result = Extract(entries, scratch_.path());
    CloseHandle(held);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(ReadFileBytes(locked), "running");
    EXPECT_NE(GetFileAttributesW((scratch_ / L"folder.txt").c_str()) & FILE_ATTRIBUTE_DIRECTORY,
              0u);
    EXPECT_EQ(ReadFileBytes(scratch_ / L"after.txt"), "after");
}

TEST_F(PayloadExtraction, PassesOverReadOnlyFiles) {
    const std::wstring readOnly = scratch_ / L"readonly.txt";
    ASSERT_TRUE(WriteFileBytes(readOnly, "kept"));
    SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    HANDLE probe =
        CreateFileW(readOnly.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (probe != INVALID_HANDLE_VALUE) {
        CloseHandle(probe);  // e.g. Wine run by root, where the read-only bit binds nobody
        GTEST_SKIP() << "read-only files are writable in this environment";
    }
    const std::vector<Entry> entries = {{.name = "readonly.txt", .data = "replaced"},
                                        {.name = "after.txt", .data = "after"}};
    EXPECT_EQ(Extract(entries, scratch_.path()), 0);
    EXPECT_EQ(ReadFileBytes(readOnly), "kept");
    EXPECT_EQ(ReadFileBytes(scratch_ / L"after.txt"), "after");
}

TEST_F(PayloadExtraction, DamagedEntryFailsThePayloadAndStopsTheWalk) {
    struct Case {
        const char* what;
        Entry damaged;
    };
    const Case cases[] = {
        {"CRC", {.name = "bad.txt", .data = std::string(5000, 'c'), .corruptCrc = true}},
        {"stored CRC", {.name = "bad.txt", .data = "abc", .deflate = false, .corruptCrc = true}},
        {"data", {.name = "bad.txt", .data = std::string(5000, 'd'), .corruptData = true}},
    };
    for (const Case& c : cases) {
        ScratchFolder target;
        const std::vector<Entry> entries = {{.name = "before.txt", .data = "before"},
                                            c.damaged,
                                            {.name = "after.txt", .data = "x"}};
        EXPECT_EQ(Extract(entries, target.path()), -1) << c.what;
        EXPECT_EQ(ReadFileBytes(target / L"before.txt"), "before") << c.what;
        EXPECT_FALSE(FileExists(target / L"after.txt")) << c.what;
        EXPECT_FALSE(FileExists(TempArchivePath())) << c.what;
    }
}

TEST_F(PayloadExtraction, NotAnArchiveFails) {
    const std::string garbage = "this is no zip archive at all";
    EXPECT_EQ(
        lp::ExtractArchiveBytes(garbage.data(), garbage.size(), kTempName, scratch_.path(), 0), -1);
}

TEST_F(PayloadExtraction, HostileNamesAreNeverWrittenAndFailThePayload) {
    ScratchFolder outside;  // the target lies in here; nothing may appear beside it
    const std::wstring target = outside / L"target\\";
    CreateDirectoryW(target.c_str(), nullptr);
    char absolute[MAX_PATH] = {};
    WideCharToMultiByte(CP_ACP, 0, (outside / L"abs.txt").c_str(), -1, absolute, MAX_PATH, nullptr,
                        nullptr);
    const std::string names[] = {
        "../evil.txt",
        "..\\evil.txt",
        "x/../../evil.txt",
        "sub/../../evil.txt",
        absolute,
        "/evil.txt",
        "target.txt:stream",
        "NUL",
        "com1.txt",
        "evil.txt.",
        "../",
        std::string(520, 'n'),  // longer than the stored-name buffer
        std::string(324, 'n'),  // converts to more than 323 characters
    };
    for (const std::string& name : names) {
        EXPECT_EQ(
            Extract({{.name = "first.txt", .data = "1"}, {.name = name, .data = "evil"}}, target),
            -1)
            << name;
        EXPECT_EQ(ReadFileBytes(target + L"first.txt"), "1") << name;
    }
    WIN32_FIND_DATAW data{};
    HANDLE find = FindFirstFileW((outside / L"*").c_str(), &data);
    std::vector<std::wstring> beside;
    do {
        beside.emplace_back(data.cFileName);
    } while (FindNextFileW(find, &data));
    FindClose(find);
    std::sort(beside.begin(), beside.end());
    EXPECT_EQ(beside, (std::vector<std::wstring>{L".", L"..", L"target"}));
    EXPECT_FALSE(FileExists(target + L"target.txt"));
}

TEST_F(PayloadExtraction, LongButValidNamesAreUnpacked) {
    const std::string name = std::string(100, 'd') + "/" + std::string(100, 'f');
    ASSERT_EQ(Extract({{.name = name, .data = "long"}}, scratch_.path()), 0);
    EXPECT_EQ(ReadFileBytes(scratch_ / (std::wstring(100, L'd') + L"\\" + std::wstring(100, L'f'))),
              "long");
}

TEST_F(PayloadExtraction, EmptyArchiveSucceedsAndEntersTheTarget) {
    EXPECT_EQ(Extract({}, scratch_.path()), 0);
    EXPECT_EQ(CurrentDirectory(), scratch_.path());
    WIN32_FIND_DATAW data{};
    HANDLE find = FindFirstFileW((scratch_ / L"*").c_str(), &data);
    int count = 0;
    do {
        ++count;
    } while (FindNextFileW(find, &data));
    FindClose(find);
    EXPECT_EQ(count, 2);  // "." and ".."
}

TEST_F(PayloadExtraction, MissingTargetFolderFailsAndKeepsTheCurrentDirectory) {
    const std::wstring before = CurrentDirectory();
    EXPECT_EQ(Extract({{.name = "a.txt", .data = "a"}}, scratch_ / L"missing\\"), -1);
    EXPECT_EQ(Extract({{.name = "a.txt", .data = "a"}}, L""), -1);
    EXPECT_EQ(CurrentDirectory(), before);
    EXPECT_FALSE(FileExists(scratch_ / L"missing"));
}

TEST_F(PayloadExtraction, ResourceStepUnpacksTheProgramsOwnArchive) {
    ASSERT_EQ(lp::ExtractPayload(1975, L"ZIP", kTempName, scratch_.path(), 0), 0);
    const std::wstring readme = scratch_ / L"Help\\readme.txt";
    EXPECT_EQ(ReadFileBytes(readme), "payload from the resource!\r\n");
    EXPECT_EQ(LocalText(TimesOf(readme).lastWrite), "2024-06-01 08:30:00");
}

TEST_F(PayloadExtraction, ResourceStepFailsWithoutAUsableResource) {
    EXPECT_EQ(lp::ExtractPayload(1977, L"ZIP", kTempName, scratch_.path(), 0), -1);  // missing
    EXPECT_EQ(lp::ExtractPayload(1975, L"TXT", kTempName, scratch_.path(), 0), -1);  // wrong type
    EXPECT_EQ(lp::ExtractPayload(1976, L"ZIP", kTempName, scratch_.path(), 0), -1);  // empty
    EXPECT_EQ(lp::ExtractPayload(1975, nullptr, kTempName, scratch_.path(), 0), -1);
}

}  // namespace
