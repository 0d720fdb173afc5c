// Archive entry names: which are unpacked, to which relative path, and which are refused.
#include <gtest/gtest.h>

#include "payload/archive_entry_name.h"

namespace {

using lp::EntryKind;

// Stands in for the ANSI code page: every byte is the code point of the same value.
std::optional<std::wstring> Latin1(std::string_view bytes) {
    std::wstring wide;
    for (const char ch : bytes)
        wide.push_back(static_cast<wchar_t>(static_cast<unsigned char>(ch)));
    return wide;
}

TEST(ArchiveEntryName, AcceptsFilesAndFoldersBelowTheTarget) {
    struct Case {
        const char* stored;
        EntryKind kind;
        const wchar_t* path;
        const wchar_t* folder;
    };
    const Case cases[] = {
        {"lumpix32.exe", EntryKind::kFile, L"lumpix32.exe", L""},
        {"Plugins/", EntryKind::kFolder, L"Plugins", L"Plugins"},
        {"Plugins/Icons.dll", EntryKind::kFile, L"Plugins\\Icons.dll", L"Plugins"},
        {"a/b/c.txt", EntryKind::kFile, L"a\\b\\c.txt", L"a\\b"},
        {"a\\b\\", EntryKind::kFolder, L"a\\b", L"a\\b"},
        {"Help/lumpix32_deutsch.chm", EntryKind::kFile, L"Help\\lumpix32_deutsch.chm", L"Help"},
        {".hidden", EntryKind::kFile, L".hidden", L""},
        {"a..b/x", EntryKind::kFile, L"a..b\\x", L"a..b"},
        {"console.txt", EntryKind::kFile, L"console.txt", L""},  // not a device name
        {"com10", EntryKind::kFile, L"com10", L""},
        {"Gr\xFC\xDF"
         "e.txt",
         EntryKind::kFile, L"Gr\u00FC\u00DFe.txt", L""},
    };
    for (const Case& c : cases) {
        const lp::EntryName name = lp::CheckEntryName(c.stored, Latin1);
        EXPECT_EQ(name.kind, c.kind) << c.stored;
        EXPECT_EQ(name.path, c.path) << c.stored;
        EXPECT_EQ(name.folder, c.folder) << c.stored;
    }
}

TEST(ArchiveEntryName, RefusesNamesThatLeaveTheTargetOrAliasSomethingElse) {
    const char* hostile[] = {
        "",
        "/",
        "/etc/passwd",
        "\\Windows\\x.dll",
        "\\\\srv\\share\\x",  // absolute
        "C:\\x.dll",
        "c:x.dll",
        "C:/",
        "a/C:/b",  // drives
        "a:b",
        "lumpix32.exe:stream",
        "Plugins/x.dll::$DATA",  // streams
        "..",
        "../x",
        "..\\x",
        "x/../../y",
        "a/..",
        "Plugins/../../evil.dll",  // climbing
        ".",
        "./x",
        "a/./b",
        "a//b",
        "a\\\\b",
        "a//",  // empty or dot
        "file.",
        "dir./x",
        "... /x",
        "x ",
        ".. /x",
        "..../x",  // Windows shortens
        "NUL",
        "nul.txt",
        "Plugins/COM1",
        "lpt9.log",
        "CON ",
        "aux.",
        "conin$",
        "Com\xB9",
        "a<b",
        "a>b",
        "a|b",
        "a?b",
        "a*b",
        "a\"b",
        "a\tb",
        "a\x01"
        "b",  // forbidden
    };
    for (const char* stored : hostile) {
        EXPECT_EQ(lp::CheckEntryName(stored, Latin1).kind, EntryKind::kRefused) << stored;
    }
    EXPECT_EQ(lp::CheckEntryName(std::string("a\0b", 3), Latin1).kind, EntryKind::kRefused);
}

TEST(ArchiveEntryName, RefusesStoredAndConvertedNamesBeyondTheirLimits) {
    EXPECT_EQ(lp::CheckEntryName(std::string(323, 'n'), Latin1).kind, EntryKind::kFile);
    EXPECT_EQ(lp::CheckEntryName(std::string(324, 'n'), Latin1).kind, EntryKind::kRefused);
    // 519 stored bytes that convert to few characters fit; 520 bytes never do.
    const auto pairsToOne = [](std::string_view bytes) -> std::optional<std::wstring> {
        return std::wstring((bytes.size() + 1) / 2, L'w');
    };
    EXPECT_EQ(lp::CheckEntryName(std::string(519, 'n'), pairsToOne).kind, EntryKind::kFile);
    EXPECT_EQ(lp::CheckEntryName(std::string(520, 'n'), pairsToOne).kind, EntryKind::kRefused);
    const auto fails = [](std::string_view) -> std::optional<std::wstring> { return std::nullopt; };
    EXPECT_EQ(lp::CheckEntryName("x.txt", fails).kind, EntryKind::kRefused);
}

TEST(ArchiveEntryName, IconLibraryTestIsACaseBlindSubstringTest) {
    EXPECT_TRUE(lp::IsIconLibraryEntry("Plugins/Icons.dll"));
    EXPECT_TRUE(lp::IsIconLibraryEntry("Plugins/ICONS.DLL"));
    EXPECT_TRUE(lp::IsIconLibraryEntry("old/MyICONS.DLL.bak"));
    EXPECT_FALSE(lp::IsIconLibraryEntry("Plugins/Icons.dl"));
    EXPECT_FALSE(lp::IsIconLibraryEntry("Plugins/Icon.dll"));
    EXPECT_FALSE(lp::IsIconLibraryEntry(""));
}

}  // namespace
