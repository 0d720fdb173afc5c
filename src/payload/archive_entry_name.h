// The rule for archive entry names: which names may be unpacked, and to which relative path.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "payload/text_conversion.h"

namespace lp {

constexpr std::size_t kMaxStoredEntryName = 519;  // bytes, as stored in the archive
constexpr std::size_t kMaxWideEntryName = 323;    // UTF-16 characters

enum class EntryKind { kFolder, kFile, kRefused };

struct EntryName {
    EntryKind kind = EntryKind::kRefused;
    std::wstring path;    // relative to the target folder, backslash-separated, no closing one
    std::wstring folder;  // a file's folder part ("" at the top level); a folder's own path
};

// Checks a stored name ("/" or "\" separated, folders ending in a separator) and converts it.
// Refused: empty or over-long names, embedded nulls, names that do not convert, absolute names,
// drives and alternate streams (any ":"), empty components, components ending in "." or a blank
// (".", "..", and names Windows would silently shorten), characters Windows forbids in names,
// and device names such as NUL or COM1.txt.
EntryName CheckEntryName(std::string_view stored, const AnsiToWide& toWide);

// True when the stored name contains "icons.dll", ASCII letters compared without case.
bool IsIconLibraryEntry(std::string_view stored);

}  // namespace lp
