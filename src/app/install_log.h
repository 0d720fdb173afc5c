// AppendInstallLog: one dated entry in the install log of the current directory.
#pragma once

#include <string>

namespace lp {

// Appends "date - time: message" and a separator line to "Lumapixel_Install.log" in the current
// directory, creating the file when missing. A log that cannot be opened loses the entry.
void AppendInstallLog(const std::wstring& message);

}  // namespace lp
