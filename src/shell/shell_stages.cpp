// The shared paths and the order of the shell stages of one installation.
#include "shell/shell_stages.h"

#include "app/text_path.h"

namespace lp {

ShellPaths PrepareShellPaths(const std::wstring& installFolder) {
    ShellPaths paths;
    paths.installFolder = installFolder;
    TrimSpaces(paths.installFolder);
    // Unlike AppendBackslash this also closes a folder of 259 characters: every later path is
    // a std::wstring, and each consumer checks its own bound.
    if (!paths.installFolder.empty() && paths.installFolder.back() != L'\\')
        paths.installFolder.push_back(L'\\');
    paths.viewerPath = paths.installFolder + L"lumpix32.exe";
    paths.openCommand = L"\"" + paths.viewerPath + L"\" \"%1\"";
    return paths;
}

std::vector<ShellStage> PlanShellStages(const ShellStageChoices& choices,
                                        const WindowsVersionFlags& version,
                                        const std::function<int()>& windowsGeneration) {
    std::vector<ShellStage> stages;
    if (choices.createStartMenuGroup)
        stages.push_back(ShellStage::kStartMenuGroup);
    stages.push_back(ShellStage::kDesktopShortcuts);
    if (choices.createThumbnailsShortcut && version.isVistaOrLater)
        stages.push_back(ShellStage::kFolderBrowseVerbs);
    stages.push_back(ShellStage::kApplicationRegistration);
    if (version.isVistaOrLater)
        stages.push_back(ShellStage::kCapabilities);
    if (!choices.confirmed && !version.isVistaOrLater)
        return stages;
    stages.push_back(ShellStage::kFileTypeAssociations);
    if (!choices.associationsRequested)
        return stages;
    if (windowsGeneration() == 10)
        stages.push_back(ShellStage::kStoreAppSuppression);
    stages.push_back(ShellStage::kNotifications);
    return stages;
}

}  // namespace lp
