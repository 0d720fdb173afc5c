// The viewer's settings file through the real profile functions: placement, keys, conversion.
#include <windows.h>

#include <gtest/gtest.h>

#include "payload/viewer_settings.h"
#include "scratch_folder_support.h"

namespace {

using lp::test::FileExists;
using lp::test::ReadFileBytes;
using lp::test::ScratchFolder;
using lp::test::WriteFileBytes;

std::wstring Profile(const std::wstring& file, const wchar_t* section, const wchar_t* key) {
    wchar_t value[260] = {};
    GetPrivateProfileStringW(section, key, L"<none>", value, 260, file.c_str());
    return value;
}

std::string Utf16Le(const std::wstring& text) {
    std::string out;
    for (const wchar_t ch : text) {
        out.push_back(static_cast<char>(ch & 0xFF));
        out.push_back(static_cast<char>(ch >> 8));
    }
    return out;
}

TEST(ViewerSettings, ProgramFolderLayoutWritesLanguageSkinAndDropsAnOldSettingsFolder) {
    ScratchFolder program;
    const std::wstring ini = program / L"lumpix32.ini";
    ASSERT_TRUE(WriteFileBytes(ini, "[Others]\r\nINI_Folder=D:\\old\r\nKeep=1\r\n"));
    EXPECT_EQ(lp::WriteViewerSettings(program.path(), L"", 0), ini);
    EXPECT_EQ(Profile(ini, L"Others", L"INI_Folder"), L"<none>");
    EXPECT_EQ(Profile(ini, L"Others", L"Keep"), L"1");
    EXPECT_EQ(Profile(ini, L"Language", L"DLL"), L"DEUTSCH.DLL");
    EXPECT_EQ(Profile(ini, L"Language", L"Lang"), L"Deutsch");
    EXPECT_EQ(Profile(ini, L"Language", L"DefaultLang"), L"<none>");
    const lp::ToolbarSkin skin = lp::ChooseToolbarSkin();
    EXPECT_EQ(Profile(ini, L"Toolbar", L"Skin"), skin.file);
    EXPECT_EQ(Profile(ini, L"Toolbar", L"Size"), skin.size);
}

TEST(ViewerSettings, AnExistingSkinChoiceIsKept) {
    ScratchFolder program;
    const std::wstring ini = program / L"lumpix32.ini";
    ASSERT_TRUE(WriteFileBytes(ini, "[Toolbar]\r\nSkin=mine.png\r\nSize=99\r\n"));
    lp::WriteViewerSettings(program.path(), L"", 0);
    EXPECT_EQ(Profile(ini, L"Toolbar", L"Skin"), L"mine.png");
    EXPECT_EQ(Profile(ini, L"Toolbar", L"Size"), L"99");
}

TEST(ViewerSettings, SeparateFolderIsExpandedCreatedAndRecordedAsGiven) {
    ScratchFolder scratch;
    const std::wstring program = scratch / L"program\\";
    CreateDirectoryW(program.c_str(), nullptr);
    SetEnvironmentVariableW(L"LP_TEST_SETTINGS", scratch.path().c_str());
    const std::wstring effective =
        lp::WriteViewerSettings(program, L"%LP_TEST_SETTINGS%cfg\\%LP_UNSET_VARIABLE%sub", 0);
    SetEnvironmentVariableW(L"LP_TEST_SETTINGS", nullptr);
    EXPECT_EQ(effective, scratch / L"cfg\\sub\\lumpix32.ini");
    EXPECT_EQ(Profile(program + L"lumpix32.ini", L"Others", L"INI_Folder"),
              L"%LP_TEST_SETTINGS%cfg\\%LP_UNSET_VARIABLE%sub");
    EXPECT_EQ(Profile(effective, L"Language", L"Lang"), L"Deutsch");
    EXPECT_NE(Profile(effective, L"Toolbar", L"Skin"), L"<none>");
    EXPECT_EQ(Profile(program + L"lumpix32.ini", L"Language", L"Lang"), L"<none>");
}

TEST(ViewerSettings, PortableLayoutAlsoPresetsTheProgramFolderFile) {
    ScratchFolder scratch;
    const std::wstring program = scratch / L"Lumapixel32_App\\";
    CreateDirectoryW(program.c_str(), nullptr);
    const std::wstring programIni = program + L"lumpix32.ini";
    const std::wstring effective = lp::WriteViewerSettings(program, program + L"Data", 0);
    EXPECT_EQ(effective, program + L"Data\\lumpix32.ini");
    EXPECT_EQ(Profile(programIni, L"Language", L"DefaultLang"), L"DEUTSCH.DLL");
    EXPECT_EQ(Profile(programIni, L"Language", L"Lang"), L"Deutsch");
    EXPECT_EQ(Profile(programIni, L"Toolbar", L"Skin"), L"Thornway_24.png");
    EXPECT_EQ(Profile(programIni, L"Toolbar", L"Size"), L"24");
    EXPECT_EQ(Profile(effective, L"Language", L"DLL"), L"DEUTSCH.DLL");
}

TEST(ViewerSettings, EightBitFileIsConvertedOnceAndTheTempFileIsGone) {
    ScratchFolder folder;
    const std::wstring ini = folder / L"lumpix32.ini";
    const std::string ansi = "[Others]\r\nName=Gruss\r\n";
    ASSERT_TRUE(WriteFileBytes(ini, ansi));
    EXPECT_EQ(lp::ConvertSettingsToUnicode(ini), 1);
    const std::string expected =
        "\xFF\xFE" +
        Utf16Le(L"; UNICODE FILE - edit with care ;-)\r\n\r\n[Others]\r\nName=Gruss\r\n");
    EXPECT_EQ(ReadFileBytes(ini), expected);
    EXPECT_FALSE(FileExists(folder / L"lumpix32.ini_temp"));
    EXPECT_EQ(Profile(ini, L"Others", L"Name"), L"Gruss");  // still readable as a profile
    EXPECT_EQ(lp::ConvertSettingsToUnicode(ini), 1);
    EXPECT_EQ(ReadFileBytes(ini), expected);  // no second header
}

TEST(ViewerSettings, ConversionLeavesUnicodeEmptyAndMissingFilesAlone) {
    ScratchFolder folder;
    const std::wstring unicode = folder / L"lumpix32.ini";
    const std::string bytes = "\xFF\xFE" + Utf16Le(L"[A]\r\nB=C\r\n");
    ASSERT_TRUE(WriteFileBytes(unicode, bytes));
    EXPECT_EQ(lp::ConvertSettingsToUnicode(unicode), 1);
    EXPECT_EQ(ReadFileBytes(unicode), bytes);
    const std::wstring empty = folder / L"empty\\lumpix32.ini";
    CreateDirectoryW((folder / L"empty").c_str(), nullptr);
    ASSERT_TRUE(WriteFileBytes(empty, ""));
    EXPECT_EQ(lp::ConvertSettingsToUnicode(empty), 1);
    EXPECT_EQ(ReadFileBytes(empty), "");
    EXPECT_FALSE(FileExists(folder / L"empty\\lumpix32.ini_temp"));
    EXPECT_EQ(lp::ConvertSettingsToUnicode(folder / L"missing.ini"), 1);
    EXPECT_EQ(lp::ConvertSettingsToUnicode(L""), 1);
}

TEST(ViewerSettings, FailedReplacementReportsZeroAndKeepsTheOldFile) {
    ScratchFolder folder;
    const std::wstring ini = folder / L"lumpix32.ini";
    ASSERT_TRUE(WriteFileBytes(ini, "[A]\r\nB=C\r\n"));
    HANDLE held =
        CreateFileW(ini.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(lp::ConvertSettingsToUnicode(ini), 0);
    CloseHandle(held);
    EXPECT_EQ(ReadFileBytes(ini), "[A]\r\nB=C\r\n");
    EXPECT_FALSE(FileExists(folder / L"lumpix32.ini_temp"));
}

}  // namespace
