// The text of one install-log entry and its 8-bit encoding.
#include "app/install_log_format.h"

namespace lp {
namespace {

constexpr std::size_t kSeparatorLength = 48;

void AppendWithCrLf(std::wstring& out, std::wstring_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n')
            continue;
        if (text[i] == L'\n')
            out += L"\r\n";
        else
            out.push_back(text[i]);
    }
}

std::wstring TwoDigits(int value) {
    if (value < 0 || value > 99)
        value = 0;
    return {static_cast<wchar_t>(L'0' + value / 10), static_cast<wchar_t>(L'0' + value % 10)};
}

}  // namespace

std::wstring FormatInstallLogEntry(std::wstring_view date, std::wstring_view time,
                                   std::wstring_view message) {
    std::wstring entry;
    AppendWithCrLf(entry, date);
    entry += L" - ";
    AppendWithCrLf(entry, time);
    entry += L": ";
    AppendWithCrLf(entry, message);
    entry += L"\r\n";
    entry.append(kSeparatorLength, L'-');
    entry += L"\r\n";
    return entry;
}

std::wstring FormatLogTime(int hour, int minute, int second) {
    return TwoDigits(hour) + L":" + TwoDigits(minute) + L":" + TwoDigits(second);
}

std::string EncodeLogText(std::wstring_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (wchar_t c : text)
        bytes.push_back(static_cast<unsigned>(c) <= 0xFF ? static_cast<char>(c) : '?');
    return bytes;
}

}  // namespace lp
