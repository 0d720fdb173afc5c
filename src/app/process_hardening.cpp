// Start-up preparations of the process: library search path and visual-style properties.
#include "app/process_hardening.h"

#include <windows.h>

#include "app/text_path.h"

namespace lp {
namespace {

using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
using SetThemeAppPropertiesFunction = void(WINAPI*)(DWORD);
constexpr DWORD kThemeNonClientAndControls = 3;  // STAP_ALLOW_NONCLIENT | STAP_ALLOW_CONTROLS

template <typename Function>
Function FindFunction(HMODULE module, const char* name) {
    // GetProcAddress hands out a generic function pointer; the caller names its real type.
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

std::wstring SystemLibraryPath(const wchar_t* fileName) {
    std::wstring folder(kMaxPath, L'\0');
    const UINT length = GetSystemDirectoryW(folder.data(), static_cast<UINT>(kMaxPath));
    if (length == 0 || length >= kMaxPath)
        return L"";
    folder.resize(length);
    if (folder.back() != L'\\')
        folder.push_back(L'\\');
    return folder + fileName;
}

int RestrictDllSearchPath(unsigned long flags) {
    const std::wstring kernel32 = SystemLibraryPath(L"kernel32.dll");
    const HMODULE module = kernel32.empty() ? nullptr : GetModuleHandleW(kernel32.c_str());
    if (!module)
        return 0;
    const auto setDefaultDllDirectories =
        FindFunction<SetDefaultDllDirectoriesFunction>(module, "SetDefaultDllDirectories");
    return setDefaultDllDirectories ? setDefaultDllDirectories(flags) : 0;
}

void ApplyThemeProperties() {
    // The library stays loaded for the life of the process, so its handle is kept, not owned.
    static HMODULE uxTheme = nullptr;
    static SetThemeAppPropertiesFunction setThemeAppProperties = nullptr;
    if (!uxTheme) {
        const std::wstring path = SystemLibraryPath(L"UxTheme.dll");
        uxTheme = path.empty() ? nullptr : LoadLibraryW(path.c_str());
        if (!uxTheme)
            return;  // tried again on the next call
        setThemeAppProperties =
            FindFunction<SetThemeAppPropertiesFunction>(uxTheme, "SetThemeAppProperties");
    }
    if (setThemeAppProperties)
        setThemeAppProperties(kThemeNonClientAndControls);
}

}  // namespace lp
