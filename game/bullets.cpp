// bullets.cpp -- rifle bullets: invisible hit points flying 30 px a tick.
#include "game/bullets.h"

#include <algorithm>
#include <cmath>

#include "game/rules.h"
#include "game/score.h"
#include "game/solid_boxes.h"
#include "game/world.h"

namespace {

constexpr int32_t MuzzleHeight = 35;  // px above the feet where a shot starts
constexpr double BulletSpeed = 30.0;  // px per tick

// The hit box follows the sprite as mirrored by its sense, not its rotation.
bool HitsMosquito(const Mosquito& m, int32_t x, int32_t y) {
    const int32_t w = MosquitoHitSize.width, h = MosquitoHitSize.height;
    if (m.dir == 1) return PointInRect(x, y, m.x, m.y, AddWrap(m.x, w), AddWrap(m.y, h));
    return PointInRect(x, y, SubWrap(m.x, w), m.y, m.x, AddWrap(m.y, h));
}

// A bullet kills every mosquito whose box holds its point, each for 500.
void StrikeMosquitoes(GameWorld& world, Bullet& b) {
    for (Mosquito& m : world.mosquitoes) {
        if (!m.alive || !HitsMosquito(m, b.x, b.y)) continue;
        b.active = 0;
        m.alive = 0;
        m.chasing = 0;
        AddScore(world, b.x, b.y, MosquitoKillPoints);
    }
}

// Every platform kind stops bullets in the same box at its top-left corner.
SolidBoxes BulletStops(const GameWorld& world) {
    const Box& box = BulletStopBox;
    SolidBoxes stops;
    for (const Platform& pl : world.platforms) {
        if (pl.type != PlatformNone)
            stops.Add(AddWrap(pl.x, box.left), AddWrap(pl.y, box.top), AddWrap(pl.x, box.right),
                      AddWrap(pl.y, box.bottom));
    }
    return stops;
}

void StrikePlatforms(const SolidBoxes& stops, Bullet& b) {
    if (stops.Holds(b.x, b.y)) b.active = 0;
}

bool InView(const GameWorld& world, int32_t x, int32_t y) {
    int32_t sx = SubWrap(x, world.cameraLeft);
    int32_t sy = SubWrap(y, world.cameraTop);
    return 0 <= sx && sx <= FrameWidth && 0 < sy && sy <= FrameHeight;
}

}  // namespace

void SpawnBullet(GameWorld& world) {
    const PlayerState& p = world.player;
    for (Bullet& b : world.bullets) {
        if (b.active) continue;
        b.x = p.x;
        b.y = SubWrap(p.y, MuzzleHeight);
        b.angle = p.aimAngle;
        b.facing = p.facing;
        b.active = 1;
        return;
    }
}

// A bullet stopped by one test still goes through the others this tick: a
// bullet can kill mosquitoes at the very point where it meets a platform.
// No bullet moves a platform, so their boxes are worked out once for all.
void UpdateBullets(GameWorld& world) {
    if (std::none_of(world.bullets.begin(), world.bullets.end(),
                     [](const Bullet& b) { return b.active != 0; }))
        return;  // nothing in flight: no boxes to work out
    const SolidBoxes stops = BulletStops(world);
    for (Bullet& b : world.bullets) {
        if (!b.active) continue;
        double angle = double(b.angle);
        b.x = AddWrap(b.x, TruncToInt(std::cos(angle) * double(b.facing) * BulletSpeed));
        b.y = AddWrap(b.y, TruncToInt(std::sin(angle) * -BulletSpeed));

        StrikeMosquitoes(world, b);
        StrikePlatforms(stops, b);
        if (!InView(world, b.x, b.y)) b.active = 0;
    }
}
