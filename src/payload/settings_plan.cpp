// Placement of the viewer's settings file and the plan of its profile writes.
#include "payload/settings_plan.h"

#include "app/text_path.h"

namespace lp {

namespace {

constexpr std::wstring_view kSettingsFileName = L"lumpix32.ini";
constexpr std::size_t kMaxFolder = 259;
constexpr std::size_t kMaxWorkPath = 519;

bool Contains(const std::wstring& text, std::wstring_view part) {
    return text.find(part) != std::wstring::npos;
}

// The program folder's file, or "" for an empty or over-long install folder.
std::wstring ProgramIniOf(std::wstring folder) {
    if (folder.size() > kMaxFolder)
        return {};
    TrimSpaces(folder);
    if (folder.empty())
        return {};
    if (folder.back() != L'\\')
        folder.push_back(L'\\');
    return folder + std::wstring(kSettingsFileName);
}

// The settings folder, expanded and created, or "" when it cannot be used.
std::wstring SettingsFolderOf(const std::wstring& iniFolder, const EnvironmentLookup& lookup,
                              const FolderMaker& makeFolder) {
    std::optional<std::wstring> folder = ExpandEnvironmentReferences(iniFolder, lookup);
    if (!folder || folder->empty())
        return {};
    makeFolder(*folder);
    if (folder->empty() || folder->size() + kSettingsFileName.size() > kMaxWorkPath)
        return {};
    return *folder;
}

}  // namespace

SettingsFiles PlaceSettingsFiles(const SettingsRequest& request, const EnvironmentLookup& lookup,
                                 const FolderMaker& makeFolder) {
    SettingsFiles files;
    files.programIni = ProgramIniOf(request.installFolder);
    if (files.programIni.empty())
        return files;
    files.effectiveIni = files.programIni;
    std::wstring iniFolder = request.iniFolder;
    if (request.silent && iniFolder.empty() && !request.defaultInstallFolder.empty() &&
        Contains(request.installFolder, request.defaultInstallFolder)) {
        iniFolder = L"%APPDATA%\\Lumapixel";
    }
    if (iniFolder.empty())
        return files;
    const std::wstring folder = SettingsFolderOf(iniFolder, lookup, makeFolder);
    if (folder.empty())
        return files;
    files.iniFolder = iniFolder;
    files.effectiveIni = folder + std::wstring(kSettingsFileName);
    files.portableLayout = Contains(files.effectiveIni, L"Lumapixel32_App") ||
                           Contains(files.effectiveIni, L"Lumapixel64_App");
    return files;
}

std::vector<ProfileWrite> PlanSettingsWrites(const SettingsFiles& files,
                                             const ToolbarSkin* newSkin) {
    if (files.programIni.empty())
        return {};
    const std::wstring& program = files.programIni;
    const std::wstring& effective = files.effectiveIni;
    std::vector<ProfileWrite> writes;
    std::optional<std::wstring> recorded;
    if (!files.iniFolder.empty())
        recorded = files.iniFolder;
    writes.push_back({program, L"Others", L"INI_Folder", recorded});
    writes.push_back({effective, L"Language", L"DLL", L"DEUTSCH.DLL"});
    writes.push_back({effective, L"Language", L"Lang", L"Deutsch"});
    if (files.portableLayout) {
        writes.push_back({program, L"Language", L"DefaultLang", L"DEUTSCH.DLL"});
        writes.push_back({program, L"Language", L"Lang", L"Deutsch"});
    }
    if (newSkin == nullptr)
        return writes;
    writes.push_back({effective, L"Toolbar", L"Skin", newSkin->file});
    writes.push_back({effective, L"Toolbar", L"Size", newSkin->size});
    if (files.portableLayout) {
        writes.push_back({program, L"Toolbar", L"Skin", L"Thornway_24.png"});
        writes.push_back({program, L"Toolbar", L"Size", L"24"});
    }
    return writes;
}

}  // namespace lp
