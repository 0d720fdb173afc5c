// ConvertSettingsToUnicode: rewrites an 8-bit settings file as UTF-16LE through a temporary file.
#include <windows.h>

#include "framework/unique_handle.h"
#include "payload/code_page_text.h"
#include "payload/settings_conversion.h"
#include "payload/viewer_settings.h"

namespace lp {

namespace {

std::optional<std::string> ReadWholeFile(const std::wstring& path) {
    const unique_hfile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, 0, nullptr));
    if (!file)
        return std::nullopt;
    std::string bytes;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0) {
        bytes.append(buffer, read);
    }
    return bytes;
}

bool WriteWholeFile(const std::wstring& path, const std::string& bytes) {
    const unique_hfile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    DWORD written = 0;
    return WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                     nullptr) &&
           written == bytes.size();
}

}  // namespace

int ConvertSettingsToUnicode(const std::wstring& path) {
    const std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes || IsUnicodeSettings(*bytes) || bytes->empty())
        return 1;
    const std::optional<std::string> converted = ConvertSettingsBytes(
        *bytes, [](std::string_view piece) { return WideFromCodePage(piece, CP_ACP); });
    if (!converted)
        return 1;  // the file keeps its 8-bit form rather than losing text
    const std::wstring temp = SettingsTempPath(path);
    if (!WriteWholeFile(temp, *converted)) {
        DeleteFileW(temp.c_str());
        return 1;
    }
    if (MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING))
        return 1;
    DeleteFileW(temp.c_str());
    return 0;
}

}  // namespace lp
