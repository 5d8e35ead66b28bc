// bmp.h -- reads an uncompressed Windows bitmap file into frame-buffer pixels.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

// A decoded picture: width x height values 0x00RRGGBB, top row first, no
// padding between rows.
struct DecodedBitmap {
    int32_t width = 0;   // px
    int32_t height = 0;  // px
    std::vector<uint32_t> pixels;
};

// Pictures larger than this are refused rather than allocated.
constexpr int32_t MaxBitmapSide = 16384;  // px, either side

// Decodes a whole .bmp file (file header, a 40-byte or longer info header,
// the colour table for 4 and 8 bits per pixel, then the rows). Accepts 4, 8,
// 24 and 32 bits per pixel without compression, rows bottom-up (positive
// height) or top-down (negative height), each row padded to 4 bytes.
// Anything else, and any file that is cut short or inconsistent, gives false
// and leaves `out` empty.
bool DecodeBmp(std::span<const uint8_t> file, DecodedBitmap& out);
