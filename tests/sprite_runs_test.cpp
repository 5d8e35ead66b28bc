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

constexpr uint32_t GroundColour = 0x00123456;

std::unique_ptr<FrameBuffer> Ground() {
    auto frame = std::make_unique<FrameBuffer>();
    std::ranges::fill(frame->EditPixels(), GroundColour);
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

// Columns of frame row `py` that are no longer the ground's colour.
std::vector<size_t> ChangedColumns(const FrameBuffer& frame, int32_t py) {
    std::vector<size_t> changed;
    for (int32_t px = 0; px < FrameWidth; ++px)
        if (frame.at(px, py) != GroundColour) changed.push_back(size_t(px));
    return changed;
}

PixelTarget UnseenTarget(FrameBuffer& frame) {
    PixelTarget target = frame.EditTarget();
    target.rowEndsOnly = true;
    return target;
}

// A frame nobody looks at takes only the two ends of the span each row of a
// sprite covers: nothing the whole copy would not write, and for a sprite
// opaque all over, exactly the first and last pixel the copy writes.
TEST(SpriteRuns, AnUnseenFrameTakesOnlyTheEndsOfEachRow) {
    auto seen = Ground(), unseen = Ground();
    int opaqueSprites = 0;
    for (const SpriteInfo& info : SpriteCatalogue) {
        const SpriteRuns& runs = *SpriteRunsOf(info.id);
        const bool opaque = runs.runs.size() == size_t(info.height) &&
                            std::ranges::all_of(runs.runs, [&](const OpaqueRun& r) {
                                return r.first == 0 && r.length == info.width;
                            });
        opaqueSprites += opaque;
        for (int32_t sx : {1 - info.width, 0, 300, 799})
            for (int32_t sy : {1 - info.height, 0, 200, 499}) {
                BlitRuns(seen->EditTarget(), sx, sy, SpritePixels(info.id), runs);
                BlitRuns(UnseenTarget(*unseen), sx, sy, SpritePixels(info.id), runs);
                const int32_t top = std::max(0, sy),
                              bottom = std::min(FrameHeight, sy + info.height);
                for (int32_t py = top; py < bottom; ++py) {
                    const std::vector<size_t> want = ChangedColumns(*seen, py);
                    const std::vector<size_t> got = ChangedColumns(*unseen, py);
                    for (size_t px : got)
                        ASSERT_EQ(unseen->at(int32_t(px), py), seen->at(int32_t(px), py));
                    if (opaque) {
                        std::vector<size_t> ends;
                        if (!want.empty()) ends = {want.front(), want.back()};
                        if (want.size() == 1) ends.pop_back();
                        ASSERT_EQ(got, ends)
                            << info.id << " at " << sx << "," << sy << " row " << py;
                    }
                }
                // Back to the ground; a write outside the sprite's rows would stay.
                for (FrameBuffer* frame : {seen.get(), unseen.get()})
                    std::fill(frame->EditPixels().begin() + top * FrameWidth,
                              frame->EditPixels().begin() + std::max(top, bottom) * FrameWidth,
                              GroundColour);
                ASSERT_EQ(unseen->Pixels(), seen->Pixels());
            }
    }
    EXPECT_GT(opaqueSprites, 0);
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
    EXPECT_EQ(SpriteRunsOf(SpriteBlock)->opaque.right - SpriteRunsOf(SpriteBlock)->opaque.left,
              100);
}
