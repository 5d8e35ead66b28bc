// blit.cpp -- the three sprite blitters: catalogue sprites at level positions.
#include "render/blit.h"

#include "render/numeric.h"
#include "render/sprite_draw.h"
#include "render/sprites.h"

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
    canvas.draws.Add({.kind = SpriteDraw::Kind::Plain, .sprite = id, .sx = sx, .sy = sy});
}

void BlitSpriteMirrored(Canvas canvas, int32_t x, int32_t y, SpriteId id, int32_t step) {
    canvas.draws.Add({.kind = SpriteDraw::Kind::Mirrored,
                      .sprite = id,
                      .sx = SubWrap(x, canvas.cameraLeft),
                      .sy = SubWrap(y, canvas.cameraTop),
                      .facing = step});
}

void BlitSpriteRotated(Canvas canvas, int32_t x, int32_t y, SpriteId id, float angle,
                       int32_t facing) {
    canvas.draws.Add({.kind = SpriteDraw::Kind::Rotated,
                      .sprite = id,
                      .sx = SubWrap(x, canvas.cameraLeft),
                      .sy = SubWrap(y, canvas.cameraTop),
                      .angle = angle,
                      .facing = facing});
}
