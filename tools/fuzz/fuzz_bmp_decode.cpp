// fuzz_bmp_decode.cpp -- any bytes as a bitmap file. A picture the reader
// accepts must be exactly width x height pixels and fit the size limit;
// a refused one must leave nothing behind.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "render/bmp.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    DecodedBitmap picture;
    picture.width = 7;  // stale contents that a refusal must clear
    picture.pixels.assign(3, 0);
    if (!DecodeBmp(std::span<const uint8_t>(data, size), picture)) {
        if (picture.width != 0 || picture.height != 0 || !picture.pixels.empty()) std::abort();
        return 0;
    }
    if (picture.width <= 0 || picture.width > MaxBitmapSide || picture.height <= 0 ||
        picture.height > MaxBitmapSide)
        std::abort();
    if (picture.pixels.size() != size_t(picture.width) * size_t(picture.height)) std::abort();
    for (uint32_t pixel : picture.pixels)
        if (pixel > 0x00FFFFFFu) std::abort();  // no stray alpha byte
    return 0;
}
