// Runs other programs from host tests and hands them temporary files.
#include "command_support.h"

#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <fstream>

namespace lp::test {

CommandResult RunCommand(const std::string& command) {
    CommandResult result;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) {
        return result;
    }
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        result.output.append(buffer, n);
    }
    const int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

TempFile::TempFile(const std::string& suffix, const std::string& bytes) {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("lp_host_test_" + std::to_string(getpid()) + "_" + std::to_string(counter++) + suffix);
    std::ofstream(path_, std::ios::binary) << bytes;
}

TempFile::~TempFile() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
}

int CountOccurrences(const std::string& text, const std::string& needle) {
    int n = 0;
    for (auto at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1)) {
        ++n;
    }
    return n;
}

}  // namespace lp::test
