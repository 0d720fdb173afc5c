// Read-only probes of the existing installation and of Windows.
#pragma once

#include <string>

namespace lp {

// The folder (ending in a backslash) of a viewer registered before; 1 when found, else 0 and "".
int FindPreviousInstallFolder(std::wstring& folder);

// The default target folder: ProgramFilesDir + "Lumapixel", or "C:\Lumapixel\". Always 1.
int GetDefaultInstallFolder(std::wstring& folder);

// Version text ("4.30") and CompanyName (040904E4) of a file; 1 when the version resource was
// read. company may be null. On 0 both outputs are left untouched.
int QueryFileVersion(const std::wstring& path, std::wstring& version, std::wstring* company);

// The running Windows as 0, 1, 5, 6, 7, 8, 10 or 11.
int GetWindowsGeneration();

// Process-wide cache of GetWindowsGeneration; 0 means not yet known.
extern int CachedWindowsGeneration;

// Reads the cache, probing and storing the result while it holds 0.
int GetCachedWindowsGeneration();

}  // namespace lp
