// Mosquito bites, the repellent kill, the sprite drawn, and the nests.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "game/mosquitoes.h"
#include "game/world.h"
#include "render/sprites.h"
#include "tests/support/game_fixtures.h"
#include "tests/support/drawn_steps.h"

namespace {

const float HalfPi = float(std::acos(0.0));
constexpr uint32_t Sentinel = 0x00123456;

// A mosquito hanging at the aim point: it neither turns nor moves, it bites.
void PutBiterAt(GameWorld& world, int slot) {
    world.mosquitoes[size_t(slot)] = {world.player.x, world.player.y - 30, 1, 1, 0.0f, 0};
}

// Counts the opaque pixels of `id` that did not land where an unrotated
// sprite with its pivot at frame (sx, sy) and the given sense puts them.
int MisplacedPixels(const GameWorld& world, int32_t sx, int32_t sy, SpriteId id, int32_t facing) {
    const SpriteInfo* info = FindSprite(id);
    std::span<const uint32_t> pixels = SpritePixels(id);
    EXPECT_NE(info, nullptr);
    if (!info || pixels.size() < size_t(info->width * info->height)) return -1;
    int checked = 0, wrong = 0;
    for (int i = 0; i < info->height; ++i) {
        for (int j = 0; j < info->width; ++j) {
            uint32_t v = pixels[size_t(i * info->width + j)];
            int32_t px = sx + j * facing, py = sy + i;
            if ((i == 0 && j == 0) || v == TransparentKey || px <= 0 || px >= 800 || py <= 0 ||
                py >= 500)
                continue;
            ++checked;
            if (world.frameBuffer.at(px, py) != v) ++wrong;
        }
    }
    EXPECT_GT(checked, 20);
    return wrong;
}

}  // namespace

TEST(MosquitoBite, EveryMosquitoInRangeBitesAndHealthStopsAtZero) {
    GameWorld world = WorldWithSoldierAt(500, 400);
    for (int s : {0, 11, 42}) PutBiterAt(world, s);
    world.mosquitoes[51] = {541, 370, 1, 1, 0.0f, 0};  // just out of range, hanging
    UpdateMosquitoes(world);
    EXPECT_EQ(world.player.health, 70);
    EXPECT_EQ(world.player.damageTint, 30);
    EXPECT_EQ(world.deathCode, DeathNone);

    world.player.health = 15;
    UpdateMosquitoes(world);
    EXPECT_EQ(world.player.health, 0);
    EXPECT_EQ(world.deathCode, DeathBitten);
}

TEST(MosquitoBite, TintRisesByTenAndSaturates) {
    GameWorld world = WorldWithSoldierAt(500, 400);
    PutBiterAt(world, 3);
    world.player.damageTint = 240;
    const uint8_t expected[] = {250, 255, 255};
    for (uint8_t tint : expected) {
        UpdateMosquitoes(world);
        EXPECT_EQ(world.player.damageTint, tint);
    }
}

TEST(MosquitoRaptor, KillsStrictlyOnScreenForFiveHundredAndDrawsOnceMore) {
    GameWorld world = WorldWithSoldierAt(1300, 2240);  // aims at (1300, 2210)
    world.cameraLeft = 1000;
    world.cameraTop = 2000;
    world.raptorOnScreen = 1;
    world.player.invulnerableTicks = 9;                   // frozen, yet still killed
    world.tickCounter = 7;                                // none of slots 0..3 re-plans
    world.mosquitoes[0] = {1300, 2200, 1, 1, HalfPi, 0};  // frame (300, 200)
    world.mosquitoes[1] = {1000, 2250, 1, 1, HalfPi, 0};  // left edge: spared
    world.mosquitoes[2] = {1799, 2499, 1, 1, HalfPi, 0};
    world.mosquitoes[3] = {1800, 2250, 1, 1, HalfPi, 0};  // right edge: spared
    std::ranges::fill(world.frameBuffer.EditPixels(), Sentinel);
    UpdateMosquitoes(world);

    EXPECT_EQ(world.mosquitoes[0].alive, 0);
    EXPECT_NE(world.mosquitoes[1].alive, 0);
    EXPECT_EQ(world.mosquitoes[2].alive, 0);
    EXPECT_NE(world.mosquitoes[3].alive, 0);
    EXPECT_EQ(world.score, 1000);
    EXPECT_EQ(world.scorePopups[0].x, 1300);
    EXPECT_EQ(world.scorePopups[0].y, 2200);
    EXPECT_EQ(world.scorePopups[1].x, 1799);
    EXPECT_EQ(world.scorePopups[1].value, 500);
    EXPECT_EQ(world.scorePopups[2].ttl, 0);
    EXPECT_EQ(MisplacedPixels(world, 300, 200, SpriteMosquitoB, 1), 0);

    // Dead mosquitoes are neither killed again nor drawn.
    std::ranges::fill(world.frameBuffer.EditPixels(), Sentinel);
    UpdateMosquitoes(world);
    EXPECT_EQ(world.score, 1000);
    EXPECT_EQ(world.frameBuffer.at(320, 210), Sentinel);
}

TEST(MosquitoRaptor, TheVictimStillBitesInItsLastTick) {
    GameWorld world = WorldWithSoldierAt(400, 300);
    world.raptorOnScreen = 1;
    PutBiterAt(world, 0);
    UpdateMosquitoes(world);
    EXPECT_EQ(world.mosquitoes[0].alive, 0);
    EXPECT_EQ(world.player.health, 90);
    EXPECT_EQ(world.score, 500);
}

