// RunWizard: the five-page installation wizard of a run without "/silent".
#pragma once

namespace lp {

// Shows the wizard modally and returns when it closes; the installation runs inside it.
void RunWizard();

}  // namespace lp
