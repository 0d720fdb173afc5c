// A minizip file-function table that reads the archive through a handle that is already open.
#pragma once

#include <windows.h>

#include <ioapi.h>

namespace lp {

// Every "open" of the table returns the same handle, rewound; "close" leaves it open, because
// its owner (TemporaryArchive) closes it. Writing is refused.
zlib_filefunc64_def ReadThroughHandle(HANDLE file);

}  // namespace lp
