// IntegrateWithShell: shortcuts, registration, file types, verbs and notifications of one install.
#include "shell/shell_integration.h"

#include "payload/environment_probes.h"
#include "shell/registry_plan.h"
#include "shell/shell_notifications.h"
#include "shell/shell_stages.h"
#include "shell/shortcut_maker.h"

namespace lp {
namespace {

struct IntegrationInputs {
    ShellPaths paths;
    WindowsVersionFlags version;
    bool createDesktopShortcut = false;
    bool createThumbnailsShortcut = false;
    bool allUsers = false;
    bool associationsForAllUsers = false;
    const AssociationFlags& associationFlags;
};

void RunStage(ShellStage stage, const IntegrationInputs& in) {
    const ShellPaths& p = in.paths;
    switch (stage) {
        case ShellStage::kStartMenuGroup:
            ApplyShortcutPlan(
                PlanStartMenuGroup(p.installFolder, in.allUsers, GetCachedWindowsGeneration()));
            break;
        case ShellStage::kDesktopShortcuts:
            ApplyShortcutPlan(PlanDesktopShortcuts(p.installFolder, in.createDesktopShortcut,
                                                   in.createThumbnailsShortcut, in.allUsers));
            break;
        case ShellStage::kFolderBrowseVerbs:
            ApplyRegistryPlan(PlanFolderBrowseVerbs(p.viewerPath));
            break;
        case ShellStage::kApplicationRegistration:
            ApplyRegistryPlan(
                PlanApplicationRegistration(p.installFolder, p.viewerPath, p.openCommand));
            break;
        case ShellStage::kCapabilities:
            ApplyRegistryPlan(PlanCapabilities(p.viewerPath));
            break;
        case ShellStage::kFileTypeAssociations:
            ApplyRegistryPlan(PlanFileTypeAssociations(
                in.associationFlags, p.openCommand, p.viewerPath, in.version.isXpOr2003,
                in.version.isVistaOrLater, in.associationsForAllUsers));
            break;
        case ShellStage::kStoreAppSuppression:
            ApplyRegistryPlan(PlanStoreAppSuppression());
            break;
        case ShellStage::kNotifications:
            NotifyAssociationsChanged();
            break;
    }
}

}  // namespace

int IntegrateWithShell(int confirmed, int associationsRequested, const std::wstring& installFolder,
                       int createStartMenuGroup, int createDesktopShortcut,
                       int createThumbnailsShortcut, int allUsers,
                       const AssociationFlags& associationFlags, int associationsForAllUsers) {
    const IntegrationInputs inputs{PrepareShellPaths(installFolder),
                                   ProbeWindowsVersionFlags(),
                                   createDesktopShortcut != 0,
                                   createThumbnailsShortcut != 0,
                                   allUsers != 0,
                                   associationsForAllUsers != 0,
                                   associationFlags};
    const ShellStageChoices choices{confirmed != 0, associationsRequested != 0,
                                    createStartMenuGroup != 0, createThumbnailsShortcut != 0};
    for (ShellStage stage : PlanShellStages(choices, inputs.version, GetCachedWindowsGeneration))
        RunStage(stage, inputs);
    return 1;
}

}  // namespace lp
