// Mosquito flight: staggered re-plans, coasting, the chase ray, detours and
// the straight path test.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "game/mosquitoes.h"
#include "game/world.h"
#include "tests/support/game_fixtures.h"
#include "tests/support/drawn_steps.h"

namespace {

const float HalfPi = float(std::acos(0.0));  // a level heading as a float holds it

Mosquito MosquitoAt(int32_t x, int32_t y, float heading, int32_t dir, uint8_t chasing) {
    return Mosquito{x, y, 1, dir, heading, chasing};
}

// One tick as the game runs it: the update sees the counter before it moves on.
void Tick(GameWorld& world) {
    UpdateMosquitoes(world);
    ++world.tickCounter;
}

}  // namespace

TEST(MosquitoReplan, StaggeredBySlotAndShiftedAtTheCounterWrap) {
    GameWorld world = WorldWithSoldierAt(0, 0);
    const int slots[] = {0, 5, 6, 9, 15};
    for (int s : slots) world.mosquitoes[size_t(s)] = MosquitoAt(-3000, -100 * s, 0.0f, 1, 0);
    world.tickCounter = 240;
    std::vector<int> replans[20];
    for (int tick = 0; tick < 40; ++tick) {
        // A sentinel heading and no chase: only a re-plan can change either.
        for (int s : slots) {
            world.mosquitoes[size_t(s)].heading = 42.0f;
            world.mosquitoes[size_t(s)].chasing = 0;
        }
        Tick(world);
        for (int s : slots)
            if (world.mosquitoes[size_t(s)].heading != 42.0f) replans[s].push_back(tick);
    }
    EXPECT_EQ(replans[0], (std::vector<int>{0, 10, 16, 26, 36}));  // 6 ticks across the wrap
    EXPECT_EQ(replans[5], (std::vector<int>{5, 15, 21, 31}));
    EXPECT_EQ(replans[15], replans[5]);
    EXPECT_EQ(replans[6], (std::vector<int>{6, 22, 32}));  // 16 ticks across the wrap
    EXPECT_EQ(replans[9], (std::vector<int>{9, 25, 35}));
}

TEST(MosquitoReplan, WithinElevenPixelsItNeitherTurnsNorMovesButCoastsOn) {
    GameWorld world = WorldWithSoldierAt(500, 400);           // aims at (500, 370)
    world.mosquitoes[0] = MosquitoAt(507, 363, 1.0f, 1, 1);   // 9.9 px away
    world.mosquitoes[10] = MosquitoAt(511, 370, 2.0f, 1, 0);  // exactly 11 px
    world.mosquitoes[20] = MosquitoAt(512, 370, 2.0f, 1, 0);  // 12 px: re-plans
    Tick(world);
    const Mosquito& near = world.mosquitoes[0];
    EXPECT_EQ(near.x, 507);
    EXPECT_EQ(near.y, 363);
    EXPECT_EQ(near.heading, 1.0f);
    EXPECT_EQ(near.chasing, 1);
    EXPECT_EQ(world.mosquitoes[10].heading, 2.0f);
    EXPECT_EQ(world.mosquitoes[10].x, 511);
    // A level heading in a float steps 4 px, not 5.
    EXPECT_EQ(world.mosquitoes[20].heading, HalfPi);
    EXPECT_EQ(world.mosquitoes[20].dir, -1);
    EXPECT_EQ(world.mosquitoes[20].x, 508);
    EXPECT_EQ(world.player.health, 70);  // all three still bite

    Tick(world);  // not a re-plan tick: the chaser coasts past the soldier
    EXPECT_EQ(near.x, 507 + 4);
    EXPECT_EQ(near.y, 363 + 2);
}

TEST(MosquitoCoast, StopsAtAPlatformAndHangsThereUntilItsReplan) {
    GameWorld world = WorldWithSoldierAt(500, 400);
    world.platforms[0] = {1950, 100, PlatformLedge};
    world.mosquitoes[1] = MosquitoAt(2000, 92, 0.0f, 1, 1);  // straight down
    world.tickCounter = 2;
    Tick(world);
    EXPECT_EQ(world.mosquitoes[1].y, 97);
    for (int i = 0; i < 8; ++i) Tick(world);  // counter 3..10, no re-plan of slot 1
    EXPECT_EQ(world.mosquitoes[1].y, 97);
    EXPECT_EQ(world.mosquitoes[1].x, 2000);
    EXPECT_EQ(world.mosquitoes[1].heading, 0.0f);
    EXPECT_EQ(world.mosquitoes[1].chasing, 1);
}

