// The files an archive entry becomes: folder chains, the created file and its time stamp.
#pragma once

#include <windows.h>

#include <string>

#include "framework/unique_handle.h"

namespace lp {

// Creates each folder of a backslash-separated path from left to right; existing folders and
// folders that cannot be created (a drive, a share) are passed over. 1 when done, 0 when a
// component could not be created because its parent is missing.
int CreateFolderChain(const std::wstring& path);

// Creates (or truncates) the file for writing; when that fails and the entry has a folder part,
// creates the folder chain and tries once more. On failure GetLastError tells why.
unique_hfile CreateEntryFile(const std::wstring& path, const std::wstring& folder);

// True for the reasons that pass a file over rather than fail the payload: the file is in use,
// read-only, or access to it is denied.
bool IsPassOverError(DWORD error);

// Sets creation and last-write time from a DOS date (high word) and time (low word), read as
// local time, and keeps the last-access time. The handle needs write and read-attribute access.
void StampEntryTime(HANDLE file, unsigned long dosDateTime);

}  // namespace lp
