// Reads registry values and puts back every key one shell integration may write, so Windows
// tests of the integration leave the test prefix's registry as they found it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace lp::test {

// Registry names the shell-integration tests look at and restore.
inline const std::wstring kFileExtsKey =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\.";
inline const std::wstring kBrowseVerb = L"Durchsuchen mit &Lumapixel";
inline const wchar_t* const kStoreAppClasses[] = {
    L"AppXvhc4p7vz4b485xfp46hhk3fq3grkdgjg", L"AppXk0g4vb8gvt7b93tg50ybcy892pge6jmt",
    L"AppX43hnxtbyyps62jhe9sqpdzxn1790zetc", L"AppX9rkaq77s0jzh1tyccadx9ghba15r6t3h",
    L"AppX6eg8h5sxqq90pv53845wmnbewywdqq5h"};

// A text value, or nothing when the key or value is missing.
std::optional<std::wstring> RegistryText(HKEY root, const std::wstring& key, const wchar_t* name);
// The number of values of a key; 0 when it is missing.
DWORD RegistryValueCount(HKEY root, const std::wstring& key);

// Remembers whether keys exist and their default values, and puts them back when destroyed: a
// key that did not exist is removed with everything below it. Keys are restored in reverse
// order, so a parent is listed before its subkeys.
class RegistryRestorer {
public:
    RegistryRestorer() = default;
    RegistryRestorer(const RegistryRestorer&) = delete;
    RegistryRestorer& operator=(const RegistryRestorer&) = delete;
    ~RegistryRestorer();

    void Keep(HKEY root, const std::wstring& key);
    void KeepValue(HKEY root, const std::wstring& key, const std::wstring& name);
    // Every key and value IntegrateWithShell may write, for any choice of rows.
    void KeepShellIntegration();

private:
    struct Entry {
        HKEY root;
        std::wstring key;
        bool existed;
        std::optional<std::wstring> defaultText;
    };
    struct Value {
        HKEY root;
        std::wstring key, name;
        std::optional<std::wstring> text;
    };
    static void Restore(const Entry& e);
    static void Restore(const Value& v);
    std::vector<Entry> entries_;
    std::vector<Value> values_;
};

}  // namespace lp::test
