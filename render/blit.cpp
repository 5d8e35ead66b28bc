// blit.cpp -- copies sprites into the frame buffer: plain, mirrored, rotated.
//
// Frame column 0 and row 0 never take a sprite pixel (the bounds are strict
// on the low side), white is the transparent key, and a sprite partly off
// the frame is cut pixel by pixel, never shifted.
#include "render/blit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "game/numeric.h"
#include "render/rotation_cache.h"
#include "render/sprite_runs.h"

// ---------------------------------------------------------------------------
// Frame-position copies
// ---------------------------------------------------------------------------
void BlitPixels(FrameBuffer& frame, int32_t sx, int32_t sy, std::span<const uint32_t> pixels,
                int32_t w, int32_t h) {
    const int64_t rows = RowsPresent(pixels.size(), w, h);
    // Exactly the rows and columns for which 0 < px < 800 and 0 < py < 500.
    const int64_t firstRow = std::max<int64_t>(0, 1 - int64_t(sy));
    const int64_t lastRow = std::min<int64_t>(rows - 1, FrameHeight - 1 - int64_t(sy));
    const int64_t firstCol = std::max<int64_t>(0, 1 - int64_t(sx));
    const int64_t lastCol = std::min<int64_t>(int64_t(w) - 1, FrameWidth - 1 - int64_t(sx));
    for (int64_t i = firstRow; i <= lastRow; ++i) {
        uint32_t* out = &frame.at(0, int32_t(sy + i));
        const int64_t rowStart = i * w;
        const int64_t rowLast = std::min<int64_t>(lastCol, int64_t(pixels.size()) - 1 - rowStart);
        for (int64_t j = firstCol; j <= rowLast; ++j) {
            const uint32_t v = pixels[size_t(rowStart + j)];
            if (v != TransparentKey) out[sx + j] = v;
        }
    }
}

void BlitPixelsMirrored(FrameBuffer& frame, int32_t sx, int32_t sy,
                        std::span<const uint32_t> pixels, int32_t w, int32_t h, int32_t step) {
    const int64_t rows = RowsPresent(pixels.size(), w, h);
    for (int64_t i = 0; i < rows; ++i) {
        const int64_t py = int64_t(sy) + i;
        if (py <= 0 || py >= FrameHeight) continue;
        const int64_t rowStart = i * w;
        const int64_t rowLength = std::min<int64_t>(w, int64_t(pixels.size()) - rowStart);
        int32_t px = sx;  // runs along the row by `step`
        for (int64_t j = 0; j < rowLength; ++j) {
            const uint32_t v = pixels[size_t(rowStart + j)];
            if (v != TransparentKey && InsideFrame(px, py)) frame.at(px, int32_t(py)) = v;
            px = AddWrap(px, step);
        }
    }
}

void BlitPixelsRotated(FrameBuffer& frame, int32_t sx, int32_t sy, std::span<const uint32_t> pixels,
                       int32_t w, int32_t h, float angle, int32_t facing) {
    PlacePolarSprite(frame, sx, sy, MakePolarSprite(pixels, w, h), angle, facing);
}

// ---------------------------------------------------------------------------
// Level-position blits of catalogue sprites
// ---------------------------------------------------------------------------
void BlitSprite(Canvas canvas, int32_t x, int32_t y, SpriteId id) {
    const SpriteInfo* info = FindSprite(id);
    if (!info) return;
    const int32_t sx = SubWrap(x, canvas.cameraLeft);
    const int32_t sy = SubWrap(y, canvas.cameraTop);
    // Most objects of a level are off the screen: reject them before
    // touching any pixel.
    if (int64_t(sx) + info->width <= 0 || int64_t(sy) + info->height <= 0 || sx >= FrameWidth ||
        sy >= FrameHeight)
        return;
    if (const SpriteRuns* runs = SpriteRunsOf(id)) {
        BlitRuns(canvas.frame, sx, sy, SpritePixels(id), *runs);
        return;
    }
    BlitPixels(canvas.frame, sx, sy, SpritePixels(id), info->width, info->height);
}

void BlitSpriteMirrored(Canvas canvas, int32_t x, int32_t y, SpriteId id, int32_t step) {
    const SpriteInfo* info = FindSprite(id);
    if (!info) return;
    BlitPixelsMirrored(canvas.frame, SubWrap(x, canvas.cameraLeft), SubWrap(y, canvas.cameraTop),
                       SpritePixels(id), info->width, info->height, step);
}

void BlitSpriteRotated(Canvas canvas, int32_t x, int32_t y, SpriteId id, float angle,
                       int32_t facing) {
    const SpriteInfo* info = FindSprite(id);
    if (!info) return;
    const int32_t sx = SubWrap(x, canvas.cameraLeft);
    const int32_t sy = SubWrap(y, canvas.cameraTop);
    if (SpritePolarForm(id)) {
        PlaceRotatedSprite(canvas.frame, sx, sy, id, angle, facing);
        return;
    }
    BlitPixelsRotated(canvas.frame, sx, sy, SpritePixels(id), info->width, info->height, angle,
                      facing);
}
