// TheApp: the setup's application object, which picks the wizard or a silent run.
#include "app/the_app.h"

#include <windows.h>

#include <commctrl.h>

#include "app/command_line.h"
#include "app/process_hardening.h"
#include "app/silent_install.h"
#include "wizard/wizard.h"

namespace lp {
namespace {

constexpr DWORD kAllCommonControlClasses = 0xFF;

void RegisterCommonControls() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = kAllCommonControlClasses;
    InitCommonControlsEx(&controls);
}

// The silent way: refused while the viewer's main window exists, else installed.
InstallOutcome RunSilentWay(const std::wstring& commandLine) {
    if (FindWindowW(kViewerWindowClass, nullptr))
        return RefuseBesideRunningViewer();
    return RunSilent(commandLine);
}

}  // namespace

int TheApp::InitInstance() {
    RestrictDllSearchPath(LOAD_LIBRARY_SEARCH_SYSTEM32);
    ApplyThemeProperties();
    RegisterCommonControls();
    const std::wstring commandLine = GetCommandLineW();
    if (IsSilentCommandLine(commandLine))
        m_exitCode = ExitCodeOf(RunSilentWay(commandLine));
    else
        RunWizard();
    return FALSE;
}

}  // namespace lp
