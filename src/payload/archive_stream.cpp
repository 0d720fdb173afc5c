// A minizip file-function table over an open handle.
#include "payload/archive_stream.h"

namespace lp {

namespace {

HANDLE AsHandle(voidpf stream) {
    return static_cast<HANDLE>(stream);
}

bool Seek(HANDLE file, LONGLONG offset, DWORD method, ZPOS64_T* position) {
    LARGE_INTEGER distance{};
    distance.QuadPart = offset;
    LARGE_INTEGER result{};
    if (!SetFilePointerEx(file, distance, &result, method))
        return false;
    if (position != nullptr)
        *position = static_cast<ZPOS64_T>(result.QuadPart);
    return true;
}

voidpf ZCALLBACK Open(voidpf opaque, const void*, int mode) {
    if ((mode & ZLIB_FILEFUNC_MODE_READWRITEFILTER) != ZLIB_FILEFUNC_MODE_READ)
        return nullptr;
    return Seek(AsHandle(opaque), 0, FILE_BEGIN, nullptr) ? opaque : nullptr;
}

uLong ZCALLBACK Read(voidpf, voidpf stream, void* buffer, uLong size) {
    DWORD read = 0;
    if (!ReadFile(AsHandle(stream), buffer, static_cast<DWORD>(size), &read, nullptr))
        return 0;
    return read;
}

uLong ZCALLBACK Write(voidpf, voidpf, const void*, uLong) {
    return 0;
}

ZPOS64_T ZCALLBACK Tell(voidpf, voidpf stream) {
    ZPOS64_T position = 0;
    return Seek(AsHandle(stream), 0, FILE_CURRENT, &position) ? position
                                                              : static_cast<ZPOS64_T>(-1);
}

long ZCALLBACK SeekTo(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
    DWORD method = FILE_BEGIN;
    if (origin == ZLIB_FILEFUNC_SEEK_CUR)
        method = FILE_CURRENT;
    if (origin == ZLIB_FILEFUNC_SEEK_END)
        method = FILE_END;
    return Seek(AsHandle(stream), static_cast<LONGLONG>(offset), method, nullptr) ? 0 : -1;
}

int ZCALLBACK Close(voidpf, voidpf) {
    return 0;
}

int ZCALLBACK Error(voidpf, voidpf) {
    return 0;
}

}  // namespace

zlib_filefunc64_def ReadThroughHandle(HANDLE file) {
    zlib_filefunc64_def table{};
    table.zopen64_file = Open;
    table.zread_file = Read;
    table.zwrite_file = Write;
    table.ztell64_file = Tell;
    table.zseek64_file = SeekTo;
    table.zclose_file = Close;
    table.zerror_file = Error;
    table.opaque = file;
    return table;
}

}  // namespace lp
