// Placement of the viewer's settings file and the order of its profile writes.
#include <gtest/gtest.h>

#include <map>

#include "payload/settings_plan.h"

namespace {

using lp::ProfileWrite;

const std::map<std::wstring, std::wstring> kEnvironment = {
    {L"APPDATA", L"C:\\Users\\ann\\AppData\\Roaming"}, {L"USB", L"E:\\Lumapixel32_App\\Data"}};

// Places the files with a fixed environment and a folder maker that records its folders and
// gives them their closing backslash, as CreateDirectoryPath does.
struct Placement {
    std::vector<std::wstring> madeFolders;

    lp::SettingsFiles Place(const std::wstring& installFolder, const std::wstring& iniFolder,
                            int silent = 0) {
        const lp::SettingsRequest request{installFolder, iniFolder, silent,
                                          L"C:\\Program Files\\Lumapixel"};
        return lp::PlaceSettingsFiles(
            request,
            [](const std::wstring& name) -> std::optional<std::wstring> {
                const auto found = kEnvironment.find(name);
                if (found == kEnvironment.end())
                    return std::nullopt;
                return found->second;
            },
            [this](std::wstring& folder) {
                madeFolders.push_back(folder);
                if (folder.back() != L'\\')
                    folder.push_back(L'\\');
            });
    }
};

TEST(SettingsPlan, ProgramFolderFileIsTrimmedAndBounded) {
    Placement p;
    EXPECT_EQ(p.Place(L"  D:\\Tools\\Lumapixel  ", L"").programIni,
              L"D:\\Tools\\Lumapixel\\lumpix32.ini");
    EXPECT_EQ(p.Place(L"D:\\Tools\\", L"").programIni, L"D:\\Tools\\lumpix32.ini");
    EXPECT_EQ(p.Place(L"   ", L"").programIni, L"");
    EXPECT_EQ(p.Place(L"", L"").programIni, L"");
    const std::wstring longest = L"D:\\" + std::wstring(256, L'x');  // 259 characters
    EXPECT_EQ(p.Place(longest, L"").programIni, longest + L"\\lumpix32.ini");
    EXPECT_EQ(p.Place(longest + L"x", L"").programIni, L"");
    EXPECT_TRUE(lp::PlanSettingsWrites(p.Place(L"", L""), nullptr).empty());
}

TEST(SettingsPlan, EmptyIniFolderKeepsSettingsInTheProgramFolder) {
    Placement p;
    const lp::SettingsFiles files = p.Place(L"D:\\Tools\\Lumapixel\\", L"");
    EXPECT_EQ(files.effectiveIni, files.programIni);
    EXPECT_EQ(files.iniFolder, L"");
    EXPECT_FALSE(files.portableLayout);
    EXPECT_TRUE(p.madeFolders.empty());
    const lp::ToolbarSkin skin{L"Pebble_16.png", L"16"};
    const std::wstring ini = L"D:\\Tools\\Lumapixel\\lumpix32.ini";
    const std::vector<ProfileWrite> expected = {
        {ini, L"Others", L"INI_Folder", std::nullopt},
        {ini, L"Language", L"DLL", L"DEUTSCH.DLL"},
        {ini, L"Language", L"Lang", L"Deutsch"},
        {ini, L"Toolbar", L"Skin", L"Pebble_16.png"},
        {ini, L"Toolbar", L"Size", L"16"},
    };
    EXPECT_EQ(lp::PlanSettingsWrites(files, &skin), expected);
}

TEST(SettingsPlan, SeparateFolderIsExpandedCreatedAndRecordedAsGiven) {
    Placement p;
    const lp::SettingsFiles files = p.Place(L"D:\\Tools\\Lumapixel", L"%APPDATA%\\Lumapixel");
    EXPECT_EQ(p.madeFolders,
              std::vector<std::wstring>{L"C:\\Users\\ann\\AppData\\Roaming\\Lumapixel"});
    const std::wstring program = L"D:\\Tools\\Lumapixel\\lumpix32.ini";
    const std::wstring effective = L"C:\\Users\\ann\\AppData\\Roaming\\Lumapixel\\lumpix32.ini";
    EXPECT_EQ(files.effectiveIni, effective);
    EXPECT_FALSE(files.portableLayout);
    const std::vector<ProfileWrite> expected = {
        {program, L"Others", L"INI_Folder", L"%APPDATA%\\Lumapixel"},
        {effective, L"Language", L"DLL", L"DEUTSCH.DLL"},
        {effective, L"Language", L"Lang", L"Deutsch"},
    };
    EXPECT_EQ(lp::PlanSettingsWrites(files, nullptr), expected);  // a skin is set already
}

TEST(SettingsPlan, PortableLayoutAlsoWritesLanguageAndDefaultSkinToTheProgramFolder) {
    Placement p;
    const lp::SettingsFiles files = p.Place(L"E:\\Lumapixel32_App", L"%USB%");
    EXPECT_TRUE(files.portableLayout);
    const std::wstring program = L"E:\\Lumapixel32_App\\lumpix32.ini";
    const std::wstring effective = L"E:\\Lumapixel32_App\\Data\\lumpix32.ini";
    const lp::ToolbarSkin skin{L"gnome-colors-wise_32.png", L"32"};
    const std::vector<ProfileWrite> expected = {
        {program, L"Others", L"INI_Folder", L"%USB%"},
        {effective, L"Language", L"DLL", L"DEUTSCH.DLL"},
        {effective, L"Language", L"Lang", L"Deutsch"},
        {program, L"Language", L"DefaultLang", L"DEUTSCH.DLL"},
        {program, L"Language", L"Lang", L"Deutsch"},
        {effective, L"Toolbar", L"Skin", L"gnome-colors-wise_32.png"},
        {effective, L"Toolbar", L"Size", L"32"},
        {program, L"Toolbar", L"Skin", L"Thornway_24.png"},
        {program, L"Toolbar", L"Size", L"24"},
    };
    EXPECT_EQ(lp::PlanSettingsWrites(files, &skin), expected);
}

TEST(SettingsPlan, PortableMarkersAreCaseSensitiveAndNeedASeparateFolder) {
    Placement p;
    EXPECT_TRUE(p.Place(L"C:\\x", L"F:\\Lumapixel64_App\\cfg").portableLayout);
    EXPECT_FALSE(p.Place(L"C:\\x", L"F:\\lumapixel32_app\\cfg").portableLayout);
    EXPECT_FALSE(p.Place(L"F:\\Lumapixel32_App", L"").portableLayout);
}

TEST(SettingsPlan, SilentDefaultMovesSettingsToAppDataOnlyBelowTheDefaultFolder) {
    Placement p;
    EXPECT_EQ(p.Place(L"C:\\Program Files\\Lumapixel\\", L"", 1).iniFolder,
              L"%APPDATA%\\Lumapixel");
    EXPECT_EQ(p.Place(L"C:\\Program Files\\Lumapixel\\", L"", 1).effectiveIni,
              L"C:\\Users\\ann\\AppData\\Roaming\\Lumapixel\\lumpix32.ini");
    EXPECT_EQ(p.Place(L"C:\\Program Files\\Lumapixel\\", L"", 0).iniFolder, L"");
    EXPECT_EQ(p.Place(L"c:\\program files\\lumapixel\\", L"", 1).iniFolder, L"");
    EXPECT_EQ(p.Place(L"D:\\Tools\\", L"", 1).iniFolder, L"");
    EXPECT_EQ(p.Place(L"C:\\Program Files\\Lumapixel", L"D:\\Cfg", 1).iniFolder, L"D:\\Cfg");
}

TEST(SettingsPlan, UnusableSettingsFolderFallsBackToTheProgramFolder) {
    Placement p;
    std::wstring tooLong;  // 19 times 29 characters: more than 519 once expanded
    for (int i = 0; i < 19; ++i)
        tooLong += L"%APPDATA%\\";
    const std::wstring unusable[] = {L"%NOT_SET%", L"%%", tooLong};
    for (const std::wstring& iniFolder : unusable) {
        const lp::SettingsFiles files = p.Place(L"D:\\Tools", iniFolder);
        EXPECT_EQ(files.iniFolder, L"") << iniFolder;
        EXPECT_EQ(files.effectiveIni, L"D:\\Tools\\lumpix32.ini") << iniFolder;
        EXPECT_EQ(
            lp::PlanSettingsWrites(files, nullptr).front(),
            (ProfileWrite{L"D:\\Tools\\lumpix32.ini", L"Others", L"INI_Folder", std::nullopt}));
    }
    // An undefined reference inside a longer folder just vanishes.
    EXPECT_EQ(p.Place(L"D:\\Tools", L"D:\\Cfg%NOPE%").effectiveIni, L"D:\\Cfg\\lumpix32.ini");
    // The folder plus the file name must fit 519 characters.
    const std::wstring folder507 = L"D:\\" + std::wstring(503, L'f') + L"\\";
    EXPECT_EQ(p.Place(L"D:\\Tools", folder507).effectiveIni, folder507 + L"lumpix32.ini");
    EXPECT_EQ(p.Place(L"D:\\Tools", folder507 + L"g").effectiveIni, L"D:\\Tools\\lumpix32.ini");
}

}  // namespace
