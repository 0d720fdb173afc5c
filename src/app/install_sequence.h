// RunInstall: one installation from an InstallOptions record, stage by stage.
#pragma once

#include "app/install_options.h"
#include "app/install_outcome.h"

namespace lp {

// Runs the stages in their fixed order and stops at the first stopping failure, which it reports
// (message box in the wizard, install log when silent).
InstallOutcome RunInstall(const InstallOptions& options);

}  // namespace lp
