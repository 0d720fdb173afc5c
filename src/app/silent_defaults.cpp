// The choices of a silent installation before any switch is read.
#include "app/silent_defaults.h"

#include "app/text_path.h"

namespace lp {

InstallOptions MakeSilentDefaults(const std::optional<std::wstring>& previousFolder,
                                  const std::wstring& defaultFolder) {
    InstallOptions options;
    options.silent = 1;
    if (previousFolder) {
        options.installFolder = *previousFolder;
        AppendBackslash(options.installFolder);
    } else {
        options.installFolder = defaultFolder;
        options.iniFolder = kDefaultIniFolder;
    }
    return options;
}

}  // namespace lp
