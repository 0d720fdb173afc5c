// Tells the system and the shell that icons and file associations changed.
#pragma once

namespace lp {

// Reloads the system icons, then announces the association change; results are not examined.
void NotifyAssociationsChanged();

}  // namespace lp
