// The two Windows version flags the shell stages depend on: XP/2003 and Vista or later.
#pragma once

namespace lp {

struct WindowsVersionFlags {
    bool isXpOr2003 = false;      // NT platform, major 5, minor 1 or more
    bool isVistaOrLater = false;  // NT platform, major 6 or more
};

// The platform id GetVersionExW reports for the NT family (VER_PLATFORM_WIN32_NT).
constexpr unsigned long kPlatformWin32Nt = 2;

// The flags of a reported version. Without a compatibility manifest Windows 8.1 and later
// report 6.2, which still counts as Vista or later.
WindowsVersionFlags ClassifyWindowsVersionFlags(unsigned long platformId, unsigned long major,
                                                unsigned long minor);

// The flags of the running Windows, from one GetVersionExW call (Win32 layer); both clear when
// the call fails.
WindowsVersionFlags ProbeWindowsVersionFlags();

}  // namespace lp
