// LoadMessage: a text from the string table of the running program.
#pragma once

#include <string>

namespace lp {

// The string-table entry id of the process's own module; "" when there is none.
std::wstring LoadMessage(unsigned id);

}  // namespace lp
