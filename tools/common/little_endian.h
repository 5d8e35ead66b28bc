// little_endian.h -- appends 16- and 32-bit values low byte first, as the
// BMP and WAV headers our generators write expect them.
#pragma once

#include <cstdint>
#include <vector>

inline void AppendU16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v & 0xFF));
    out.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
}

inline void AppendU32(std::vector<uint8_t>& out, uint32_t v) {
    AppendU16(out, v & 0xFFFF);
    AppendU16(out, v >> 16);
}
