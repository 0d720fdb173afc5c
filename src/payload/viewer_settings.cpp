// Viewer settings file: placeholder until the settings writer lands.
#include "payload/viewer_settings.h"

namespace lp {

std::wstring WriteViewerSettings(const std::wstring& installFolder, std::wstring, int) {
    return installFolder + L"lumpix32.ini";
}

int ConvertSettingsToUnicode(const std::wstring&) {
    return 1;
}

}  // namespace lp
