// RegistryLimits: which key paths, value names and texts the plan executor hands to the registry.
#pragma once

#include <cstddef>
#include <string>

namespace lp {

constexpr std::size_t kMaxKeyNamePart = 255;             // characters between two backslashes
constexpr std::size_t kMaxValueNameChars = 16383;        // characters in a value name
constexpr std::size_t kMaxRegistryTextChars = 1u << 20;  // REG_SZ characters, null excluded

// A subkey path below a root: not empty (an empty path names the root itself), no empty part
// (no leading, trailing or doubled backslash), no part over 255 characters, no embedded null.
bool IsUsableKeyPath(const std::wstring& key);
// A value name ("" is the default value): at most 16383 characters, no embedded null.
bool IsUsableValueName(const std::wstring& name);
// REG_SZ data: at most 2^20 characters, so its byte size with the null always fits a DWORD,
// and no embedded null (which would cut the text short).
bool IsUsableRegistryText(const std::wstring& text);

}  // namespace lp
