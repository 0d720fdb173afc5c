// GetFileSizeInBytes: the size of a file on disk.
#include "app/file_size.h"

#include "app/c_file.h"

namespace lp {

std::int64_t GetFileSizeInBytes(const std::wstring& path) {
    if (path.empty())
        return 0;
    unique_cfile file(_wfopen(path.c_str(), L"rb"));
    if (!file || _fseeki64(file.get(), 0, SEEK_END) != 0)
        return 0;
    const std::int64_t size = _ftelli64(file.get());
    return size > 0 ? size : 0;
}

}  // namespace lp
