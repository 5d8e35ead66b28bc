// little_endian.h -- 16- and 32-bit values low byte first, as Data.dat, BMP and WAV store them.
//
// The one reader and writer of such values: the level file's fields, the
// bitmaps the game decodes and the BMP and WAV files the generators write.
// The caller checks that the bytes are there.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

inline uint16_t ReadU16(std::span<const uint8_t> b, size_t at) {
    return static_cast<uint16_t>(b[at] | b[at + 1] << 8);
}

inline uint32_t ReadU32(std::span<const uint8_t> b, size_t at) {
    return uint32_t(ReadU16(b, at)) | uint32_t(ReadU16(b, at + 2)) << 16;
}

inline int32_t ReadI32(std::span<const uint8_t> b, size_t at) {
    return static_cast<int32_t>(ReadU32(b, at));
}

inline void WriteU16(std::span<uint8_t> out, size_t at, uint16_t v) {
    out[at] = uint8_t(v);
    out[at + 1] = uint8_t(v >> 8);
}

inline void WriteU32(std::span<uint8_t> out, size_t at, uint32_t v) {
    WriteU16(out, at, uint16_t(v));
    WriteU16(out, at + 2, uint16_t(v >> 16));
}

inline void AppendU16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v & 0xFF));
    out.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
}

inline void AppendU32(std::vector<uint8_t>& out, uint32_t v) {
    AppendU16(out, v & 0xFFFF);
    AppendU16(out, v >> 16);
}
