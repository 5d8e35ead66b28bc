// blit_test.cpp -- the three blitters: clipping, the key colour, mirroring, rotation.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include "game/world.h"
#include "render/blit.h"
#include "render/sprites.h"
#include "tools/common/literal_blit.h"
#include "tests/support/drawn_steps.h"

namespace {

constexpr uint32_t Ground = 0x00123456;  // what the frame shows before a blit

std::unique_ptr<GameWorld> GroundWorld() {
    auto world = std::make_unique<GameWorld>();
    std::ranges::fill(world->frameBuffer.EditPixels(), Ground);
    return world;
}

// A fully opaque picture whose every pixel is different.
std::vector<uint32_t> Numbered(int32_t w, int32_t h) {
    std::vector<uint32_t> p(size_t(w) * size_t(h));
    for (size_t k = 0; k < p.size(); ++k) p[k] = 0x00100000u + uint32_t(k);
    return p;
}

// Frame pixels that differ from the ground, as (px, py, value).
struct Drawn {
    int32_t px, py;
    uint32_t v;
    bool operator==(const Drawn&) const = default;
};
std::vector<Drawn> DrawnPixels(const GameWorld& world) {
    std::vector<Drawn> out;
    for (int32_t py = 0; py < FrameHeight; ++py)
        for (int32_t px = 0; px < FrameWidth; ++px)
            if (world.frameBuffer.at(px, py) != Ground)
                out.push_back({px, py, world.frameBuffer.at(px, py)});
    return out;
}

const SpriteId RotatedSprites[] = {SpriteRifle, SpriteRifleFlash, SpriteRifleEmpty, SpriteMosquitoA,
                                   SpriteMosquitoB};

}  // namespace

TEST(PlainBlit, CutsAtTheStrictFrameEdges) {
    auto world = GroundWorld();
    const std::vector<uint32_t> pic = Numbered(4, 3);
    BlitPixels(world->frameBuffer, 0, 0, pic, 4, 3);
    // Row 0 and column 0 of the frame never take a sprite pixel.
    EXPECT_EQ(DrawnPixels(*world), (std::vector<Drawn>{{1, 1, pic[5]},
                                                       {2, 1, pic[6]},
                                                       {3, 1, pic[7]},
                                                       {1, 2, pic[9]},
                                                       {2, 2, pic[10]},
                                                       {3, 2, pic[11]}}));

    world = GroundWorld();
    BlitPixels(world->frameBuffer, 798, 498, pic, 4, 3);
    EXPECT_EQ(DrawnPixels(*world),
              (std::vector<Drawn>{
                  {798, 498, pic[0]}, {799, 498, pic[1]}, {798, 499, pic[4]}, {799, 499, pic[5]}}));
}

TEST(PlainBlit, CameraAndFarAwayPositions) {
    auto world = GroundWorld();
    world->cameraLeft = 1000;
    world->cameraTop = -50;
    const SpriteInfo& ledge = *FindSprite(SpriteLedge);
    for (int32_t x : {1000 - ledge.width, 1800, 1000 - ledge.width + 1}) {
        BlitSprite(CanvasDrawnAtOnce(*world), x, 100, SpriteLedge);
        EXPECT_TRUE(DrawnPixels(*world).empty()) << x;  // the last column at px 0 is cut too
    }
    BlitSprite(CanvasDrawnAtOnce(*world), 1799, 100, SpriteLedge);
    const auto drawn = DrawnPixels(*world);
    ASSERT_FALSE(drawn.empty());
    for (const Drawn& d : drawn) {
        EXPECT_EQ(d.px, 799);
        EXPECT_EQ(d.v, SpritePixels(SpriteLedge)[size_t(d.py - 150) * size_t(ledge.width)]);
    }
}

TEST(MirroredBlit, HostileCoordinatesWrapLikeTheMachine) {
    constexpr int32_t Min = std::numeric_limits<int32_t>::min(),
                      Max = std::numeric_limits<int32_t>::max();
    auto world = GroundWorld();
    world->cameraLeft = Min;
    world->cameraTop = Max;
    BlitSprite(CanvasDrawnAtOnce(*world), Max, -5, SpriteLedge);
    BlitSpriteRotated(CanvasDrawnAtOnce(*world), 0, 0, SpriteRifle, 1e30f, Min);
    BlitSpriteRotated(CanvasDrawnAtOnce(*world), 0, 0, SpriteRifle, std::nanf(""), 1);
    EXPECT_TRUE(DrawnPixels(*world).empty());

    // sx = 7 - Min wraps to Min + 7, sy = Min - Max wraps to 1. With a step of
    // Max the running column wraps too: columns 1, 3 and 5 land on 6, 4, 2.
    BlitSpriteMirrored(CanvasDrawnAtOnce(*world), 7, Min, SpriteTorso, Max);
    const std::span<const uint32_t> torso = SpritePixels(SpriteTorso);
    std::vector<Drawn> expected;
    for (int32_t i = 0; i < 16; ++i)
        for (int32_t j : {5, 3, 1})
            if (torso[size_t(i * 9 + j)] != TransparentKey)
                expected.push_back({7 - j, 1 + i, torso[size_t(i * 9 + j)]});
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(DrawnPixels(*world), expected);
}

