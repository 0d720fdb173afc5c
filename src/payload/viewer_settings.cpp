// The viewer's settings file: the placement plan applied through the Win32 profile functions.
#include "payload/viewer_settings.h"

#include <windows.h>

#include "app/directory_path.h"
#include "framework/unique_handle.h"
#include "payload/environment_probes.h"
#include "payload/settings_plan.h"

namespace lp {

namespace {

std::optional<std::wstring> LookupEnvironment(const std::wstring& name) {
    SetLastError(ERROR_SUCCESS);
    const DWORD needed = GetEnvironmentVariableW(name.c_str(), nullptr, 0);
    if (needed == 0) {
        if (GetLastError() == ERROR_ENVVAR_NOT_FOUND)
            return std::nullopt;
        return std::wstring();
    }
    std::wstring value(needed, L'\0');
    const DWORD length = GetEnvironmentVariableW(name.c_str(), value.data(), needed);
    if (length == 0 || length >= needed)
        return std::nullopt;
    value.resize(length);
    return value;
}

// Creates the settings folder with every missing parent and gives it its closing backslash;
// whether it could be created is not checked, the profile writes simply fail then.
void MakeSettingsFolder(std::wstring& folder) {
    CreateDirectoryPath(folder);
}

std::wstring ReadProfileString(const std::wstring& file, const wchar_t* section,
                               const wchar_t* key) {
    std::wstring value(260, L'\0');
    const DWORD length = GetPrivateProfileStringW(section, key, L"", value.data(),
                                                  static_cast<DWORD>(value.size()), file.c_str());
    value.resize(length);
    return value;
}

void ApplyProfileWrites(const std::vector<ProfileWrite>& writes) {
    for (const ProfileWrite& write : writes) {
        WritePrivateProfileStringW(write.section.c_str(), write.key.c_str(),
                                   write.value ? write.value->c_str() : nullptr,
                                   write.file.c_str());
    }
}

}  // namespace

ToolbarSkin ChooseToolbarSkin() {
    int scale = 100;
    const unique_hdc display(CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr));
    if (display)
        scale = ScalePercentFromPixelsPerInch(GetDeviceCaps(display.get(), LOGPIXELSX));
    return SelectToolbarSkin(scale, GetSystemMetrics(SM_CYFULLSCREEN));
}

std::wstring WriteViewerSettings(const std::wstring& installFolder, std::wstring iniFolder,
                                 int silent) {
    SettingsRequest request{installFolder, std::move(iniFolder), silent, {}};
    GetDefaultInstallFolder(request.defaultInstallFolder);
    const SettingsFiles files = PlaceSettingsFiles(request, LookupEnvironment, MakeSettingsFolder);
    if (files.programIni.empty())
        return {};
    const bool skinMissing = ReadProfileString(files.effectiveIni, L"Toolbar", L"Skin").empty();
    const ToolbarSkin skin = skinMissing ? ChooseToolbarSkin() : ToolbarSkin{};
    ApplyProfileWrites(PlanSettingsWrites(files, skinMissing ? &skin : nullptr));
    return files.effectiveIni;
}

}  // namespace lp
