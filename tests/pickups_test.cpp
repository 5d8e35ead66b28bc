// Pickups, their chime and advertisement, and the repellent device.
#include <gtest/gtest.h>

#include <algorithm>

#include "game/pickups.h"
#include "game/raptor.h"
#include "game/tick.h"
#include "game/world.h"
#include "render/sprites.h"
#include "tests/support/expected_texts.h"
#include "tests/support/game_fixtures.h"
#include "tools/common/scripted_host.h"
#include "tests/support/drawn_steps.h"

namespace {

constexpr uint32_t Sentinel = 0x00123456;

// A soldier with a move and an aim key held, so a pickup that forgets them shows it.
GameWorld WalkingSoldierAt(int32_t x, int32_t y) {
    GameWorld world = WorldWithSoldierAt(x, y);
    world.player.moveDir = 1;
    world.player.aimDir = -1;
    return world;
}

// True when every opaque pixel of `id` sits at frame (sx + j, sy + i).
bool DrawnAt(const GameWorld& world, int32_t sx, int32_t sy, SpriteId id) {
    const SpriteInfo* info = FindSprite(id);
    std::span<const uint32_t> pixels = SpritePixels(id);
    if (!info || pixels.size() < size_t(info->width * info->height)) return false;
    int checked = 0;
    for (int i = 0; i < info->height; ++i) {
        for (int j = 0; j < info->width; ++j) {
            uint32_t v = pixels[size_t(i * info->width + j)];
            if (v == TransparentKey) continue;
            ++checked;
            if (world.frameBuffer.at(sx + j, sy + i) != v) return false;
        }
    }
    return checked > 20;
}

void ClearFrame(GameWorld& world) {
    std::ranges::fill(world.frameBuffer.EditPixels(), Sentinel);
}

}  // namespace

TEST(Pickups, EachKindPaysItsPointsAndIsDrawnInTheTickItIsTaken) {
    const SpriteId sprites[] = {SpriteCircuitBoard, SpriteCrystal,   SpriteTulip,
                                SpriteCoin,         SpriteRepellent, SpriteStrawberry};
    const int32_t points[] = {100, 250, 1000, 301, 57, 699};
    for (uint8_t type = 1; type <= 6; ++type) {
        GameWorld world = WalkingSoldierAt(310, 250);
        ScriptedHost host;
        world.pickups[9] = {300, 200, type};
        ClearFrame(world);
        UpdatePickups(world, host);
        EXPECT_EQ(world.pickups[9].type, 0);
        EXPECT_EQ(world.score, points[type - 1]);
        EXPECT_EQ(world.scorePopups[0].x, 300);
        EXPECT_EQ(world.scorePopups[0].y, 200);
        EXPECT_TRUE(DrawnAt(world, 300, 200, sprites[type - 1])) << int(type);
        EXPECT_EQ(host.chimes, 1);
        // Gone: not drawn, not paid again.
        ClearFrame(world);
        UpdatePickups(world, host);
        EXPECT_EQ(world.score, points[type - 1]);
        EXPECT_EQ(world.frameBuffer.at(310, 210), Sentinel);
        EXPECT_EQ(host.chimes, 1);
    }
}

TEST(Pickups, TouchedAtTheFeetTheMiddleOrTheChestOnly) {
    struct Case {
        int32_t pickupY;
        bool taken;
    };
    // Soldier's feet at y 500: test points at 500, 480 and 460.
    const Case cases[] = {{480, true}, {500, true}, {440, true}, {439, false}, {501, false}};
    for (const Case& c : cases) {
        GameWorld world = WalkingSoldierAt(100, 500);
        ScriptedHost host;
        world.pickups[0] = {80, c.pickupY, 4};
        UpdatePickups(world, host);
        EXPECT_EQ(world.pickups[0].type == 0, c.taken) << c.pickupY;
    }
    GameWorld world = WalkingSoldierAt(100, 500);
    ScriptedHost host;
    world.pickups[0] = {101, 480, 4};  // one pixel to the right
    UpdatePickups(world, host);
    EXPECT_EQ(world.pickups[0].type, 4);
}

TEST(Pickups, RepellentProtectsAdvertisesAndForgetsHeldKeys) {
    GameWorld world = WalkingSoldierAt(110, 300);
    ScriptedHost host;
    world.pickups[2] = {100, 290, 5};
    UpdatePickups(world, host);
    EXPECT_EQ(world.score, 57);
    EXPECT_EQ(world.player.invulnerableTicks, 255);
    ASSERT_EQ(host.messages.size(), 1u);
    ExpectMessage(host.messages[0], ExpectedText("AdvertCaption"),
                  ExpectedText("RepellentAdvertText"), MessageButtons::Ok, MessageIcon::None);
    EXPECT_EQ(world.player.moveDir, 0);
    EXPECT_EQ(world.player.aimDir, 0);
    EXPECT_EQ(host.log, (std::vector<std::string>{
                            "chime", std::string("message ") + ExpectedText("AdvertCaption")}));
}

