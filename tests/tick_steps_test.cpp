// The order of the world step, seen from outside: each scenario here comes
// out differently if two steps of the tick trade places.
#include <gtest/gtest.h>

#include <memory>

#include "render/renderer.h"
#include "game/progression.h"
#include "game/tick.h"
#include "game/world.h"
#include "game/keys.h"
#include "render/sprites.h"
#include "tests/support/expected_texts.h"
#include "tests/support/level_builder.h"
#include "tools/common/scripted_host.h"

namespace {

constexpr uint8_t PickupRepellentKind = 5;
constexpr uint8_t DecorationConifer = 3;

// Level 1: a floor of blocks at y = 500 from x = 0 to 800, the soldier on
// it at x = 100 facing right; the pit is 100 px under the floor.
LevelSketch Floor() {
    LevelSketch level;
    level.startX = 100;
    level.startY = 500;
    for (int32_t x = 0; x < 800; x += 100)
        level.platforms.push_back(Platform{x, 500, PlatformBlock});
    level.goal = Goal{50000, 50000};
    return level;
}

class TickStepsTest : public ::testing::Test {
protected:
    // Writes the level as level 1 and starts a game on it.
    void Start(const LevelSketch& level) {
        DataFileSketch sketch;
        for (LevelSketch& l : sketch.levels) l = level;
        sketch.bestScore = 1000000;
        data = std::make_unique<TempDataFile>(sketch);
        host.dataFilePath = data->Path();
        RequestNewGame(world);
        RunTimerTick(world, host, renderer);
        ASSERT_EQ(world.gameRunning, 1);
        host.messages.clear();
    }

    std::unique_ptr<TempDataFile> data;
    GameWorld world;
    ScriptedHost host;
    Renderer renderer;
};

// The nest stings before the pickups are taken: the repellent picked up in
// the same tick comes too late for this sting.
TEST_F(TickStepsTest, ANestStingsBeforeTheRepellentOfTheSameTickProtects) {
    LevelSketch level = Floor();
    level.nests.push_back(Nest{80, 460, 1});                        // feet at (100, 500) inside
    level.pickups.push_back(Pickup{90, 480, PickupRepellentKind});  // and touching the bottle
    Start(level);

    RunTimerTick(world, host, renderer);
    EXPECT_EQ(world.player.health, 80);
    EXPECT_EQ(world.player.damageTint, 19);          // 20 from the sting, 1 faded this tick
    EXPECT_EQ(world.player.invulnerableTicks, 254);  // 255 from the bottle, 1 spent
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, ExpectedText("RepellentAdvertText"));

    RunTimerTick(world, host, renderer);  // protected now: the nest does nothing
    EXPECT_EQ(world.player.health, 80);
}

// Bullets move before the soldier fires: the one fired in this tick is
// still at the muzzle when the tick ends.
TEST_F(TickStepsTest, ABulletFiredThisTickIsStillAtTheMuzzle) {
    Start(Floor());
    DispatchKeyDown(world, host, world.keyBindings.fire);
    RunTimerTick(world, host, renderer);
    ASSERT_EQ(world.bullets[0].active, 1);
    EXPECT_EQ(world.bullets[0].x, 100);
    EXPECT_EQ(world.bullets[0].y, 500 - 35);
    EXPECT_EQ(world.bullets[1].active, 0);

    RunTimerTick(world, host, renderer);  // the pause between two rounds: it flies on
    EXPECT_EQ(world.bullets[0].x, 130);
    EXPECT_EQ(world.bullets[0].y, 465);
}

// The exit stands in front of the scenery: where the two overlap, the
// frame shows the exit's own pixels.
TEST_F(TickStepsTest, TheGoalIsDrawnOverADecoration) {
    LevelSketch level = Floor();
    level.goal = Goal{300, 400};  // out of the soldier's reach
    level.decorations.push_back(Decoration{300, 400, DecorationConifer});
    Start(level);
    RunTimerTick(world, host, renderer);  // the camera settles on the soldier
    RunTimerTick(world, host, renderer);

    const std::span<const uint32_t> goal = SpritePixels(SpriteGoal);
    const std::span<const uint32_t> conifer = SpritePixels(SpriteConifer);
    const SpriteInfo* goalInfo = FindSprite(SpriteGoal);
    const SpriteInfo* coniferInfo = FindSprite(SpriteConifer);
    ASSERT_NE(goalInfo, nullptr);
    ASSERT_NE(coniferInfo, nullptr);
    int compared = 0;
    for (int32_t row = 0; row < goalInfo->height; ++row) {
        for (int32_t col = 0; col < goalInfo->width; ++col) {
            const uint32_t g = goal[size_t(row * goalInfo->width + col)];
            const uint32_t c = conifer[size_t(row * coniferInfo->width + col)];
            if (g == TransparentKey || c == TransparentKey || g == c) continue;
            const int32_t px = 300 + col - world.cameraLeft;
            const int32_t py = 400 + row - world.cameraTop;
            ASSERT_EQ(world.frameBuffer.at(px, py), g) << "row " << row << " column " << col;
            ++compared;
        }
    }
    EXPECT_GT(compared, 100);
}

// The rise comes before gravity and the pit test: a soldier 5 px above the
// death plane in the middle of a jump climbs on, and dies only when he has
// fallen past the plane.
TEST_F(TickStepsTest, FallingPastTheDeathPlaneInTheMiddleOfAJump) {
    Start(Floor());
    ASSERT_EQ(world.deathPlaneY, 600);
    world.player.x = 2000;  // nothing under him
    world.player.y = 595;
    world.player.jumpTicksLeft = 5;

    int deathTick = 0;
    for (int tick = 1; tick <= 12 && deathTick == 0; ++tick) {
        if (tick == 11) {
            host.Answer(ScriptedAnswer::Ok);
            host.Answer(ScriptedAnswer::No);
        }
        RunTimerTick(world, host, renderer);
        if (world.gameRunning == 0) deathTick = tick;
        if (tick == 5) {
            EXPECT_EQ(world.player.y, 545);  // the top of the jump
        }
    }
    // 5 ticks of 20 up and 10 down, then 10 down a tick until past 600.
    EXPECT_EQ(deathTick, 11);
    EXPECT_EQ(world.player.y, 605);
    ASSERT_FALSE(host.messages.empty());
    EXPECT_EQ(host.messages[0].caption, ExpectedText("GameTitle"));
    EXPECT_EQ(host.messages[0].text, ExpectedText("DeathFellText"));
}

}  // namespace
