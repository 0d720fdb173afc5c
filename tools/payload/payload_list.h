// The payload's list of entries: which archive names to write and which files they come from.
#pragma once

#include <string>
#include <vector>

namespace lp::payload {

// One line of the list: a folder ("Plugins/", no source) or a file with its source path.
struct ListedEntry {
    std::string name;
    std::string sourcePath;  // empty for folders
};

struct ParsedList {
    std::vector<ListedEntry> entries;
    std::string error;  // empty on success; else what is wrong and on which line
};

// The extraction reads names in 520-byte and 324-character buffers; stay well inside both.
inline constexpr std::size_t kMaxEntryNameBytes = 259;

// Parses the list: one entry per line, "name" for a folder (ending in "/") or
// "name<TAB>source path" for a file; empty lines and lines starting with "#" are skipped.
// Names must be printable ASCII relative paths with "/" separators: no backslash, colon, empty,
// "." or ".." component, at most kMaxEntryNameBytes bytes, each given once, and every folder
// a name lies in must have its own folder entry on an earlier line.
ParsedList ParsePayloadList(const std::string& text);

}  // namespace lp::payload
