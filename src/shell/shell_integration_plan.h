// Everything one installation does to the shell, as data: the stages with their shortcut and
// registry plans, in the order IntegrateWithShell runs them.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "shell/association_flags.h"
#include "shell/registry_plan.h"
#include "shell/shell_stages.h"
#include "shell/shortcut_plan.h"
#include "shell/windows_version_flags.h"

namespace lp {

// The choices IntegrateWithShell receives, as booleans.
struct ShellIntegrationChoices {
    bool confirmed = true;  // the association question was not answered No
    bool associationsRequested = false;
    std::wstring installFolder;  // as given: blanks and closing backslash are handled here
    bool createStartMenuGroup = false;
    bool createDesktopShortcut = false;
    bool createThumbnailsShortcut = false;
    bool allUsers = false;
    AssociationFlags associationFlags;
    bool associationsForAllUsers = false;
};

// One stage: its shortcut files or its registry writes; the notification stage has neither.
struct ShellIntegrationStep {
    ShellStage stage = ShellStage::kNotifications;
    std::optional<ShortcutFolderPlan> shortcuts;
    RegistryPlan registry;
};

// The steps in order; none for an install folder that is empty or only blanks. windowsGeneration
// is asked for the start-menu group (the uninstaller shortcut) and, when associations were
// requested, for the Store-app suppression.
std::vector<ShellIntegrationStep> PlanShellIntegration(
    const ShellIntegrationChoices& choices, const WindowsVersionFlags& version,
    const std::function<int()>& windowsGeneration);

}  // namespace lp