TEST(PlainBlit, OnlyPureWhiteIsTransparentAndShortPicturesAreCut) {
    auto world = GroundWorld();
    const std::vector<uint32_t> pic = {TransparentKey, 0x00FEFFFF, 0x00000000, 0x00FFFFFE,
                                       0x01FFFFFF};
    // A 3 x 3 request of a 5-pixel picture: the missing four are transparent.
    BlitPixels(world->frameBuffer, 10, 20, pic, 3, 3);
    EXPECT_EQ(DrawnPixels(*world), (std::vector<Drawn>{{11, 20, 0x00FEFFFF},
                                                       {12, 20, 0x00000000},
                                                       {10, 21, 0x00FFFFFE},
                                                       {11, 21, 0x01FFFFFF}}));
}

TEST(MirroredBlit, StepMinusOneGrowsToTheLeft) {
    auto world = GroundWorld();
    const std::vector<uint32_t> pic = Numbered(9, 2);
    BlitPixelsMirrored(world->frameBuffer, 100, 40, pic, 9, 2, -1);
    const auto drawn = DrawnPixels(*world);
    ASSERT_EQ(drawn.size(), 18u);
    for (const Drawn& d : drawn) EXPECT_EQ(d.v, pic[size_t(d.py - 40) * 9 + size_t(100 - d.px)]);
    EXPECT_EQ(drawn.front().px, 92);
    EXPECT_EQ(drawn.back().px, 100);

    // Facing right it is the plain copy; across column 0 it is cut.
    auto plain = GroundWorld();
    world = GroundWorld();
    BlitPixels(plain->frameBuffer, -3, 40, pic, 9, 2);
    BlitPixelsMirrored(world->frameBuffer, -3, 40, pic, 9, 2, 1);
    EXPECT_EQ(world->frameBuffer.Pixels(), plain->frameBuffer.Pixels());
    world = GroundWorld();
    BlitPixelsMirrored(world->frameBuffer, 5, 40, pic, 9, 2, -1);
    EXPECT_EQ(DrawnPixels(*world).size(), 10u);  // columns 1..5 of two rows
}

// The torso used to be placed as 9 x 17: the catalogue's 9 x 16 draws the same.
TEST(MirroredBlit, TorsoRequestedOneRowLongerDrawsNothingMore) {
    auto exact = GroundWorld();
    auto longer = GroundWorld();
    auto catalogue = GroundWorld();
    BlitPixelsMirrored(exact->frameBuffer, 300, 200, SpritePixels(SpriteTorso), 9, 16, -1);
    BlitPixelsMirrored(longer->frameBuffer, 300, 200, SpritePixels(SpriteTorso), 9, 17, -1);
    BlitSpriteMirrored(CanvasDrawnAtOnce(*catalogue), 300, 200, SpriteTorso, -1);
    EXPECT_FALSE(DrawnPixels(*exact).empty());
    EXPECT_EQ(exact->frameBuffer.Pixels(), longer->frameBuffer.Pixels());
    EXPECT_EQ(exact->frameBuffer.Pixels(), catalogue->frameBuffer.Pixels());
}

TEST(RotatedBlit, UnturnedMatchesPlainAndMirroredExceptThePivot) {
    for (SpriteId id : RotatedSprites) {
        ASSERT_NE(FindSprite(id), nullptr) << id;
        auto plain = GroundWorld(), turned = GroundWorld();
        BlitSprite(CanvasDrawnAtOnce(*plain), 200, 100, id);
        BlitSpriteRotated(CanvasDrawnAtOnce(*turned), 200, 100, id, 0.0f, 1);
        EXPECT_EQ(turned->frameBuffer.Pixels(), plain->frameBuffer.Pixels()) << id;

        auto mirrored = GroundWorld();
        turned = GroundWorld();
        BlitSpriteMirrored(CanvasDrawnAtOnce(*mirrored), 200, 100, id, -1);
        BlitSpriteRotated(CanvasDrawnAtOnce(*turned), 200, 100, id, 0.0f, -1);
        EXPECT_EQ(turned->frameBuffer.Pixels(), mirrored->frameBuffer.Pixels()) << id;
    }
    // An opaque pivot is still left out.
    auto world = GroundWorld();
    const std::vector<uint32_t> pic = Numbered(3, 2);
    BlitPixelsRotated(world->frameBuffer, 50, 60, pic, 3, 2, 0.0f, 1);
    EXPECT_EQ(DrawnPixels(*world), (std::vector<Drawn>{{51, 60, pic[1]},
                                                       {52, 60, pic[2]},
                                                       {50, 61, pic[3]},
                                                       {51, 61, pic[4]},
                                                       {52, 61, pic[5]}}));
}

