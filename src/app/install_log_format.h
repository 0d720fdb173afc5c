// The text of one install-log entry and its 8-bit encoding.
#pragma once

#include <string>
#include <string_view>

namespace lp {

constexpr wchar_t kInstallLogName[] = L"Lumapixel_Install.log";

// "date - time: message" and a separator of 48 hyphens, each ending in CR LF; every line break
// inside the message (LF or CR LF) becomes CR LF as well.
std::wstring FormatInstallLogEntry(std::wstring_view date, std::wstring_view time,
                                   std::wstring_view message);

// "hh:mm:ss" on a 24-hour clock.
std::wstring FormatLogTime(int hour, int minute, int second);

// One byte per character: U+0000 to U+00FF as the byte of the same value, anything else '?'.
std::string EncodeLogText(std::wstring_view text);

}  // namespace lp
