// The previous install folder from a registered open command, and the default install folder.
#include <gtest/gtest.h>

#include "payload/install_folder_rules.h"

namespace {

TEST(InstallFolderRules, FolderFromRegisteredOpenCommand) {
    struct Case {
        const wchar_t* command;
        int found;
        const wchar_t* folder;
    };
    const Case cases[] = {
        {L"\"D:\\Tools\\Lumapixel\\lumpix32.exe\" \"%1\"", 1, L"D:\\Tools\\Lumapixel\\"},
        {L"\"C:\\Program Files\\Lumapixel\\lumpix32.exe\"", 1, L"C:\\Program Files\\Lumapixel\\"},
        {L"\"C:\\lumpix32.exe\" \"%1\"", 1, L"C:\\"},
        {L"\"D:\\Tools\\Lumapixel\\lumpix32.exe", 1,
         L"D:\\Tools\\Lumapixel\\"},                        // no closing quote
        {L"\"D:/Tools/lumpix32.exe\"", 1, L"D:/Tools/\\"},  // a slash is a folder end too
        {L"\"\\\\srv\\apps\\lumpix32.exe\" \"%1\"", 1, L"\\\\srv\\apps\\"},
        {L"\"C:lumpix32.exe\"", 1, L"C:\\"},
        // Without its leading quotation mark the command loses its first character.
        {L"D:\\Tools\\Lumapixel\\lumpix32.exe \"%1\"", 1, L":\\Tools\\Lumapixel\\"},
        {L"\"D:\\Tools\\Lumapixel\\LUMPIX32.EXE\" \"%1\"", 0, L""},  // case-sensitive test
        {L"\"D:\\Tools\\viewer.exe\" \"%1\"", 0, L""},
        {L"", 0, L""},
        {L"\"lumpix32.exe\" \"%1\"", 0, L""},  // no drive or folder: not a usable folder
        {L"\"\" lumpix32.exe", 0, L""},
    };
    for (const Case& c : cases) {
        std::wstring folder = L"stale";
        EXPECT_EQ(lp::FolderFromOpenCommand(c.command, folder), c.found) << c.command;
        EXPECT_EQ(folder, c.folder) << c.command;
    }
}

TEST(InstallFolderRules, FolderFromOpenCommandIsBoundedTo259Characters) {
    // "C:\" + name + "\" is 4 + name characters.
    const std::wstring fits = L"C:\\" + std::wstring(255, L'a') + L"\\";
    const std::wstring tooLong = L"C:\\" + std::wstring(256, L'a') + L"\\";
    std::wstring folder;
    EXPECT_EQ(lp::FolderFromOpenCommand(L"\"" + fits + L"lumpix32.exe\"", folder), 1);
    EXPECT_EQ(folder, fits);
    EXPECT_EQ(lp::FolderFromOpenCommand(L"\"" + tooLong + L"lumpix32.exe\"", folder), 0);
    EXPECT_EQ(folder, L"");
}

TEST(InstallFolderRules, DefaultFolderFromProgramFilesDir) {
    EXPECT_EQ(lp::DefaultInstallFolderFrom(L"C:\\Program Files"), L"C:\\Program Files\\Lumapixel");
    EXPECT_EQ(lp::DefaultInstallFolderFrom(L"D:\\Apps\\"), L"D:\\Apps\\Lumapixel");
    EXPECT_EQ(lp::DefaultInstallFolderFrom(std::nullopt), L"C:\\Lumapixel\\");
    EXPECT_EQ(lp::DefaultInstallFolderFrom(L""), L"C:\\Lumapixel\\");
    // "X:\" + name + "\Lumapixel" must stay within 259 characters.
    const std::wstring fits = L"X:\\" + std::wstring(246, L'p');
    EXPECT_EQ(lp::DefaultInstallFolderFrom(fits), fits + L"\\Lumapixel");
    EXPECT_EQ(lp::DefaultInstallFolderFrom(fits + L"p"), L"C:\\Lumapixel\\");
}

}  // namespace