TEST(MosquitoReplan, BlockedWithoutAChaseItOnlyTurnsWithAChaseItDetours) {
    for (uint8_t chasing : {uint8_t(0), uint8_t(1)}) {
        GameWorld world = WorldWithSoldierAt(500, 400);
        world.platforms[7] = {450, 100, PlatformLedge};  // across the line of flight
        world.mosquitoes[0] = MosquitoAt(480, 0, 2.0f, -1, chasing);
        Tick(world);
        const Mosquito& m = world.mosquitoes[0];
        if (chasing == 0) {
            for (int i = 0; i < 9; ++i) Tick(world);
            EXPECT_EQ(m.dir, 1);  // turned to face the soldier
            EXPECT_EQ(m.heading, float(std::acos(370 / std::sqrt(137300.0))));
            EXPECT_EQ(m.chasing, 0);
            EXPECT_EQ(m.x, 480);
            EXPECT_EQ(m.y, 0);
        } else {
            // Round the ledge's left end: detour (445, 104), d = 109.
            EXPECT_EQ(m.dir, -1);
            EXPECT_EQ(m.heading, float(std::acos(104 / 109.0)));
            EXPECT_EQ(m.chasing, 1);
            EXPECT_EQ(m.x, 479);
            EXPECT_EQ(m.y, 4);
        }
    }
}

TEST(MosquitoReplan, VerticalDetourLeavesTheSenseForTheFacingFix) {
    GameWorld world = WorldWithSoldierAt(1000, 400);
    world.platforms[3] = {950, 100, PlatformLedge};
    world.mosquitoes[0] = MosquitoAt(1000, 0, 0.0f, 1, 1);

    GameWorld probe = world;
    EXPECT_TRUE(SteerChase(probe, 0));
    EXPECT_EQ(probe.mosquitoes[0].dir, 0);  // detour (1000, 90) straight below
    EXPECT_EQ(probe.mosquitoes[0].heading, 0.0f);

    Tick(world);
    EXPECT_EQ(world.mosquitoes[0].y, 5);
    EXPECT_EQ(world.mosquitoes[0].dir, -1);  // soldier not strictly to the right
}

TEST(MosquitoReplan, InvulnerabilityFreezesEveryMosquito) {
    GameWorld world = WorldWithSoldierAt(500, 400);
    world.player.invulnerableTicks = 20;
    world.mosquitoes[0] = MosquitoAt(800, 100, 1.0f, 1, 1);  // re-plan tick
    world.mosquitoes[1] = MosquitoAt(300, 100, 1.0f, 1, 1);  // coasting
    world.mosquitoes[2] = MosquitoAt(500, 370, 1.0f, 1, 1);  // in bite range
    for (int i = 0; i < 3; ++i) Tick(world);
    EXPECT_EQ(world.mosquitoes[0].x, 800);
    EXPECT_EQ(world.mosquitoes[0].heading, 1.0f);
    EXPECT_EQ(world.mosquitoes[1].x, 300);
    EXPECT_EQ(world.mosquitoes[1].y, 100);
    EXPECT_EQ(world.player.health, 100);
    EXPECT_EQ(world.player.damageTint, 0);
}

TEST(MosquitoGeometry, StepsBoxesAndSolidity) {
    GameWorld world = WorldWithSoldierAt(100, 200);
    world.mosquitoes[4] = MosquitoAt(10, 20, HalfPi, -1, 0);
    EXPECT_EQ(NextMosquitoX(world, 4), 6);
    EXPECT_EQ(NextMosquitoY(world, 4), 20);
    world.mosquitoes[4].heading = 0.0f;
    EXPECT_EQ(NextMosquitoX(world, 4), 10);
    EXPECT_EQ(NextMosquitoY(world, 4), 25);

    EXPECT_TRUE(IsInBiteRange(world, 60, 156));
    EXPECT_TRUE(IsInBiteRange(world, 140, 201));
    EXPECT_FALSE(IsInBiteRange(world, 141, 180));
    EXPECT_FALSE(IsInBiteRange(world, 100, 202));
    EXPECT_FALSE(IsInBiteRange(world, 100, 155));

    world.platforms[0] = {0, 0, PlatformLedge};
    world.platforms[199] = {1000, 0, PlatformBlock};
    world.platforms[5] = {2000, 0, PlatformRaptorOff};
    world.platforms[6] = {3000, 0, PlatformRaptorOn};
    EXPECT_TRUE(HitsSolidPlatform(world, 120, 30));
    EXPECT_FALSE(HitsSolidPlatform(world, 121, 30));
    EXPECT_FALSE(HitsSolidPlatform(world, 60, 31));
    EXPECT_TRUE(HitsSolidPlatform(world, 1100, 100));
    EXPECT_FALSE(HitsSolidPlatform(world, 1100, 101));
    EXPECT_FALSE(HitsSolidPlatform(world, 2010, 10));
    EXPECT_FALSE(HitsSolidPlatform(world, 3010, 10));
}

