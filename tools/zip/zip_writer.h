// Writes small, deterministic ZIP archives in memory: the payload builder and the tests use it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lp::zip {

struct Entry {
    std::string name{};              // stored as given ("/" separators; folders end in "/")
    std::string data{};              // file content; empty for folders
    std::uint16_t dosDate = 0x5A21;  // 2025-01-01
    std::uint16_t dosTime = 0x6000;  // 12:00:00
    bool deflate = true;       // method 8; false stores (method 0). Folders are always stored.
    bool corruptCrc = false;   // write a wrong CRC-32 (for tests of damaged archives)
    bool corruptData = false;  // damage the compressed stream (for tests of damaged archives)
};

// The most an archive without ZIP64 records can hold.
inline constexpr std::size_t kMaxEntries = 0xFFFF;
inline constexpr std::size_t kMaxNameBytes = 0xFFFF;
inline constexpr std::uint64_t kMaxArchiveBytes = 0xFFFFFFFFu;

// The archive's bytes: local headers, data, central directory, end record. Every entry carries
// general-purpose flag 0x2; no ZIP64, no comment, no encryption. Returns "" (never a valid
// archive, which has at least its 22-byte end record) when the entries do not fit the limits
// above or the compressor fails.
std::string BuildArchive(const std::vector<Entry>& entries);

}  // namespace lp::zip
