// sprite_draw.h -- making one sprite draw in the frame: the pixel copies and where they land.
//
// Every copy writes only frame pixels with 0 < px < 800 and 0 < py < 500;
// white (TransparentKey) is never copied. A request larger than the bitmap
// treats the missing pixels as transparent.
#pragma once

#include <cstdint>
#include <span>

#include "render/draw_list.h"
#include "render/frame_buffer.h"
#include "render/tile_mask.h"

// The same three copies from any picture to frame position (sx, sy), camera
// already applied. `pixels` is read as a w x h request: pixel (row i,
// column j) is pixels[i * w + j], and an index past the end of `pixels` is
// transparent. Tools and tests use these with pictures of their own.
void BlitPixels(PixelTarget target, int32_t sx, int32_t sy, std::span<const uint32_t> pixels,
                int32_t w, int32_t h);
void BlitPixelsMirrored(PixelTarget target, int32_t sx, int32_t sy,
                        std::span<const uint32_t> pixels, int32_t w, int32_t h, int32_t step);
void BlitPixelsRotated(PixelTarget target, int32_t sx, int32_t sy, std::span<const uint32_t> pixels,
                       int32_t w, int32_t h, float angle, int32_t facing);

// The same into a frame, from outside the renderer.
inline void BlitPixels(FrameBuffer& frame, int32_t sx, int32_t sy, std::span<const uint32_t> pixels,
                       int32_t w, int32_t h) {
    BlitPixels(frame.EditTarget(), sx, sy, pixels, w, h);
}
inline void BlitPixelsMirrored(FrameBuffer& frame, int32_t sx, int32_t sy,
                               std::span<const uint32_t> pixels, int32_t w, int32_t h, int32_t step) {
    BlitPixelsMirrored(frame.EditTarget(), sx, sy, pixels, w, h, step);
}
inline void BlitPixelsRotated(FrameBuffer& frame, int32_t sx, int32_t sy,
                              std::span<const uint32_t> pixels, int32_t w, int32_t h, float angle,
                              int32_t facing) {
    BlitPixelsRotated(frame.EditTarget(), sx, sy, pixels, w, h, angle, facing);
}

// Makes a recorded draw (render/draw_list.h) with the same copy the calls
// above would have made.
void DrawSprite(PixelTarget target, const SpriteDraw& draw);
// The same, only its pixels inside `clip` (within 1..799 x 1..499). Only a
// plain draw can be cut; any other is made whole.
void DrawSpriteWithin(PixelTarget target, const SpriteDraw& draw, const PixelBox& clip);

// A box within 1..799 x 1..499 that holds every pixel the draw can write;
// false when it writes none.
bool SpriteDrawBounds(const SpriteDraw& draw, PixelBox& box);
// A box within 1..799 x 1..499 every pixel of which the draw writes; false
// when there is none.
bool SpriteDrawCover(const SpriteDraw& draw, PixelBox& box);
