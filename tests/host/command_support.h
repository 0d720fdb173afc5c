// Runs other programs from host tests and hands them files: for checks with independent tools.
#pragma once

#include <filesystem>
#include <string>

namespace lp::test {

struct CommandResult {
    int exitCode = -1;   // -1 when the command could not be run or did not exit normally
    std::string output;  // standard output and standard error together
};

CommandResult RunCommand(const std::string& command);

// A file below the temporary folder holding the given bytes, removed again by the destructor.
class TempFile {
public:
    TempFile(const std::string& suffix, const std::string& bytes);
    ~TempFile();
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    std::string path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

// How often needle occurs in text.
int CountOccurrences(const std::string& text, const std::string& needle);

}  // namespace lp::test
