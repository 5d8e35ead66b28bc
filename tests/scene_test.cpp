// scene_test.cpp -- which sprite stands for what, the soldier's pieces, the HUD.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "game/player.h"
#include "game/texts.h"
#include "game/tick.h"
#include "game/weapon.h"
#include "game/world.h"
#include "render/blit.h"
#include "render/hud.h"
#include "render/scene.h"
#include "tests/support/expected_texts.h"
#include "tools/common/recording_surface.h"
#include "tools/common/scripted_host.h"
#include "tests/support/drawn_steps.h"

namespace {

constexpr uint32_t Ground = 0x00123456;

std::unique_ptr<GameWorld> GroundWorld() {
    auto world = std::make_unique<GameWorld>();
    std::ranges::fill(world->frameBuffer.EditPixels(), Ground);
    world->cameraLeft = 100;
    world->cameraTop = -20;
    return world;
}

bool SameFrame(const GameWorld& a, const GameWorld& b) {
    return a.frameBuffer.Pixels() == b.frameBuffer.Pixels();
}

// A sprite at level position (x, y) and at the size the test names, not the
// catalogue's; `facing` 0 is the plain copy.
void Placed(GameWorld& world, int32_t x, int32_t y, SpriteId id, int32_t w, int32_t h,
            int32_t facing = 0) {
    const int32_t sx = x - world.cameraLeft, sy = y - world.cameraTop;
    if (facing == 0)
        BlitPixels(world.frameBuffer, sx, sy, SpritePixels(id), w, h);
    else
        BlitPixelsMirrored(world.frameBuffer, sx, sy, SpritePixels(id), w, h, facing);
}

// The soldier assembled by hand from the pieces a test names.
void Soldier(GameWorld& world, int32_t x, int32_t y, float angle, SpriteId legs, int32_t legsX,
             SpriteId rifle, int32_t facing) {
    Placed(world, legsX, y - 21, legs, legs == SpriteLegsStride ? 18 : 9, 21, facing);
    Placed(world, x, y - 38, SpriteTorso, 9, 16, facing);
    BlitPixelsRotated(world.frameBuffer, x - world.cameraLeft, y - 38 - world.cameraTop,
                      SpritePixels(rifle), rifle == SpriteRifleFlash ? 38 : 35, 13, angle, facing);
    Placed(world, x, y - 45, SpriteHead, 9, 7, facing);
}

}  // namespace

TEST(DrawPlayer, PiecesFollowWeaponStateWalkPhaseAndFacing) {
    struct Case {
        uint8_t fireState;
        SpriteId rifle;
    };
    const Case cases[] = {{0, SpriteRifle},      {1, SpriteRifleFlash},  {3, SpriteRifleFlash},
                          {4, SpriteRifleEmpty}, {10, SpriteRifleEmpty}, {11, SpriteRifle},
                          {15, SpriteRifle},     {255, SpriteRifle}};
    const int32_t x = 500, y = 300;
    for (const Case& c : cases)
        for (int32_t facing : {1, -1})
            for (int walk : {0, 1}) {
                auto drawn = GroundWorld(), expected = GroundWorld();
                DrawPlayer(CanvasDrawnAtOnce(*drawn), x, y, 0.4f, uint8_t(walk), RifleSprite(c.fireState),
                           facing);
                if (walk)
                    Soldier(*expected, x, y, 0.4f, SpriteLegsTogether, x, c.rifle, facing);
                else
                    Soldier(*expected, x, y, 0.4f, SpriteLegsStride, x - 2 * facing, c.rifle,
                            facing);
                EXPECT_TRUE(SameFrame(*drawn, *expected))
                    << "fireState " << int(c.fireState) << " facing " << facing << " walk " << walk;
            }
    // The pieces really look different, so the comparison above can tell them apart.
    auto a = GroundWorld(), b = GroundWorld(), c = GroundWorld();
    DrawPlayer(CanvasDrawnAtOnce(*a), x, y, 0.0f, 0, RifleSprite(0), 1);
    DrawPlayer(CanvasDrawnAtOnce(*b), x, y, 0.0f, 0, RifleSprite(2), 1);
    DrawPlayer(CanvasDrawnAtOnce(*c), x, y, 0.0f, 0, RifleSprite(5), 1);
    EXPECT_FALSE(SameFrame(*a, *b));
    EXPECT_FALSE(SameFrame(*a, *c));
    EXPECT_FALSE(SameFrame(*b, *c));
    DrawPlayer(CanvasDrawnAtOnce(*a), x, y, 0.0f, 1, RifleSprite(0), 1);
    DrawPlayer(CanvasDrawnAtOnce(*b), x, y, 0.0f, 0, RifleSprite(0), 1);
    EXPECT_FALSE(SameFrame(*a, *b));
}

