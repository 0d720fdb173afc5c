// Registry reading and restoring for the Windows tests of the shell integration.
#include "shell_registry_support.h"

#include "framework/unique_handle.h"
#include "shell/file_type_catalogue.h"

namespace lp::test {
namespace {

DWORD TextBytes(const std::wstring& text) {
    return static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
}

}  // namespace

std::optional<std::wstring> RegistryText(HKEY root, const std::wstring& key, const wchar_t* name) {
    unique_hkey h;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_QUERY_VALUE, h.put()) != ERROR_SUCCESS)
        return std::nullopt;
    wchar_t text[1024] = {};
    DWORD size = sizeof(text) - sizeof(wchar_t);
    if (RegQueryValueExW(h.get(), name, nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(text);
}

DWORD RegistryValueCount(HKEY root, const std::wstring& key) {
    unique_hkey h;
    DWORD values = 0;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_QUERY_VALUE, h.put()) == ERROR_SUCCESS)
        RegQueryInfoKeyW(h.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values,
                         nullptr, nullptr, nullptr, nullptr);
    return values;
}

RegistryRestorer::~RegistryRestorer() {
    for (const Value& v : values_)
        Restore(v);
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it)
        Restore(*it);
}

void RegistryRestorer::Keep(HKEY root, const std::wstring& key) {
    unique_hkey h;
    const bool existed =
        RegOpenKeyExW(root, key.c_str(), 0, KEY_QUERY_VALUE, h.put()) == ERROR_SUCCESS;
    entries_.push_back({root, key, existed, RegistryText(root, key, nullptr)});
}

void RegistryRestorer::KeepValue(HKEY root, const std::wstring& key, const std::wstring& name) {
    values_.push_back({root, key, name, RegistryText(root, key, name.c_str())});
}

void RegistryRestorer::KeepShellIntegration() {
    const HKEY hklm = HKEY_LOCAL_MACHINE;
    for (const wchar_t* key :
         {L"SOFTWARE\\Classes\\Lumapixel", L"SOFTWARE\\Lumapixel",
          L"SOFTWARE\\Classes\\Applications\\lumpix32.exe",
          L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Lumapixel"})
        Keep(hklm, key);
    Keep(hklm, L"SOFTWARE\\Classes\\Directory\\shell\\" + kBrowseVerb);
    Keep(hklm, L"SOFTWARE\\Classes\\Drive\\shell\\" + kBrowseVerb);
    KeepValue(hklm, L"SOFTWARE\\RegisteredApplications", L"Lumapixel");
    for (const FileTypeGroup& row : FileTypeCatalogue()) {
        for (const FileTypeExtension& e : row.extensions) {
            Keep(hklm, std::wstring(L"SOFTWARE\\Classes\\.") + e.extension);
            Keep(hklm, std::wstring(L"SOFTWARE\\Classes\\Lumapixel.") + e.className);
            Keep(HKEY_CURRENT_USER, kFileExtsKey + e.extension);
            Keep(HKEY_CURRENT_USER, kFileExtsKey + e.extension + L"\\UserChoice");
        }
    }
    for (const wchar_t* app : kStoreAppClasses)
        Keep(HKEY_CURRENT_USER, std::wstring(L"SOFTWARE\\Classes\\") + app);
}

void RegistryRestorer::Restore(const Entry& e) {
    if (!e.existed) {
        RegDeleteTreeW(e.root, e.key.c_str());
        RegDeleteKeyW(e.root, e.key.c_str());
        return;
    }
    if (e.defaultText) {
        RegSetValueW(e.root, e.key.c_str(), REG_SZ, e.defaultText->c_str(),
                     TextBytes(*e.defaultText));
        return;
    }
    unique_hkey h;
    if (RegOpenKeyExW(e.root, e.key.c_str(), 0, KEY_SET_VALUE, h.put()) == ERROR_SUCCESS)
        RegDeleteValueW(h.get(), nullptr);
}

void RegistryRestorer::Restore(const Value& v) {
    unique_hkey h;
    if (RegOpenKeyExW(v.root, v.key.c_str(), 0, KEY_SET_VALUE, h.put()) != ERROR_SUCCESS)
        return;
    if (!v.text) {
        RegDeleteValueW(h.get(), v.name.c_str());
        return;
    }
    RegSetValueExW(h.get(), v.name.c_str(), 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(v.text->c_str()), TextBytes(*v.text));
}

}  // namespace lp::test
