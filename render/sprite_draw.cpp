// sprite_draw.cpp -- copies sprites into the frame buffer: plain, mirrored, rotated.
//
// Frame column 0 and row 0 never take a sprite pixel (the bounds are strict
// on the low side), white is the transparent key, and a sprite partly off
// the frame is cut pixel by pixel, never shifted.
#include "render/sprite_draw.h"

#include <algorithm>

#include "render/numeric.h"
#include "render/rotation_cache.h"
#include "render/sprite_runs.h"
#include "render/sprites.h"

// ---------------------------------------------------------------------------
// Frame-position copies
// ---------------------------------------------------------------------------
void BlitPixels(PixelTarget target, int32_t sx, int32_t sy, std::span<const uint32_t> pixels,
                int32_t w, int32_t h) {
    const int64_t rows = RowsPresent(pixels.size(), w, h);
    // Exactly the rows and columns for which 0 < px < 800 and 0 < py < 500.
    const int64_t firstRow = std::max<int64_t>(0, 1 - int64_t(sy));
    const int64_t lastRow = std::min<int64_t>(rows - 1, FrameHeight - 1 - int64_t(sy));
    const int64_t firstCol = std::max<int64_t>(0, 1 - int64_t(sx));
    const int64_t lastCol = std::min<int64_t>(int64_t(w) - 1, FrameWidth - 1 - int64_t(sx));
    for (int64_t i = firstRow; i <= lastRow; ++i) {
        uint32_t* out = &target.at(0, int32_t(sy + i));
        const int64_t rowStart = i * w;
        const int64_t rowLast = std::min<int64_t>(lastCol, int64_t(pixels.size()) - 1 - rowStart);
        for (int64_t j = firstCol; j <= rowLast; ++j) {
            const uint32_t v = pixels[size_t(rowStart + j)];
            if (v != TransparentKey) out[sx + j] = v | target.tint;
        }
    }
}

void BlitPixelsMirrored(PixelTarget target, int32_t sx, int32_t sy,
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
                target.at(px, int32_t(py)) = v | target.tint;
            px = AddWrap(px, step);
        }
    }
}

void BlitPixelsRotated(PixelTarget target, int32_t sx, int32_t sy, std::span<const uint32_t> pixels,
                       int32_t w, int32_t h, float angle, int32_t facing) {
    PlacePolarSprite(target, sx, sy, MakePolarSprite(pixels, w, h), angle, facing);
}

// ---------------------------------------------------------------------------
// Catalogue sprites at frame positions
// ---------------------------------------------------------------------------
void DrawSprite(PixelTarget target, const SpriteDraw& draw) {
    const SpriteInfo* info = FindSprite(draw.sprite);
    if (!info) return;
    switch (draw.kind) {
    case SpriteDraw::Kind::Plain:
        if (const SpriteRuns* runs = SpriteRunsOf(draw.sprite)) {
            BlitRuns(target, draw.sx, draw.sy, SpritePixels(draw.sprite), *runs);
            return;
        }
        BlitPixels(target, draw.sx, draw.sy, SpritePixels(draw.sprite), info->width, info->height);
        return;
    case SpriteDraw::Kind::Mirrored:
        BlitPixelsMirrored(target, draw.sx, draw.sy, SpritePixels(draw.sprite), info->width,
                           info->height, draw.facing);
        return;
    case SpriteDraw::Kind::Rotated:
        if (SpritePolarForm(draw.sprite)) {
            PlaceRotatedSprite(target, draw.sx, draw.sy, draw.sprite, draw.angle, draw.facing);
            return;
        }
        BlitPixelsRotated(target, draw.sx, draw.sy, SpritePixels(draw.sprite), info->width,
                          info->height, draw.angle, draw.facing);
        return;
    }
}

void DrawSpriteWithin(PixelTarget target, const SpriteDraw& draw, const PixelBox& clip) {
    const SpriteRuns* runs = draw.kind == SpriteDraw::Kind::Plain && FindSprite(draw.sprite)
                                 ? SpriteRunsOf(draw.sprite)
                                 : nullptr;
    if (runs == nullptr) {
        DrawSprite(target, draw);
        return;
    }
    BlitRunsWithin(target, draw.sx, draw.sy, SpritePixels(draw.sprite), *runs, clip);
}

// Columns left..right-1 x rows top..bottom-1 at frame position (sx, sy),
// cut to the pixels a blitter may write; false when nothing is left.
static bool CutToFrame(int64_t left, int64_t top, int64_t right, int64_t bottom, PixelBox& box) {
    left = std::max<int64_t>(left, 1);
    top = std::max<int64_t>(top, 1);
    right = std::min<int64_t>(right, FrameWidth);
    bottom = std::min<int64_t>(bottom, FrameHeight);
    if (left >= right || top >= bottom) return false;
    box = {int32_t(left), int32_t(top), int32_t(right), int32_t(bottom)};
    return true;
}

bool SpriteDrawBounds(const SpriteDraw& draw, PixelBox& box) {
    const SpriteInfo* info = FindSprite(draw.sprite);
    if (!info) return false;
    const int64_t sx = draw.sx, sy = draw.sy;
    switch (draw.kind) {
    case SpriteDraw::Kind::Plain:
        return CutToFrame(sx, sy, sx + info->width, sy + info->height, box);
    case SpriteDraw::Kind::Mirrored:
        // A step of one either way walks the row's columns; beyond the
        // frame a wrapped column stays far outside it. Any other step may
        // land anywhere along the row.
        if (draw.facing == 1) return CutToFrame(sx, sy, sx + info->width, sy + info->height, box);
        if (draw.facing == -1)
            return CutToFrame(sx - info->width + 1, sy, sx + 1, sy + info->height, box);
        return CutToFrame(1, sy, FrameWidth, sy + info->height, box);
    case SpriteDraw::Kind::Rotated:
        // No pixel lands farther than the sprite's reach from the pivot, for
        // the mirror factors the game uses; within that the cache knows
        // exactly where this angle puts them.
        if (const PolarSprite* polar = SpritePolarForm(draw.sprite);
            polar && (draw.facing == 1 || draw.facing == -1)) {
            if (!CutToFrame(sx - polar->reach, sy - polar->reach, sx + polar->reach + 1,
                            sy + polar->reach + 1, box))
                return false;
            PixelBox offsets;
            if (!RotatedSpriteExtent(draw.sprite, draw.angle, draw.facing, offsets)) return true;
            return CutToFrame(sx + offsets.left, sy + offsets.top, sx + offsets.right,
                              sy + offsets.bottom, box);
        }
        return CutToFrame(1, 1, FrameWidth, FrameHeight, box);
    }
    return false;
}

bool SpriteDrawCover(const SpriteDraw& draw, PixelBox& box) {
    if (draw.kind != SpriteDraw::Kind::Plain || !FindSprite(draw.sprite)) return false;
    const SpriteRuns* runs = SpriteRunsOf(draw.sprite);
    if (runs == nullptr) return false;
    const PixelBox& o = runs->opaque;
    const int64_t sx = draw.sx, sy = draw.sy;
    return CutToFrame(sx + o.left, sy + o.top, sx + o.right, sy + o.bottom, box);
}

