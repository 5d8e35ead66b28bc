// literal_blit.h -- the rotated copy worked out per pixel, nothing ahead.
//
// The game's blitter keeps tables to go fast; this one follows the steps
// one by one. Tests hold the blitter to it bit for bit and the benchmark
// measures how much the tables save.
#pragma once

#include <cstdint>
#include <span>

class FrameBuffer;

// `pixels` is a w x h picture read row by row; an index past its end is
// transparent. (sx, sy) is the pivot's frame position, camera applied.
void LiteralRotatedBlit(FrameBuffer& frame, int32_t sx, int32_t sy,
                        std::span<const uint32_t> pixels, int32_t w, int32_t h, float angle,
                        int32_t facing);
