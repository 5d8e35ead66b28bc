// scene.cpp -- what stands for each level element, and the soldier's five pieces.
#include "render/scene.h"

#include "game/weapon.h"
#include "game/world.h"
#include "render/blit.h"
#include "render/sprites.h"

namespace {

// Plain blit at the sprite's own catalogue size.
void BlitWhole(GameWorld& world, int32_t x, int32_t y, SpriteId id) {
    const SpriteInfo* info = FindSprite(id);
    if (info) BlitSprite(world, x, y, id, info->width, info->height);
}

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

// The rifle shows what the weapon is doing: the flash while firing, the
// empty well while the magazine is out, the full rifle otherwise.
SpriteId RifleSprite(uint8_t fireState) {
    switch (RifleLookFor(fireState)) {
    case RifleLook::Flash: return SpriteRifleFlash;
    case RifleLook::MagazineOut: return SpriteRifleEmpty;
    case RifleLook::Loaded: break;
    }
    return SpriteRifle;
}

}  // namespace

void DrawDecorations(GameWorld& world) {
    for (const Decoration& d : world.decorations) {
        SpriteId id;
        if (DecorationSprite(d.type, id)) BlitWhole(world, d.x, d.y, id);
    }
}

void DrawGoal(GameWorld& world) {
    BlitWhole(world, world.goal.x, world.goal.y, SpriteGoal);
}

// Ledges and blocks only: the repellent devices share the table but are
// drawn by their own rules, which decide between the lit and unlit picture.
void DrawPlatform(GameWorld& world, int slot) {
    if (slot < 0 || slot >= MaxPlatforms) return;
    const Platform& p = world.platforms[size_t(slot)];
    if (p.type == PlatformLedge) BlitWhole(world, p.x, p.y, SpriteLedge);
    else if (p.type == PlatformBlock) BlitWhole(world, p.x, p.y, SpriteBlock);
}

// (x, y) is the point between the feet. Each piece covers the ones before;
// facing -1 mirrors every piece about column x.
void DrawPlayer(GameWorld& world, int32_t x, int32_t y, float angle, uint8_t walkFrame,
                uint8_t fireState, int32_t facing) {
    const int32_t hip = SubWrap(y, 21);
    const int32_t shoulder = SubWrap(y, 38);
    const int32_t neck = SubWrap(y, 45);

    if (walkFrame != 0) {
        BlitSpriteMirrored(world, x, hip, SpriteLegsTogether, 9, 21, facing);
    } else {
        // The stride is wider and starts two pixels behind the soldier.
        BlitSpriteMirrored(world, SubWrap(x, MulWrap(2, facing)), hip, SpriteLegsStride, 18, 21,
                           facing);
    }
    // One row more than the bitmap holds; the missing row stays transparent.
    BlitSpriteMirrored(world, x, shoulder, SpriteTorso, 9, 17, facing);

    const SpriteId rifle = RifleSprite(fireState);
    const int32_t rifleWidth = rifle == SpriteRifleFlash ? 38 : 35;
    BlitSpriteRotated(world, x, shoulder, rifle, rifleWidth, 13, angle, facing);

    BlitSpriteMirrored(world, x, neck, SpriteHead, 9, 7, facing);
}
