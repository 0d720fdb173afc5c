// LoadMessage: a text from the string table of the running program.
#include "app/string_resource.h"

#include <windows.h>

namespace lp {

std::wstring LoadMessage(unsigned id) {
    // With a zero buffer size LoadStringW hands out the resource text itself, read-only and of
    // any length, so no buffer can be too small.
    const wchar_t* text = nullptr;
    const int length =
        LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 && text ? std::wstring(text, static_cast<std::size_t>(length))
                              : std::wstring();
}

}  // namespace lp
