// The command-line grammar: silent detection, the working copy, switch values, paths, numbers.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "app/command_line.h"
#include "app/silent_defaults.h"

namespace lp {
namespace {

const std::wstring kProgram = L"\"C:\\Downloads\\LumapixelSetup.exe\" ";

TEST(IsSilentCommandLine, IsCaseSensitiveAndMatchesInsideWords) {
    EXPECT_TRUE(IsSilentCommandLine(kProgram + L"/silent"));
    EXPECT_TRUE(IsSilentCommandLine(kProgram + L"/folder=D:\\x /silently"));
    EXPECT_TRUE(IsSilentCommandLine(L"x/silent"));
    EXPECT_FALSE(IsSilentCommandLine(kProgram + L"/Silent"));
    EXPECT_FALSE(IsSilentCommandLine(kProgram + L"/SILENT"));
    EXPECT_FALSE(IsSilentCommandLine(kProgram + L"-silent"));
    EXPECT_FALSE(IsSilentCommandLine(L""));
}

TEST(MakeWorkingCopy, KeepsAtMost519Characters) {
    EXPECT_EQ(MakeWorkingCopy(std::wstring(519, L'a')).size(), 519u);
    EXPECT_EQ(MakeWorkingCopy(std::wstring(520, L'a')).size(), 519u);
    EXPECT_EQ(MakeWorkingCopy(L"abc"), L"abc");
}

TEST(GetSwitchValue, EndsAtSlashEndOrLimit) {
    std::wstring value;
    const std::wstring glued = L"/desktop=1/group=1";
    EXPECT_EQ(GetSwitchValue(glued, 0, 9, 260, value), 10u);
    EXPECT_EQ(value, L"1");

    const std::wstring blank = L"/folder=C:\\Tools\\View /desktop=1";
    EXPECT_EQ(GetSwitchValue(blank, 0, 8, 260, value), 22u);
    EXPECT_EQ(value, L"C:\\Tools\\View ");

    const std::wstring atEnd = L"x /ini=abc";
    EXPECT_EQ(GetSwitchValue(atEnd, 2, 5, 260, value), atEnd.size());
    EXPECT_EQ(value, L"abc");

    // The limit counts from the switch's slash: 260 - 8 characters of value at most.
    const std::wstring longValue = L"/folder=" + std::wstring(300, L'v');
    EXPECT_EQ(GetSwitchValue(longValue, 0, 8, 260, value), 260u);
    EXPECT_EQ(value.size(), 252u);

    const std::wstring empty = L"/folder=/desktop=1";
    EXPECT_EQ(GetSwitchValue(empty, 0, 8, 260, value), 8u);
    EXPECT_EQ(value, L"");
}

TEST(CleanPathValue, RemovesTrailingBlanksAndOnePairOfQuotes) {
    struct Case {
        const wchar_t* in;
        bool stripAgain;
        const wchar_t* out;
    };
    const Case cases[] = {
        {L"", true, L""},
        {L"C:\\Tools ", true, L"C:\\Tools"},
        {L"\"C:\\Program Files\\Lumapixel\" ", true, L"C:\\Program Files\\Lumapixel"},
        {L"\"C:\\Tools \" ", true, L"C:\\Tools"},
        {L"\"C:\\Tools \" ", false, L"C:\\Tools "},
        {L"  C:\\Tools", true, L"  C:\\Tools"},  // leading blanks stay for the install sequence
        {L"\"\"C:\\x\"\"", true, L"\"C:\\x\""},
        {L"\"", true, L""},
        {L"   ", true, L""},
        {L"C:\\x\"", true, L"C:\\x"},
        {L"\"C:\\x", true, L"C:\\x"},
        {L"C:\\x\t", true, L"C:\\x\t"},  // only U+0020 counts as a blank
    };
    for (const Case& c : cases) {
        std::wstring value = c.in;
        CleanPathValue(value, c.stripAgain);
        EXPECT_EQ(value, c.out) << "input [" << std::wstring(c.in).size() << "]";
    }
}

TEST(ParseSwitchNumber, ReadsSignedDecimalsAndClamps) {
    struct Case {
        const wchar_t* in;
        int out;
    };
    const Case cases[] = {
        {L"1", 1},
        {L"yes", 0},
        {L"2", 2},
        {L" -3", -3},
        {L"\t+7x", 7},
        {L"", 0},
        {L"-", 0},
        {L"- 1", 0},
        {L"0012", 12},
        {L"2147483647", INT_MAX},
        {L"2147483648", INT_MAX},
        {L"-2147483648", INT_MIN},
        {L"-2147483649", INT_MIN},
        {L"99999999999999999999999999999999999999", INT_MAX},
        {L"-99999999999999999999999999999999999999", INT_MIN},
        {L"1 ", 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseSwitchNumber(c.in), c.out) << c.out;
}

// The fields the switches set, for a compact comparison.
struct Fields {
    std::wstring folder;
    int desktop, thumbs, group, allUsers;
    int imagesOnly;  // 1 when exactly rows 0 to 48 are set, 2 when all 64, 0 when none
    int requested, assocAllUsers;
    std::wstring ini;
};

int AssociationPattern(const AssociationFlags& flags) {
    int set = 0;
    for (std::size_t i = 0; i < AssociationFlags::kEntries; ++i)
        set += flags.IsSet(i) ? 1 : 0;
    if (set == 0)
        return 0;
    if (set == 64)
        return 2;
    for (std::size_t i = 0; i < AssociationFlags::kImagesOnlyRows; ++i)
        if (!flags.IsSet(i))
            return -1;
    return set == 49 ? 1 : -1;
}

Fields Parse(const std::wstring& arguments) {
    InstallOptions options = MakeSilentDefaults(std::nullopt, L"C:\\Program Files\\Lumapixel");
    FillOptionsFromCommandLine(kProgram + arguments, options);
    return {options.installFolder,
            options.createDesktopShortcut,
            options.createThumbnailsShortcut,
            options.createStartMenuGroup,
            options.allUsers,
            AssociationPattern(options.associationFlags),
            options.associationsRequested,
            options.associationsForAllUsers,
            options.iniFolder};
}

void ExpectFields(const std::wstring& arguments, const Fields& want) {
    const Fields got = Parse(arguments);
    SCOPED_TRACE(testing::Message() << "arguments of length " << arguments.size());
    EXPECT_EQ(got.folder, want.folder);
    EXPECT_EQ(got.desktop, want.desktop);
    EXPECT_EQ(got.thumbs, want.thumbs);
    EXPECT_EQ(got.group, want.group);
    EXPECT_EQ(got.allUsers, want.allUsers);
    EXPECT_EQ(got.imagesOnly, want.imagesOnly);
    EXPECT_EQ(got.requested, want.requested);
    EXPECT_EQ(got.assocAllUsers, want.assocAllUsers);
    EXPECT_EQ(got.ini, want.ini);
}

const std::wstring kDefaultFolder = L"C:\\Program Files\\Lumapixel";
const std::wstring kAppData = L"%APPDATA%\\Lumapixel";

TEST(FillOptionsFromCommandLine, AppliesTheSwitches) {
    struct Case {
        std::wstring arguments;
        Fields want;
    };
    const Case cases[] = {
        {L"/silent", {kDefaultFolder, 0, 0, 0, 0, 0, 0, 0, kAppData}},
        {L"/silent /folder=\"D:\\My Apps\\Lumapixel\" /desktop=1 /group=1",
         {L"D:\\My Apps\\Lumapixel", 1, 0, 1, 0, 0, 0, 0, kAppData}},
        {L"/silent /desktop=1/group=1/thumbs=2/allusers=1",
         {kDefaultFolder, 1, 2, 1, 1, 0, 0, 0, kAppData}},
        {L"/silent /folder=C:/Tools", {L"C:", 0, 0, 0, 0, 0, 0, 0, kAppData}},
        {L"/silent /folder=D:\\first /folder=D:\\second /desktop=0 /desktop=1",
         {L"D:\\first", 0, 0, 0, 0, 0, 0, 0, kAppData}},
        {L"/silent /folder=", {L"", 0, 0, 0, 0, 0, 0, 0, kAppData}},
        {L"/silent /folder= /desktop=1", {L"", 1, 0, 0, 0, 0, 0, 0, kAppData}},
        {L"/silent /ini=", {kDefaultFolder, 0, 0, 0, 0, 0, 0, 0, L""}},
        {L"/silent /ini=\"%LOCALAPPDATA%\\LP\" ",
         {kDefaultFolder, 0, 0, 0, 0, 0, 0, 0, L"%LOCALAPPDATA%\\LP"}},
        {L"/group=1 /silent /desktop=yes /thumbs= -3",
         {kDefaultFolder, 0, -3, 1, 0, 0, 0, 0, kAppData}},
        {L"/silent /desktop=99999999999999999999",
         {kDefaultFolder, INT_MAX, 0, 0, 0, 0, 0, 0, kAppData}},
        {L"/silent /assoc=0", {kDefaultFolder, 0, 0, 0, 0, 0, 0, 0, kAppData}},
        {L"/silent /assoc=1", {kDefaultFolder, 0, 0, 0, 0, 1, 1, 0, kAppData}},
        {L"/silent /assoc=2", {kDefaultFolder, 0, 0, 0, 0, 2, 1, 0, kAppData}},
        {L"/silent /assoc=3", {kDefaultFolder, 0, 0, 0, 0, 0, 0, 0, kAppData}},
        {L"/silent /assocallusers", {kDefaultFolder, 0, 0, 0, 0, 0, 0, 1, kAppData}},
        {L"/silent /assocallusers /assoc=2", {kDefaultFolder, 0, 0, 0, 0, 2, 1, 1, kAppData}},
        {L"/silent /Folder=D:\\x /DESKTOP=1", {kDefaultFolder, 0, 0, 0, 0, 0, 0, 0, kAppData}},
    };
    for (const Case& c : cases)
        ExpectFields(c.arguments, c.want);
}

TEST(FillOptionsFromCommandLine, PathValuesStopAt252And255Characters) {
    const std::wstring folder252 = L"D:\\" + std::wstring(249, L'f');
    ExpectFields(L"/silent /folder=" + folder252, {folder252, 0, 0, 0, 0, 0, 0, 0, kAppData});
    ExpectFields(L"/silent /folder=" + folder252 + L"XYZ /desktop=1",
                 {folder252, 1, 0, 0, 0, 0, 0, 0, kAppData});
    const std::wstring ini255 = L"E:\\" + std::wstring(252, L'i');
    ExpectFields(L"/silent /ini=" + ini255, {kDefaultFolder, 0, 0, 0, 0, 0, 0, 0, ini255});
    ExpectFields(L"/silent /ini=" + ini255 + L"XYZ", {kDefaultFolder, 0, 0, 0, 0, 0, 0, 0, ini255});
}

TEST(FillOptionsFromCommandLine, IgnoresSwitchesBeyond519Characters) {
    // The program path and "/silent " fill the command line up to its 519th character.
    const std::wstring arguments = L"/silent /desktop=1 ";
    const std::wstring padding(519 - kProgram.size() - arguments.size(), L'p');
    InstallOptions options = MakeSilentDefaults(std::nullopt, kDefaultFolder);
    FillOptionsFromCommandLine(kProgram + arguments + padding + L"/group=1 /assoc=2", options);
    EXPECT_EQ(options.createDesktopShortcut, 1);
    EXPECT_EQ(options.createStartMenuGroup, 0);
    EXPECT_EQ(options.associationsRequested, 0);

    // A switch that begins inside the working copy has its value cut at the 519th character.
    const std::wstring start = L"/silent " + std::wstring(519 - kProgram.size() - 8 - 12, L'p');
    InstallOptions cut = MakeSilentDefaults(std::nullopt, kDefaultFolder);
    FillOptionsFromCommandLine(kProgram + start + L"/folder=D:\\abcdef", cut);
    EXPECT_EQ(cut.installFolder, L"D:\\a");
}

TEST(MakeSilentDefaults, PreviousInstallationKeepsItsSettingsPlace) {
    const InstallOptions fresh = MakeSilentDefaults(std::nullopt, L"C:\\Lumapixel\\");
    EXPECT_EQ(fresh.installFolder, L"C:\\Lumapixel\\");
    EXPECT_EQ(fresh.iniFolder, L"%APPDATA%\\Lumapixel");
    EXPECT_EQ(fresh.silent, 1);
    EXPECT_EQ(fresh.createStartMenuGroup + fresh.createDesktopShortcut +
                  fresh.createThumbnailsShortcut + fresh.allUsers + fresh.associationsForAllUsers +
                  fresh.associationsRequested,
              0);
    EXPECT_FALSE(fresh.associationFlags.Any());

    const InstallOptions update = MakeSilentDefaults(std::wstring(L"D:\\Apps\\Lumapixel"), L"x");
    EXPECT_EQ(update.installFolder, L"D:\\Apps\\Lumapixel\\");
    EXPECT_EQ(update.iniFolder, L"");
    EXPECT_EQ(update.silent, 1);
}

}  // namespace
}  // namespace lp
