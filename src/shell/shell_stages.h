// The shared paths and the order of the shell stages of one installation.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "shell/windows_version_flags.h"

namespace lp {

// The paths every shell stage uses.
struct ShellPaths {
    std::wstring installFolder;  // F: trimmed, ending in a backslash
    std::wstring viewerPath;     // F + "lumpix32.exe"
    std::wstring openCommand;    // "\"<viewer>\" \"%1\""
};

// F, the viewer path and the open command of an install folder given with or without blanks
// around it and with or without its closing backslash.
ShellPaths PrepareShellPaths(const std::wstring& installFolder);

enum class ShellStage {
    kStartMenuGroup,
    kDesktopShortcuts,
    kFolderBrowseVerbs,
    kApplicationRegistration,
    kCapabilities,
    kFileTypeAssociations,
    kStoreAppSuppression,
    kNotifications,
};

// The choices of the installation that decide which stages run.
struct ShellStageChoices {
    bool confirmed = true;  // the association question was not refused
    bool associationsRequested = false;
    bool createStartMenuGroup = false;
    bool createThumbnailsShortcut = false;
};

// The stages to run, in order. windowsGeneration is asked only when associations were
// requested and the association stage runs (the Store-app suppression is for generation 10).
std::vector<ShellStage> PlanShellStages(const ShellStageChoices& choices,
                                        const WindowsVersionFlags& version,
                                        const std::function<int()>& windowsGeneration);

}  // namespace lp
