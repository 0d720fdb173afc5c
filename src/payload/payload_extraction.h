// ExtractPayload: unpacks the setup's own ZIP resource into the target folder.
#pragma once

#include <string>

namespace lp {

// Copies the resource to tempFileName in the temporary folder, unpacks it into targetFolder (which
// becomes the current directory) and deletes the copy. keepIconLibrary 1 passes over every entry
// whose name contains "icons.dll". Returns 0 on success, -1 on failure.
int ExtractPayload(unsigned short resourceId, const wchar_t* resourceType,
                   const std::wstring& tempFileName, const std::wstring& targetFolder,
                   int keepIconLibrary);

}  // namespace lp
