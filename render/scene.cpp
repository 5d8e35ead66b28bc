// scene.cpp -- what stands for each level element, and the soldier's five pieces.
#include "render/scene.h"

#include "render/numeric.h"
#include "render/blit.h"
#include "render/sprites.h"

namespace {

bool DecorationSprite(uint8_t type, SpriteId& id) {
    switch (type) {
    case 1: id = SpriteFlower; return true;
    case 2: id = SpriteShrub; return true;
    case 3: id = SpriteConifer; return true;
    case 4: id = SpriteBulrush; return true;
    case 5: id = SpriteVine; return true;
    case 6: id = SpriteHangingVines; return true;
    case 7: id = SpriteTree; return true;
    default: return false;
    }
}

}  // namespace

void DrawDecoration(Canvas canvas, int32_t x, int32_t y, uint8_t type) {
    SpriteId id;
    if (DecorationSprite(type, id)) BlitSprite(canvas, x, y, id);
}

void DrawGoal(Canvas canvas, int32_t x, int32_t y) { BlitSprite(canvas, x, y, SpriteGoal); }

// (x, y) is the point between the feet. Each piece covers the ones before;
// facing -1 mirrors every piece about column x.
void DrawPlayer(Canvas canvas, int32_t x, int32_t y, float angle, uint8_t walkFrame, SpriteId rifle,
                int32_t facing) {
    const int32_t hip = SubWrap(y, 21);
    const int32_t shoulder = SubWrap(y, 38);
    const int32_t neck = SubWrap(y, 45);

    if (walkFrame != 0) {
        BlitSpriteMirrored(canvas, x, hip, SpriteLegsTogether, facing);
    } else {
        // The stride is wider and starts two pixels behind the soldier.
        BlitSpriteMirrored(canvas, SubWrap(x, MulWrap(2, facing)), hip, SpriteLegsStride, facing);
    }
    BlitSpriteMirrored(canvas, x, shoulder, SpriteTorso, facing);
    BlitSpriteRotated(canvas, x, shoulder, rifle, angle, facing);
    BlitSpriteMirrored(canvas, x, neck, SpriteHead, facing);
}