TEST(DrawPlayer, StrideFacingLeftStartsTwoPixelsBehindAndGrowsLeft) {
    auto world = GroundWorld();
    const int32_t x = 500, y = 300;  // frame column 400, soles at frame row 320
    DrawPlayer(CanvasDrawnAtOnce(*world), x, y, 0.3f, 0, SpriteRifle, -1);
    int32_t leftmost = FrameWidth, rightmost = -1;
    for (int32_t py = 320 - 21; py < 320; ++py)
        for (int32_t px = 0; px < FrameWidth; ++px)
            if (world->frameBuffer.at(px, py) != Ground) {
                leftmost = std::min(leftmost, px);
                rightmost = std::max(rightmost, px);
            }
    EXPECT_GE(leftmost, 400 - 15);
    EXPECT_LE(rightmost, 400 + 2);
    EXPECT_GT(rightmost, 400);  // the heel behind x shows
}

TEST(SceneSprites, DecorationsPlatformsAndGoal) {
    struct Look {
        SpriteId id;
        int32_t w, h;
    };
    const Look decorations[] = {{SpriteFlower, 37, 40},   {SpriteShrub, 48, 39},
                                {SpriteConifer, 50, 100}, {SpriteBulrush, 10, 40},
                                {SpriteVine, 30, 82},     {SpriteHangingVines, 114, 77},
                                {SpriteTree, 143, 286}};
    for (uint8_t type = 0; type < 10; ++type) {
        auto drawn = GroundWorld(), expected = GroundWorld();
        drawn->decorations[7] = {150, 60, type};
        drawn->decorations[9] = {170, 80, 2};  // a later slot covers an earlier one
        DrawScenery(*drawn);
        if (type >= 1 && type <= 7) {
            const Look& look = decorations[type - 1];
            Placed(*expected, 150, 60, look.id, look.w, look.h);
        }
        Placed(*expected, 170, 80, SpriteShrub, 48, 39);
        Placed(*expected, 0, 0, SpriteGoal, 50, 50);  // the exit of an empty level
        EXPECT_TRUE(SameFrame(*drawn, *expected)) << int(type);
    }

    // The platform pass draws ledges and blocks; the repellent devices have
    // rules of their own (pickups_test), other types are empty slots.
    for (uint8_t type :
         {uint8_t(PlatformNone), uint8_t(PlatformLedge), uint8_t(PlatformBlock), uint8_t(5)}) {
        auto drawn = GroundWorld(), expected = GroundWorld();
        drawn->platforms[199] = {300, 200, type};
        ScriptedHost host;
        UpdatePlatforms(*drawn, host);
        if (type == PlatformLedge) Placed(*expected, 300, 200, SpriteLedge, 120, 30);
        if (type == PlatformBlock) Placed(*expected, 300, 200, SpriteBlock, 100, 100);
        EXPECT_TRUE(SameFrame(*drawn, *expected)) << int(type);
    }

    // The exit is drawn over the decorations.
    auto drawn = GroundWorld(), expected = GroundWorld();
    drawn->goal = {640, 410};
    drawn->decorations[99] = {620, 380, 3};
    DrawScenery(*drawn);
    Placed(*expected, 620, 380, SpriteConifer, 50, 100);
    Placed(*expected, 640, 410, SpriteGoal, 50, 50);
    EXPECT_TRUE(SameFrame(*drawn, *expected));
    EXPECT_FALSE(SameFrame(*drawn, *GroundWorld()));
    auto alone = GroundWorld();
    DrawGoal(CanvasDrawnAtOnce(*alone), 640, 410);
    EXPECT_FALSE(SameFrame(*drawn, *alone));
}

// ---------------------------------------------------------------------------
// HUD
// ---------------------------------------------------------------------------
namespace {

std::vector<SurfaceCall> CallsOf(const RecordingSurface& s, SurfaceCall::Kind kind) {
    std::vector<SurfaceCall> out;
    for (const SurfaceCall& c : s.calls)
        if (c.kind == kind) out.push_back(c);
    return out;
}

RecordingSurface HudOf(int spare, int health, int32_t score) {
    RecordingSurface surface(800, 600);
    DrawHud(surface, {.spareMagazines = uint8_t(spare),
                      .health = uint8_t(health),
                      .score = score,
                      .healthLabel = HudHealthLabel,
                      .scoreLabel = HudScoreLabel});
    return surface;
}

}  // namespace

