// The choices of a silent installation before any switch is read.
#pragma once

#include <optional>
#include <string>

#include "app/install_options.h"

namespace lp {

constexpr wchar_t kDefaultIniFolder[] = L"%APPDATA%\\Lumapixel";

// No shortcuts, no associations, silent. A previous installation's folder is kept with the
// settings where they are; otherwise defaultFolder with the settings under the user's
// application data.
InstallOptions MakeSilentDefaults(const std::optional<std::wstring>& previousFolder,
                                  const std::wstring& defaultFolder);

}  // namespace lp