TEST(RotatedBlit, QuarterTurnRaisesTheTopRow) {
    auto world = GroundWorld();
    const std::vector<uint32_t> pic = Numbered(4, 3);
    BlitPixelsRotated(world->frameBuffer, 100, 100, pic, 4, 3, std::numbers::pi_v<float> / 2, 1);
    // The top row points straight up from the pivot, the left column right.
    for (int32_t j = 1; j < 4; ++j) EXPECT_EQ(world->frameBuffer.at(100, 100 - j), pic[size_t(j)]);
    for (int32_t i = 1; i < 3; ++i)
        EXPECT_EQ(world->frameBuffer.at(100 + i, 100), pic[size_t(i) * 4]);
    world = GroundWorld();
    BlitPixelsRotated(world->frameBuffer, 100, 100, pic, 4, 3, std::numbers::pi_v<float> / 2, -1);
    for (int32_t i = 1; i < 3; ++i)
        EXPECT_EQ(world->frameBuffer.at(100 - i, 100), pic[size_t(i) * 4]);
}

// First pixel where two frames differ, "" when they are equal.
std::string FirstDifference(const GameWorld& a, const GameWorld& b) {
    if (a.frameBuffer.Pixels() == b.frameBuffer.Pixels()) return "";
    for (int32_t py = 0; py < FrameHeight; ++py)
        for (int32_t px = 0; px < FrameWidth; ++px)
            if (a.frameBuffer.at(px, py) != b.frameBuffer.at(px, py))
                return "at (" + std::to_string(px) + ", " + std::to_string(py) + ")";
    return "";
}

// The blitter works from tables; the literal steps are the reference. Every
// rotated sprite, a sweep of aim angles and mosquito headings, both facings,
// and pivots inside, across and just beyond every frame edge. Both frames
// take the same blits in the same order and are compared after each one.
TEST(RotatedBlit, BitIdenticalToTheLiteralStepsOverASweep) {
    std::vector<float> angles;
    for (int k = -26; k <= 32; ++k) angles.push_back(0.05f * float(k));
    for (float heading : {0.0f, 0.3f, 1.5707964f, 2.0f, 2.8f, 3.1415927f, -0.7f, 4.5f})
        angles.push_back(heading);
    auto expected = GroundWorld(), actual = GroundWorld();
    actual->cameraLeft = 7;
    actual->cameraTop = -3;
    for (SpriteId id : RotatedSprites) {
        const SpriteInfo& info = *FindSprite(id);
        const std::span<const uint32_t> pixels = SpritePixels(id);
        ASSERT_EQ(pixels.size(), size_t(info.width) * size_t(info.height)) << id;
        // The farthest opaque pixel sets how far beyond an edge a pivot can
        // still reach into the frame: probe both sides of that distance.
        int32_t reach = 0;
        for (int32_t i = 0; i < info.height; ++i)
            for (int32_t j = 0; j < info.width; ++j)
                if (pixels[size_t(i * info.width + j)] != TransparentKey)
                    reach = std::max(reach, RoundHalfAway(float(std::sqrt(double(i * i + j * j)))));
        struct Pivot {
            int32_t x, y;
        };
        std::vector<Pivot> pivots = {{400, 250}, {3, 2}, {-40, 300}, {790, 497}};
        for (int32_t beyond : {reach - 1, reach, reach + 1})
            pivots.insert(
                pivots.end(),
                {{1 - beyond, 250}, {799 + beyond, 100}, {400, 1 - beyond}, {300, 499 + beyond}});
        for (const Pivot& p : pivots)
            for (float angle : angles)
                for (int32_t facing : {1, -1}) {
                    LiteralRotatedBlit(expected->frameBuffer, p.x, p.y, pixels, info.width,
                                       info.height, angle, facing);
                    BlitSpriteRotated(CanvasDrawnAtOnce(*actual), p.x + 7, p.y - 3, id, angle, facing);
                    ASSERT_EQ(FirstDifference(*actual, *expected), "")
                        << "sprite " << id << " pivot " << p.x << "," << p.y << " angle " << angle
                        << " facing " << facing;
                }
    }
    EXPECT_GT(DrawnPixels(*actual).size(), 5000u);  // the sweep really drew

    // Pictures the cache does not hold (a plain catalogue sprite turned, and
    // one of the test's own), and mirror factors the game never uses.
    const std::vector<uint32_t> pic = Numbered(7, 5);
    for (float angle : angles)
        for (int32_t facing : {0, 2, -3}) {
            LiteralRotatedBlit(expected->frameBuffer, 600, 240, pic, 7, 5, angle, facing);
            BlitPixelsRotated(actual->frameBuffer, 600, 240, pic, 7, 5, angle, facing);
            LiteralRotatedBlit(expected->frameBuffer, 100, 400, SpritePixels(SpriteLedge), 120, 30,
                               angle, facing);
            BlitSpriteRotated(CanvasDrawnAtOnce(*actual), 107, 397, SpriteLedge, angle, facing);
            ASSERT_EQ(FirstDifference(*actual, *expected), "")
                << "angle " << angle << " facing " << facing;
        }
}

