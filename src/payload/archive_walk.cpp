// The walk over an open payload archive.
#include "payload/archive_walk.h"

#include <windows.h>

#include <memory>
#include <new>

#include "payload/archive_entry_name.h"
#include "payload/archive_stream.h"
#include "payload/code_page_text.h"
#include "payload/entry_files.h"
#include "payload/temporary_archive.h"

namespace lp {

namespace {

constexpr unsigned long kNameBufferBytes = 520;
constexpr unsigned kCopyBufferBytes = 32768;
constexpr unsigned long kUtf8NameFlag = 0x800;

struct ArchiveTraits {
    using type = unzFile;
    static unzFile invalid() { return nullptr; }
    static void close(unzFile archive) { unzClose(archive); }
};
using unique_unzfile = unique_any<ArchiveTraits>;

// Copies the open entry into the file; false on a read, decompression or write error.
bool CopyEntry(unzFile archive, HANDLE file, char* buffer) {
    for (;;) {
        const int count = unzReadCurrentFile(archive, buffer, kCopyBufferBytes);
        if (count < 0)
            return false;
        if (count == 0)
            return true;
        DWORD written = 0;
        const DWORD size = static_cast<DWORD>(count);
        if (!WriteFile(file, buffer, size, &written, nullptr) || written != size)
            return false;
    }
}

// Writes the current (file) entry; 0 when written or passed over, -1 on failure.
int WriteFileEntry(unzFile archive, const EntryName& entry, unsigned long dosDateTime) {
    const std::unique_ptr<char[]> buffer(new (std::nothrow) char[kCopyBufferBytes]);
    if (!buffer)
        return -1;
    if (unzOpenCurrentFilePassword(archive, nullptr) != UNZ_OK) {
        unzCloseCurrentFile(archive);
        return -1;
    }
    unique_hfile file = CreateEntryFile(entry.path, entry.folder);
    if (!file) {
        const bool passOver = IsPassOverError(GetLastError());
        return unzCloseCurrentFile(archive) == UNZ_OK && passOver ? 0 : -1;
    }
    if (!CopyEntry(archive, file.get(), buffer.get())) {
        unzCloseCurrentFile(archive);
        return -1;
    }
    StampEntryTime(file.get(), dosDateTime);
    file.reset();
    return unzCloseCurrentFile(archive) == UNZ_OK ? 0 : -1;  // a CRC mismatch shows here
}

// Unpacks the entry the archive stands on; 0 when written or passed over, -1 on failure.
int ExtractCurrentEntry(unzFile archive, int keepIconLibrary) {
    unz_file_info64 info{};
    char name[kNameBufferBytes] = {};
    if (unzGetCurrentFileInfo64(archive, &info, name, kNameBufferBytes, nullptr, 0, nullptr, 0) !=
        UNZ_OK) {
        return -1;
    }
    if (info.size_filename >= kNameBufferBytes)
        return -1;  // cut by the buffer: refused
    const std::string stored(name, info.size_filename);
    if (keepIconLibrary == 1 && IsIconLibraryEntry(stored))
        return 0;
    const unsigned codePage = (info.flag & kUtf8NameFlag) != 0 ? CP_UTF8 : CP_ACP;
    const EntryName entry = CheckEntryName(
        stored, [codePage](std::string_view bytes) { return WideFromCodePage(bytes, codePage); });
    switch (entry.kind) {
        case EntryKind::kRefused:
            return -1;
        case EntryKind::kFolder:
            CreateDirectoryW(entry.path.c_str(), nullptr);  // files create missing folders too
            return 0;
        case EntryKind::kFile:
            break;
    }
    return WriteFileEntry(archive, entry, info.dosDate);
}

}  // namespace

int UnzipToFolder(const TemporaryArchive& archive, const std::wstring& targetFolder,
                  int keepIconLibrary) {
    zlib_filefunc64_def functions = ReadThroughHandle(archive.handle());
    const unique_unzfile zip(unzOpen2_64(archive.path().c_str(), &functions));
    if (!zip)
        return -1;
    if (targetFolder.empty() || !SetCurrentDirectoryW(targetFolder.c_str()))
        return -1;
    return ExtractAllEntries(zip.get(), keepIconLibrary);
}

int ExtractAllEntries(unzFile archive, int keepIconLibrary) {
    unz_global_info64 global{};
    if (unzGetGlobalInfo64(archive, &global) != UNZ_OK)
        return -1;
    for (ZPOS64_T i = 0; i < global.number_entry; ++i) {
        if (i > 0 && unzGoToNextFile(archive) != UNZ_OK)
            return -1;
        if (ExtractCurrentEntry(archive, keepIconLibrary) != 0)
            return -1;
    }
    return 0;
}

}  // namespace lp
