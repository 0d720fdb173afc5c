// The rule for archive entry names.
#include "payload/archive_entry_name.h"

#include <array>
#include <vector>

namespace lp {

namespace {

bool IsSeparator(wchar_t ch) {
    return ch == L'/' || ch == L'\\';
}

wchar_t AsciiLower(wchar_t ch) {
    return ch >= L'A' && ch <= L'Z' ? ch - L'A' + L'a' : ch;
}

bool IsDeviceName(std::wstring_view component) {
    std::wstring base(component.substr(0, component.find(L'.')));
    while (!base.empty() && base.back() == L' ')
        base.pop_back();
    for (wchar_t& ch : base)
        ch = AsciiLower(ch);
    static constexpr std::array<std::wstring_view, 6> kFixed = {L"con", L"prn",    L"aux",
                                                                L"nul", L"conin$", L"conout$"};
    for (const std::wstring_view name : kFixed) {
        if (base == name)
            return true;
    }
    if (base.size() != 4)
        return false;
    const std::wstring_view prefix = std::wstring_view(base).substr(0, 3);
    const wchar_t digit = base[3];
    const bool isDigit = (digit >= L'0' && digit <= L'9') || digit == L'\u00B9' ||
                         digit == L'\u00B2' || digit == L'\u00B3';
    return (prefix == L"com" || prefix == L"lpt") && isDigit;
}

bool IsAcceptableComponent(std::wstring_view component) {
    if (component.empty() || component == L"." || component == L"..")
        return false;
    if (component.back() == L'.' || component.back() == L' ')
        return false;
    for (const wchar_t ch : component) {
        if (ch < 0x20 || std::wstring_view(L"<>:\"|?*").find(ch) != std::wstring_view::npos) {
            return false;
        }
    }
    return !IsDeviceName(component);
}

std::vector<std::wstring_view> SplitComponents(std::wstring_view name) {
    std::vector<std::wstring_view> components;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= name.size(); ++i) {
        if (i == name.size() || IsSeparator(name[i])) {
            components.push_back(name.substr(start, i - start));
            start = i + 1;
        }
    }
    return components;
}

std::wstring JoinComponents(const std::vector<std::wstring_view>& components, std::size_t count) {
    std::wstring path;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0)
            path.push_back(L'\\');
        path += components[i];
    }
    return path;
}

}  // namespace

EntryName CheckEntryName(std::string_view stored, const AnsiToWide& toWide) {
    if (stored.empty() || stored.size() > kMaxStoredEntryName)
        return {};
    if (stored.find('\0') != std::string_view::npos)
        return {};
    const std::optional<std::wstring> wide = toWide(stored);
    if (!wide || wide->empty() || wide->size() > kMaxWideEntryName)
        return {};
    std::wstring_view name = *wide;
    const bool isFolder = IsSeparator(name.back());
    if (isFolder)
        name.remove_suffix(1);
    const std::vector<std::wstring_view> components = SplitComponents(name);
    for (const std::wstring_view component : components) {
        if (!IsAcceptableComponent(component))
            return {};
    }
    EntryName result;
    result.kind = isFolder ? EntryKind::kFolder : EntryKind::kFile;
    result.path = JoinComponents(components, components.size());
    result.folder = isFolder ? result.path : JoinComponents(components, components.size() - 1);
    return result;
}

bool IsIconLibraryEntry(std::string_view stored) {
    std::string lower(stored);
    for (char& ch : lower) {
        if (ch >= 'A' && ch <= 'Z')
            ch = static_cast<char>(ch - 'A' + 'a');
    }
    return lower.find("icons.dll") != std::string::npos;
}

}  // namespace lp
