// player.cpp -- the soldier: platform contact, walking, aiming, jumping, the rifle.
//
// Collision is a handful of probe points against axis-aligned boxes. The
// platform pass only raises contact flags; the player step reacts to them
// (stop falling, stop rising, step back 10 px) and clears them again.
#include "game/player.h"

#include "game/raptor.h"
#include "game/rules.h"
#include "game/weapon.h"
#include "game/world.h"
#include "render/blit.h"
#include "render/scene.h"

namespace {

constexpr double AimStep = 0.1;           // rad per tick
constexpr float AimLowest = -1.2566371f;  // about -0.4 pi
constexpr float AimHighest = 1.5707964f;  // about pi / 2

bool ProbeInBox(int32_t px, int32_t py, const Platform& platform, const Box& box) {
    return PointInRect(px, py, AddWrap(platform.x, box.left), AddWrap(platform.y, box.top),
                       AddWrap(platform.x, box.right), AddWrap(platform.y, box.bottom));
}

void TestContacts(PlayerState& p, const Platform& platform, const ContactShape& shape) {
    const int32_t wallX = AddWrap(p.x, MulWrap(WallReach, p.facing));
    if (ProbeInBox(p.x, p.y, platform, shape.feet)) {
        p.onGround = 1;
    }
    if (ProbeInBox(p.x, SubWrap(p.y, HeadHeight), platform, shape.head)) {
        p.headBump = 1;
    }
    if (ProbeInBox(wallX, SubWrap(p.y, LowWallRise), platform, shape.wall) ||
        ProbeInBox(wallX, SubWrap(p.y, shape.highWallRise), platform, shape.wall)) {
        p.blocked = 1;
    }
}

// --- the steps of UpdatePlayer ------------------------------------------

void MoveHorizontally(PlayerState& p) {
    if (p.blocked != 0) {
        p.x = SubWrap(p.x, MulWrap(PushBack, p.facing));  // whatever the keys say
    } else {
        p.x = AddWrap(p.x, MulWrap(WalkStep, p.moveDir));
    }
}

// Legs alternate every tick a move key is held, even against a wall.
void AnimateWalk(PlayerState& p) {
    const unsigned stride = p.moveDir % 2 != 0 ? 1u : 0u;  // |moveDir| mod 2
    p.walkFrame = static_cast<uint8_t>((p.walkFrame + stride) % 2u);
}

// The limits are tested before the step, so the angle passes each of them by
// less than one step; reaching a limit drops the held aim request.
void Aim(PlayerState& p) {
    if (!(p.aimAngle >= AimLowest) && p.aimDir == -1) {
        p.aimDir = 0;
    }
    if (p.aimAngle > AimHighest && p.aimDir == 1) {
        p.aimDir = 0;
    }
    p.aimAngle = static_cast<float>(static_cast<double>(p.aimAngle) + p.aimDir * AimStep);
}

// A jump starts only from a platform; once started it rises until its ticks
// run out or the head hits something (the bumping tick still rises).
void Jump(PlayerState& p) {
    if (p.jumpTicksLeft == 0) {
        return;
    }
    if (p.jumpTicksLeft == JumpLength && p.onGround == 0) {
        p.jumpTicksLeft = 0;  // pressed in mid-air: dropped
        return;
    }
    p.y = SubWrap(p.y, JumpRise);
    --p.jumpTicksLeft;
    if (p.headBump != 0) {
        p.jumpTicksLeft = 0;
    }
}

// Only a fall is tested against the death plane: standing is always safe.
void Fall(GameWorld& world) {
    PlayerState& p = world.player;
    if (p.onGround != 0) {
        return;
    }
    p.y = AddWrap(p.y, Gravity);
    if (p.y > world.deathPlaneY) {
        world.deathCode = DeathFell;
    }
}

// The soles appear at frame position (400, 280).
void FollowWithCamera(GameWorld& world) {
    world.cameraLeft = SubWrap(world.player.x, FrameWidth / 2);
    world.cameraTop = SubWrap(world.player.y, FrameHeight / 2 + 30);
}

}  // namespace

void DrawPlatform(Canvas canvas, const Platform& platform) {
    switch (platform.type) {
    case PlatformLedge: BlitSprite(canvas, platform.x, platform.y, SpriteLedge); break;
    case PlatformBlock: BlitSprite(canvas, platform.x, platform.y, SpriteBlock); break;
    case PlatformRaptorOff: BlitSprite(canvas, platform.x, platform.y, SpriteRaptorOff); break;
    case PlatformRaptorOn: BlitSprite(canvas, platform.x, platform.y, SpriteRaptorOn); break;
    default: break;
    }
}

void DrawSoldier(Canvas canvas, const PlayerState& p) {
    DrawPlayer(canvas, p.x, p.y, p.aimAngle, p.walkFrame, RifleSprite(p.fireState), p.facing);
}

void UpdatePlatforms(GameWorld& world, Host& host, DrawList& draws) {
    world.raptorOnScreen = 0;
    for (int slot = 0; slot < MaxPlatforms; ++slot) {
        const Platform& platform = world.platforms[size_t(slot)];
        switch (platform.type) {
        case PlatformLedge:
            TestContacts(world.player, platform, LedgeContact);
            DrawPlatform(WorldCanvas(world, draws), platform);
            break;
        case PlatformBlock:
            TestContacts(world.player, platform, BlockContact);
            DrawPlatform(WorldCanvas(world, draws), platform);
            break;
        case PlatformRaptorOff:
        case PlatformRaptorOn: UpdateRaptorItem(world, host, slot, draws); break;
        default: break;
        }
    }
}

void UpdatePlayer(GameWorld& world, Host& host, DrawList& draws) {
    PlayerState& p = world.player;
    MoveHorizontally(p);
    AnimateWalk(p);
    Aim(p);
    if (p.damageTint != 0) {
        --p.damageTint;
    }
    Jump(p);
    RunWeapon(world, host);
    Fall(world);
    if (p.invulnerableTicks != 0) {
        --p.invulnerableTicks;
    }
    FollowWithCamera(world);
    p.onGround = 0;
    p.blocked = 0;
    p.headBump = 0;
    DrawSoldier(WorldCanvas(world, draws), p);
}
