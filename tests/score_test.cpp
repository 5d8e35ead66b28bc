// Score and the floating score texts.
#include <gtest/gtest.h>

#include <climits>

#include "game/score.h"
#include "game/world.h"
#include "tools/common/recording_surface.h"

TEST(Score, AddsPointsAndTakesTheFirstFreeText) {
    GameWorld world;
    world.scorePopups[0].ttl = 3;  // busy
    AddScore(world, 120, -40, 250);
    AddScore(world, 5, 6, 57);
    EXPECT_EQ(world.score, 307);
    const ScorePopup& a = world.scorePopups[1];
    EXPECT_EQ(a.x, 120);
    EXPECT_EQ(a.y, -40);
    EXPECT_EQ(a.ttl, 10);
    EXPECT_EQ(a.value, 250);
    EXPECT_EQ(world.scorePopups[2].value, 57);
    EXPECT_EQ(world.scorePopups[0].ttl, 3);
}

TEST(Score, PointsCountWhenEveryTextIsBusy) {
    GameWorld world;
    for (ScorePopup& p : world.scorePopups) p = {1, 2, 4, 9};
    AddScore(world, 0, 0, 500);
    EXPECT_EQ(world.score, 500);
    for (const ScorePopup& p : world.scorePopups) {
        EXPECT_EQ(p.value, 9);
        EXPECT_EQ(p.ttl, 4);
    }
    // An absurd total wraps rather than overflowing.
    world.score = INT32_MAX;
    AddScore(world, 0, 0, 1);
    EXPECT_EQ(world.score, INT32_MIN);
}

TEST(ScorePopups, DrawnTenTicksRisingAndFollowingTheCamera) {
    GameWorld world;
    RecordingSurface surface;
    world.cameraLeft = 1000;
    world.cameraTop = -200;
    AddScore(world, 1300, 100, 500);

    for (int tick = 0; tick < 12; ++tick) {
        surface.ClearCalls();
        if (tick == 5) world.cameraLeft = 1100;  // the camera moved
        DrawScorePopups(world, surface);
        AgeScorePopups(world);
        if (tick >= 10) {
            EXPECT_TRUE(surface.calls.empty()) << tick;
            continue;
        }
        ASSERT_EQ(surface.calls.size(), 1u) << tick;
        const SurfaceCall& c = surface.calls[0];
        EXPECT_EQ(c.kind, SurfaceCall::Text);
        EXPECT_EQ(c.text, "500");
        EXPECT_EQ(c.x, 1300 - world.cameraLeft + 2);
        EXPECT_EQ(c.y, 300 - 10 * tick) << tick;
        EXPECT_EQ(c.style.colour, 0x0000C8u);
        EXPECT_FALSE(c.style.opaqueBackground);
        EXPECT_TRUE(c.style.clip);
        EXPECT_EQ(c.style.clipLeft, 0);
        EXPECT_EQ(c.style.clipTop, 0);
        EXPECT_EQ(c.style.clipRight, 800);
        EXPECT_EQ(c.style.clipBottom, 500);
    }
    EXPECT_EQ(world.scorePopups[0].ttl, 0);
    EXPECT_EQ(world.scorePopups[0].y, 0);
}
