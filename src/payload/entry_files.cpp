// The files an archive entry becomes.
#include "payload/entry_files.h"

namespace lp {

int CreateFolderChain(const std::wstring& path) {
    std::size_t end = 0;
    while (end < path.size()) {
        end = path.find(L'\\', end + 1);
        if (end == std::wstring::npos)
            end = path.size();
        const std::wstring prefix = path.substr(0, end);
        if (!CreateDirectoryW(prefix.c_str(), nullptr) && GetLastError() == ERROR_PATH_NOT_FOUND) {
            return 0;
        }
    }
    return 1;
}

unique_hfile CreateEntryFile(const std::wstring& path, const std::wstring& folder) {
    const auto create = [&path] {
        return unique_hfile(CreateFileW(path.c_str(), GENERIC_WRITE | FILE_READ_ATTRIBUTES,
                                        FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    };
    unique_hfile file = create();
    if (file || folder.empty())
        return file;
    CreateFolderChain(folder);
    return create();
}

bool IsPassOverError(DWORD error) {
    return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION ||
           error == ERROR_LOCK_VIOLATION;
}

void StampEntryTime(HANDLE file, unsigned long dosDateTime) {
    FILETIME local{};
    FILETIME stamp{};
    FILETIME lastAccess{};
    if (!DosDateTimeToFileTime(HIWORD(dosDateTime), LOWORD(dosDateTime), &local))
        return;
    if (!LocalFileTimeToFileTime(&local, &stamp))
        return;
    if (!GetFileTime(file, nullptr, &lastAccess, nullptr))
        return;
    SetFileTime(file, &stamp, &lastAccess, &stamp);
}

}  // namespace lp
