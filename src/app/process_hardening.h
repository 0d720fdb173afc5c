// Start-up preparations of the process: library search path and visual-style properties.
#pragma once

#include <string>

namespace lp {

// The full path of a library in the system folder; "" when the system folder is unknown or
// does not fit a 260-character path.
std::wstring SystemLibraryPath(const wchar_t* fileName);

// Calls SetDefaultDllDirectories(flags) when kernel32 has it; its result, else 0.
int RestrictDllSearchPath(unsigned long flags);

// Calls SetThemeAppProperties(STAP_ALLOW_NONCLIENT | STAP_ALLOW_CONTROLS) from UxTheme.dll in the
// system folder, when it can be loaded and has the function.
void ApplyThemeProperties();

}  // namespace lp
