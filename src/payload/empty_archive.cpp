// Recognises a ZIP archive without entries.
#include "payload/empty_archive.h"

#include <cstddef>

namespace lp {

namespace {

constexpr std::size_t kEndRecordBytes = 22;

unsigned Word(std::string_view bytes, std::size_t offset) {
    return static_cast<unsigned char>(bytes[offset]) |
           static_cast<unsigned>(static_cast<unsigned char>(bytes[offset + 1])) << 8;
}

}  // namespace

bool IsEmptyZipArchive(std::string_view bytes) {
    if (bytes.size() < kEndRecordBytes || bytes.substr(0, 4) != std::string_view("PK\5\6", 4)) {
        return false;
    }
    const unsigned entriesOnDisk = Word(bytes, 8);
    const unsigned entries = Word(bytes, 10);
    const unsigned commentBytes = Word(bytes, 20);
    return entriesOnDisk == 0 && entries == 0 && bytes.size() == kEndRecordBytes + commentBytes;
}

}  // namespace lp
