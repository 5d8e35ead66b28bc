// A hostile level at the edges of the 32-bit coordinate space: everything
// wraps like the machine does, and nothing reaches undefined behaviour (the
// sanitizer build turns any into a failure).
#include <gtest/gtest.h>

#include <climits>

#include "game/bullets.h"
#include "game/mosquitoes.h"
#include "game/pickups.h"
#include "game/raptor.h"
#include "game/score.h"
#include "game/world.h"
#include "tools/common/scripted_host.h"
#include "tests/support/drawn_steps.h"

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
        world.mosquitoes[size_t(i)] = {
            x, y, 1, i % 4 ? INT32_MIN : INT32_MAX, float(i) * 0.1f, uint8_t(i % 2)};
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
        AgeScorePopups(world);
        ++world.tickCounter;
    }
    UpdateRaptorItem(world, host, -1);
    UpdateRaptorItem(world, host, MaxPlatforms);
    EXPECT_LE(world.player.health, 100);
}

// A straight path that crosses the 32-bit wrap is judged like the same path
// anywhere else: the last sample short of the seam still reaches a target
// just across it.
TEST(SwarmHostile, PathTestIsTheSameAcrossTheWrap) {
    GameWorld world;
    const int32_t offsets[][2] = {{196, 0}, {-196, 0}, {0, 196}, {0, -196}, {150, 120}, {200, 0}};
    for (const auto& o : offsets) {
        bool plain = IsPathClear(world, 0, 0, o[0], o[1]);
        // Start so that the seam falls between the last two pixels of the path.
        int32_t ax = o[0] > 0 ? INT32_MAX - o[0] + 2 : o[0] < 0 ? INT32_MIN - o[0] - 2 : 0;
        int32_t ay = o[1] > 0 ? INT32_MAX - o[1] + 2 : o[1] < 0 ? INT32_MIN - o[1] - 2 : 0;
        EXPECT_EQ(IsPathClear(world, ax, ay, AddWrap(ax, o[0]), AddWrap(ay, o[1])), plain)
            << o[0] << "," << o[1];
    }
    EXPECT_TRUE(IsPathClear(world, 0, 0, 196, 0));
    EXPECT_FALSE(IsPathClear(world, 0, 0, 200, 0));
}
