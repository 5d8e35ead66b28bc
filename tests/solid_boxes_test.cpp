// solid_boxes_test.cpp -- the flight tests' box tables against asking every platform slot.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <random>
#include <utility>

#include "game/mosquitoes.h"
#include "game/rules.h"
#include "game/solid_boxes.h"
#include "game/world.h"
#include "render/numeric.h"

namespace {

// The rule as it reads: ledges and blocks are solid, each in its own box at
// the platform's corner, the edges wrapping at 32 bits.
bool AnySlotHolds(const GameWorld& world, int32_t x, int32_t y) {
    for (const Platform& pl : world.platforms) {
        const Box* box = pl.type == PlatformLedge   ? &MosquitoLedgeBox
                         : pl.type == PlatformBlock ? &MosquitoBlockBox
                                                    : nullptr;
        if (box != nullptr && PointInRect(x, y, AddWrap(pl.x, box->left), AddWrap(pl.y, box->top),
                                          AddWrap(pl.x, box->right), AddWrap(pl.y, box->bottom)))
            return true;
    }
    return false;
}

// Platforms of every kind, most near the origin, some by the wrap of the
// coordinates, where a box's far edge comes out below its near one.
std::unique_ptr<GameWorld> RandomPlatforms(std::mt19937& rng) {
    auto world = std::make_unique<GameWorld>();
    std::uniform_int_distribution<int32_t> nearby(-300, 900), type(0, 4),
        anywhere(INT32_MIN, INT32_MAX);
    for (Platform& pl : world->platforms) {
        const bool byTheWrap = rng() % 8 == 0;
        pl = {byTheWrap ? INT32_MAX - int32_t(rng() % 150) : nearby(rng),
              byTheWrap && rng() % 2 ? anywhere(rng) : nearby(rng), uint8_t(type(rng))};
    }
    return world;
}

TEST(SolidBoxes, EveryPointAndEveryRectangleGiveWhatTheSlotsGive) {
    std::mt19937 rng(1313);
    std::uniform_int_distribution<int32_t> coordinate(-350, 1050), spread(0, 250);
    int hits = 0;
    for (int round = 0; round < 40; ++round) {
        const std::unique_ptr<GameWorld> world = RandomPlatforms(rng);
        const SolidBoxes solids = MosquitoSolids(*world);
        for (int k = 0; k < 50; ++k) {
            const int32_t left = coordinate(rng), top = coordinate(rng);
            const int32_t right = left + spread(rng), bottom = top + spread(rng);
            const SolidBoxes near = solids.Meeting(left, top, right, bottom);
            EXPECT_LE(near.Count(), solids.Count());
            for (int p = 0; p < 40; ++p) {
                // The corners of the rectangle, then points inside it.
                const int32_t x = p < 4 ? (p % 2 ? right : left)
                                        : left + int32_t(rng() % uint32_t(right - left + 1));
                const int32_t y = p < 4 ? (p / 2 ? bottom : top)
                                        : top + int32_t(rng() % uint32_t(bottom - top + 1));
                const bool expected = AnySlotHolds(*world, x, y);
                hits += expected;
                ASSERT_EQ(solids.Holds(x, y), expected) << x << "," << y;
                ASSERT_EQ(near.Holds(x, y), expected)
                    << x << "," << y << " in " << left << "," << top;
            }
        }
        // Points by the wrap, where only a wrapped box can answer.
        for (int p = 0; p < 200; ++p) {
            const int32_t x = INT32_MAX - int32_t(rng() % 300), y = int32_t(rng());
            ASSERT_EQ(solids.Holds(x, y), AnySlotHolds(*world, x, y));
        }
    }
    EXPECT_GT(hits, 1000);  // the points meet boxes often enough to count
}

// The flight tests read plainly: every sample of a ray or path, each against
// every platform slot.
std::pair<int32_t, int32_t> Sample(int32_t x, int32_t y, float heading, int32_t sense, int32_t r) {
    return {AddWrap(x, MulWrap(sense, TruncToInt(std::sin(double(heading)) * r))),
            AddWrap(y, TruncToInt(std::cos(double(heading)) * r))};
}

bool PlainRayFree(const GameWorld& world, const Mosquito& m) {
    const PlayerState& p = world.player;
    for (int32_t r = 0; r < 800; r += 5) {
        const auto [x, y] = Sample(m.x, m.y, m.heading, m.dir, r);
        if (PointInRect(x, y, SubWrap(p.x, 20), SubWrap(p.y, 30), AddWrap(p.x, 20), p.y))
            return true;
        if (AnySlotHolds(world, x, y)) return false;
    }
    return true;
}

bool PlainPathClear(const GameWorld& world, int32_t ax, int32_t ay, int32_t bx, int32_t by) {
    const int32_t dx = SubWrap(bx, ax), dy = SubWrap(by, ay);
    const int64_t d = int64_t(std::sqrt(double(dx) * double(dx) + double(dy) * double(dy)));
    const float heading = d == 0 ? 0.0f : float(std::acos(double(dy) / double(d)));
    if (AnySlotHolds(world, ax, ay)) return false;
    for (int32_t r = 0; r < 200; r += 5) {
        const auto [x, y] = Sample(ax, ay, heading, dx == 0 ? 0 : dx > 0 ? 1 : -1, r);
        if (AnySlotHolds(world, x, y)) return false;
        if (std::llabs(SubWrap(bx, x)) <= 3 && std::llabs(SubWrap(by, y)) <= 3) return true;
    }
    return false;
}

// Rays and paths test their samples against the boxes near each stretch of
// them, detours their candidates against the boxes around them all: the
// answers must be those of the plain walk, by the wrap of the coordinates too.
TEST(SolidBoxes, RaysPathsAndDetoursGiveWhatThePlainWalkGives) {
    std::mt19937 rng(2024);
    std::uniform_int_distribution<int32_t> coordinate(-350, 1050);
    std::uniform_real_distribution<float> heading(0.0f, 3.1416f);
    int blocked = 0, found = 0;
    for (int round = 0; round < 60; ++round) {
        const std::unique_ptr<GameWorld> world = RandomPlatforms(rng);
        for (Platform& pl : world->platforms)
            if (rng() % 6 != 0) pl.type = PlatformNone;  // room to fly between them
        const auto place = [&] {
            return rng() % 8 ? coordinate(rng) : INT32_MAX - int32_t(rng() % 400);
        };
        for (int k = 0; k < 40; ++k) {
            world->player.x = place();
            world->player.y = coordinate(rng);
            Mosquito& m = world->mosquitoes[3];
            m = {place(), coordinate(rng), 1, rng() % 2 ? 1 : -1, heading(rng), 0};
            const bool free = PlainRayFree(*world, m);
            blocked += !free;
            ASSERT_EQ(SteerChase(*world, 3), free) << m.x << "," << m.y << " at " << m.heading;

            int32_t x = coordinate(rng), y = coordinate(rng);
            ASSERT_EQ(IsPathClear(*world, m.x, m.y, x, y), PlainPathClear(*world, m.x, m.y, x, y));
            int32_t px = x, py = y;
            bool plain = false;
            for (int32_t o = 10; o <= 100 && !plain; o += 10)
                for (const auto& [cx, cy] :
                     {std::pair{SubWrap(x, o), y}, std::pair{AddWrap(x, o), y},
                      std::pair{x, SubWrap(y, o)}, std::pair{x, AddWrap(y, o)}})
                    if (!plain && !AnySlotHolds(*world, cx, cy) &&
                        PlainPathClear(*world, m.x, m.y, cx, cy)) {
                        plain = true;
                        px = cx;
                        py = cy;
                    }
            found += plain;
            ASSERT_EQ(FindDetour(*world, x, y, 3), plain);
            ASSERT_EQ(std::pair(x, y), std::pair(px, py));
        }
    }
    EXPECT_GT(blocked, 300);  // both outcomes come often enough to count
    EXPECT_GT(found, 100);
    EXPECT_LT(blocked, 2100);
    EXPECT_LT(found, 2100);
}

// A level that fills every slot with a box adds them all; none is lost.
TEST(SolidBoxes, AFullTableKeepsEveryBox) {
    auto world = std::make_unique<GameWorld>();
    for (size_t k = 0; k < world->platforms.size(); ++k)
        world->platforms[k] = {int32_t(k) * 200, 0, uint8_t(k % 2 ? PlatformLedge : PlatformBlock)};
    const SolidBoxes solids = MosquitoSolids(*world);
    EXPECT_EQ(solids.Count(), MaxPlatforms);
    EXPECT_TRUE(solids.Holds((MaxPlatforms - 1) * 200 + 5, 5));
    EXPECT_EQ(solids.Meeting(0, 0, 250, 0).Count(), 2);
}

}  // namespace
