// Expansion of %NAME% references.
#include "payload/environment_references.h"

namespace lp {

std::optional<std::wstring> ExpandEnvironmentReferences(std::wstring_view text,
                                                        const EnvironmentLookup& lookup) {
    std::wstring out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (text[pos] != L'%') {
            out.push_back(text[pos++]);
        } else {
            const std::size_t close = text.find(L'%', pos + 1);
            const std::size_t end = close == std::wstring_view::npos ? text.size() : close;
            const std::wstring name(text.substr(pos + 1, end - pos - 1));
            if (name.size() > kMaxReferenceName)
                return std::nullopt;
            if (!name.empty()) {
                const std::optional<std::wstring> value = lookup(name);
                if (value && value->size() > kMaxReferenceValue)
                    return std::nullopt;
                if (value)
                    out += *value;
            }
            pos = close == std::wstring_view::npos ? text.size() : close + 1;
        }
        if (out.size() > kMaxExpandedText)
            return std::nullopt;
    }
    return out;
}

}  // namespace lp
