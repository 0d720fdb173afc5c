// Environment probes: placeholder until the probes land.
#include "payload/environment_probes.h"

namespace lp {

int CachedWindowsGeneration = 0;

int FindPreviousInstallFolder(std::wstring& folder) {
    folder.clear();
    return 0;
}

int GetDefaultInstallFolder(std::wstring& folder) {
    folder = L"C:\\Lumapixel\\";
    return 1;
}

int QueryFileVersion(const std::wstring&, std::wstring&, std::wstring*) {
    return 0;
}

int GetWindowsGeneration() {
    return 10;
}

int GetCachedWindowsGeneration() {
    if (CachedWindowsGeneration == 0)
        CachedWindowsGeneration = GetWindowsGeneration();
    return CachedWindowsGeneration;
}

}  // namespace lp
