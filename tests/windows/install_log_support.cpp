// Test helpers for the install log: a scratch current directory and the logged messages.
#include "install_log_support.h"

#include <windows.h>

#include <cctype>

namespace lp::test {
namespace {

const std::string kSeparator = "\r\n" + std::string(48, '-') + "\r\n";

bool IsTime(const std::string& text, std::size_t at) {
    if (text.size() < at + 8)
        return false;
    for (std::size_t i = 0; i < 8; ++i) {
        const char c = text[at + i];
        if (i == 2 || i == 5 ? c != ':' : !std::isdigit(static_cast<unsigned char>(c)))
            return false;
    }
    return true;
}

std::string MessageOf(const std::string& entry) {
    const std::size_t dash = entry.find(" - ");
    if (dash == std::string::npos || dash == 0 || !IsTime(entry, dash + 3) ||
        entry.compare(dash + 11, 2, ": ") != 0)
        return "<malformed>";
    return entry.substr(dash + 13);
}

}  // namespace

CurrentDirectoryScope::CurrentDirectoryScope(const std::wstring& folder) {
    wchar_t current[MAX_PATH + 1] = {};
    GetCurrentDirectoryW(MAX_PATH, current);
    previous_ = current;
    SetCurrentDirectoryW(folder.c_str());
}

CurrentDirectoryScope::~CurrentDirectoryScope() {
    SetCurrentDirectoryW(previous_.c_str());
}

std::vector<std::string> LoggedMessages(const std::string& logBytes) {
    std::vector<std::string> messages;
    std::size_t start = 0;
    while (start < logBytes.size()) {
        const std::size_t end = logBytes.find(kSeparator, start);
        if (end == std::string::npos) {
            messages.push_back("<malformed>");
            break;
        }
        messages.push_back(MessageOf(logBytes.substr(start, end - start)));
        start = end + kSeparator.size();
    }
    return messages;
}

std::string LogBytes(const std::wstring& message) {
    std::string bytes;
    for (wchar_t c : message) {
        if (c == L'\n')
            bytes += "\r\n";
        else
            bytes.push_back(static_cast<unsigned>(c) <= 0xFF ? static_cast<char>(c) : '?');
    }
    return bytes;
}

}  // namespace lp::test
