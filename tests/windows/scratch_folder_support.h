// A fresh folder below the temporary folder for one test, removed again with all its content.
#pragma once

#include <string>

namespace lp::test {

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder, ending in a backslash.
    const std::wstring& path() const { return path_; }
    // path() + relative.
    std::wstring operator/(const std::wstring& relative) const { return path_ + relative; }

private:
    std::wstring path_;
};

// Writes bytes to a file, replacing it. Returns true on success.
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);
// The whole content of a file, or "" when it cannot be read.
std::string ReadFileBytes(const std::wstring& path);
bool FileExists(const std::wstring& path);

}  // namespace lp::test
