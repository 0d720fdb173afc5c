// The Windows version flags of a reported platform and version number.
#include "shell/windows_version_flags.h"

namespace lp {

WindowsVersionFlags ClassifyWindowsVersionFlags(unsigned long platformId, unsigned long major,
                                                unsigned long minor) {
    WindowsVersionFlags flags;
    if (platformId != kPlatformWin32Nt)
        return flags;
    flags.isXpOr2003 = major == 5 && minor >= 1;
    flags.isVistaOrLater = major >= 6;
    return flags;
}

}  // namespace lp
