// player.cpp -- the soldier: platform contact, walking, aiming, jumping, the rifle.
//
// Collision is a handful of probe points against axis-aligned boxes. The
// platform pass only raises contact flags; the player step reacts to them
// (stop falling, stop rising, step back 10 px) and clears them again.
#include "game/player.h"

#include <cmath>

#include "game/bullets.h"
#include "game/pickups.h"
#include "game/sound.h"
#include "game/world.h"
#include "render/blit.h"
#include "render/scene.h"

namespace {

constexpr int32_t WalkStep = 10;        // px per tick
constexpr int32_t PushBack = 10;        // px, away from a wall
constexpr int32_t JumpRise = 20;        // px per rising tick
constexpr int32_t Gravity = 10;         // px per tick
constexpr double AimStep = 0.1;         // rad per tick
constexpr float AimLowest = -1.2566371f;  // about -0.4 pi
constexpr float AimHighest = 1.5707964f;  // about pi / 2
constexpr uint8_t MagazineRounds = 30;
constexpr uint8_t LastReloadState = 15;
constexpr uint8_t EmptyRestState = 6;
constexpr int32_t MagazineFall = 10;    // px per tick
constexpr int32_t MagazineStopY = 580;  // the falling magazine stops exactly here

// Probe offsets from the soldier's soles.
constexpr int32_t HeadHeight = 50;
constexpr int32_t WallReach = 20;       // px ahead in the facing direction
constexpr int32_t LowWallRise = 1;

// An inclusive box relative to a platform's top-left corner.
struct Box {
    int32_t left, top, right, bottom;
};

// How one kind of platform touches the soldier.
struct ContactShape {
    Box feet;               // soles inside -> standing
    Box head;               // head inside -> the jump ends
    Box wall;               // a wall probe inside -> pushed back
    int32_t highWallRise;   // height of the upper wall probe above the soles
};

// Ledges offer the same band to every probe; blocks are solid from the top.
constexpr ContactShape LedgeContact = {
    {0, 10, 120, 30}, {0, 10, 120, 30}, {0, 10, 120, 30}, 21};
constexpr ContactShape BlockContact = {
    {0, 0, 100, 100}, {0, -1, 100, 101}, {0, 10, 100, 100}, 30};

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

// The magazine ran dry: ask for the loop to stop, swap in a spare if there
// is one, and start the reload with the old magazine dropping away.
void Reload(GameWorld& world, Host& host) {
    PlayerState& p = world.player;
    if (world.soundOn != 0) {
        ScheduleFiringStop(world, host);
    }
    if (p.spareMagazines != 0) {
        --p.spareMagazines;
        p.rounds = MagazineRounds;
    }
    p.fireState = 3;
    EjectMagazine(world);
}

// Firing alternates a shot (state 1) with a pause (state 2). Returns true
// when rounds are left, which skips the empty check.
bool Fire(GameWorld& world, Host& host) {
    PlayerState& p = world.player;
    if (p.rounds != 0) {
        if (p.fireState == 1) {
            --p.rounds;
            p.fireState = 2;
            SpawnBullet(world);  // a full bullet table swallows the round
            p.fireSoundCountdown = 1;
        } else {
            p.fireState = 1;
        }
    }
    if (p.rounds != 0) {
        return true;
    }
    Reload(world, host);
    return false;
}

void IdleWeapon(GameWorld& world, Host& host) {
    PlayerState& p = world.player;
    if (p.fireSoundCountdown == 1 && world.soundOn != 0) {
        IdleStopFiringSound(world, host);
    }
    --p.fireSoundCountdown;  // wraps, so the idle stop repeats every 256 ticks
}

void AdvanceReload(PlayerState& p) {
    p.fireState = p.fireState < LastReloadState ? static_cast<uint8_t>(p.fireState + 1) : 0;
}

void RunWeapon(GameWorld& world, Host& host) {
    PlayerState& p = world.player;
    if (p.fireState == 0) {
        IdleWeapon(world, host);
    } else if (p.fireState >= 3) {
        AdvanceReload(p);
    } else if (Fire(world, host)) {
        return;
    }
    // An empty rifle with no spare magazine rests here until the next level.
    if (p.rounds == 0 && p.spareMagazines == 0) {
        p.fireState = EmptyRestState;
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

void UpdatePlatforms(GameWorld& world, Host& host) {
    world.raptorOnScreen = 0;
    for (int slot = 0; slot < MaxPlatforms; ++slot) {
        const Platform& platform = world.platforms[size_t(slot)];
        switch (platform.type) {
        case PlatformLedge:
            TestContacts(world.player, platform, LedgeContact);
            BlitSprite(WorldCanvas(world), platform.x, platform.y, SpriteLedge);
            break;
        case PlatformBlock:
            TestContacts(world.player, platform, BlockContact);
            BlitSprite(WorldCanvas(world), platform.x, platform.y, SpriteBlock);
            break;
        case PlatformRaptorOff:
        case PlatformRaptorOn:
            UpdateRaptorItem(world, host, slot);
            break;
        default:
            break;
        }
    }
}

void UpdatePlayer(GameWorld& world, Host& host) {
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
    DrawPlayer(WorldCanvas(world), p.x, p.y, p.aimAngle, p.walkFrame, p.fireState, p.facing);
}

// The magazine leaves 20 px along the rifle and 45 px above the soles. The
// facing multiplies both terms, so facing left a raised rifle drops it lower.
void EjectMagazine(GameWorld& world) {
    const PlayerState& p = world.player;
    const double angle = p.aimAngle;
    const double facing = p.facing;
    FallingMagazine& m = world.fallingMagazine;
    m.x = SubWrap(p.x, TruncToInt(std::cos(angle) * facing * -20.0));
    m.y = SubWrap(SubWrap(p.y, TruncToInt(std::sin(angle) * facing * 20.0)), 45);
    m.active = 1;
}

// The stop is an equality: a magazine off the 10 px grid falls forever,
// out of sight, until the next one replaces it.
void UpdateFallingMagazine(GameWorld& world) {
    FallingMagazine& m = world.fallingMagazine;
    if (m.active == 0) {
        return;
    }
    m.y = AddWrap(m.y, MagazineFall);
    BlitSprite(WorldCanvas(world), m.x, m.y, SpriteMagazine);
    if (m.y == MagazineStopY) {
        m.active = 0;
    }
}

void ResetInput(GameWorld& world) {
    PlayerState& p = world.player;
    p.moveDir = 0;
    p.fireState = 0;
    p.aimDir = 0;
}
