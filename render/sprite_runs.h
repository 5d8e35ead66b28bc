// sprite_runs.h -- a picture as runs of opaque pixels, for the plain blitter.
//
// Most sprites are a figure on a white ground. Walking the key colour pixel
// by pixel at every draw is wasted work: the runs of non-white pixels are
// found once. A draw copies a row of one run as a block, and a ragged row
// from its first opaque pixel to its last four pixels at a time, the white
// ones skipped; both cut to the frame.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "render/tile_mask.h"

struct PixelTarget;

struct OpaqueRun {
    int32_t row;     // of the picture
    int32_t first;   // column of the run's first pixel
    int32_t length;  // pixels, at least 1
};

struct SpriteRuns {
    int32_t width = 0, height = 0;   // px, the request the runs were made for
    std::vector<OpaqueRun> runs;     // row after row, left to right
    std::vector<uint32_t> rowStart;  // runs of row i: rowStart[i] .. rowStart[i + 1] - 1
    PixelBox opaque;                 // the largest rectangle of opaque pixels; may be empty
};

// Runs of a w x h request of `pixels`; pixels past the end are transparent.
SpriteRuns MakeSpriteRuns(std::span<const uint32_t> pixels, int32_t w, int32_t h);

// The plain copy to frame position (sx, sy), camera applied: the same pixels
// land as BlitPixels of the picture the runs were made from.
void BlitRuns(PixelTarget target, int32_t sx, int32_t sy, std::span<const uint32_t> pixels,
              const SpriteRuns& runs);
// The same copy, only the frame pixels inside `clip`, which lies within the
// frame's 1..799 x 1..499.
void BlitRunsWithin(PixelTarget target, int32_t sx, int32_t sy, std::span<const uint32_t> pixels,
                    const SpriteRuns& runs, const PixelBox& clip);
