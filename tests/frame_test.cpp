// frame_test.cpp -- background, tints, the picture's place and its presentation.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "game/world.h"
#include "render/blit.h"
#include "render/frame.h"
#include "render/renderer.h"
#include "render/sprites.h"
#include "tests/support/level_builder.h"
#include "tools/common/headless_driver.h"
#include "tools/common/recording_surface.h"
#include "tools/common/replay.h"
#include "tests/support/drawn_steps.h"
#include "tests/support/fresh_data.h"

namespace {

std::unique_ptr<GameWorld> WorldFilledWith(uint32_t colour) {
    auto world = std::make_unique<GameWorld>();
    std::ranges::fill(world->frameBuffer.EditPixels(), colour);
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
    EXPECT_TRUE(std::equal(world->frameBuffer.Pixels().begin(), world->frameBuffer.Pixels().end(),
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
    const PixelTarget edit = world->frameBuffer.EditTarget();
    edit.at(0, 0) = 0x00010101;
    edit.at(799, 499) = 0x00020202;
    RecordingSurface surface(1000, 700);
    MapPicture(surface);
    Renderer renderer;
    renderer.PresentFrame(world->frameBuffer, surface);
    ASSERT_EQ(surface.calls.size(), 1u);
    EXPECT_EQ(surface.calls[0].kind, SurfaceCall::Pixels);
    EXPECT_EQ(surface.calls[0].right, 800);
    EXPECT_EQ(surface.calls[0].bottom, 500);
    EXPECT_EQ(surface.ClientPixel(100, 50), 0x00010101u);
    EXPECT_EQ(surface.ClientPixel(899, 549), 0x00020202u);
    EXPECT_EQ(surface.ClientPixel(500, 300), 0x00102030u);
    EXPECT_EQ(surface.ClientPixel(99, 50), SystemWindowColour);
}

// Recorded draws made with the background and tints must give the picture
// of drawing at once and tinting the whole frame: every kind of blitter,
// both facings, at the frame's edges, and past what a frame works out tile
// by tile.
TEST(RenderedFrame, MatchesDrawingAtOnceThenTinting) {
    const auto drawAll = [](Canvas canvas, int copies) {
        for (int k = 0; k < copies; ++k) {
            const int32_t x = -30 + (k * 97) % 870, y = -20 + (k * 53) % 550;
            // Apart, so that no draw's bounds hide another's.
            BlitSprite(canvas, x, y, SpriteLedge);
            BlitSpriteMirrored(canvas, x + 300, y + 150, SpriteLegsStride, k % 2 ? 1 : -1);
            BlitSpriteRotated(canvas, x + 600, y + 300, SpriteMosquitoA, float(k) * 0.37f,
                              k % 2 ? 1 : -1);
        }
    };
    for (const int copies : {7, MaxFrameDraws}) {
        auto held = std::make_unique<GameWorld>();
        auto direct = std::make_unique<GameWorld>();
        Renderer renderer;
        renderer.BeginFrame();
        drawAll(renderer.CanvasAt(0, 0), copies);
        renderer.FinishFrame(held->frameBuffer, 0x81, 0x42);
        FillBackground(direct->frameBuffer);
        drawAll(CanvasDrawnAtOnce(*direct), copies);
        ApplyTints(direct->frameBuffer, 0x81, 0x42);
        EXPECT_TRUE(held->frameBuffer.Pixels() == direct->frameBuffer.Pixels()) << copies;
    }
}

// Frame after frame on one buffer, the sky going back only where the last
// draws were, every draw cut to what the later ones leave showing and, on an
// untinted frame, only the tiles whose draws changed drawn again: the same
// pictures as a fresh background with everything drawn at once. The sprites
// are stacked over each other off the 8-pixel tiles and across the frame's
// edges; half the turned and mirrored ones move every frame, the rest every
// third; the tints stay, change and vanish.
TEST(RenderedFrame, StackedDrawsFrameAfterFrameMatchDrawingAtOnce) {
    const auto drawStack = [](Canvas canvas, int frame) {
        const int still = frame / 3;
        for (int k = 0; k < 40; ++k) {
            const int32_t x = -45 + (k * 37 + still * 13) % 860, y = -35 + (k * 29 + still * 7) % 560;
            BlitSprite(canvas, x, y, SpriteTree);
            BlitSprite(canvas, x + 11, y + 5, k % 2 ? SpriteBlock : SpriteNest);
            const int moved = k % 2 ? frame : still;
            BlitSpriteRotated(canvas, x + 20 + moved, y + 30, SpriteMosquitoA,
                              float(k + moved) * 0.41f, k % 2 ? 1 : -1);
            BlitSprite(canvas, x + 3, y + 17, SpriteLedge);
            BlitSpriteMirrored(canvas, x + 30 - moved, y + 40, SpriteLegsStride, k % 3 ? 1 : -1);
        }
    };
    const struct {
        uint8_t strength, ticksLeft;
    } tints[] = {{0, 0}, {0, 0}, {0, 0}, {0, 0}, {90, 0}, {89, 0}, {0, 0},
                 {0, 7}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}};
    auto held = std::make_unique<GameWorld>();
    auto renderer = std::make_unique<Renderer>();
    for (int frame = 0; frame < int(std::size(tints)); ++frame) {
        // Frames 2 and 3 are the same picture.
        const int picture = frame == 3 ? 2 : frame;
        renderer->BeginFrame();
        drawStack(renderer->CanvasAt(0, 0), picture);
        renderer->FinishFrame(held->frameBuffer, tints[frame].strength, tints[frame].ticksLeft);
        auto direct = std::make_unique<GameWorld>();
        FillBackground(direct->frameBuffer);
        drawStack(CanvasDrawnAtOnce(*direct), picture);
        ApplyTints(direct->frameBuffer, tints[frame].strength, tints[frame].ticksLeft);
        ASSERT_TRUE(held->frameBuffer.Pixels() == direct->frameBuffer.Pixels()) << "frame " << frame;
    }
}

namespace {

// Holds the engine to its word: outside the boxes a frame names, its pixels
// are those of the frame before.
class ChangeCheckingSurface : public RecordingSurface {
public:
    void DrawFrameChanges(int32_t x, int32_t y, const uint32_t* pixels, int32_t w, int32_t h,
                          std::span<const PixelBox> changed) override {
        std::vector<char> named(size_t(w) * size_t(h), last_.empty());
        uint64_t area = 0;
        for (const PixelBox& box : changed) {
            ASSERT_TRUE(0 <= box.left && box.left < box.right && box.right <= w);
            ASSERT_TRUE(0 <= box.top && box.top < box.bottom && box.bottom <= h);
            for (int32_t row = box.top; row < box.bottom; ++row)
                std::fill_n(named.begin() + row * w + box.left, box.right - box.left, 1);
            area += uint64_t(box.right - box.left) * uint64_t(box.bottom - box.top);
        }
        for (size_t k = 0; k < named.size(); ++k)
            if (!named[k] && pixels[k] != last_[k]) ++unnamedChanges;
        ++frames;
        if (area <= uint64_t(w) * uint64_t(h) / 4) ++smallFrames;
        lastBoxes = changed.size();
        last_.assign(pixels, pixels + size_t(w) * size_t(h));
        DrawPixels(x, y, pixels, w, h);
    }

    uint64_t frames = 0, smallFrames = 0, unnamedChanges = 0;
    size_t lastBoxes = 0;  // boxes the last presentation named

private:
    std::vector<uint32_t> last_;
};

}  // namespace

// The whole game played through, deaths, tints, level changes and boxes
// included: no pixel outside the named boxes ever changes, and frames with
// little moving name only a small part of the picture.
TEST(PresentFrame, NamesEveryPixelThatChangedAcrossAWholeGame) {
    const std::vector<uint8_t> bytes = FreshDataFile();
    ASSERT_FALSE(bytes.empty());
    TempDataFile data(bytes);
    ReplayJournal replay;
    std::string error;
    ASSERT_TRUE(LoadReplayFile(
        (std::filesystem::path(ZARNOK_SOURCE_DIR) / "tests/replays/proofs/full-game.txt").string(),
        replay, error))
        << error;

    ChangeCheckingSurface surface;
    ScriptedHost host(surface);
    host.dataFilePath = data.Path();
    host.answers.assign(replay.answers.begin(), replay.answers.end());
    auto world = std::make_unique<GameWorld>();
    HeadlessDriver driver(*world, host);
    size_t next = 0;
    while (!driver.Closed() && driver.TicksRun() < 2693) {
        for (; next < replay.keys.size() && replay.keys[next].tick == driver.TicksRun(); ++next)
            driver.Press(replay.keys[next].down, replay.keys[next].key);
        driver.Tick();
    }
    EXPECT_EQ(surface.unnamedChanges, 0u);
    EXPECT_GT(surface.frames, 2600u);
    EXPECT_GT(surface.smallFrames, 1000u);
}

// Past the renderer's tables: more (tile, draw) pairs than the lists hold,
// more draws than a frame works out tile by tile, and then a frame that fits
// again after one that did not. Each picture is the one drawn from scratch.
TEST(RenderedFrame, OverfullTablesMatchDrawingAtOnce) {
    // Trees stepped 9 px apart, each hiding part of the one before: sixty of
    // them list more tiles than fit, five hundred are more draws than fit.
    const auto drawForest = [](Canvas canvas, int frame, int trees) {
        for (int k = 0; k < trees; ++k)
            BlitSprite(canvas, -60 + (k * 9 + frame) % 900, -100 + (k * 5) % 560, SpriteTree);
        BlitSpriteRotated(canvas, 400 + frame, 250, SpriteMosquitoB, 0.2f * float(frame), 1);
    };
    const int trees[] = {60, 60, 3, 3, 500, 500, 3, 60};
    auto held = std::make_unique<GameWorld>();
    auto renderer = std::make_unique<Renderer>();
    for (int frame = 0; frame < int(std::size(trees)); ++frame) {
        renderer->BeginFrame();
        drawForest(renderer->CanvasAt(0, 0), frame, trees[frame]);
        renderer->FinishFrame(held->frameBuffer, 0, 0);
        auto direct = std::make_unique<GameWorld>();
        FillBackground(direct->frameBuffer);
        drawForest(CanvasDrawnAtOnce(*direct), frame, trees[frame]);
        ASSERT_TRUE(held->frameBuffer.Pixels() == direct->frameBuffer.Pixels()) << "frame " << frame;
    }
}

// A frame whose changes make more boxes than a presentation passes is
// presented whole, and so is the first frame a surface is shown after
// another surface was: no surface ever misses a changed pixel.
TEST(PresentFrame, TooManyBoxesAndASecondSurfaceArePresentedWhole) {
    // Magazines on a grid with gaps: each a box of its own.
    const auto drawGrid = [](Canvas canvas, int frame) {
        for (int k = 0; k < 400; ++k)
            BlitSprite(canvas, 12 + (k % 25) * 31 + frame % 2, 12 + (k / 25) * 30, SpriteMagazine);
    };
    ChangeCheckingSurface first, second;
    auto world = std::make_unique<GameWorld>();
    auto renderer = std::make_unique<Renderer>();
    const struct {
        ChangeCheckingSurface* surface;
        bool whole;
    } shown[] = {{&first, true}, {&first, true}, {&second, true}, {&first, true}, {&first, true}};
    for (int frame = 0; frame < int(std::size(shown)); ++frame) {
        renderer->BeginFrame();
        drawGrid(renderer->CanvasAt(0, 0), frame);
        renderer->FinishFrame(world->frameBuffer, 0, 0);
        renderer->PresentFrame(world->frameBuffer, *shown[frame].surface);
        EXPECT_EQ(shown[frame].surface->lastBoxes, 1u) << "frame " << frame;
    }
    // The same picture again changes nothing, so it names less than all.
    renderer->BeginFrame();
    drawGrid(renderer->CanvasAt(0, 0), 4);
    renderer->FinishFrame(world->frameBuffer, 0, 0);
    renderer->PresentFrame(world->frameBuffer, first);
    EXPECT_EQ(first.lastBoxes, 0u);
    EXPECT_EQ(first.unnamedChanges, 0u);
    EXPECT_EQ(second.unnamedChanges, 0u);
}

// Pixels written from outside the renderer between two frames that draw the
// same: the renderer cannot keep its tiles, and draws and presents them again.
TEST(RenderedFrame, PixelsWrittenFromOutsideAreDrawnAndPresentedAgain) {
    const auto drawFew = [](Canvas canvas) {
        BlitSprite(canvas, 300, 200, SpriteLedge);
        BlitSpriteRotated(canvas, 500, 300, SpriteMosquitoA, 0.5f, -1);
    };
    ChangeCheckingSurface surface;
    auto held = std::make_unique<GameWorld>();
    auto renderer = std::make_unique<Renderer>();
    for (int frame = 0; frame < 4; ++frame) {
        // Written through the frame's own door, then by a copy of the world.
        if (frame == 1) std::ranges::fill(held->frameBuffer.EditPixels(), 0x00ABCDEFu);
        if (frame == 2) {
            auto other = std::make_unique<GameWorld>();
            std::ranges::fill(other->frameBuffer.EditPixels(), 0x00FEDCBAu);
            *held = *other;
        }
        renderer->BeginFrame();
        drawFew(renderer->CanvasAt(0, 0));
        renderer->FinishFrame(held->frameBuffer, 0, 0);
        renderer->PresentFrame(held->frameBuffer, surface);
        auto direct = std::make_unique<GameWorld>();
        FillBackground(direct->frameBuffer);
        drawFew(CanvasDrawnAtOnce(*direct));
        ASSERT_TRUE(held->frameBuffer.Pixels() == direct->frameBuffer.Pixels()) << "frame " << frame;
    }
    EXPECT_EQ(surface.unnamedChanges, 0u);
    EXPECT_EQ(surface.lastBoxes, 0u);  // the last frame changed nothing
}
