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
#include "render/frame.h"
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
            if (v != TransparentKey) out[sx + j] = v | frame.drawTint;
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
            if (v != TransparentKey && InsideFrame(px, py))
                frame.at(px, int32_t(py)) = v | frame.drawTint;
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
void DrawHeld(FrameBuffer& frame, const HeldDraw& draw) {
    const SpriteInfo* info = FindSprite(draw.sprite);
    if (!info) return;
    switch (draw.kind) {
    case HeldDraw::Kind::Plain:
        if (const SpriteRuns* runs = SpriteRunsOf(draw.sprite)) {
            BlitRuns(frame, draw.sx, draw.sy, SpritePixels(draw.sprite), *runs);
            return;
        }
        BlitPixels(frame, draw.sx, draw.sy, SpritePixels(draw.sprite), info->width, info->height);
        return;
    case HeldDraw::Kind::Mirrored:
        BlitPixelsMirrored(frame, draw.sx, draw.sy, SpritePixels(draw.sprite), info->width,
                           info->height, draw.facing);
        return;
    case HeldDraw::Kind::Rotated:
        if (SpritePolarForm(draw.sprite)) {
            PlaceRotatedSprite(frame, draw.sx, draw.sy, draw.sprite, draw.angle, draw.facing);
            return;
        }
        BlitPixelsRotated(frame, draw.sx, draw.sy, SpritePixels(draw.sprite), info->width,
                          info->height, draw.angle, draw.facing);
        return;
    }
}

// Each draw is made now, or held while the frame waits for its background.
static void Draw(FrameBuffer& frame, const HeldDraw& draw) {
    if (!HoldDraw(frame, draw)) DrawHeld(frame, draw);
}

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
    Draw(canvas.frame, {.kind = HeldDraw::Kind::Plain, .sprite = id, .sx = sx, .sy = sy});
}

void BlitSpriteMirrored(Canvas canvas, int32_t x, int32_t y, SpriteId id, int32_t step) {
    Draw(canvas.frame, {.kind = HeldDraw::Kind::Mirrored,
                        .sprite = id,
                        .sx = SubWrap(x, canvas.cameraLeft),
                        .sy = SubWrap(y, canvas.cameraTop),
                        .facing = step});
}

void BlitSpriteRotated(Canvas canvas, int32_t x, int32_t y, SpriteId id, float angle,
                       int32_t facing) {
    Draw(canvas.frame, {.kind = HeldDraw::Kind::Rotated,
                        .sprite = id,
                        .sx = SubWrap(x, canvas.cameraLeft),
                        .sy = SubWrap(y, canvas.cameraTop),
                        .angle = angle,
                        .facing = facing});
}
