// The install folders read from the registry.
#include "payload/install_folder_rules.h"

namespace lp {

namespace {

constexpr std::size_t kMaxFolder = 259;

}  // namespace

int FolderFromOpenCommand(std::wstring_view command, std::wstring& folder) {
    folder.clear();
    if (command.empty() || command.find(L"lumpix32.exe") == std::wstring_view::npos)
        return 0;
    std::wstring_view path = command.substr(1);
    path = path.substr(0, path.find(L'"'));
    const std::size_t driveLength = path.size() >= 2 && path[1] == L':' ? 2 : 0;
    const std::size_t lastSeparator = path.find_last_of(L"\\/");
    const std::size_t folderEnd =
        lastSeparator == std::wstring_view::npos || lastSeparator < driveLength ? driveLength
                                                                                : lastSeparator + 1;
    std::wstring result(path.substr(0, folderEnd));
    if (result.empty())
        return 0;
    if (result.back() != L'\\')
        result.push_back(L'\\');
    if (result.size() > kMaxFolder)
        return 0;
    folder = result;
    return 1;
}

std::wstring DefaultInstallFolderFrom(const std::optional<std::wstring>& programFilesDir) {
    if (!programFilesDir || programFilesDir->empty())
        return std::wstring(kFallbackInstallFolder);
    std::wstring folder = *programFilesDir;
    if (folder.back() != L'\\')
        folder.push_back(L'\\');
    folder += L"Lumapixel";
    if (folder.size() > kMaxFolder)
        return std::wstring(kFallbackInstallFolder);
    return folder;
}

}  // namespace lp
