// Writes ZIP archives: raw deflate through zlib, fixed headers, no time taken from the clock.
#include "zip/zip_writer.h"

#include "byte_order.h"

#include <zlib.h>

#include <optional>

namespace lp::zip {
namespace {

constexpr std::uint16_t kFlagMaxCompression = 0x0002;
constexpr std::uint16_t kVersion20 = 20;  // deflate and folders need version 2.0
constexpr std::uint32_t kDosDirectory = 0x10;
constexpr std::uint32_t kDosArchive = 0x20;

bool IsFolder(const Entry& entry) {
    return !entry.name.empty() && entry.name.back() == '/';
}

// Raw deflate (no zlib header), best compression: the same input always gives the same bytes.
std::optional<std::string> Deflate(const std::string& data) {
    z_stream stream{};
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) !=
        Z_OK) {
        return std::nullopt;
    }
    std::string out(deflateBound(&stream, static_cast<uLong>(data.size())), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    const int status = deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    if (status != Z_STREAM_END) {
        return std::nullopt;
    }
    return out;
}

// One entry as it is laid out in the archive, before its offset is known.
struct Prepared {
    std::uint16_t method = 0;
    std::uint32_t crc = 0;
    std::uint32_t size = 0;
    std::string payload;
};

std::optional<Prepared> Prepare(const Entry& entry) {
    if (entry.name.empty() || entry.name.size() > kMaxNameBytes ||
        entry.data.size() > kMaxArchiveBytes) {
        return std::nullopt;
    }
    Prepared prepared;
    const bool folder = IsFolder(entry);
    const std::string& data = folder ? std::string() : entry.data;
    prepared.size = static_cast<std::uint32_t>(data.size());
    prepared.crc = static_cast<std::uint32_t>(
        crc32(0, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size())));
    if (entry.corruptCrc) {
        prepared.crc ^= 0xFFFFFFFFu;
    }
    if (folder || !entry.deflate) {
        prepared.payload = data;
    } else {
        std::optional<std::string> packed = Deflate(data);
        if (!packed) {
            return std::nullopt;
        }
        prepared.method = 8;
        prepared.payload = std::move(*packed);
    }
    if (entry.corruptData && !prepared.payload.empty()) {
        // Block type 3 is reserved, so an inflater must refuse the stream; a stored entry gets
        // a flipped byte that its CRC-32 then exposes.
        prepared.payload[0] = static_cast<char>(prepared.payload[0] ^ 0x06);
    }
    return prepared;
}

// The fields shared by the local header and the central directory record.
void PutCommon(std::string& out, const Entry& entry, const Prepared& prepared) {
    bytes::PutLittle16(out, kVersion20);
    bytes::PutLittle16(out, kFlagMaxCompression);
    bytes::PutLittle16(out, prepared.method);
    bytes::PutLittle16(out, entry.dosTime);
    bytes::PutLittle16(out, entry.dosDate);
    bytes::PutLittle32(out, prepared.crc);
    bytes::PutLittle32(out, static_cast<std::uint32_t>(prepared.payload.size()));
    bytes::PutLittle32(out, prepared.size);
    bytes::PutLittle16(out, static_cast<std::uint16_t>(entry.name.size()));
    bytes::PutLittle16(out, 0);  // extra field length
}

void PutCentralRecord(std::string& out, const Entry& entry, const Prepared& prepared,
                      std::uint32_t offset) {
    bytes::PutLittle32(out, 0x02014B50);
    bytes::PutLittle16(out, kVersion20);  // made by: MS-DOS (0), version 2.0
    PutCommon(out, entry, prepared);
    bytes::PutLittle16(out, 0);  // comment length
    bytes::PutLittle16(out, 0);  // disk number
    bytes::PutLittle16(out, 0);  // internal attributes
    bytes::PutLittle32(out, IsFolder(entry) ? kDosDirectory : kDosArchive);
    bytes::PutLittle32(out, offset);
    out += entry.name;
}

void PutEndRecord(std::string& out, std::size_t count, std::size_t directoryStart) {
    const auto directorySize = static_cast<std::uint32_t>(out.size() - directoryStart);
    bytes::PutLittle32(out, 0x06054B50);
    bytes::PutLittle16(out, 0);  // this disk
    bytes::PutLittle16(out, 0);  // disk with the directory
    bytes::PutLittle16(out, static_cast<std::uint16_t>(count));
    bytes::PutLittle16(out, static_cast<std::uint16_t>(count));
    bytes::PutLittle32(out, directorySize);
    bytes::PutLittle32(out, static_cast<std::uint32_t>(directoryStart));
    bytes::PutLittle16(out, 0);  // comment length
}

}  // namespace

std::string BuildArchive(const std::vector<Entry>& entries) {
    if (entries.size() > kMaxEntries) {
        return {};
    }
    std::string out;
    std::string directory;
    for (const Entry& entry : entries) {
        const std::optional<Prepared> prepared = Prepare(entry);
        if (!prepared || out.size() > kMaxArchiveBytes) {
            return {};
        }
        PutCentralRecord(directory, entry, *prepared, static_cast<std::uint32_t>(out.size()));
        bytes::PutLittle32(out, 0x04034B50);
        PutCommon(out, entry, *prepared);
        out += entry.name;
        out += prepared->payload;
    }
    const std::size_t directoryStart = out.size();
    out += directory;
    if (out.size() + 22 > kMaxArchiveBytes) {
        return {};
    }
    PutEndRecord(out, entries.size(), directoryStart);
    return out;
}

}  // namespace lp::zip