TEST(Pickups, UnknownKindsAreInvisibleButChimeEveryTickWhileSoundIsOn) {
    GameWorld world = WalkingSoldierAt(110, 300);
    ScriptedHost host;
    world.pickups[0] = {100, 290, 7};
    world.pickups[1] = {100, 290, 255};
    world.pickups[2] = {100, 290, 0};
    for (int tick = 0; tick < 3; ++tick) {
        ClearFrame(world);
        UpdatePickups(world, host);
    }
    EXPECT_EQ(host.chimes, 6);
    EXPECT_EQ(world.pickups[0].type, 7);
    EXPECT_EQ(world.pickups[1].type, 255);
    EXPECT_EQ(world.score, 0);
    EXPECT_EQ(world.frameBuffer.at(110, 300), Sentinel);

    world.soundOn = 0;
    world.pickups[3] = {100, 290, 2};
    UpdatePickups(world, host);
    EXPECT_EQ(host.chimes, 6);
    EXPECT_EQ(world.score, 250);
}

TEST(RaptorItem, SwitchedOnOnceShownUnlitThatTickThenClearsTheScreen) {
    GameWorld world = WalkingSoldierAt(1420, 2330);  // hand at (1420, 2300)
    world.cameraLeft = 1000;
    world.cameraTop = 2000;
    ScriptedHost host;
    world.platforms[4] = {1400, 2270, PlatformRaptorOff};
    ClearFrame(world);
    UpdateRaptorItem(world, host, 4);
    EXPECT_EQ(world.platforms[4].type, PlatformRaptorOn);
    EXPECT_EQ(world.raptorOnScreen, 0);
    EXPECT_TRUE(DrawnAt(world, 400, 270, SpriteRaptorOff));
    ASSERT_EQ(host.messages.size(), 1u);
    ExpectMessage(host.messages[0], ExpectedText("AdvertCaption"), ExpectedText("RaptorAdvertText"),
                  MessageButtons::Ok, MessageIcon::None);
    EXPECT_EQ(world.player.moveDir, 0);

    world.player.moveDir = 1;
    ClearFrame(world);
    UpdateRaptorItem(world, host, 4);
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(world.player.moveDir, 1);
    EXPECT_EQ(world.raptorOnScreen, 1);
    EXPECT_TRUE(DrawnAt(world, 400, 270, SpriteRaptorOn));
}

TEST(RaptorItem, CountsOnlyWhenItsCornerIsStrictlyInView) {
    struct Case {
        int32_t x, y;
        bool onScreen;
    };
    const Case cases[] = {{1001, 2001, true},  {1799, 2499, true},  {1000, 2200, false},
                          {1800, 2200, false}, {1300, 2000, false}, {1300, 2500, false}};
    for (const Case& c : cases) {
        GameWorld world = WalkingSoldierAt(0, 0);
        world.cameraLeft = 1000;
        world.cameraTop = 2000;
        ScriptedHost host;
        world.platforms[199] = {c.x, c.y, PlatformRaptorOn};
        UpdateRaptorItem(world, host, 199);
        EXPECT_EQ(world.raptorOnScreen != 0, c.onScreen) << c.x << "," << c.y;
    }
}

// Through whole ticks: the flag set by the platform pass silences the nests
// at once, but the mosquitoes only see it in the following tick; a text
// earned in a tick is on the view at the end of that tick.
TEST(RaptorItem, LitDeviceAcrossTicks) {
    GameWorld world = WalkingSoldierAt(400, 300);
    world.player.facing = 1;
    world.deathPlaneY = 100000;
    world.cameraLeft = 0;
    world.cameraTop = 20;
    ScriptedHost host;
    Renderer renderer;
    RecordingSurface& surface = static_cast<RecordingSurface&>(host.Surface());
    world.platforms[0] = {390, 265, PlatformRaptorOff};
    world.pickups[0] = {395, 280, 4};
    world.nests[0] = {600, 100, 99};
    world.mosquitoes[1] = {100, 100, 1, 1, 0.0f, 0};

    RunTimerTick(world, host, renderer);  // switched on, coin taken
    EXPECT_EQ(world.platforms[0].type, PlatformRaptorOn);
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(world.score, 301);
    bool coinShown = false;
    for (const SurfaceCall& c : surface.calls)
        coinShown |= c.kind == SurfaceCall::Text && c.text == "301";
    EXPECT_TRUE(coinShown);

    RunTimerTick(world, host, renderer);  // lit and in view: the due nest stays quiet
    EXPECT_EQ(world.raptorOnScreen, 1);
    EXPECT_EQ(world.nests[0].spawnTimer, 1);
    EXPECT_NE(world.mosquitoes[1].alive, 0);
    EXPECT_EQ(world.mosquitoes[0].alive, 0);

    RunTimerTick(world, host, renderer);  // now the mosquito dies
    EXPECT_EQ(world.mosquitoes[1].alive, 0);
    EXPECT_EQ(world.score, 801);
}
