// Appends little- and big-endian integers to a byte string, for the file formats the tools write.
#pragma once

#include <cstdint>
#include <string>

namespace lp::bytes {

inline void PutLittle16(std::string& out, std::uint16_t value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>(value >> 8));
}

inline void PutLittle32(std::string& out, std::uint32_t value) {
    PutLittle16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    PutLittle16(out, static_cast<std::uint16_t>(value >> 16));
}

inline void PutBig32(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<char>(value >> shift));
}

}  // namespace lp::bytes
