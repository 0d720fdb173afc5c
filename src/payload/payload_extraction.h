// ExtractPayload: unpacks the setup's own ZIP resource into the target folder.
#pragma once

#include <cstddef>
#include <string>

namespace lp {

// Copies the resource to tempFileName in the temporary folder, unpacks it into targetFolder (which
// becomes the current directory) and deletes the copy. keepIconLibrary 1 passes over every entry
// whose name contains "icons.dll". Returns 0 on success, -1 on failure.
int ExtractPayload(unsigned short resourceId, const wchar_t* resourceType,
                   const std::wstring& tempFileName, const std::wstring& targetFolder,
                   int keepIconLibrary);

// The steps after the resource lookup: the archive bytes go to tempFileName in the temporary
// folder, held open exclusively until they are unpacked, and the file is gone on return.
// Returns 0 when every entry was written or deliberately passed over, -1 otherwise.
int ExtractArchiveBytes(const void* data, std::size_t size, const std::wstring& tempFileName,
                        const std::wstring& targetFolder, int keepIconLibrary);

}  // namespace lp
