// ExtractPayload: the setup's own ZIP resource, copied to a private temporary file and unpacked.
#include "payload/payload_extraction.h"

#include <windows.h>

#include "payload/archive_walk.h"
#include "payload/empty_archive.h"
#include "payload/temporary_archive.h"

namespace lp {

int ExtractPayload(unsigned short resourceId, const wchar_t* resourceType,
                   const std::wstring& tempFileName, const std::wstring& targetFolder,
                   int keepIconLibrary) {
    if (resourceType == nullptr)
        return -1;
    HRSRC resource = FindResourceW(nullptr, MAKEINTRESOURCEW(resourceId), resourceType);
    if (resource == nullptr)
        return -1;
    HGLOBAL loaded = LoadResource(nullptr, resource);
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    const DWORD size = SizeofResource(nullptr, resource);
    if (data == nullptr || size == 0)
        return -1;
    return ExtractArchiveBytes(data, size, tempFileName, targetFolder, keepIconLibrary);
}

int ExtractArchiveBytes(const void* data, std::size_t size, const std::wstring& tempFileName,
                        const std::wstring& targetFolder, int keepIconLibrary) {
    if (IsEmptyZipArchive(std::string_view(static_cast<const char*>(data), size))) {
        // Nothing to unpack; minizip would refuse the archive, so only enter the folder.
        return !targetFolder.empty() && SetCurrentDirectoryW(targetFolder.c_str()) ? 0 : -1;
    }
    const std::wstring path = TemporaryArchivePath(tempFileName);
    if (path.empty())
        return -1;
    TemporaryArchive archive;
    if (!archive.Create(path, data, size))
        return -1;
    return UnzipToFolder(archive, targetFolder, keepIconLibrary);
}

}  // namespace lp
