// sprite_runs.cpp -- a picture as runs of opaque pixels, for the plain blitter.
#include "render/sprite_runs.h"

#include <algorithm>
#include <cstring>

#include "game/numeric.h"
#include "render/canvas.h"
#include "render/pixel_rows.h"

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

void BlitRuns(FrameBuffer& frame, int32_t sx, int32_t sy, std::span<const uint32_t> pixels,
              const SpriteRuns& runs) {
    // Exactly the rows and columns for which 0 < px < 800 and 0 < py < 500.
    const int64_t firstRow = std::max<int64_t>(0, 1 - int64_t(sy));
    const int64_t lastRow = std::min<int64_t>(runs.height - 1, FrameHeight - 1 - int64_t(sy));
    const int64_t firstCol = std::max<int64_t>(0, 1 - int64_t(sx));
    const int64_t endCol = std::min<int64_t>(runs.width, FrameWidth - int64_t(sx));
    if (firstRow > lastRow || firstCol >= endCol) return;
    // Wholly inside: every run goes as it is, no cutting.
    if (firstRow == 0 && lastRow == runs.height - 1 && firstCol == 0 && endCol == runs.width) {
        uint32_t* corner = frame.pixels.data() + (int64_t(sy) * FrameWidth + sx);
        for (const OpaqueRun& run : runs.runs)
            CopyRun(corner + (run.row * FrameWidth + run.first),
                    pixels.data() + (run.row * runs.width + run.first), run.length, frame.drawTint);
        return;
    }
    for (int64_t i = firstRow; i <= lastRow; ++i) {
        uint32_t* row = frame.pixels.data() + (sy + i) * FrameWidth;
        const int64_t rowStart = i * runs.width;
        for (uint32_t k = runs.rowStart[size_t(i)]; k < runs.rowStart[size_t(i) + 1]; ++k) {
            const OpaqueRun run = runs.runs[k];
            const int64_t from = std::max<int64_t>(run.first, firstCol);
            const int64_t to = std::min<int64_t>(int64_t(run.first) + run.length, endCol);
            if (from < to)
                CopyRun(row + (sx + from), pixels.data() + (rowStart + from), to - from,
                        frame.drawTint);
        }
    }
}
