// Where the viewer's settings live and which profile writes an installation makes, as data.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "payload/environment_references.h"
#include "payload/toolbar_skin.h"

namespace lp {

struct SettingsRequest {
    std::wstring installFolder;
    std::wstring iniFolder;  // may hold %NAME% references; empty: the program folder
    int silent = 0;
    std::wstring defaultInstallFolder;  // from GetDefaultInstallFolder
};

struct SettingsFiles {
    std::wstring programIni;    // the program folder's file; empty: no usable folder, no writes
    std::wstring iniFolder;     // recorded as INI_Folder; empty: the key is deleted
    std::wstring effectiveIni;  // the file the viewer uses
    bool portableLayout = false;
};

// One WritePrivateProfileStringW call; no value deletes the key.
struct ProfileWrite {
    std::wstring file;
    std::wstring section;
    std::wstring key;
    std::optional<std::wstring> value;
    bool operator==(const ProfileWrite&) const = default;
};

// Creates a folder and normalises its path in place (CreateDirectoryPath).
using FolderMaker = std::function<void(std::wstring& folder)>;

// Decides the files. In silent mode an empty iniFolder becomes "%APPDATA%\Lumapixel" when the
// install folder contains the default folder. A settings folder that expands to nothing, cannot
// be expanded within its limits or leaves no room for the file name is not used: the settings
// stay in the program folder, as they would for an empty iniFolder.
SettingsFiles PlaceSettingsFiles(const SettingsRequest& request, const EnvironmentLookup& lookup,
                                 const FolderMaker& makeFolder);

// The profile writes in order: INI_Folder, language, and the toolbar skin when newSkin is given
// (the file has none yet); the program folder's file also gets language and skin when portable.
std::vector<ProfileWrite> PlanSettingsWrites(const SettingsFiles& files,
                                             const ToolbarSkin* newSkin);

}  // namespace lp
