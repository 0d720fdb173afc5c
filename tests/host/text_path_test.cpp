// Blank trimming and closing backslash, including the 260-character bounds.
#include <gtest/gtest.h>

#include "app/install_limits.h"
#include "app/text_path.h"

namespace lp {
namespace {

TEST(TrimSpaces, RemovesBlanksOnBothSides) {
    struct Case {
        std::wstring in, out;
    };
    const Case cases[] = {
        {L"  C:\\Tools ", L"C:\\Tools"},
        {L"   ", L""},
        {L"", L""},
        {L"C:\\A B", L"C:\\A B"},
        {L"\tC:\\x\t", L"\tC:\\x\t"},                               // only U+0020 is a blank
        {L" " + std::wstring(258, L'a'), std::wstring(258, L'a')},  // 259 characters
        {L" " + std::wstring(258, L'a') + L"  ", std::wstring(258, L'a')},
    };
    for (const Case& c : cases) {
        std::wstring text = c.in;
        TrimSpaces(text);
        EXPECT_EQ(text, c.out) << "input of " << c.in.size() << " characters";
    }
}

TEST(TrimSpaces, KeepsLeadingBlanksOfTextsOf260OrMore) {
    const std::wstring long260 = L" " + std::wstring(259, L'a');
    std::wstring text = long260 + L"   ";
    TrimSpaces(text);
    EXPECT_EQ(text, long260);
}

TEST(AppendBackslash, AppendsOnlyWithinTheBuffer) {
    struct Case {
        std::wstring in, out;
    };
    const Case cases[] = {
        {L"C:\\Tools", L"C:\\Tools\\"},
        {L"C:\\Tools\\", L"C:\\Tools\\"},
        {L"", L""},
        {L"C:", L"C:\\"},
        {std::wstring(258, L'a'), std::wstring(258, L'a') + L"\\"},
        {std::wstring(259, L'a'), std::wstring(259, L'a')},
        {std::wstring(260, L'a'), std::wstring(260, L'a')},
    };
    for (const Case& c : cases) {
        std::wstring path = c.in;
        AppendBackslash(path);
        EXPECT_EQ(path, c.out) << "input of " << c.in.size() << " characters";
    }
}

TEST(InstallLimits, FolderFitsWith258OrWith259EndingInBackslash) {
    EXPECT_TRUE(FitsInstallFolderLimit(std::wstring(258, L'a')));
    EXPECT_TRUE(FitsInstallFolderLimit(std::wstring(258, L'a') + L"\\"));
    EXPECT_FALSE(FitsInstallFolderLimit(std::wstring(259, L'a')));
    EXPECT_FALSE(FitsInstallFolderLimit(std::wstring(259, L'a') + L"\\"));
    EXPECT_TRUE(FitsIniFolderLimit(std::wstring(259, L'a')));
    EXPECT_FALSE(FitsIniFolderLimit(std::wstring(260, L'a')));
    EXPECT_EQ(IniFolderWithinLimit(L"%APPDATA%\\Lumapixel"), L"%APPDATA%\\Lumapixel");
    EXPECT_EQ(IniFolderWithinLimit(std::wstring(259, L'a')), std::wstring(259, L'a'));
    EXPECT_EQ(IniFolderWithinLimit(std::wstring(260, L'a')), L"");
}

}  // namespace
}  // namespace lp
