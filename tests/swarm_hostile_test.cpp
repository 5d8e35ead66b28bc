// A hostile level at the edges of the 32-bit coordinate space: everything
// wraps like the machine does, and nothing reaches undefined behaviour (the
// sanitizer build turns any into a failure).
#include <gtest/gtest.h>

#include <climits>

#include "game/bullets.h"
#include "game/mosquitoes.h"
#include "game/pickups.h"
#include "game/score.h"
#include "game/world.h"
#include "tools/common/scripted_host.h"

TEST(SwarmHostile, ExtremeCoordinatesWrap) {
    GameWorld world;
    ScriptedHost host;
    world.player.x = INT32_MIN;
    world.player.y = INT32_MAX;
    world.player.health = 100;
    world.player.facing = INT32_MIN;
    world.player.aimAngle = 1.0f;
    world.cameraLeft = INT32_MAX - 805;
    world.cameraTop = INT32_MIN + 30;
    world.nests[0] = {INT32_MAX - 10, INT32_MIN + 40, 100};
    world.nests[1] = {INT32_MIN, INT32_MAX, 255};
    for (int i = 0; i < 90; ++i) {
        int32_t x = i % 2 ? INT32_MAX - i : INT32_MIN + i;
        int32_t y = i % 3 ? INT32_MIN + i : INT32_MAX - i;
        world.mosquitoes[size_t(i)] = {x, y, 1, i % 4 ? INT32_MIN : INT32_MAX, float(i) * 0.1f, uint8_t(i % 2)};
        world.platforms[size_t(i)] = {INT32_MAX - i, INT32_MIN + 2 * i, uint8_t(1 + i % 4)};
        world.pickups[size_t(i)] = {INT32_MAX - i, INT32_MAX - 2 * i, uint8_t(1 + i % 6)};
        world.bullets[size_t(i)] = {x, y, float(i), 1, i % 2 ? INT32_MAX : INT32_MIN};
    }
    world.score = INT32_MAX - 100;

    UpdateNests(world);
    // Released 25 px right of a corner 10 px short of the largest x.
    EXPECT_EQ(world.mosquitoes[90].x, INT32_MIN + 14);
    EXPECT_EQ(world.mosquitoes[90].y, INT32_MIN + 15);

    for (int tick = 0; tick < 20; ++tick) {
        UpdateMosquitoes(world);
        for (int slot = 0; slot < MaxPlatforms; ++slot) UpdateRaptorItem(world, host, slot);
        UpdateNests(world);
        UpdatePickups(world, host);
        UpdateBullets(world);
        SpawnBullet(world);
        DrawScorePopups(world, host.Surface());
        ++world.tickCounter;
    }
    UpdateRaptorItem(world, host, -1);
    UpdateRaptorItem(world, host, MaxPlatforms);
    EXPECT_LE(world.player.health, 100);
}
