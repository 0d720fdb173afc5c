// IntegrateWithShell: placeholder until the shell stages land; does nothing yet.
#include "shell/shell_integration.h"

namespace lp {

int IntegrateWithShell(int, int, const std::wstring&, int, int, int, int, const AssociationFlags&,
                       int) {
    return 1;
}

}  // namespace lp
