// The settings file's conversion from 8-bit text to UTF-16LE, as a transformation of its bytes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "payload/text_conversion.h"

namespace lp {

constexpr std::size_t kSettingsPieceBytes = 2047;
constexpr std::wstring_view kUnicodeSettingsHeader = L"; UNICODE FILE - edit with care ;-)\r\n\r\n";

// True when the file already starts with the UTF-16LE byte-order mark FF FE.
bool IsUnicodeSettings(std::string_view bytes);

// Pieces of at most 2047 bytes, each ending after a line feed or at the piece limit.
std::vector<std::string_view> SplitSettingsPieces(std::string_view bytes);

// FF FE, the header and every piece converted to UTF-16LE. nullopt when a piece cannot be
// converted: the file then keeps its 8-bit form rather than losing that piece.
std::optional<std::string> ConvertSettingsBytes(std::string_view bytes, const AnsiToWide& toWide);

// The temporary file beside a settings file: its folder part followed by "lumpix32.ini_temp".
std::wstring SettingsTempPath(std::wstring_view settingsPath);

}  // namespace lp
