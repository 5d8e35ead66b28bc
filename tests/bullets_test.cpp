// Bullets: the shot, the flight step, mosquito and platform hits, the view.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "game/bullets.h"
#include "game/world.h"

namespace {

// A world whose camera is far from the origin, so every test of the view
// box really subtracts it.
GameWorld WorldWithCamera() {
    GameWorld world;
    world.cameraLeft = 1000;
    world.cameraTop = 2000;
    return world;
}

// A level bullet flying right whose point after its next step is (x, y).
Bullet BulletArrivingAt(int32_t x, int32_t y) { return Bullet{x - 30, y, 0.0f, 1, 1}; }

// A bullet's fields in order, to compare whole bullets.
auto Fields(const Bullet& b) { return std::tuple(b.x, b.y, b.angle, b.active, b.facing); }

bool SurvivesAt(GameWorld world, int32_t x, int32_t y) {
    world.bullets[0] = BulletArrivingAt(x, y);
    UpdateBullets(world);
    return world.bullets[0].active != 0;
}

}  // namespace

TEST(BulletSpawn, FirstFreeSlotFromTheMuzzleAndFullTableDropsTheShot) {
    GameWorld world;
    world.player = {};
    world.player.x = 70;
    world.player.y = 400;
    world.player.aimAngle = 0.3f;
    world.player.facing = -1;
    world.bullets[0].active = 1;
    SpawnBullet(world);
    EXPECT_EQ(Fields(world.bullets[1]), Fields(Bullet{70, 365, 0.3f, 1, -1}));

    for (Bullet& slot : world.bullets) slot = {1, 2, 0.0f, 1, 1};
    SpawnBullet(world);
    for (const Bullet& slot : world.bullets) EXPECT_EQ(slot.x, 1);
}

TEST(BulletFlight, StepTruncatesTowardZeroAndFollowsFacing) {
    GameWorld world = WorldWithCamera();
    // cos 0.5 * 30 = 26.3, sin 0.5 * -30 = -14.4
    world.bullets[0] = {1400, 2300, 0.5f, 1, -1};
    world.bullets[1] = {1400, 2300, 0.5f, 1, 1};
    world.bullets[2] = {1400, 2300, -0.5f, 1, 1};
    UpdateBullets(world);
    EXPECT_EQ(world.bullets[0].x, 1374);
    EXPECT_EQ(world.bullets[0].y, 2286);
    EXPECT_EQ(world.bullets[1].x, 1426);
    EXPECT_EQ(world.bullets[2].y, 2314);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(world.bullets[i].active, 1);
}

TEST(BulletHits, OnePointKillsEveryMosquitoWhoseBoxHoldsIt) {
    GameWorld world = WorldWithCamera();
    world.mosquitoes[3] = {1500, 2200, 1, 1, 0.0f, 1};   // box right of pivot
    world.mosquitoes[8] = {1540, 2190, 1, -1, 2.0f, 1};  // box left of pivot
    world.mosquitoes[9] = {1000, 2000, 1, 1, 0.0f, 1};   // elsewhere, chasing
    world.bullets[0] = BulletArrivingAt(1520, 2210);
    UpdateBullets(world);
    EXPECT_EQ(world.bullets[0].active, 0);
    // The two hit are dead and chase no more; the third lives on, chasing.
    for (const auto& [slot, lives] : {std::pair{3, 0}, std::pair{8, 0}, std::pair{9, 1}}) {
        EXPECT_EQ(world.mosquitoes[slot].alive, lives) << slot;
        EXPECT_EQ(world.mosquitoes[slot].chasing, lives) << slot;
    }
    EXPECT_EQ(world.score, 1000);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(world.scorePopups[i].x, 1520);
        EXPECT_EQ(world.scorePopups[i].y, 2210);
        EXPECT_EQ(world.scorePopups[i].value, 500);
    }
}

TEST(BulletHits, BoxSideFollowsTheMosquitosSense) {
    struct Case {
        int32_t dir, bx, by;
        bool hit;
    };
    // Mosquito pivot at (1500, 2200).
    const Case cases[] = {
        {1, 1550, 2225, true},   {1, 1500, 2200, true},   {1, 1551, 2210, false},
        {1, 1499, 2210, false},  {1, 1520, 2226, false},  {-1, 1450, 2225, true},
        {-1, 1449, 2210, false}, {-1, 1501, 2210, false}, {0, 1460, 2210, true},
        {0, 1520, 2210, false},
    };
    for (const Case& c : cases) {
        GameWorld world = WorldWithCamera();
        world.mosquitoes[0] = {1500, 2200, 1, c.dir, 0.7f, 0};
        world.bullets[0] = BulletArrivingAt(c.bx, c.by);
        UpdateBullets(world);
        EXPECT_EQ(world.mosquitoes[0].alive == 0, c.hit) << c.dir << " " << c.bx << "," << c.by;
        EXPECT_EQ(world.score, c.hit ? 500 : 0);
    }
}

TEST(BulletHits, EveryPlatformKindStopsInTheSameTopBand) {
    struct Case {
        uint8_t type;
        int32_t bx, by;
        bool stopped;
    };
    // Platform corner at (1300, 2100).
    const Case cases[] = {
        {PlatformBlock, 1350, 2130, true},    {PlatformBlock, 1350, 2131, false},  // lower 70 rows
        {PlatformBlock, 1420, 2115, true},    {PlatformBlock, 1421, 2115, false},  // 20 px past
        {PlatformLedge, 1300, 2100, true},    {PlatformRaptorOff, 1310, 2110, true},
        {PlatformRaptorOn, 1310, 2110, true}, {7, 1310, 2110, true},
        {PlatformNone, 1310, 2110, false},    {PlatformLedge, 1299, 2110, false},
    };
    for (const Case& c : cases) {
        GameWorld world = WorldWithCamera();
        world.platforms[150] = {1300, 2100, c.type};
        EXPECT_NE(SurvivesAt(world, c.bx, c.by), c.stopped)
            << int(c.type) << " " << c.bx << "," << c.by;
    }
}

TEST(BulletView, LeftAndRightEdgesBelongTheTopDoesNot) {
    struct Case {
        int32_t x, y;
        bool survives;
    };
    // The camera's box is x 1000..1800, y 2001..2500.
    const Case cases[] = {
        {999, 2250, false},  {1000, 2250, true}, {1800, 2250, true}, {1801, 2250, false},
        {1400, 2000, false}, {1400, 2001, true}, {1400, 2500, true}, {1400, 2501, false},
    };
    const GameWorld world = WorldWithCamera();
    for (const Case& c : cases)
        EXPECT_EQ(SurvivesAt(world, c.x, c.y), c.survives) << c.x << "," << c.y;
}

TEST(BulletFlight, SpawnedShotIsTestedOneStepOnAndFliesUntilItLeaves) {
    GameWorld world = WorldWithCamera();
    world.player.x = 1400;
    world.player.y = 2300;
    world.player.facing = 1;
    world.player.aimAngle = 0.0f;
    SpawnBullet(world);
    // Right on the muzzle, but the first tested point is 30 px on.
    world.mosquitoes[0] = {1400, 2265, 1, -1, 0.0f, 0};
    UpdateBullets(world);
    EXPECT_EQ(world.mosquitoes[0].alive, 1);
    EXPECT_EQ(world.bullets[0].x, 1430);
    int ticks = 1;
    while (world.bullets[0].active && ticks < 100) {
        UpdateBullets(world);
        ++ticks;
    }
    EXPECT_EQ(ticks, 14);  // 1400 + 14 * 30 = 1820 is past the right edge
}
