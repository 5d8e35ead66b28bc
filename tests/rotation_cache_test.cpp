// rotation_cache_test.cpp -- the cached rotated blit against the per-pixel steps.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "game/world.h"
#include "render/rotation_cache.h"
#include "render/sprites.h"
#include "tools/common/literal_blit.h"

namespace {

constexpr uint32_t Ground = 0x00123456;
constexpr int32_t PivotX = 400, PivotY = 250;
constexpr int32_t Around = 60;  // px each side of the pivot a sprite can reach

const SpriteId RotatedSprites[] = {SpriteRifle, SpriteRifleFlash, SpriteRifleEmpty, SpriteMosquitoA,
                                   SpriteMosquitoB};

// Draws one angle both ways, compares the square around the pivot and
// puts the ground back; "" when every pixel agrees.
class Comparison {
public:
    Comparison() {
        std::ranges::fill(expected_->EditPixels(), Ground);
        std::ranges::fill(actual_->EditPixels(), Ground);
    }

    std::string Check(SpriteId id, float angle, int32_t facing, RotationCache& cache) {
        const SpriteInfo& info = *FindSprite(id);
        LiteralRotatedBlit(*expected_, PivotX, PivotY, SpritePixels(id), info.width, info.height,
                           angle, facing);
        cache.Place(actual_->EditTarget(), PivotX, PivotY, *SpritePolarForm(id), uint32_t(id), angle, facing);
        // Drawn again over itself: the slot just filled is read back.
        cache.Place(actual_->EditTarget(), PivotX, PivotY, *SpritePolarForm(id), uint32_t(id), angle, facing);
        std::string difference;
        for (int32_t py = PivotY - Around; py <= PivotY + Around; ++py) {
            uint32_t* want = &expected_->EditTarget().at(PivotX - Around, py);
            uint32_t* got = &actual_->EditTarget().at(PivotX - Around, py);
            const size_t width = 2 * Around + 1;
            if (difference.empty() && !std::equal(want, want + width, got))
                difference = "in row " + std::to_string(py);
            drawn_ += size_t(width - size_t(std::count(want, want + width, Ground)));
            std::fill(want, want + width, Ground);
            std::fill(got, got + width, Ground);
        }
        return difference;
    }
    size_t Drawn() const { return drawn_; }

private:
    std::unique_ptr<FrameBuffer> expected_ = std::make_unique<FrameBuffer>();
    std::unique_ptr<FrameBuffer> actual_ = std::make_unique<FrameBuffer>();
    size_t drawn_ = 0;
};

void ExpectSameAsLiteral(const std::vector<float>& angles) {
    auto cache = std::make_unique<RotationCache>();
    Comparison compare;
    for (SpriteId id : RotatedSprites)
        for (float angle : angles)
            for (int32_t facing : {1, -1})
                ASSERT_EQ(compare.Check(id, angle, facing, *cache), "")
                    << "sprite " << id << " angle bits " << std::hex
                    << std::bit_cast<uint32_t>(angle) << " facing " << std::dec << facing;
    EXPECT_GT(compare.Drawn(), angles.size() * 100);  // the sprites really landed there
    EXPECT_GT(cache->Misses(), angles.size());        // and the slots were refilled
}

}  // namespace

TEST(RotationCache, RandomBitPatternsMatchTheLiteralSteps) {
    std::mt19937 bits(20261208);
    std::vector<float> angles;
    while (angles.size() < 40000) {
        const float angle = std::bit_cast<float>(uint32_t(bits()));
        // Most random patterns are huge or tiny; fold half of them into the
        // turns the game makes so that both kinds are well represented.
        angles.push_back(angles.size() % 2 ? angle : std::fmod(angle, 6.2831855f));
    }
    angles.insert(angles.end(), {0.0f, -0.0f, std::nanf(""), INFINITY, -INFINITY, 1e30f, -1e-30f});
    ExpectSameAsLiteral(angles);
}

// The angles the game hands the blitter: mosquito headings toward every
// offset it can fly from (acos of dy over the distance, less the sprite's
// quarter turn) and the rifle's aim after any number of 0.1 rad steps.
TEST(RotationCache, AnglesTheGameDrawsMatchTheLiteralSteps) {
    std::vector<float> angles;
    for (int32_t dy = -420; dy <= 420; dy += 7)
        for (int32_t dx = 1; dx <= 420; dx += 37) {
            const double dist = std::sqrt(double(dx) * dx + double(dy) * dy);
            const float heading = float(std::acos(double(dy) / dist));
            angles.push_back(float(double(heading) - 1.570795));
        }
    angles.push_back(float(double(-0.000001f) - 1.570795));  // a fresh spawn
    for (int32_t dir : {1, -1}) {
        float aim = 0.0f;
        for (int step = 0; step < 40; ++step) {
            aim = float(double(aim) + dir * 0.1);
            angles.push_back(aim);
        }
    }
    ExpectSameAsLiteral(angles);
}

// A mirror factor the game never uses, and a picture too large for the
// cache's offsets, take the long way and still agree.
TEST(RotationCache, UncachedRequestsMatchTheLiteralSteps) {
    auto cache = std::make_unique<RotationCache>();
    std::vector<uint32_t> large(size_t(140) * 30, 0x00445566);
    const PolarSprite big = MakePolarSprite(large, 140, 30);
    ASSERT_GT(big.reach, RotationCache::MaxReach);
    auto expected = std::make_unique<FrameBuffer>(), actual = std::make_unique<FrameBuffer>();
    const PolarSprite& mosquito = *SpritePolarForm(SpriteMosquitoA);
    for (float angle : {0.0f, 0.7f, 2.9f, -1.3f}) {
        LiteralRotatedBlit(*expected, 300, 200, large, 140, 30, angle, 1);
        cache->Place(actual->EditTarget(), 300, 200, big, 99, angle, 1);
        LiteralRotatedBlit(*expected, 500, 300, SpritePixels(SpriteMosquitoA), 50, 25, angle, 3);
        cache->Place(actual->EditTarget(), 500, 300, mosquito, 1, angle, 3);
        ASSERT_EQ(actual->Pixels(), expected->Pixels()) << angle;
    }
    EXPECT_EQ(cache->Misses(), 0u);
}
