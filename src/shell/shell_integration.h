// IntegrateWithShell: shortcuts, registration, file types, verbs and notifications of one install.
#pragma once

#include <string>

#include "shell/association_flags.h"

namespace lp {

// Runs every shell stage of an installation; failures stay silent. An empty install folder
// writes nothing. Returns 1.
int IntegrateWithShell(int confirmed, int associationsRequested, const std::wstring& installFolder,
                       int createStartMenuGroup, int createDesktopShortcut,
                       int createThumbnailsShortcut, int allUsers,
                       const AssociationFlags& associationFlags, int associationsForAllUsers);

}  // namespace lp
