// InstallOptions: every choice one installation consumes, filled by the wizard or the command line.
#pragma once

#include <string>

#include "shell/association_flags.h"

namespace lp {

struct InstallOptions {
    std::wstring installFolder;  // at most 258 characters (259 when it ends in a backslash)
    int createStartMenuGroup = 0;
    int createDesktopShortcut = 0;
    int createThumbnailsShortcut = 0;
    int allUsers = 0;
    std::wstring iniFolder;  // at most 259 characters; may hold %VARIABLE% references
    AssociationFlags associationFlags;
    int associationsForAllUsers = 0;
    int associationsRequested = 0;
    int silent = 0;
    std::wstring caption;
};

}  // namespace lp
