// The ZIP writer's archives, checked by the system's own unzip and zipinfo (tools we did not
// write).
#include <gtest/gtest.h>

#include "command_support.h"
#include "zip/zip_writer.h"

namespace lp::zip {
namespace {

using test::CommandResult;
using test::CountOccurrences;
using test::RunCommand;
using ArchiveFile = test::TempFile;

std::vector<Entry> SampleEntries() {
    std::string big;
    for (int i = 0; i < 70000; ++i) {
        big += static_cast<char>('a' + (i * 7 + i / 13) % 26);
    }
    return {
        {.name = "Plugins/"},
        {.name = "Plugins/Icons.dll", .data = big},
        {.name = "readme.txt", .data = "Hallo Welt\r\n"},
        {.name = "empty.txt", .data = ""},
        {.name = "stored.bin", .data = "raw bytes", .deflate = false},
    };
}

TEST(ZipWriter, ArchivePassesUnzipTestAndKeepsContent) {
    const std::vector<Entry> entries = SampleEntries();
    ArchiveFile file(".zip", BuildArchive(entries));
    const CommandResult test = RunCommand("unzip -t " + file.path());
    EXPECT_EQ(test.exitCode, 0) << test.output;
    for (const Entry& entry : entries) {
        if (entry.name.back() == '/') {
            continue;
        }
        const CommandResult content = RunCommand("unzip -p " + file.path() + " " + entry.name);
        EXPECT_EQ(content.exitCode, 0) << entry.name;
        EXPECT_TRUE(content.output == entry.data) << entry.name;
    }
}

TEST(ZipWriter, ZipinfoShowsFlagsMethodsOrderAndFixedTimes) {
    ArchiveFile file(".zip", BuildArchive(SampleEntries()));
    const CommandResult brief = RunCommand("zipinfo -1 " + file.path());
    EXPECT_EQ(brief.output, "Plugins/\nPlugins/Icons.dll\nreadme.txt\nempty.txt\nstored.bin\n");

    const CommandResult verbose = RunCommand("zipinfo -v " + file.path());
    ASSERT_EQ(verbose.exitCode, 0) << verbose.output;
    const std::string& text = verbose.output;
    auto count = [&text](const std::string& needle) { return CountOccurrences(text, needle); };
    EXPECT_EQ(count("compression method:                             deflated"), 3);
    EXPECT_EQ(count("compression method:                             none (stored)"), 2);
    EXPECT_EQ(count("compression sub-type (deflation):               maximum"), 3);  // flag 0x2
    EXPECT_EQ(count("2025 Jan 1 12:00:00"), 5);
    EXPECT_EQ(count("extended local header:                          no"), 5);
    EXPECT_EQ(count("file security status:                           not encrypted"), 5);
    EXPECT_EQ(count("There is no zipfile comment."), 1);
    EXPECT_EQ(count("Zip64"), 0);
}

TEST(ZipWriter, EveryEntryCarriesFlag2InBothHeaders) {
    const std::string bytes = BuildArchive(SampleEntries());
    int local = 0;
    int central = 0;
    for (std::size_t at = 0; at + 10 < bytes.size(); ++at) {
        if (bytes.compare(at, 4, "PK\x03\x04") == 0) {
            EXPECT_EQ(bytes[at + 6], 0x02);
            EXPECT_EQ(bytes[at + 7], 0x00);
            ++local;
        } else if (bytes.compare(at, 4, "PK\x01\x02") == 0) {
            EXPECT_EQ(bytes[at + 8], 0x02);
            EXPECT_EQ(bytes[at + 9], 0x00);
            ++central;
        }
    }
    EXPECT_EQ(local, 5);
    EXPECT_EQ(central, 5);
}

TEST(ZipWriter, SameEntriesGiveSameBytes) {
    EXPECT_EQ(BuildArchive(SampleEntries()), BuildArchive(SampleEntries()));
}

TEST(ZipWriter, FolderEntryIsStoredEmptyEvenWithData) {
    const std::string bytes = BuildArchive({{.name = "Help/", .data = "ignored"}});
    ArchiveFile file(".zip", bytes);
    const CommandResult listing = RunCommand("zipinfo -l " + file.path());
    EXPECT_NE(listing.output.find("fat        0 b-        0 stor 25-Jan-01 12:00 Help/"),
              std::string::npos)
        << listing.output;
}

TEST(ZipWriter, DamagedArchivesAreRejectedByUnzip) {
    struct Case {
        const char* what;
        Entry entry;
    };
    const Case cases[] = {
        {"wrong CRC, deflated", {.name = "a.txt", .data = "some text", .corruptCrc = true}},
        {"wrong CRC, stored",
         {.name = "a.txt", .data = "some text", .deflate = false, .corruptCrc = true}},
        {"bad deflate stream", {.name = "a.txt", .data = "some text", .corruptData = true}},
        {"flipped stored byte",
         {.name = "a.txt", .data = "some text", .deflate = false, .corruptData = true}},
    };
    for (const Case& c : cases) {
        ArchiveFile file(".zip", BuildArchive({{.name = "good.txt", .data = "fine"}, c.entry}));
        const CommandResult test = RunCommand("unzip -t " + file.path());
        EXPECT_NE(test.exitCode, 0) << c.what << "\n" << test.output;
        EXPECT_NE(test.output.find("good.txt                 OK"), std::string::npos) << c.what;
    }
}

TEST(ZipWriter, EmptyListGivesOnlyTheEndRecord) {
    const std::string bytes = BuildArchive({});
    ASSERT_EQ(bytes.size(), 22u);
    EXPECT_EQ(bytes.substr(0, 4), "PK\x05\x06");
    EXPECT_EQ(bytes.substr(4), std::string(18, '\0'));
}

TEST(ZipWriter, RefusesWhatAPlainArchiveCannotHold) {
    EXPECT_EQ(BuildArchive({{.name = ""}}), "");
    EXPECT_EQ(BuildArchive({{.name = std::string(kMaxNameBytes + 1, 'n')}}), "");
    EXPECT_NE(BuildArchive({{.name = std::string(kMaxNameBytes, 'n')}}), "");
    EXPECT_EQ(BuildArchive(std::vector<Entry>(kMaxEntries + 1, Entry{.name = "x/"})), "");
}

}  // namespace
}  // namespace lp::zip
