// Walking, walls, jumping, falling and aiming of the soldier, driven tick by
// tick through the platform pass and the player step.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "game/player.h"
#include "game/world.h"
#include "tools/common/scripted_host.h"
#include "tests/support/drawn_steps.h"

namespace {

constexpr int32_t GroundY = 500;  // top of the floor of blocks

class SoldierTest : public ::testing::Test {
protected:
    void SetUp() override {
        world.deathPlaneY = 100000;
        world.player.facing = 1;
        world.player.y = GroundY;
    }

    // Floor of blocks from x = -500 to 1500 with its top at GroundY.
    void AddFloor() {
        for (int32_t x = -500; x < 1500; x += 100) {
            AddPlatform(PlatformBlock, x, GroundY);
        }
    }

    void AddPlatform(uint8_t type, int32_t x, int32_t y) {
        world.platforms[size_t(nextSlot++)] = Platform{x, y, type};
    }

    // The two steps of a tick that belong to the soldier, in tick order.
    void Tick() {
        UpdatePlatforms(world, host);
        UpdatePlayer(world, host);
    }

    std::vector<int32_t> TrackY(int ticks) {
        std::vector<int32_t> ys;
        for (int i = 0; i < ticks; ++i) {
            Tick();
            ys.push_back(world.player.y);
        }
        return ys;
    }

