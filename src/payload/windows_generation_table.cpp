// The Windows generation table.
#include "payload/windows_generation_table.h"

namespace lp {

int ClassifyWindowsGeneration(unsigned long major, unsigned long minor, unsigned long build,
                              std::wstring_view servicePack) {
    if (major >= 10)
        return build >= 22000 ? 11 : 10;
    if (major >= 6) {
        if (minor >= 2)
            return 8;
        return minor == 1 ? 7 : 6;
    }
    if (major == 5 && minor >= 1) {
        return servicePack.find(L"Service Pack 3") != std::wstring_view::npos ? 5 : 1;
    }
    return 0;
}

}  // namespace lp
