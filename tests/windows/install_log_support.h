// Test helpers for the install log: a scratch current directory and the logged messages.
#pragma once

#include <string>
#include <vector>

namespace lp::test {

// Makes a folder the current directory for one test and restores the previous one afterwards.
class CurrentDirectoryScope {
public:
    explicit CurrentDirectoryScope(const std::wstring& folder);
    ~CurrentDirectoryScope();
    CurrentDirectoryScope(const CurrentDirectoryScope&) = delete;
    CurrentDirectoryScope& operator=(const CurrentDirectoryScope&) = delete;

private:
    std::wstring previous_;
};

// The messages of the log's entries as 8-bit text (CR LF kept inside them), after checking that
// each entry has the form "date - hh:mm:ss: message" CR LF and ends in its separator line.
// An entry of another form comes back as "<malformed>".
std::vector<std::string> LoggedMessages(const std::string& logBytes);

// The expected bytes of a message: Latin-1 and CR LF line ends.
std::string LogBytes(const std::wstring& message);

}  // namespace lp::test
