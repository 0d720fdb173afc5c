// Reads shortcut files back through the Shell Link object, and lists the shortcuts of a folder.
#include "shell_link_support.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

namespace lp::test {

std::optional<LinkContent> ReadLink(const std::wstring& path) {
    IShellLinkW* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link))))
        return std::nullopt;
    IPersistFile* file = nullptr;
    std::optional<LinkContent> content;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        if (SUCCEEDED(file->Load(path.c_str(), STGM_READ))) {
            wchar_t text[1024] = {};
            LinkContent c;
            link->GetPath(text, 1024, nullptr, SLGP_RAWPATH);
            c.target = text;
            text[0] = 0;
            link->GetArguments(text, 1024);
            c.arguments = text;
            text[0] = 0;
            link->GetIconLocation(text, 1024, &c.iconIndex);
            c.iconPath = text;
            text[0] = 0;
            link->GetDescription(text, 1024);
            c.description = text;
            content = c;
        }
        file->Release();
    }
    link->Release();
    return content;
}

std::wstring LinkTarget(const std::wstring& path) {
    const std::optional<LinkContent> content = ReadLink(path);
    return content ? content->target : L"<unreadable>";
}

std::set<std::wstring> LinkFilesIn(const std::wstring& folder) {
    std::set<std::wstring> names;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"*.lnk").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return names;
    do
        names.insert(data.cFileName);
    while (FindNextFileW(find, &data));
    FindClose(find);
    return names;
}

}  // namespace lp::test
