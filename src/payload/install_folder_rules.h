// The install folders read from the registry: a registered open command and ProgramFilesDir.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lp {

constexpr std::wstring_view kFallbackInstallFolder = L"C:\\Lumapixel\\";

// The folder of the executable in a registered open command ("\"D:\x\lumpix32.exe\" \"%1\""):
// the first character is skipped as the opening quotation mark, the path runs to the next one,
// and its drive and folder get a closing backslash. 1 and the folder; 0 and "" when the command
// is empty, lacks "lumpix32.exe" (case-sensitive), has no drive or folder part, or gives a
// folder longer than 259 characters.
int FolderFromOpenCommand(std::wstring_view command, std::wstring& folder);

// ProgramFilesDir with a backslash and "Lumapixel" (no closing backslash); "C:\Lumapixel\" when
// the value is missing, empty, or the result would be longer than 259 characters.
std::wstring DefaultInstallFolderFrom(const std::optional<std::wstring>& programFilesDir);

}  // namespace lp
