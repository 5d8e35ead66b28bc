// blit.h -- the three sprite blitters: plain, mirrored and rotated.
//
// All take level coordinates, subtract the camera and write only frame
// pixels with 0 < px < 800 and 0 < py < 500; white (TransparentKey) is
// never copied. A request larger than the bitmap treats the missing pixels
// as transparent.
#pragma once

#include <cstdint>

#include "render/sprites.h"

struct GameWorld;

void BlitSprite(GameWorld& world, int32_t x, int32_t y, SpriteId id, int32_t w, int32_t h);
void BlitSpriteMirrored(GameWorld& world, int32_t x, int32_t y, SpriteId id, int32_t w,
                        int32_t h, int32_t step);
void BlitSpriteRotated(GameWorld& world, int32_t x, int32_t y, SpriteId id, int32_t w,
                       int32_t h, float angle, int32_t facing);
