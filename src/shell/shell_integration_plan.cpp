// The shell integration of one installation as ordered stages with their shortcut and registry
// plans.
#include "shell/shell_integration_plan.h"

namespace lp {
namespace {

ShellIntegrationStep PlanStep(ShellStage stage, const ShellIntegrationChoices& c,
                              const ShellPaths& p, const WindowsVersionFlags& version,
                              const std::function<int()>& windowsGeneration) {
    ShellIntegrationStep step;
    step.stage = stage;
    switch (stage) {
        case ShellStage::kStartMenuGroup:
            step.shortcuts = PlanStartMenuGroup(p.installFolder, c.allUsers, windowsGeneration());
            break;
        case ShellStage::kDesktopShortcuts:
            step.shortcuts = PlanDesktopShortcuts(p.installFolder, c.createDesktopShortcut,
                                                  c.createThumbnailsShortcut, c.allUsers);
            break;
        case ShellStage::kFolderBrowseVerbs:
            step.registry = PlanFolderBrowseVerbs(p.viewerPath);
            break;
        case ShellStage::kApplicationRegistration:
            step.registry =
                PlanApplicationRegistration(p.installFolder, p.viewerPath, p.openCommand);
            break;
        case ShellStage::kCapabilities:
            step.registry = PlanCapabilities(p.viewerPath);
            break;
        case ShellStage::kFileTypeAssociations:
            step.registry = PlanFileTypeAssociations(
                c.associationFlags, p.openCommand, p.viewerPath, version.isXpOr2003,
                version.isVistaOrLater, c.associationsForAllUsers);
            break;
        case ShellStage::kStoreAppSuppression:
            step.registry = PlanStoreAppSuppression();
            break;
        case ShellStage::kNotifications:
            break;
    }
    return step;
}

}  // namespace

std::vector<ShellIntegrationStep> PlanShellIntegration(
    const ShellIntegrationChoices& choices, const WindowsVersionFlags& version,
    const std::function<int()>& windowsGeneration) {
    const ShellPaths paths = PrepareShellPaths(choices.installFolder);
    // Without a folder every target and command would name "lumpix32.exe" relative to whatever
    // directory is current; the install sequence stops before this, so nothing is written.
    if (paths.installFolder.empty())
        return {};
    const ShellStageChoices stageChoices{choices.confirmed, choices.associationsRequested,
                                         choices.createStartMenuGroup,
                                         choices.createThumbnailsShortcut};
    std::vector<ShellIntegrationStep> steps;
    for (ShellStage stage : PlanShellStages(stageChoices, version, windowsGeneration))
        steps.push_back(PlanStep(stage, choices, paths, version, windowsGeneration));
    return steps;
}

}  // namespace lp
