// level_still_test.cpp -- the editor's still picture is the frame a tick draws when nothing moves.
#include <gtest/gtest.h>

#include "game/level_still.h"
#include "game/tick.h"
#include "render/renderer.h"
#include "tests/support/game_fixtures.h"

TEST(LevelStill, MatchesTheTicksFrameOfALevelAtRest) {
    // A soldier standing on a ledge with the camera already on him, and
    // every element kind that stays put in one tick: nothing moves.
    GameWorld world = WorldWithSoldierAt(500, 410);
    world.player.facing = -1;
    world.player.rounds = 30;
    world.platforms[0] = {440, 400, PlatformLedge};
    world.platforms[1] = {700, 330, PlatformBlock};
    world.platforms[2] = {200, 390, PlatformRaptorOff};
    world.decorations[0] = {120, 300, 7};
    world.decorations[1] = {600, 370, 1};
    world.pickups[0] = {300, 380, 4};
    world.nests[0] = {820, 280, 1};
    world.goal = {900, 380};
    world.cameraLeft = 500 - FrameWidth / 2;
    world.cameraTop = 410 - (FrameHeight / 2 + 30);
    world.deathPlaneY = 10000;

    LevelStill still;
    const std::span<const uint32_t> drawn = still.Draw(world, world.cameraLeft, world.cameraTop);
    const std::vector<uint32_t> expected(drawn.begin(), drawn.end());
    ScriptedHost host;
    Renderer renderer;
    GameTick(world, host, renderer);
    ASSERT_EQ(world.cameraLeft, 100);
    EXPECT_TRUE(world.frameBuffer.Pixels() == expected);

    // Elsewhere the picture changes, and coming back gives the same frame.
    const std::span<const uint32_t> away = still.Draw(world, 3000, 0);
    EXPECT_FALSE(std::equal(away.begin(), away.end(), expected.begin()));
    const std::span<const uint32_t> back = still.Draw(world, 100, world.cameraTop);
    EXPECT_TRUE(std::equal(back.begin(), back.end(), expected.begin()));
}
