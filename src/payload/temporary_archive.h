// The payload archive's temporary copy: held open exclusively, read back through minizip.
#pragma once

#include <cstddef>
#include <string>

#include "framework/unique_handle.h"

namespace lp {

// The file is created without any sharing and marked delete-on-close, so nobody else can open,
// change, replace or delete it while the setup reads it, and it is gone when the object is.
class TemporaryArchive {
public:
    // Creates path (replacing an older file) and writes size bytes. False on any failure.
    bool Create(const std::wstring& path, const void* data, std::size_t size);

    HANDLE handle() const { return file_.get(); }
    const std::wstring& path() const { return path_; }

private:
    unique_hfile file_;
    std::wstring path_;
};

// tempFileName in the user's temporary folder (GetTempPathW with the limit 519); "" when the
// temporary folder is unknown or the path would exceed 519 characters.
std::wstring TemporaryArchivePath(const std::wstring& tempFileName);

}  // namespace lp
