// RunInstall: one installation from an InstallOptions record, stage by stage.
#include "app/install_sequence.h"

#include <windows.h>

#include "app/current_directory.h"
#include "app/directory_path.h"
#include "app/file_size.h"
#include "app/icon_library_rule.h"
#include "app/install_limits.h"
#include "app/install_log.h"
#include "app/string_resource.h"
#include "payload/environment_probes.h"
#include "payload/payload_extraction.h"
#include "payload/viewer_settings.h"
#include "shell/shell_integration.h"

namespace lp {
namespace {

constexpr unsigned short kPayloadResourceId = 1974;
constexpr wchar_t kPayloadResourceType[] = L"ZIP";
constexpr wchar_t kPayloadTempFileName[] = L"lumpxg_x32.zip";
constexpr unsigned kAssociationQuestion = 9;

// Shows the failure's message (wizard) or logs it (silent) and hands the outcome back. The log
// line puts the folder after the message, except for a failed extraction.
InstallOutcome ReportFailure(const InstallOptions& options, InstallOutcome outcome,
                             const std::wstring& folder) {
    const std::wstring message = LoadMessage(static_cast<unsigned>(ExitCodeOf(outcome)));
    if (!options.silent) {
        MessageBoxW(GetActiveWindow(), message.c_str(), options.caption.c_str(), MB_ICONERROR);
    } else if (outcome == InstallOutcome::kExtractionFailed) {
        AppendInstallLog(folder + L": " + message);
    } else {
        AppendInstallLog(message + L": " + folder);
    }
    return outcome;
}

// Keeps an installed icon library that is newer, or of the same version but another build,
// or not ours. Without version information the library is replaced.
bool MayReplaceInstalledIconLibrary(const std::wstring& iconLibrary) {
    std::wstring version;
    std::wstring company;
    if (QueryFileVersion(iconLibrary, version, &company) != 1)
        return true;
    return MayReplaceIconLibrary(version, GetFileSizeInBytes(iconLibrary), company);
}

// 1 unless the user refuses the association change in the wizard (No is the default button).
int ConfirmAssociations(const InstallOptions& options) {
    if (!options.associationsRequested || options.silent)
        return 1;
    const std::wstring question = LoadMessage(kAssociationQuestion);
    const int answer = MessageBoxW(GetActiveWindow(), question.c_str(), options.caption.c_str(),
                                   MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
    return answer == IDNO ? 0 : 1;
}

}  // namespace

InstallOutcome RunInstall(const InstallOptions& options) {
    std::wstring folder = options.installFolder;
    if (folder.empty() || !FitsInstallFolderLimit(folder))
        return ReportFailure(options, InstallOutcome::kInvalidFolder, folder);
    if (CreateDirectoryPath(folder) == 0)
        return ReportFailure(options, InstallOutcome::kFolderNotCreated, folder);

    std::wstring plugins = folder + L"Plugins";
    CreateDirectoryPath(plugins);  // best effort: the extraction reports what it cannot write
    const bool mayReplace = MayReplaceInstalledIconLibrary(plugins + L"Icons.dll");

    // A payload that fails after the target folder was entered must not move the install log
    // there: the log belongs to the directory the setup was started in.
    const std::wstring startDirectory = GetCurrentDirectoryText();
    if (ExtractPayload(kPayloadResourceId, kPayloadResourceType, kPayloadTempFileName, folder,
                       mayReplace ? 0 : 1) != 0) {
        RestoreCurrentDirectory(startDirectory);
        return ReportFailure(options, InstallOutcome::kExtractionFailed, folder);
    }

    const std::wstring settingsPath = WriteViewerSettings(
        options.installFolder, IniFolderWithinLimit(options.iniFolder), options.silent);
    const int confirmed = ConfirmAssociations(options);
    IntegrateWithShell(confirmed, options.associationsRequested, options.installFolder,
                       options.createStartMenuGroup, options.createDesktopShortcut,
                       options.createThumbnailsShortcut, options.allUsers, options.associationFlags,
                       options.associationsForAllUsers);
    ConvertSettingsToUnicode(settingsPath);
    return InstallOutcome::kSuccess;
}

}  // namespace lp
