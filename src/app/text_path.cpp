// Text and path rules shared by every stage.
#include "app/text_path.h"

namespace lp {

void TrimSpaces(std::wstring& text) {
    const std::size_t last = text.find_last_not_of(L' ');
    text.erase(last == std::wstring::npos ? 0 : last + 1);
    if (!text.empty() && text.front() == L' ' && text.size() < kMaxPath) {
        text.erase(0, text.find_first_not_of(L' '));
    }
}

void AppendBackslash(std::wstring& path) {
    if (!path.empty() && path.size() <= kMaxPath - 2 && path.back() != L'\\')
        path.push_back(L'\\');
}

}  // namespace lp
