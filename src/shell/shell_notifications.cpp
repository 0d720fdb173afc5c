// Tells the system and the shell that icons and file associations changed.
#include "shell/shell_notifications.h"

#include <windows.h>
#include <shlobj.h>

namespace lp {

// SHCNF_IDLIST with SHCNF_FLUSH and SHCNF_FLUSHNOWAIT: flushed at once, without waiting.
constexpr UINT kAssocChangedFlags = SHCNF_IDLIST | SHCNF_FLUSH | SHCNF_FLUSHNOWAIT;
static_assert(kAssocChangedFlags == 0x3000);

void NotifyAssociationsChanged() {
    SystemParametersInfoW(SPI_SETICONS, 0, nullptr, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
    SHChangeNotify(SHCNE_ASSOCCHANGED, kAssocChangedFlags, nullptr, nullptr);
}

}  // namespace lp
