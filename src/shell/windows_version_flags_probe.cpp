// ProbeWindowsVersionFlags: the version the running Windows reports to this manifest.
#include <windows.h>

#include "shell/windows_version_flags.h"

namespace lp {

WindowsVersionFlags ProbeWindowsVersionFlags() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    // GetVersionExW on purpose: the flags follow what Windows reports to this program.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    const BOOL ok = GetVersionExW(&info);
#pragma GCC diagnostic pop
    if (!ok)
        return WindowsVersionFlags{};
    return ClassifyWindowsVersionFlags(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion);
}

}  // namespace lp
