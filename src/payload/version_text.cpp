// The version text rule.
#include "payload/version_text.h"

namespace lp {

std::wstring FormatVersionText(std::uint32_t productVersionMS, std::uint32_t fileVersionLS) {
    return std::to_wstring(productVersionMS >> 16) + L"." +
           std::to_wstring(productVersionMS & 0xFFFF) + std::to_wstring(fileVersionLS >> 16);
}

}  // namespace lp
