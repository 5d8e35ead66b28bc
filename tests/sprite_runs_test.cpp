// sprite_runs_test.cpp -- the plain copy by opaque runs against the per-pixel copy.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <tuple>
#include <vector>

#include "game/world.h"
#include "render/blit.h"
#include "render/sprite_runs.h"
#include "render/sprites.h"

namespace {

std::unique_ptr<FrameBuffer> Ground() {
    auto frame = std::make_unique<FrameBuffer>();
    std::ranges::fill(frame->EditPixels(), 0x00123456);
    return frame;
}

}  // namespace

// Every catalogue sprite, wholly inside and across each frame edge, from
// one pixel in to one pixel beyond.
TEST(SpriteRuns, EveryCatalogueSpriteLandsLikeThePixelCopy) {
    auto expected = Ground(), actual = Ground();
    for (const SpriteInfo& info : SpriteCatalogue) {
        const auto pixels = SpritePixels(info.id);
        const SpriteRuns& runs = *SpriteRunsOf(info.id);
        const int32_t w = info.width, h = info.height;
        const std::vector<int32_t> xs = {-w,      1 - w,   2 - w,   0,   1,   2,  300,
                                         798 - w, 799 - w, 800 - w, 798, 799, 800};
        const std::vector<int32_t> ys = {-h,      1 - h,   2 - h,   0,   1,   2,  200,
                                         498 - h, 499 - h, 500 - h, 498, 499, 500};
        for (int32_t sx : xs)
            for (int32_t sy : ys) {
                BlitPixels(*expected, sx, sy, pixels, w, h);
                BlitRuns(actual->EditTarget(), sx, sy, pixels, runs);
            }
        ASSERT_EQ(actual->Pixels(), expected->Pixels()) << "sprite " << info.id;
    }
}

TEST(SpriteRuns, KeyColourSplitsRunsAndShortPicturesEndEarly) {
    const std::vector<uint32_t> pic = {
        TransparentKey, 0x00FEFFFF,     0x0, TransparentKey,
        0x01FFFFFF,     TransparentKey, 7};  // 4 x 3 request, 7 pixels
    const SpriteRuns runs = MakeSpriteRuns(pic, 4, 3);
    using RowFirstLength = std::tuple<int32_t, int32_t, int32_t>;
    std::vector<RowFirstLength> found;
    for (const OpaqueRun& run : runs.runs) found.emplace_back(run.row, run.first, run.length);
    EXPECT_EQ(found, (std::vector<RowFirstLength>{{0, 1, 2}, {1, 0, 1}, {1, 2, 1}}));
    EXPECT_EQ(runs.rowStart, (std::vector<uint32_t>{0, 1, 3, 3}));

    auto expected = Ground(), actual = Ground();
    for (int32_t sx : {-3, 0, 5, 797})
        for (int32_t sy : {-2, 0, 9, 498}) {
            BlitPixels(*expected, sx, sy, pic, 4, 3);
            BlitRuns(actual->EditTarget(), sx, sy, pic, runs);
        }
    EXPECT_EQ(actual->Pixels(), expected->Pixels());
}

// The box the frame lets hide what lies under a sprite: all opaque, and no
// smaller than any other all-opaque rectangle tried.
TEST(SpriteRuns, OpaqueBoxIsTheLargestAllOpaqueRectangle) {
    constexpr uint32_t W = TransparentKey, C = 0x00000080;
    // A 2 x 4 bar on a 5 x 2 foot with a 1 x 3 tail: the foot is the largest.
    const std::vector<uint32_t> picture = {C, C, W, W, W,  //
                                           C, C, W, W, W,  //
                                           C, C, C, C, C,  //
                                           C, C, C, C, C,  //
                                           W, W, W, W, C};
    const SpriteRuns runs = MakeSpriteRuns(picture, 5, 5);
    EXPECT_EQ(runs.opaque.left, 0);
    EXPECT_EQ(runs.opaque.top, 2);
    EXPECT_EQ(runs.opaque.right, 5);
    EXPECT_EQ(runs.opaque.bottom, 4);
    EXPECT_EQ(MakeSpriteRuns(std::vector<uint32_t>(6, W), 3, 2).opaque.right, 0) << "none opaque";
    for (const SpriteInfo& info : SpriteCatalogue) {
        const SpriteRuns* sprite = SpriteRunsOf(info.id);
        ASSERT_NE(sprite, nullptr);
        const std::span<const uint32_t> pixels = SpritePixels(info.id);
        const PixelBox& box = sprite->opaque;
        for (int32_t y = box.top; y < box.bottom; ++y)
            for (int32_t x = box.left; x < box.right; ++x)
                ASSERT_NE(pixels[size_t(y) * size_t(info.width) + size_t(x)], TransparentKey)
                    << info.id << " at " << x << "," << y;
    }
    EXPECT_EQ(SpriteRunsOf(SpriteBlock)->opaque.right - SpriteRunsOf(SpriteBlock)->opaque.left, 100);
}
