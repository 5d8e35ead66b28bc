// pixel_word.h -- four pixels in one 128-bit word, for the loops that copy, compare and spread rows.
//
// A GCC and Clang vector type: plain SSE2 on x86-64, and the same results on
// any other machine. Loads and stores go through memcpy, so a word may start
// at any pixel.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

using PixelWord = uint32_t __attribute__((vector_size(16)));
inline constexpr size_t PixelWordPixels = sizeof(PixelWord) / sizeof(uint32_t);

inline PixelWord LoadPixelWord(const uint32_t* pixels) {
    PixelWord word;
    std::memcpy(&word, pixels, sizeof word);
    return word;
}

inline void StorePixelWord(uint32_t* pixels, PixelWord word) {
    std::memcpy(pixels, &word, sizeof word);
}
