// blit.h -- the three sprite blitters: plain, mirrored and rotated.
//
// All take level coordinates, subtract the canvas's camera and record the
// draw in the canvas's list. Made, a draw writes only frame pixels with
// 0 < px < 800 and 0 < py < 500; white (TransparentKey) is never copied. A request larger than the bitmap treats the missing pixels
// as transparent.
#pragma once

#include <cstdint>

#include "render/canvas.h"
#include "render/sprite_draw.h"
#include "render/sprites.h"

// Catalogue sprites at their catalogue size; an id the catalogue does not
// know draws nothing.
void BlitSprite(Canvas canvas, int32_t x, int32_t y, SpriteId id);
void BlitSpriteMirrored(Canvas canvas, int32_t x, int32_t y, SpriteId id, int32_t step);
void BlitSpriteRotated(Canvas canvas, int32_t x, int32_t y, SpriteId id, float angle,
                       int32_t facing);
