// RegistryLimits: the checks on key paths, value names and texts before any registry call.
#include "shell/registry_limits.h"

namespace lp {

bool IsUsableKeyPath(const std::wstring& key) {
    if (key.empty() || key.find(L'\0') != std::wstring::npos)
        return false;
    std::size_t partStart = 0;
    for (std::size_t i = 0; i <= key.size(); ++i) {
        if (i < key.size() && key[i] != L'\\')
            continue;
        const std::size_t length = i - partStart;
        if (length == 0 || length > kMaxKeyNamePart)
            return false;
        partStart = i + 1;
    }
    return true;
}

bool IsUsableValueName(const std::wstring& name) {
    return name.size() <= kMaxValueNameChars && name.find(L'\0') == std::wstring::npos;
}

bool IsUsableRegistryText(const std::wstring& text) {
    return text.size() <= kMaxRegistryTextChars && text.find(L'\0') == std::wstring::npos;
}

}  // namespace lp