TEST(MosquitoChase, RayReachSoldierBoxAndNearDetours) {
    // A platform at the end of the 800 px ray blocks; one past it does not.
    GameWorld world = WorldWithSoldierAt(5000, 5000);
    world.mosquitoes[0] = MosquitoAt(0, 0, 0.0f, 1, 0);
    world.platforms[0] = {-50, 795, PlatformLedge};
    EXPECT_FALSE(SteerChase(world, 0));
    world.platforms[0].y = 800;
    EXPECT_TRUE(SteerChase(world, 0));

    // The soldier's box in front of a platform wins; behind it, it does not.
    world.platforms[0].y = 400;
    world.player = {};
    world.player.x = 0;
    world.player.y = 300;
    EXPECT_TRUE(SteerChase(world, 0));
    world.player.y = 600;
    EXPECT_FALSE(SteerChase(world, 0));

    // A detour within 11 px is refused, and nothing is re-aimed.
    world.platforms[0] = {-50, 5, PlatformLedge};
    world.mosquitoes[0].chasing = 1;
    EXPECT_FALSE(SteerChase(world, 0));
    EXPECT_EQ(world.mosquitoes[0].heading, 0.0f);
    EXPECT_EQ(world.mosquitoes[0].dir, 1);
}

TEST(MosquitoChase, DetourCandidatesInOrderWithTruncatedPaths) {
    GameWorld world = WorldWithSoldierAt(5000, 5000);
    auto detour = [&](int32_t mx, int32_t my, int32_t bx, int32_t by, bool expectFound) {
        world.mosquitoes[2] = MosquitoAt(mx, my, 0.0f, 1, 1);
        EXPECT_EQ(FindDetour(world, bx, by, 2), expectFound);
        return std::pair<int32_t, int32_t>{bx, by};
    };
    // Left before right before up; the sideways points 100 px below fail
    // the path test because its length is truncated.
    EXPECT_EQ(detour(0, 0, 100, 0, true), (std::pair<int32_t, int32_t>{90, 0}));
    EXPECT_EQ(detour(0, 0, 0, 100, true), (std::pair<int32_t, int32_t>{0, 90}));
    world.platforms[0] = {-30, -15, PlatformLedge};  // covers (90, 0)
    EXPECT_EQ(detour(100, 40, 100, 0, true), (std::pair<int32_t, int32_t>{110, 0}));
    // From inside a block no path is clear: nothing found, nothing changed.
    world.platforms[0] = {0, 0, PlatformBlock};
    EXPECT_EQ(detour(50, 50, 50, 50, false), (std::pair<int32_t, int32_t>{50, 50}));
}

TEST(MosquitoChase, StraightPathReachAndObstacles) {
    GameWorld world = WorldWithSoldierAt(5000, 5000);
    EXPECT_TRUE(IsPathClear(world, 7, 7, 7, 7));
    EXPECT_TRUE(IsPathClear(world, 0, 0, 0, 198));
    EXPECT_FALSE(IsPathClear(world, 0, 0, 0, 199));
    EXPECT_TRUE(IsPathClear(world, 0, 0, 100, 100));
    EXPECT_FALSE(IsPathClear(world, 0, 0, -10, 100));
    world.platforms[9] = {-60, 150, PlatformLedge};
    EXPECT_FALSE(IsPathClear(world, 0, 0, 0, 198));
    EXPECT_TRUE(IsPathClear(world, 0, 0, 0, 140));
    EXPECT_FALSE(IsPathClear(world, 0, 160, 0, 160));  // starting inside
}
