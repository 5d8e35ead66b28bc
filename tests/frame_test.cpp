// frame_test.cpp -- background, tints, the picture's place and its presentation.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "game/world.h"
#include "render/blit.h"
#include "render/frame.h"
#include "render/sprites.h"
#include "tools/common/recording_surface.h"

namespace {

std::unique_ptr<GameWorld> WorldFilledWith(uint32_t colour) {
    auto world = std::make_unique<GameWorld>();
    world->frameBuffer.pixels.assign(world->frameBuffer.pixels.size(), colour);
    return world;
}

// A client area that can report any size, even one a window never has.
class SizedSurface : public RecordingSurface {
public:
    SizedSurface(int32_t w, int32_t h) : w_(w), h_(h) {}
    int32_t ClientWidth() const override { return w_; }
    int32_t ClientHeight() const override { return h_; }

private:
    int32_t w_, h_;
};

}  // namespace

TEST(FrameTints, AreOredIntoTheirChannelOverTheWholeFrame) {
    auto world = WorldFilledWith(0x00336699);
    world->player.damageTint = 200;
    ApplyDamageTint(world->frameBuffer, world->player.damageTint);
    EXPECT_EQ(world->frameBuffer.at(0, 0), 0x00FB6699u);
    EXPECT_EQ(world->frameBuffer.at(799, 499), 0x00FB6699u);

    world = WorldFilledWith(0x00336699);
    world->player.invulnerableTicks = 255;
    ApplyProtectionTint(world->frameBuffer, world->player.invulnerableTicks);
    EXPECT_EQ(world->frameBuffer.at(400, 0), 0x0033FF99u);
    EXPECT_EQ(world->frameBuffer.at(0, 499), 0x0033FF99u);

    // A strength of 1 sets only the lowest bit; nothing carries.
    world = WorldFilledWith(0x00FEFEFE);
    world->player.damageTint = 1;
    world->player.invulnerableTicks = 1;
    ApplyDamageTint(world->frameBuffer, world->player.damageTint);
    ApplyProtectionTint(world->frameBuffer, world->player.invulnerableTicks);
    EXPECT_EQ(world->frameBuffer.at(123, 321), 0x00FFFFFEu);
}

TEST(FrameBackground, IsTheTopOfTheSkyUnscrolled) {
    auto world = WorldFilledWith(0x00ABCDEF);
    world->cameraLeft = 5000;
    world->cameraTop = -777;
    FillBackground(world->frameBuffer);
    const std::span<const uint32_t> sky = SpritePixels(SpriteBackground);
    ASSERT_EQ(sky.size(), 800u * 523u);
    EXPECT_TRUE(std::equal(world->frameBuffer.pixels.begin(), world->frameBuffer.pixels.end(),
                           sky.begin()));
    // The sky is not one colour, so a shifted copy would show.
    EXPECT_LT(std::count(sky.begin(), sky.begin() + 400000, sky[0]), 400000);
}

TEST(MapPicture, CentresThePictureAndRaisesIt50) {
    struct Case {
        int32_t cx, cy, ox, oy;
    };
    const Case cases[] = {
        {1000, 700, 100, 50},   {800, 600, 0, 0},     {1001, 701, 100, 50}, {640, 480, -80, -60},
        {1920, 1080, 560, 240}, {-3, -1, -401, -300},  // the halves truncate toward zero
    };
    for (const Case& c : cases) {
        SizedSurface surface(c.cx, c.cy);
        MapPicture(surface);
        EXPECT_EQ(surface.OriginX(), c.ox) << c.cx;
        EXPECT_EQ(surface.OriginY(), c.oy) << c.cy;
        const PictureOrigin origin = PictureOriginFor(c.cx, c.cy);
        EXPECT_EQ(origin.x, c.ox) << c.cx;
        EXPECT_EQ(origin.y, c.oy) << c.cy;
    }
}

TEST(PresentFrame, CopiesTheWholeFrameAtThePictureOrigin) {
    auto world = WorldFilledWith(0x00102030);
    world->frameBuffer.at(0, 0) = 0x00010101;
    world->frameBuffer.at(799, 499) = 0x00020202;
    RecordingSurface surface(1000, 700);
    MapPicture(surface);
    PresentFrame(world->frameBuffer, surface);
    ASSERT_EQ(surface.calls.size(), 1u);
    EXPECT_EQ(surface.calls[0].kind, SurfaceCall::Pixels);
    EXPECT_EQ(surface.calls[0].right, 800);
    EXPECT_EQ(surface.calls[0].bottom, 500);
    EXPECT_EQ(surface.ClientPixel(100, 50), 0x00010101u);
    EXPECT_EQ(surface.ClientPixel(899, 549), 0x00020202u);
    EXPECT_EQ(surface.ClientPixel(500, 300), 0x00102030u);
    EXPECT_EQ(surface.ClientPixel(99, 50), SystemWindowColour);
}

// Held draws with the background and tints laid after them must give the
// picture of drawing at once and tinting the whole frame: every kind of
// blitter, both facings, at the frame's edges, and past the table's size.
TEST(HeldFrame, MatchesDrawingAtOnceThenTinting) {
    const auto drawAll = [](GameWorld& w, int copies) {
        const Canvas canvas = WorldCanvas(w);
        for (int k = 0; k < copies; ++k) {
            const int32_t x = -30 + (k * 97) % 870, y = -20 + (k * 53) % 550;
            // Apart, so that no draw's bounds hide another's.
            BlitSprite(canvas, x, y, SpriteLedge);
            BlitSpriteMirrored(canvas, x + 300, y + 150, SpriteLegsStride, k % 2 ? 1 : -1);
            BlitSpriteRotated(canvas, x + 600, y + 300, SpriteMosquitoA, float(k) * 0.37f,
                              k % 2 ? 1 : -1);
        }
    };
    for (const int copies : {7, MaxHeldDraws}) {
        auto held = std::make_unique<GameWorld>();
        auto direct = std::make_unique<GameWorld>();
        BeginFrame(held->frameBuffer);
        drawAll(*held, copies);
        FinishFrame(held->frameBuffer, 0x81, 0x42);
        FillBackground(direct->frameBuffer);
        drawAll(*direct, copies);
        ApplyTints(direct->frameBuffer, 0x81, 0x42);
        EXPECT_TRUE(held->frameBuffer.pixels == direct->frameBuffer.pixels) << copies;
    }
}
