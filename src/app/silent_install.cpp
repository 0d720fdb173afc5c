// The two ways of a silent run: the refusal beside a running viewer and the installation.
#include "app/silent_install.h"

#include "app/command_line.h"
#include "app/install_log.h"
#include "app/install_sequence.h"
#include "app/silent_defaults.h"
#include "app/string_resource.h"
#include "payload/environment_probes.h"

namespace lp {

InstallOptions QuerySilentDefaults() {
    std::wstring previous;
    if (FindPreviousInstallFolder(previous) == 1)
        return MakeSilentDefaults(previous, L"");
    std::wstring defaultFolder;
    GetDefaultInstallFolder(defaultFolder);
    return MakeSilentDefaults(std::nullopt, defaultFolder);
}

InstallOutcome RefuseBesideRunningViewer() {
    AppendInstallLog(
        LoadMessage(static_cast<unsigned>(ExitCodeOf(InstallOutcome::kViewerRunning))));
    return InstallOutcome::kViewerRunning;
}

InstallOutcome RunSilent(const std::wstring& commandLine) {
    InstallOptions options = QuerySilentDefaults();
    FillOptionsFromCommandLine(commandLine, options);
    return RunInstall(options);
}

}  // namespace lp