// Angles at which a single rounding decides where a pixel lands: taking the
// bearing in float, the sine and cosine in double, or the products in double
// each moves a pixel of an opaque 50 x 25 picture at one of these.
TEST(RotatedBlit, KnifeEdgeAnglesKeepEveryRounding) {
    const uint32_t bits[] = {0x3f060a91, 0xbf860a92, 0x3f7c3037, 0xc0176fbe,
                             0x3f7c3038, 0xbf15ef7d, 0x3f591a98, 0x3f39051d};
    const std::vector<uint32_t> pic = Numbered(50, 25);
    auto expected = GroundWorld(), actual = GroundWorld();
    for (uint32_t b : bits)
        for (int32_t facing : {1, -1}) {
            const float angle = std::bit_cast<float>(b);
            LiteralRotatedBlit(expected->frameBuffer, 400, 250, pic, 50, 25, angle, facing);
            BlitPixelsRotated(actual->frameBuffer, 400, 250, pic, 50, 25, angle, facing);
            ASSERT_EQ(FirstDifference(*actual, *expected), "")
                << "angle " << angle << " facing " << facing;
        }
}

// What the renderer trusts of a draw: its bounds hold every pixel it
// writes, and its cover box is written whole. Every catalogue sprite, each
// kind of draw, across the frame's edges and at turned angles.
TEST(SpriteDraws, BoundsHoldAndCoversAreWrittenWhole) {
    const SpriteDraw::Kind kinds[] = {SpriteDraw::Kind::Plain, SpriteDraw::Kind::Mirrored,
                                    SpriteDraw::Kind::Rotated};
    const int32_t places[][2] = {{300, 200}, {-20, -15}, {780, 480}};
    for (const SpriteInfo& info : SpriteCatalogue) {
        for (const SpriteDraw::Kind kind : kinds) {
            // The game turns only its rotated sprites; any other turned draw
            // is bounded by the whole frame.
            if (kind == SpriteDraw::Kind::Rotated && info.blitter != Blitter::Rotated) continue;
            for (const auto& place : places) {
                for (const int32_t facing : {1, -1}) {
                    if (kind == SpriteDraw::Kind::Plain && facing == -1) continue;
                    const SpriteDraw draw = {.kind = kind, .sprite = info.id, .sx = place[0],
                                           .sy = place[1], .angle = 0.9f * float(facing + 2),
                                           .facing = facing};
                    auto world = GroundWorld();
                    DrawSprite(world->frameBuffer.EditTarget(), draw);
                    PixelBox bounds, cover;
                    const bool any = SpriteDrawBounds(draw, bounds);
                    const bool covers = SpriteDrawCover(draw, cover);
                    int32_t outside = 0, coverMissed = 0;
                    for (int32_t y = 0; y < FrameHeight; ++y)
                        for (int32_t x = 0; x < FrameWidth; ++x) {
                            const bool written = world->frameBuffer.at(x, y) != Ground;
                            const bool inBounds = any && bounds.left <= x && x < bounds.right &&
                                                  bounds.top <= y && y < bounds.bottom;
                            const bool inCover = covers && cover.left <= x && x < cover.right &&
                                                 cover.top <= y && y < cover.bottom;
                            outside += written && !inBounds;
                            coverMissed += inCover && !written;
                        }
                    EXPECT_EQ(outside, 0) << info.id << " kind " << int(kind) << " at "
                                          << place[0] << "," << place[1] << " facing " << facing;
                    EXPECT_EQ(coverMissed, 0) << info.id << " at " << place[0] << "," << place[1];
                }
            }
        }
    }
}
