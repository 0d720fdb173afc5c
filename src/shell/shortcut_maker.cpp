// Shortcut files through the shell's Shell Link object, and the special folders they go to.
#include "shell/shortcut_maker.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include "framework/unique_handle.h"

namespace lp {
namespace {

// Initialises COM for this thread; uninitialises only an initialisation that succeeded (also
// S_FALSE, the nested one), never one that failed because the thread is in another apartment.
class ComInitialization {
public:
    ComInitialization() : result_(CoInitialize(nullptr)) {}
    ~ComInitialization() {
        if (SUCCEEDED(result_))
            CoUninitialize();
    }
    ComInitialization(const ComInitialization&) = delete;
    ComInitialization& operator=(const ComInitialization&) = delete;

private:
    HRESULT result_;
};

template <typename Interface>
void ReleaseInterface(Interface* object) {
    object->Release();
}
template <typename Interface>
using unique_com = unique_any<handle_traits::null_invalid<Interface*, ReleaseInterface<Interface>>>;

void FreeIdList(PIDLIST_ABSOLUTE list) {
    CoTaskMemFree(list);
}
using unique_idlist = unique_any<handle_traits::null_invalid<PIDLIST_ABSOLUTE, FreeIdList>>;

// The folder's path from the shell, or "" when it has none in the file system.
std::wstring ShellFolderPath(int csidl) {
    unique_idlist list;
    if (SHGetSpecialFolderLocation(GetActiveWindow(), csidl, list.put()) != S_OK || !list)
        return {};
    wchar_t buffer[MAX_PATH] = {};
    if (!SHGetPathFromIDListW(list.get(), buffer))
        return {};
    return buffer;
}

std::wstring WindowsDirectory() {
    wchar_t buffer[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryW(buffer, MAX_PATH);
    return length < MAX_PATH ? std::wstring(buffer, length) : std::wstring();
}

// Sets the fields in the order icon, path, arguments, description and saves the link.
int SaveShortcut(const std::wstring& shortcutPath, const ShortcutRequest& request) {
    const ComInitialization com;
    unique_com<IShellLinkW> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(link.put()))))
        return 0;
    unique_com<IPersistFile> file;
    if (FAILED(link.get()->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.put()))))
        return 0;
    if (request.iconPath)
        link.get()->SetIconLocation(request.iconPath->c_str(), request.iconIndex);
    link.get()->SetPath(request.target.c_str());
    if (request.arguments)
        link.get()->SetArguments(request.arguments->c_str());
    if (request.description)
        link.get()->SetDescription(request.description->c_str());
    return SUCCEEDED(file.get()->Save(shortcutPath.c_str(), TRUE)) ? 1 : 0;
}

}  // namespace

std::wstring GetSpecialFolderPath(int csidl) {
    // A folder the shell cannot give as a path (or an empty one) falls back to the Windows
    // directory, so a shortcut never lands relative to the current directory.
    std::wstring path = ShellFolderPath(csidl);
    if (path.empty())
        path = WindowsDirectory();
    if (path.empty() || path.back() != L'\\')
        path.push_back(L'\\');
    return path;
}

int CreateShortcutInFolder(const std::wstring& folder, const ShortcutRequest& request) {
    const std::optional<std::wstring> path = ComposeShortcutPath(folder, request.linkName);
    if (!path || !FitsShortcutPaths(request))
        return 0;
    return SaveShortcut(*path, request);
}

int CreateDesktopShortcut(const ShortcutRequest& request, bool allUsers) {
    return CreateShortcutInFolder(
        GetSpecialFolderPath(allUsers ? kCsidlCommonDesktop : kCsidlDesktop), request);
}

}  // namespace lp
