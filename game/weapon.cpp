// weapon.cpp -- the rifle's state machine, every transition of fireState in one place.
#include "game/weapon.h"

#include <cmath>

#include "game/bullets.h"
#include "game/rules.h"
#include "game/sound.h"
#include "game/world.h"
#include "render/blit.h"

namespace {

constexpr int32_t MagazineFall = 10;    // px per tick
constexpr int32_t MagazineStopY = 580;  // the falling magazine stops exactly here

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
    p.fireState = RifleReloadFirst;
    EjectMagazine(world);
}

// Firing alternates a shot with a pause. Returns true when rounds are
// left, which skips the empty check.
bool Fire(GameWorld& world, Host& host) {
    PlayerState& p = world.player;
    if (p.rounds != 0) {
        if (p.fireState == RifleShotDue) {
            --p.rounds;
            p.fireState = RifleBetweenShots;
            SpawnBullet(world);  // a full bullet table swallows the round
            p.fireSoundCountdown = 1;
        } else {
            p.fireState = RifleShotDue;
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
    p.fireState = p.fireState < RifleReloadLast ? static_cast<uint8_t>(p.fireState + 1)
                                                : uint8_t(RifleIdle);
}

}  // namespace

SpriteId RifleSprite(uint8_t fireState) {
    if (fireState >= RifleShotDue && fireState <= RifleReloadFirst) return SpriteRifleFlash;
    if (fireState >= RifleMagazineOutFirst && fireState <= RifleMagazineOutLast)
        return SpriteRifleEmpty;
    return SpriteRifle;
}

void PressFire(GameWorld& world, Host& host) {
    PlayerState& p = world.player;
    if (p.rounds == 0) {
        p.fireState = RifleReloadFirst;  // empty magazine: straight into a reload
        return;
    }
    p.fireState = RifleShotDue;
    if (world.soundOn != 0) {
        StartFiringLoop(world, host);
    }
    p.fireSoundCountdown = 1;
}

void ReleaseFire(GameWorld& world, Host& host) {
    world.player.fireState = RifleIdle;
    ScheduleFiringStop(world, host);  // even with the sound off
}

void ClearFireRequest(PlayerState& player) { player.fireState = RifleIdle; }

void RunWeapon(GameWorld& world, Host& host) {
    PlayerState& p = world.player;
    if (p.fireState == RifleIdle) {
        IdleWeapon(world, host);
    } else if (p.fireState >= RifleReloadFirst) {
        AdvanceReload(p);
    } else if (Fire(world, host)) {
        return;
    }
    // An empty rifle with no spare magazine rests here until the next level.
    if (p.rounds == 0 && p.spareMagazines == 0) {
        p.fireState = RifleEmptyRest;
    }
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
void UpdateFallingMagazine(GameWorld& world, DrawList& draws) {
    FallingMagazine& m = world.fallingMagazine;
    if (m.active == 0) {
        return;
    }
    m.y = AddWrap(m.y, MagazineFall);
    BlitSprite(WorldCanvas(world, draws), m.x, m.y, SpriteMagazine);
    if (m.y == MagazineStopY) {
        m.active = 0;
    }
}
