// IntegrateWithShell: shortcuts, registration, file types, verbs and notifications of one install.
#include "shell/shell_integration.h"

#include "payload/environment_probes.h"
#include "shell/shell_integration_plan.h"
#include "shell/shell_notifications.h"
#include "shell/shortcut_maker.h"

namespace lp {

int IntegrateWithShell(int confirmed, int associationsRequested, const std::wstring& installFolder,
                       int createStartMenuGroup, int createDesktopShortcut,
                       int createThumbnailsShortcut, int allUsers,
                       const AssociationFlags& associationFlags, int associationsForAllUsers) {
    const ShellIntegrationChoices choices{confirmed != 0,
                                          associationsRequested != 0,
                                          installFolder,
                                          createStartMenuGroup != 0,
                                          createDesktopShortcut != 0,
                                          createThumbnailsShortcut != 0,
                                          allUsers != 0,
                                          associationFlags,
                                          associationsForAllUsers != 0};
    // Every step is best effort: a shortcut, registry write or notification that fails is
    // simply missing afterwards, and the next step still runs.
    for (const ShellIntegrationStep& step :
         PlanShellIntegration(choices, ProbeWindowsVersionFlags(), GetCachedWindowsGeneration)) {
        if (step.shortcuts)
            ApplyShortcutPlan(*step.shortcuts);
        ApplyRegistryPlan(step.registry);
        if (step.stage == ShellStage::kNotifications)
            NotifyAssociationsChanged();
    }
    return 1;
}

}  // namespace lp
