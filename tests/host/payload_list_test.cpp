// The payload list's parser: accepted layouts and the faults that must stop the build.
#include <gtest/gtest.h>

#include "payload/payload_list.h"

namespace lp::payload {
namespace {

TEST(PayloadList, ParsesFoldersFilesCommentsAndCrLf) {
    const ParsedList list = ParsePayloadList(
        "# payload\r\n"
        "lumpix32.exe\t/build/viewer/lumpix32.exe\r\n"
        "\n"
        "Plugins/\n"
        "Plugins/Icons.dll\t/b/Icons.dll\n"
        "Plugins/Sub/\n"
        "Plugins/Sub/a b.txt\t/src/a b.txt");
    ASSERT_EQ(list.error, "");
    ASSERT_EQ(list.entries.size(), 5u);
    EXPECT_EQ(list.entries[0].name, "lumpix32.exe");
    EXPECT_EQ(list.entries[0].sourcePath, "/build/viewer/lumpix32.exe");
    EXPECT_EQ(list.entries[1].name, "Plugins/");
    EXPECT_EQ(list.entries[1].sourcePath, "");
    EXPECT_EQ(list.entries[4].name, "Plugins/Sub/a b.txt");
}

TEST(PayloadList, RefusesFaultyLinesAndNamesTheLine) {
    struct Case {
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {"Plugins/Icons.dll\t/x\nPlugins/\n", "line 1: folder entry \"Plugins/\" must come before"},
        {"a/\na/b/c.txt\t/x\n", "line 2: folder entry \"a/b/\" must come before"},
        {"a.txt\n", "line 1: a file entry needs a source file"},
        {"a/\t/x\n", "line 1: a folder entry takes no source file"},
        {"x\t/1\nX\t/2\n", "line 2: \"X\" is listed twice"},
        {"..\\evil.exe\t/x\n", "line 1: name holds a character"},
        {"C:evil\t/x\n", "line 1: name holds a character"},
        {"/abs\t/x\n", "line 1: name has an empty"},
        {"a//b\t/x\n", "line 1: name has an empty"},
        {"../up\t/x\n", "line 1: name has an empty"},
        {"a/./\n", "line 1: name has an empty"},
        {"/\n", "line 1: name has an empty"},
        {"\xC3\xA4.txt\t/x\n", "line 1: name holds a character"},
    };
    for (const Case& c : cases) {
        const ParsedList list = ParsePayloadList(c.text);
        EXPECT_EQ(list.error.rfind(c.error, 0), 0u) << c.text << " -> " << list.error;
        EXPECT_TRUE(list.entries.empty());
    }
}

TEST(PayloadList, NameLengthBound) {
    const std::string longest(kMaxEntryNameBytes, 'n');
    EXPECT_EQ(ParsePayloadList(longest + "\t/x").error, "");
    EXPECT_NE(ParsePayloadList(longest + "n\t/x").error, "");
}

}  // namespace
}  // namespace lp::payload
