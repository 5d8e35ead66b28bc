// pixel_rows.h -- rows of pixels copied with bits OR-ed in, at the speed of memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "render/pixel_word.h"

// out[k] = in[k] | bits for `count` pixels; `in` may be `out`, but the two
// must not overlap otherwise. Inline: the blitters call it for every run
// of a sprite, most of them a few pixels long.
// GCC at -O2 leaves a plain loop scalar, so the words are spelt out: 16
// pixels at a time in four 128-bit words, then 4 at a time, then one by one.
inline constexpr size_t OrWordPixels = PixelWordPixels;
inline constexpr size_t OrBlockPixels = 4 * OrWordPixels;

inline void OrPixels(uint32_t* out, const uint32_t* in, size_t count, uint32_t bits) {
    const PixelWord mask = {bits, bits, bits, bits};
    size_t k = 0;
    for (; k + OrBlockPixels <= count; k += OrBlockPixels) {
        PixelWord a, b, c, d;
        std::memcpy(&a, in + k, sizeof a);
        std::memcpy(&b, in + k + OrWordPixels, sizeof b);
        std::memcpy(&c, in + k + 2 * OrWordPixels, sizeof c);
        std::memcpy(&d, in + k + 3 * OrWordPixels, sizeof d);
        a |= mask;
        b |= mask;
        c |= mask;
        d |= mask;
        std::memcpy(out + k, &a, sizeof a);
        std::memcpy(out + k + OrWordPixels, &b, sizeof b);
        std::memcpy(out + k + 2 * OrWordPixels, &c, sizeof c);
        std::memcpy(out + k + 3 * OrWordPixels, &d, sizeof d);
    }
    for (; k + OrWordPixels <= count; k += OrWordPixels) {
        PixelWord a;
        std::memcpy(&a, in + k, sizeof a);
        a |= mask;
        std::memcpy(out + k, &a, sizeof a);
    }
    if (k == count) return;
    // The last pixels as one word that overlaps the one before: they are
    // written again with the same values, which costs less than a loop.
    if (count >= OrWordPixels) {
        PixelWord a;
        std::memcpy(&a, in + count - OrWordPixels, sizeof a);
        a |= mask;
        std::memcpy(out + count - OrWordPixels, &a, sizeof a);
        return;
    }
    for (; k < count; ++k) out[k] = in[k] | bits;
}

// out[k] = in[k] | bits for every k where in[k] is not `key`; the other
// pixels of `out` keep their value. `in` and `out` must not overlap. Four
// pixels at a time: the keyed ones
// are selected from `out` itself, which costs less than finding where each
// run of a ragged row starts and ends.
inline void CopyKeyedPixels(uint32_t* out, const uint32_t* in, size_t count, uint32_t key,
                            uint32_t bits) {
    using PixelMask = int32_t __attribute__((vector_size(16)));
    const PixelWord keys = {key, key, key, key};
    const PixelWord mask = {bits, bits, bits, bits};
    const auto copyWord = [&](size_t k) {
        PixelWord a, d;
        std::memcpy(&a, in + k, sizeof a);
        std::memcpy(&d, out + k, sizeof d);
        const PixelWord keyed = reinterpret_cast<PixelWord>(PixelMask(a == keys));
        d = (d & keyed) | ((a | mask) & ~keyed);
        std::memcpy(out + k, &d, sizeof d);
    };
    size_t k = 0;
    for (; k + OrWordPixels <= count; k += OrWordPixels) copyWord(k);
    if (k == count) return;
    // As in OrPixels: a word that overlaps the last one lands the same values again.
    if (count >= OrWordPixels) {
        copyWord(count - OrWordPixels);
        return;
    }
    for (; k < count; ++k)
        if (in[k] != key) out[k] = in[k] | bits;
}
