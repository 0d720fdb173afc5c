// AppendInstallLog: one dated entry in the install log of the current directory.
#include "app/install_log.h"

#include <windows.h>

#include "app/c_file.h"
#include "app/install_log_format.h"

namespace lp {
namespace {

constexpr int kDateBufferLength = 256;

// The current local date in the user's short date format; "" when it cannot be formatted.
std::wstring CurrentLocalDate() {
    std::wstring date(kDateBufferLength, L'\0');
    const int written = GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr,
                                       date.data(), kDateBufferLength);
    date.resize(written > 0 ? static_cast<std::size_t>(written - 1) : 0);
    return date;
}

std::wstring CurrentLocalTime() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return FormatLogTime(now.wHour, now.wMinute, now.wSecond);
}

}  // namespace

void AppendInstallLog(const std::wstring& message) {
    // Binary mode: the entry already carries its CR LF line ends.
    unique_cfile file(_wfopen(kInstallLogName, L"ab"));
    if (!file)
        return;
    const std::string bytes =
        EncodeLogText(FormatInstallLogEntry(CurrentLocalDate(), CurrentLocalTime(), message));
    std::fwrite(bytes.data(), 1, bytes.size(), file.get());
}

}  // namespace lp
