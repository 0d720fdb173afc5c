// A fresh folder below the temporary folder for one test.
#include "scratch_folder_support.h"

#include <windows.h>

#include <atomic>
#include <cstdio>

namespace lp::test {
namespace {

void RemoveTree(const std::wstring& folder) {  // folder ends in a backslash
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = data.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring full = folder + name;
            SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(full + L"\\");
            else
                DeleteFileW(full.c_str());
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    RemoveDirectoryW(folder.c_str());
}

}  // namespace

ScratchFolder::ScratchFolder() {
    static std::atomic<int> counter{0};
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, temp);
    path_ = temp;
    if (path_.empty() || path_.back() != L'\\')
        path_ += L'\\';
    path_ += L"lp-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
             std::to_wstring(++counter) + L"\\";
    RemoveTree(path_);
    CreateDirectoryW(path_.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() {
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, temp);
    SetCurrentDirectoryW(temp);  // a test may have entered the folder
    RemoveTree(path_);
}

bool WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    FILE* file = _wfopen(path.c_str(), L"wb");
    if (!file)
        return false;
    const bool ok = bytes.empty() || fwrite(bytes.data(), bytes.size(), 1, file) == 1;
    return fclose(file) == 0 && ok;
}

std::string ReadFileBytes(const std::wstring& path) {
    FILE* file = _wfopen(path.c_str(), L"rb");
    if (!file)
        return {};
    std::string bytes;
    char chunk[4096];
    std::size_t n;
    while ((n = fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.append(chunk, n);
    fclose(file);
    return bytes;
}

bool FileExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace lp::test