TEST(MosquitoDraw, WingFrameByTickAndMirroredBySense) {
    struct Case {
        uint8_t tick;
        int32_t dir;
        SpriteId sprite;
        int32_t facing;
    };
    // Soldier far to the left: an undecided sense turns left before drawing.
    const Case cases[] = {{4, 1, SpriteMosquitoA, 1},
                          {5, 1, SpriteMosquitoB, 1},
                          {4, -1, SpriteMosquitoA, -1},
                          {5, 0, SpriteMosquitoB, -1}};
    for (const Case& c : cases) {
        GameWorld world = WorldWithSoldierAt(-5000, 0);
        world.cameraLeft = -100;
        world.tickCounter = c.tick;
        world.mosquitoes[0] = {300, 250, 1, c.dir, HalfPi, 0};
        std::ranges::fill(world.frameBuffer.EditPixels(), Sentinel);
        UpdateMosquitoes(world);
        EXPECT_EQ(world.mosquitoes[0].dir, c.facing);
        EXPECT_EQ(MisplacedPixels(world, 400, 250, c.sprite, c.facing), 0)
            << int(c.tick) << " " << c.dir;
    }
}

TEST(Nest, ContactHurtsTintsAndKills) {
    GameWorld world = WorldWithSoldierAt(150, 250);  // feet on the nest's far corner
    world.nests[0] = {100, 200, 5};
    world.player.damageTint = 230;
    UpdateNests(world);
    EXPECT_EQ(world.player.health, 80);
    EXPECT_EQ(world.player.damageTint, 250);
    UpdateNests(world);
    EXPECT_EQ(world.player.damageTint, 250);  // at 245 or more: unchanged

    world.player.damageTint = 240;
    world.player.health = 20;
    UpdateNests(world);
    EXPECT_EQ(world.player.damageTint, 255);
    EXPECT_EQ(world.player.health, 0);
    EXPECT_EQ(world.deathCode, DeathAtNest);

    GameWorld safe = WorldWithSoldierAt(151, 250);  // one pixel outside
    safe.nests[0] = {100, 200, 5};
    UpdateNests(safe);
    GameWorld shielded = WorldWithSoldierAt(120, 220);
    shielded.nests[0] = {100, 200, 5};
    shielded.player.invulnerableTicks = 1;
    UpdateNests(shielded);
    EXPECT_EQ(safe.player.health, 100);
    EXPECT_EQ(shielded.player.health, 100);
}

// The ceiling lies between 244 and 245, for a sting and for a bite alike.
TEST(Nest, TintCeilingLiesBetween244And245) {
    struct Case {
        uint8_t before, afterSting, afterBite;
    };
    for (const Case c : {Case{244, 255, 254}, Case{245, 245, 255}}) {
        GameWorld stung = WorldWithSoldierAt(120, 220);
        stung.nests[0] = {100, 200, 5};
        stung.player.damageTint = c.before;
        UpdateNests(stung);
        EXPECT_EQ(stung.player.damageTint, c.afterSting) << int(c.before);

        GameWorld bitten = WorldWithSoldierAt(500, 400);
        PutBiterAt(bitten, 3);
        bitten.player.damageTint = c.before;
        UpdateMosquitoes(bitten);
        EXPECT_EQ(bitten.player.damageTint, c.afterBite) << int(c.before);
    }
}

TEST(Nest, DeathAtTheNestOutranksTheBiteInTheSameTick) {
    GameWorld world = WorldWithSoldierAt(120, 220);
    world.nests[3] = {100, 200, 5};
    world.player.health = 10;
    PutBiterAt(world, 0);
    UpdateMosquitoes(world);
    EXPECT_EQ(world.deathCode, DeathBitten);
    UpdateNests(world);
    EXPECT_EQ(world.deathCode, DeathAtNest);
}

TEST(Nest, ReleasesEveryHundredTicksOnlyInViewAndWithoutARaptor) {
    struct Case {
        int32_t x, y;
        uint8_t timer, raptor;
        bool fullTable, released;
    };
    // Camera at (1000, 2000): the view box reaches (1800, 2500), edges included.
    const Case cases[] = {
        {1200, 2200, 100, 0, false, true},  {1800, 2500, 100, 0, false, true},
        {1000, 2000, 100, 0, false, true},  {1801, 2200, 100, 0, false, false},
        {1200, 1999, 100, 0, false, false}, {1200, 2200, 100, 1, false, false},
        {1200, 2200, 100, 0, true, false},  {1200, 2200, 99, 0, false, false},
    };
    for (const Case& c : cases) {
        GameWorld world = WorldWithSoldierAt(0, 0);
        world.cameraLeft = 1000;
        world.cameraTop = 2000;
        world.raptorOnScreen = c.raptor;
        world.nests[7] = {c.x, c.y, c.timer};
        world.mosquitoes[0].alive = 1;
        if (c.fullTable) {
            for (Mosquito& m : world.mosquitoes) m = {5, 5, 1, -1, 1.0f, 1};
        }
        UpdateNests(world);
        const Mosquito& m = world.mosquitoes[1];
        EXPECT_EQ(m.alive != 0 && !c.fullTable, c.released)
            << c.x << "," << c.y << " " << int(c.timer);
        EXPECT_EQ(world.nests[7].spawnTimer, c.timer == 100 ? 1 : c.timer + 1);
        if (c.released) {
            EXPECT_EQ(m.x, c.x + 25);
            EXPECT_EQ(m.y, c.y - 25);
            EXPECT_EQ(m.alive, 100);
            EXPECT_EQ(m.dir, 1);
            EXPECT_EQ(m.heading, -0.000001f);
            EXPECT_EQ(m.chasing, 0);
            EXPECT_EQ(world.mosquitoes[2].alive, 0);
        }
        if (c.fullTable) {
            EXPECT_EQ(m.x, 5);
        }
    }
}
