// sprite_runs.cpp -- a picture as runs of opaque pixels, for the plain blitter.
#include "render/sprite_runs.h"

#include <algorithm>
#include <cstring>

#include "render/numeric.h"
#include "render/canvas.h"
#include "render/pixel_rows.h"

// The largest all-opaque rectangle, row by row: each column's height of
// opaque pixels ending at the row, and the widest bar under each height
// found with a stack of rising heights.
static PixelBox LargestOpaqueBox(const SpriteRuns& sprite) {
    const int64_t w = sprite.width;
    std::vector<int32_t> height(size_t(w) + 1, 0);  // the extra column closes every bar
    std::vector<int32_t> rising;
    PixelBox best;
    int64_t bestArea = 0;
    for (int32_t row = 0; row < sprite.height; ++row) {
        std::vector<char> opaque(size_t(w), 0);
        for (uint32_t k = sprite.rowStart[size_t(row)]; k < sprite.rowStart[size_t(row) + 1]; ++k)
            std::fill_n(opaque.begin() + sprite.runs[k].first, sprite.runs[k].length, 1);
        for (int64_t col = 0; col < w; ++col)
            height[size_t(col)] = opaque[size_t(col)] ? height[size_t(col)] + 1 : 0;
        rising.clear();
        for (int32_t col = 0; col <= int32_t(w); ++col) {
            while (!rising.empty() && height[size_t(rising.back())] >= height[size_t(col)]) {
                const int32_t h = height[size_t(rising.back())];
                rising.pop_back();
                const int32_t left = rising.empty() ? 0 : rising.back() + 1;
                if (int64_t(h) * (col - left) > bestArea) {
                    bestArea = int64_t(h) * (col - left);
                    best = {left, row + 1 - h, col, row + 1};
                }
            }
            rising.push_back(col);
        }
    }
    return best;
}

SpriteRuns MakeSpriteRuns(std::span<const uint32_t> pixels, int32_t w, int32_t h) {
    SpriteRuns out;
    if (w <= 0 || h <= 0) return out;
    out.width = w;
    out.height = h;
    out.rowStart.reserve(size_t(h) + 1);
    for (int64_t i = 0; i < h; ++i) {
        out.rowStart.push_back(uint32_t(out.runs.size()));
        const int64_t rowStart = i * w;
        const int64_t present = std::clamp<int64_t>(int64_t(pixels.size()) - rowStart, 0, w);
        for (int64_t j = 0; j < present;) {
            if (pixels[size_t(rowStart + j)] == TransparentKey) {
                ++j;
                continue;
            }
            const int64_t first = j;
            while (j < present && pixels[size_t(rowStart + j)] != TransparentKey) ++j;
            out.runs.push_back({int32_t(i), int32_t(first), int32_t(j - first)});
        }
    }
    out.rowStart.push_back(uint32_t(out.runs.size()));
    out.opaque = LargestOpaqueBox(out);
    return out;
}

// A run as a block; with a tint, each pixel OR-ed with it on the way.
static void CopyRun(uint32_t* out, const uint32_t* in, int64_t count, uint32_t tint) {
    if (tint == 0) {
        std::memcpy(out, in, size_t(count) * sizeof(uint32_t));
        return;
    }
    OrPixels(out, in, size_t(count), tint);
}

void BlitRuns(PixelTarget target, int32_t sx, int32_t sy, std::span<const uint32_t> pixels,
              const SpriteRuns& runs) {
    // Exactly the rows and columns for which 0 < px < 800 and 0 < py < 500.
    BlitRunsWithin(target, sx, sy, pixels, runs, {1, 1, FrameWidth, FrameHeight});
}

void BlitRunsWithin(PixelTarget target, int32_t sx, int32_t sy, std::span<const uint32_t> pixels,
                    const SpriteRuns& runs, const PixelBox& clip) {
    const int64_t firstRow = std::max<int64_t>(0, int64_t(clip.top) - sy);
    const int64_t lastRow = std::min<int64_t>(runs.height - 1, int64_t(clip.bottom) - 1 - sy);
    const int64_t firstCol = std::max<int64_t>(0, int64_t(clip.left) - sx);
    const int64_t endCol = std::min<int64_t>(runs.width, int64_t(clip.right) - sx);
    if (firstRow > lastRow || firstCol >= endCol) return;
    // A row of one run copies it; a ragged row goes from its first opaque
    // pixel to its last as a whole, keyed pixels skipped.
    const uint32_t tint = target.tint;
    const OpaqueRun* const runList = runs.runs.data();
    const uint32_t* const rowStart = runs.rowStart.data();
    for (int64_t i = firstRow; i <= lastRow; ++i) {
        const uint32_t first = rowStart[i], end = rowStart[i + 1];
        if (first == end) continue;
        const int64_t from = std::max<int64_t>(runList[first].first, firstCol);
        const int64_t to = std::min<int64_t>(
            int64_t(runList[end - 1].first) + runList[end - 1].length, endCol);
        if (from >= to) continue;
        uint32_t* out = target.pixels + ((sy + i) * FrameWidth + sx + from);
        const uint32_t* in = pixels.data() + (i * runs.width + from);
        if (target.rowEndsOnly) {
            // Both ends of the span are read and written; a key pixel leaves
            // the frame's pixel as it was.
            const int64_t lastCol = to - from - 1;
            out[0] = in[0] == TransparentKey ? out[0] : in[0];
            out[lastCol] = in[lastCol] == TransparentKey ? out[lastCol] : in[lastCol];
        } else if (end - first == 1)
            CopyRun(out, in, to - from, tint);
        else
            CopyKeyedPixels(out, in, size_t(to - from), TransparentKey, tint);
    }
}