    GameWorld world;
    ScriptedHost host;
    int nextSlot = 0;
};

// --- walls -----------------------------------------------------------------

TEST_F(SoldierTest, WalkingIntoABlockAlternatesBetweenTwoPositions) {
    AddFloor();
    AddPlatform(PlatformBlock, 200, GroundY - 100);  // wall box x 200..300
    world.player.x = 150;
    world.player.moveDir = 1;

    std::vector<int32_t> xs;
    std::vector<uint8_t> frames;
    for (int i = 0; i < 12; ++i) {
        Tick();
        xs.push_back(world.player.x);
        frames.push_back(world.player.walkFrame);
    }
    // 150 -> 160 -> 170 -> 180; at 180 the probe (200) touches: back to 170.
    EXPECT_EQ(xs,
              (std::vector<int32_t>{160, 170, 180, 170, 180, 170, 180, 170, 180, 170, 180, 170}));
    // The legs keep alternating while the key is held, blocked or not.
    for (size_t i = 1; i < frames.size(); ++i) {
        EXPECT_NE(frames[i], frames[i - 1]) << "tick " << i;
    }
    EXPECT_EQ(world.player.y, GroundY);
}

TEST_F(SoldierTest, WalkingLeftIntoABlockIsPushedBackToTheRight) {
    AddFloor();
    AddPlatform(PlatformBlock, 200, GroundY - 100);
    world.player.x = 350;
    world.player.facing = -1;
    world.player.moveDir = -1;
    uint8_t frame = world.player.walkFrame;
    for (int i = 0; i < 10; ++i) {
        Tick();
        EXPECT_GE(world.player.x, 320) << "tick " << i;  // probe x - 20 never past 300
        EXPECT_NE(world.player.walkFrame, frame) << "tick " << i;
        frame = world.player.walkFrame;
    }
}

TEST_F(SoldierTest, StandingFacingAnEdgeIsPushedBackUntilTheProbeIsClear) {
    AddFloor();
    AddPlatform(PlatformBlock, 200, GroundY - 100);
    world.player.x = 195;  // probe at 215, inside the wall box
    std::vector<int32_t> xs;
    for (int i = 0; i < 4; ++i) {
        Tick();
        xs.push_back(world.player.x);
    }
    EXPECT_EQ(xs, (std::vector<int32_t>{185, 175, 175, 175}));
    EXPECT_EQ(world.player.walkFrame, 0);  // no move request, no stride
}

TEST_F(SoldierTest, UpperWallProbeSitsHigherAgainstBlocksThanAgainstLedges) {
    AddFloor();
    world.player.x = 100;  // wall probes at x = 120
    struct Case {
        uint8_t type;
        int32_t y;
        bool blocked;
    } cases[] = {
        {PlatformLedge, GroundY - 51, true},    // band 459..479 holds the probe at y - 21
        {PlatformLedge, GroundY - 52, false},   // band 458..478 misses it
        {PlatformBlock, GroundY - 130, true},   // box bottom 470 holds the probe at y - 30
        {PlatformBlock, GroundY - 131, false},  // 469 misses it
    };
    for (const Case& c : cases) {
        GameWorld fresh;
        world.platforms = fresh.platforms;
        nextSlot = 0;
        AddFloor();
        AddPlatform(c.type, 110, c.y);
        world.player.x = 100;
        world.player.blocked = 0;
        UpdatePlatforms(world, host);
        EXPECT_EQ(world.player.blocked != 0, c.blocked) << "type " << int(c.type) << " y " << c.y;
        EXPECT_EQ(world.player.headBump, 0);
        EXPECT_EQ(world.player.onGround, 1);
    }
}

TEST_F(SoldierTest, BlockHeadBoxReachesOnePixelBelowTheBlock) {
    AddFloor();
    world.player.x = 100;                 // head probe at (100, 450)
    AddPlatform(PlatformBlock, 50, 349);  // head box 348..450
    UpdatePlatforms(world, host);
    EXPECT_EQ(world.player.headBump, 1);
    EXPECT_EQ(world.player.blocked, 0);

    world.player.headBump = 0;
    world.platforms[size_t(nextSlot - 1)].y = 348;  // head box 347..449
    UpdatePlatforms(world, host);
    EXPECT_EQ(world.player.headBump, 0);
}

TEST_F(SoldierTest, SolesBelowTheLedgeTopGetBlockedByTheirOwnLedge) {
    AddPlatform(PlatformLedge, 0, 400);  // feet band 410..430
    world.player.x = 50;
    world.player.y = 410;  // resting normally: clear
    UpdatePlatforms(world, host);
    EXPECT_EQ(world.player.onGround, 1);
    EXPECT_EQ(world.player.blocked, 0);

    world.player.onGround = 0;
    world.player.y = 420;  // low probe at 419 lies in the band
    UpdatePlatforms(world, host);
    EXPECT_EQ(world.player.onGround, 1);
    EXPECT_EQ(world.player.blocked, 1);
}

TEST_F(SoldierTest, ContactFlagsLiveForOneTickOnly) {
    AddFloor();
    world.player.x = 100;
    UpdatePlatforms(world, host);
    EXPECT_EQ(world.player.onGround, 1);
    world.player.blocked = 1;
    world.player.headBump = 1;
    UpdatePlayer(world, host);
    EXPECT_EQ(world.player.onGround, 0);
    EXPECT_EQ(world.player.blocked, 0);
    EXPECT_EQ(world.player.headBump, 0);
}

// --- jumping and falling ------------------------------------------------------

TEST_F(SoldierTest, JumpFromRestRises130PixelsAndLandsAgain) {
    AddFloor();
    world.player.x = 100;
    world.player.jumpTicksLeft = JumpLength;
    const std::vector<int32_t> ys = TrackY(30);
    // First tick from the ground: a full 20 px; then 20 up and 10 down.
    EXPECT_EQ(ys[0], 480);
    EXPECT_EQ(ys[1], 470);
    EXPECT_EQ(ys[11], 370);
    EXPECT_EQ(*std::min_element(ys.begin(), ys.end()), GroundY - 130);
    EXPECT_EQ(ys[12], 380);  // the jump is over: falling 10 per tick
    EXPECT_EQ(ys[24], GroundY);
    EXPECT_EQ(ys[29], GroundY);
    EXPECT_EQ(world.player.jumpTicksLeft, 0);
}

TEST_F(SoldierTest, HeadBumpEndsTheJumpAfterThatTicksRise) {
    AddFloor();
    AddPlatform(PlatformLedge, 50, 380);  // head band 390..410
    world.player.x = 100;
    world.player.jumpTicksLeft = JumpLength;
    // The head reaches 410 after the third tick; the fourth still rises.
    EXPECT_EQ(TrackY(10), (std::vector<int32_t>{480, 470, 460, 450, 460, 470, 480, 490, 500, 500}));
    EXPECT_EQ(world.player.jumpTicksLeft, 0);
}

TEST_F(SoldierTest, JumpPressedInMidAirIsDropped) {
    AddFloor();
    world.player.x = 100;
    world.player.y = GroundY - 10;  // one tick above the floor
    world.player.jumpTicksLeft = JumpLength;
    Tick();
    EXPECT_EQ(world.player.jumpTicksLeft, 0);
    EXPECT_EQ(world.player.y, GroundY);
    // Landed, the dropped jump does not come back.
    EXPECT_EQ(TrackY(5), (std::vector<int32_t>(5, GroundY)));
}

TEST_F(SoldierTest, FallingPastTheDeathPlaneSetsTheCodeOnTheFirstTickBelowIt) {
    world.deathPlaneY = 480;
    world.player.x = 100;
    world.player.y = 450;
    std::vector<uint8_t> codes;
    for (int i = 0; i < 4; ++i) {
        Tick();
        codes.push_back(world.deathCode);
    }
    EXPECT_EQ(world.player.y, 490);
    EXPECT_EQ(codes, (std::vector<uint8_t>{0, 0, 0, DeathFell}));  // 460, 470, 480, 490
    EXPECT_EQ(world.cameraTop, 490 - 280);                         // drawn where he fell
}

TEST_F(SoldierTest, StandingBelowTheDeathPlaneIsSafe) {
    AddFloor();
    world.deathPlaneY = 0;
    world.player.x = 100;
    TrackY(5);
    EXPECT_EQ(world.deathCode, DeathNone);
}

TEST_F(SoldierTest, PositionsNearTheIntegerLimitsWrapInsteadOfOverflowing) {
    world.player.x = INT32_MAX - 5;
    world.player.y = INT32_MAX - 5;
    world.player.moveDir = 1;
    world.deathPlaneY = 0;
    AddPlatform(PlatformBlock, INT32_MAX - 50, INT32_MAX - 20);  // its boxes wrap: empty
    Tick();
    EXPECT_EQ(world.player.x, INT32_MIN + 4);
    EXPECT_EQ(world.player.y, INT32_MIN + 4);
    EXPECT_EQ(world.cameraLeft, INT32_MAX - 395);  // wrapped, not trapped
    EXPECT_EQ(world.deathCode, DeathNone);
}

// --- aim -----------------------------------------------------------------------

// The angle as the player step forms it: float sum of the double step.
float Stepped(float angle, int dir) { return static_cast<float>(double(angle) + dir * 0.1); }

TEST_F(SoldierTest, AimUpStopsJustPastTheUpperLimit) {
    AddFloor();
    world.player.x = 100;
    world.player.aimDir = 1;
    float expected = 0.0f;
    int changes = 0;
    for (int i = 0; i < 40; ++i) {
        const float before = world.player.aimAngle;
        Tick();
        if (world.player.aimAngle != before) {
            ++changes;
            expected = Stepped(expected, 1);
        }
    }
    EXPECT_EQ(changes, 16);
    EXPECT_EQ(world.player.aimAngle, expected);
    EXPECT_NEAR(world.player.aimAngle, 1.6, 1e-5);
    EXPECT_EQ(world.player.aimDir, 0);  // the held key has no further effect
}

TEST_F(SoldierTest, AimDownStopsJustPastTheLowerLimit) {
    AddFloor();
    world.player.x = 100;
    world.player.aimDir = -1;
    for (int i = 0; i < 40; ++i) {
        Tick();
    }
    float expected = 0.0f;
    for (int i = 0; i < 13; ++i) {
        expected = Stepped(expected, -1);
    }
    EXPECT_EQ(world.player.aimAngle, expected);
    EXPECT_NEAR(world.player.aimAngle, -1.3, 1e-5);
    EXPECT_EQ(world.player.aimDir, 0);
}

TEST_F(SoldierTest, AimLimitsAreTestedBeforeTheStep) {
    AddFloor();
    world.player.x = 100;
    // Exactly at the lower limit: not below it, so one more step is taken.
    world.player.aimAngle = -1.2566371f;
    world.player.aimDir = -1;
    Tick();
    EXPECT_EQ(world.player.aimAngle, Stepped(-1.2566371f, -1));
    EXPECT_EQ(world.player.aimDir, -1);
    Tick();
    EXPECT_EQ(world.player.aimDir, 0);
    // Beyond the upper limit the way back down is still open.
    world.player.aimAngle = 1.7f;
    world.player.aimDir = -1;
    Tick();
    EXPECT_EQ(world.player.aimAngle, Stepped(1.7f, -1));
}

TEST_F(SoldierTest, AimStepIsFormedInDoublePrecision) {
    AddFloor();
    world.player.x = 100;
    // Here a float sum of 0.1f would round the other way.
    const float start = -0x1.fffffep-3f;
    world.player.aimAngle = start;
    world.player.aimDir = 1;
    Tick();
    EXPECT_EQ(world.player.aimAngle, Stepped(start, 1));
    EXPECT_NE(world.player.aimAngle, start + 0.1f);
}

TEST_F(SoldierTest, DamageTintAndProtectionCountDownOncePerTick) {
    AddFloor();
    world.player.x = 100;
    world.player.damageTint = 2;
    world.player.invulnerableTicks = 1;
    Tick();
    EXPECT_EQ(world.player.damageTint, 1);
    EXPECT_EQ(world.player.invulnerableTicks, 0);
    Tick();
    Tick();
    EXPECT_EQ(world.player.damageTint, 0);
    EXPECT_EQ(world.player.invulnerableTicks, 0);
}

}  // namespace