TEST(DrawHud, MagazineIconsThenEmptySlotsUpToTen) {
    for (int spare : {0, 3, 10, 12}) {
        RecordingSurface s = HudOf(spare, 50, 0);
        const auto icons = CallsOf(s, SurfaceCall::Pixels);
        std::vector<SurfaceCall> boxes;
        for (const SurfaceCall& c : CallsOf(s, SurfaceCall::Box))
            if (c.x < 300) boxes.push_back(c);
        ASSERT_EQ(icons.size(), size_t(spare)) << spare;
        ASSERT_EQ(boxes.size(), spare >= 10 ? 0u : size_t(10 - spare)) << spare;
        for (size_t k = 0; k < icons.size(); ++k) {
            const int32_t left = 10 * int32_t(k + 1);
            EXPECT_EQ(icons[k].x, left);
            EXPECT_EQ(icons[k].y, 530);
            EXPECT_EQ(icons[k].right - icons[k].x, 7);
            EXPECT_EQ(icons[k].bottom - icons[k].y, 7);
            // Copied as it is, white included.
            for (int32_t i = 0; i < 7; ++i)
                for (int32_t j = 0; j < 7; ++j)
                    EXPECT_EQ(s.ClientPixel(left + j, 530 + i),
                              SpritePixels(SpriteMagazine)[size_t(i * 7 + j)]);
        }
        for (size_t k = 0; k < boxes.size(); ++k) {
            const int32_t left = 10 * int32_t(spare + k + 1);
            EXPECT_EQ(boxes[k].x, left);
            EXPECT_EQ(boxes[k].right, left + 7);
            EXPECT_EQ(boxes[k].y, 530);
            EXPECT_EQ(boxes[k].bottom, 537);
        }
    }
}

TEST(DrawHud, HealthBarRedFromTheLeftRestOutlined) {
    for (int health : {0, 37, 100, 255}) {
        RecordingSurface s = HudOf(10, health, 0);
        const auto fills = CallsOf(s, SurfaceCall::Fill);
        const auto boxes = CallsOf(s, SurfaceCall::Box);
        for (int32_t px = 300; px < 300 + health; ++px)
            EXPECT_EQ(s.ClientPixel(px, 533), 0xC80000u) << px;
        EXPECT_EQ(fills.size(), health == 0 ? 0u : 1u);
        if (health < 100) {
            ASSERT_EQ(boxes.size(), 1u);
            EXPECT_EQ(boxes[0].x, 300 + health);
            EXPECT_EQ(boxes[0].right, 400);
            EXPECT_EQ(s.ClientPixel(300 + health, 533), 0x000000u);  // the outline
            EXPECT_EQ(s.ClientPixel(399, 536), 0x000000u);
            EXPECT_EQ(s.ClientPixel(398, 533), 0xFFFFFFu);
        } else {
            EXPECT_TRUE(boxes.empty()) << health;
        }
    }
}

TEST(DrawHud, LabelsAndSignedScoreInOrder) {
    for (int32_t score : {0, 1234, -56, std::numeric_limits<int32_t>::min()}) {
        RecordingSurface s = HudOf(3, 40, score);
        const auto texts = CallsOf(s, SurfaceCall::Text);
        ASSERT_EQ(texts.size(), 3u);
        const struct {
            int32_t x;
            std::string text;
        } wanted[] = {{250, ExpectedText("HudHealthLabel")},
                      {700, std::to_string(score)},
                      {650, ExpectedText("HudScoreLabel")}};
        for (size_t k = 0; k < 3; ++k) {
            EXPECT_EQ(texts[k].x, wanted[k].x);
            EXPECT_EQ(texts[k].y, 537);
            EXPECT_EQ(texts[k].text, wanted[k].text);
            EXPECT_EQ(texts[k].style.colour, SystemWindowTextColour);
            EXPECT_TRUE(texts[k].style.opaqueBackground);
            EXPECT_EQ(texts[k].style.background, SystemWindowColour);
            EXPECT_FALSE(texts[k].style.clip);
        }
    }
    EXPECT_EQ(CallsOf(HudOf(0, 0, 0), SurfaceCall::Text)[1].text, "0");
    EXPECT_EQ(CallsOf(HudOf(0, 0, -2147483647 - 1), SurfaceCall::Text)[1].text, "-2147483648");
}
