// 8-bit text to UTF-16 through a Windows code page.
#include "payload/code_page_text.h"

#include <windows.h>

#include <climits>

namespace lp {

std::optional<std::wstring> WideFromCodePage(std::string_view bytes, unsigned codePage) {
    if (bytes.empty())
        return std::wstring();
    if (bytes.size() > INT_MAX)
        return std::nullopt;
    const int length = static_cast<int>(bytes.size());
    const int needed = MultiByteToWideChar(codePage, 0, bytes.data(), length, nullptr, 0);
    if (needed <= 0)
        return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(needed), L'\0');
    if (MultiByteToWideChar(codePage, 0, bytes.data(), length, wide.data(), needed) != needed) {
        return std::nullopt;
    }
    return wide;
}

}  // namespace lp
