// GetFileSizeInBytes: the size of a file on disk.
#pragma once

#include <cstdint>
#include <string>

namespace lp {

// The size of the file in bytes; 0 for an empty path or a file that cannot be opened.
std::int64_t GetFileSizeInBytes(const std::wstring& path);

}  // namespace lp
