// Read-only probes: the registered viewer, the default folder, file versions, the Windows version.
#include "payload/environment_probes.h"

#include <windows.h>

#include <cwchar>
#include <optional>
#include <vector>

#include "framework/unique_handle.h"
#include "payload/install_folder_rules.h"
#include "payload/version_text.h"
#include "payload/windows_generation_table.h"

namespace lp {

int CachedWindowsGeneration = 0;

namespace {

constexpr DWORD kRegistryTextChars = 260;
constexpr std::size_t kMaxCompanyChars = 259;

// A registry text value read with a limit of 260 characters (in bytes); nullopt when the key or
// value is missing or longer. The type is not checked, as the value is only searched.
std::optional<std::wstring> ReadMachineText(const wchar_t* keyPath, const wchar_t* valueName) {
    unique_hkey key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_QUERY_VALUE, key.put()) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::wstring text(kRegistryTextChars, L'\0');
    DWORD bytes = kRegistryTextChars * sizeof(wchar_t);
    if (RegQueryValueExW(key.get(), valueName, nullptr, nullptr,
                         reinterpret_cast<BYTE*>(text.data()), &bytes) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    text.resize(bytes / sizeof(wchar_t));  // the value need not end in a null
    text.resize(std::wcslen(text.c_str()));
    return text;
}

std::wstring SystemLibraryPath(const wchar_t* name) {
    std::wstring folder(324, L'\0');
    const UINT length = GetSystemDirectoryW(folder.data(), 260);
    if (length == 0 || length >= 260)
        return {};
    folder.resize(length);
    if (folder.back() != L'\\')
        folder.push_back(L'\\');
    return folder + name;
}

using GetSizeFunction = DWORD(WINAPI*)(LPCWSTR, LPDWORD);
using GetInfoFunction = BOOL(WINAPI*)(LPCWSTR, DWORD, DWORD, LPVOID);
using QueryValueFunction = BOOL(WINAPI*)(LPCVOID, LPCWSTR, LPVOID*, PUINT);

template <typename Function>
Function Lookup(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

int FindPreviousInstallFolder(std::wstring& folder) {
    folder.clear();
    const std::optional<std::wstring> command =
        ReadMachineText(L"SOFTWARE\\Classes\\Lumapixel\\shell\\open\\command", nullptr);
    if (!command)
        return 0;
    return FolderFromOpenCommand(*command, folder);
}

int GetDefaultInstallFolder(std::wstring& folder) {
    folder = DefaultInstallFolderFrom(
        ReadMachineText(L"Software\\Microsoft\\Windows\\CurrentVersion", L"ProgramFilesDir"));
    return 1;
}

int QueryFileVersion(const std::wstring& path, std::wstring& version, std::wstring* company) {
    const std::wstring libraryPath = SystemLibraryPath(L"version.dll");
    if (libraryPath.empty())
        return 0;
    const unique_hmodule library(LoadLibraryW(libraryPath.c_str()));
    if (!library)
        return 0;
    const auto getSize = Lookup<GetSizeFunction>(library.get(), "GetFileVersionInfoSizeW");
    const auto getInfo = Lookup<GetInfoFunction>(library.get(), "GetFileVersionInfoW");
    const auto queryValue = Lookup<QueryValueFunction>(library.get(), "VerQueryValueW");
    if (!getSize || !getInfo || !queryValue)
        return 0;
    DWORD handle = 0;
    const DWORD size = getSize(path.c_str(), &handle);
    if (size == 0)
        return 0;
    std::vector<unsigned char> block(static_cast<std::size_t>(size) * 2);
    if (!getInfo(path.c_str(), 0, size, block.data()))
        return 0;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedLength = 0;
    if (!queryValue(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &fixedLength) ||
        fixed == nullptr || fixedLength < sizeof(VS_FIXEDFILEINFO)) {
        return 0;
    }
    version = FormatVersionText(fixed->dwProductVersionMS, fixed->dwFileVersionLS);
    if (company != nullptr) {
        company->clear();
        wchar_t* text = nullptr;
        UINT length = 0;
        if (queryValue(block.data(), L"\\StringFileInfo\\040904E4\\CompanyName",
                       reinterpret_cast<void**>(&text), &length) &&
            text != nullptr) {
            const std::wstring_view value(text, length);
            *company = std::wstring(value.substr(0, value.find(L'\0')).substr(0, kMaxCompanyChars));
        }
    }
    return 1;
}

int GetWindowsGeneration() {
    using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    HMODULE ntdll = GetModuleHandleW(L"ntdll");
    const auto rtlGetVersion =
        ntdll ? Lookup<RtlGetVersionFunction>(ntdll, "RtlGetVersion") : nullptr;
    if (!rtlGetVersion || rtlGetVersion(&info) != 0) {
        info = OSVERSIONINFOW{};
        info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
        if (!GetVersionExW(&info))
            return 0;
#pragma GCC diagnostic pop
    }
    return ClassifyWindowsGeneration(info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber,
                                     info.szCSDVersion);
}

int GetCachedWindowsGeneration() {
    if (CachedWindowsGeneration == 0)
        CachedWindowsGeneration = GetWindowsGeneration();
    return CachedWindowsGeneration;
}

}  // namespace lp
