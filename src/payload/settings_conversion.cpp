// The settings file's conversion to UTF-16LE.
#include "payload/settings_conversion.h"

#include <algorithm>

namespace lp {

namespace {

void AppendUtf16Le(std::string& out, std::wstring_view text) {
    for (const wchar_t ch : text) {
        const auto unit = static_cast<unsigned>(ch) & 0xFFFFu;
        out.push_back(static_cast<char>(unit & 0xFF));
        out.push_back(static_cast<char>(unit >> 8));
    }
}

}  // namespace

bool IsUnicodeSettings(std::string_view bytes) {
    return bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
           static_cast<unsigned char>(bytes[1]) == 0xFE;
}

std::vector<std::string_view> SplitSettingsPieces(std::string_view bytes) {
    std::vector<std::string_view> pieces;
    while (!bytes.empty()) {
        std::size_t length = std::min(bytes.size(), kSettingsPieceBytes);
        const std::size_t lineEnd = bytes.substr(0, length).find('\n');
        if (lineEnd != std::string_view::npos)
            length = lineEnd + 1;
        pieces.push_back(bytes.substr(0, length));
        bytes.remove_prefix(length);
    }
    return pieces;
}

std::optional<std::string> ConvertSettingsBytes(std::string_view bytes, const AnsiToWide& toWide) {
    std::string out = "\xFF\xFE";
    AppendUtf16Le(out, kUnicodeSettingsHeader);
    for (const std::string_view piece : SplitSettingsPieces(bytes)) {
        const std::optional<std::wstring> wide = toWide(piece);
        if (!wide)
            return std::nullopt;
        AppendUtf16Le(out, *wide);
    }
    return out;
}

std::wstring SettingsTempPath(std::wstring_view settingsPath) {
    std::size_t folderEnd = settingsPath.find_last_of(L"\\/");
    if (folderEnd != std::wstring_view::npos) {
        ++folderEnd;
    } else {
        folderEnd = settingsPath.size() >= 2 && settingsPath[1] == L':' ? 2 : 0;
    }
    return std::wstring(settingsPath.substr(0, folderEnd)) + L"lumpix32.ini_temp";
}

}  // namespace lp
