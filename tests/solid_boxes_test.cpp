// solid_boxes_test.cpp -- the flight tests' box tables against asking every platform slot.
#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "game/mosquitoes.h"
#include "render/numeric.h"
#include "game/rules.h"
#include "game/solid_boxes.h"
#include "game/world.h"

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
