// The rifle: bursts, reloads, the empty rest, the ejected magazine and the
// firing sound around them.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "game/player.h"
#include "game/sound.h"
#include "game/weapon.h"
#include "game/world.h"
#include "game/keys.h"
#include "tools/common/scripted_host.h"
#include "tests/support/drawn_steps.h"

namespace {

class WeaponTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Standing on a block, well inside the level.
        world.platforms[0] = Platform{0, 500, PlatformBlock};
        world.player.x = 50;
        world.player.y = 500;
        world.player.facing = 1;
        world.player.rounds = 30;
        world.player.spareMagazines = 10;
        world.deathPlaneY = 100000;
    }

    void Tick() {
        UpdatePlatforms(world, host);
        UpdatePlayer(world, host);
    }

    int BulletsInFlight() const {
        return int(std::count_if(world.bullets.begin(), world.bullets.end(),
                                 [](const Bullet& b) { return b.active != 0; }));
    }

    GameWorld world;
    ScriptedHost host;
};

TEST_F(WeaponTest, OneHeldKeyFiresAMagazineEverySecondTickThenReloads) {
    DispatchKeyDown(world, host, world.keyBindings.fire);
    EXPECT_EQ(host.firingLoopStarts, 1);

    std::vector<int> shotTicks;
    std::vector<uint8_t> states;
    int previousRounds = world.player.rounds;
    int ejections = 0;
    for (int tick = 1; tick <= 100; ++tick) {
        world.fallingMagazine.active = 0;  // the magazine does not fall here
        Tick();
        if (world.fallingMagazine.active != 0) {
            ++ejections;
        }
        if (world.player.rounds != previousRounds) {
            shotTicks.push_back(tick);
        }
        previousRounds = world.player.rounds;
        states.push_back(world.player.fireState);
    }
    ASSERT_EQ(shotTicks.size(), 30u);  // 29 decrements and the refill
    EXPECT_EQ(shotTicks.front(), 1);
    EXPECT_EQ(shotTicks.back(), 59);
    for (size_t i = 1; i < shotTicks.size(); ++i) {
        EXPECT_EQ(shotTicks[i] - shotTicks[i - 1], 2);
    }
    EXPECT_EQ(BulletsInFlight(), 30);
    EXPECT_EQ(world.player.spareMagazines, 9);
    EXPECT_EQ(world.player.rounds, 30);
    EXPECT_EQ(ejections, 1);
    // The reload shows states 3..15 on the ticks 59..71, then the rifle idles.
    for (int tick = 59; tick <= 71; ++tick) {
        EXPECT_EQ(states[size_t(tick - 1)], tick - 56) << "tick " << tick;
    }
    EXPECT_EQ(states[71], 0);
    EXPECT_EQ(states[99], 0);
    // The empty magazine asked for the loop to stop, once.
    EXPECT_EQ(host.stopTimerStarts, 1);
    EXPECT_EQ(world.stopPending, 1);
}

TEST_F(WeaponTest, AutoRepeatRaisesTheRateUpToOneRoundPerTick) {
    for (int tick = 0; tick < 10; ++tick) {
        DispatchKeyDown(world, host, world.keyBindings.fire);
        Tick();
    }
    EXPECT_EQ(world.player.rounds, 20);
    EXPECT_EQ(BulletsInFlight(), 10);
}

TEST_F(WeaponTest, ReleasingTheKeyMidReloadIdlesAndAPressResumesAtOnce) {
    world.player.rounds = 1;
    DispatchKeyDown(world, host, world.keyBindings.fire);
    Tick();
    EXPECT_EQ(world.player.fireState, 3);
    EXPECT_EQ(world.player.rounds, 30);
    Tick();
    DispatchKeyUp(world, host, world.keyBindings.fire);
    EXPECT_EQ(world.player.fireState, 0);
    DispatchKeyDown(world, host, world.keyBindings.fire);
    Tick();
    EXPECT_EQ(world.player.rounds, 29);
}

TEST_F(WeaponTest, LastRoundWithoutSpareMagazineRestsAtStateSix) {
    world.player.rounds = 1;
    world.player.spareMagazines = 0;
    DispatchKeyDown(world, host, world.keyBindings.fire);
    Tick();
    EXPECT_EQ(world.player.rounds, 0);
    EXPECT_EQ(world.player.fireState, 6);
    EXPECT_EQ(world.fallingMagazine.active, 1);
    EXPECT_EQ(BulletsInFlight(), 1);

    for (int tick = 0; tick < 5; ++tick) {
        Tick();
        EXPECT_EQ(world.player.fireState, 6);
    }
    // Further presses and releases come back to the rest on the next tick.
    const int loopsBefore = host.firingLoopStarts;
    DispatchKeyDown(world, host, world.keyBindings.fire);
    EXPECT_EQ(world.player.fireState, 3);
    Tick();
    EXPECT_EQ(world.player.fireState, 6);
    DispatchKeyUp(world, host, world.keyBindings.fire);
    Tick();
    EXPECT_EQ(world.player.fireState, 6);
    EXPECT_EQ(BulletsInFlight(), 1);
    EXPECT_EQ(host.firingLoopStarts, loopsBefore);
}

TEST_F(WeaponTest, AFullBulletTableStillSpendsTheRound) {
    for (Bullet& b : world.bullets) {
        b.active = 1;
        b.x = 12345;
    }
    world.player.fireState = 1;
    world.player.fireSoundCountdown = 50;  // every shot sets it back to 1
    Tick();
    EXPECT_EQ(world.player.rounds, 29);
    EXPECT_EQ(world.player.fireSoundCountdown, 1);
    EXPECT_EQ(world.bullets[0].x, 12345);
}

TEST_F(WeaponTest, ReloadWithSoundOffSchedulesNoStop) {
    world.soundOn = 0;
    world.player.rounds = 1;
    DispatchKeyDown(world, host, world.keyBindings.fire);
    Tick();
    EXPECT_EQ(world.player.fireState, 3);
    EXPECT_EQ(host.stopTimerStarts, 0);
    EXPECT_EQ(host.firingLoopStarts, 0);
}

// --- the firing sound while idle --------------------------------------------

TEST_F(WeaponTest, IdleRifleStopsTheLoopOnceEvery256Ticks) {
    world.player.fireSoundCountdown = 1;
    std::vector<int> stopTicks;
    for (int tick = 1; tick <= 600; ++tick) {
        const int before = host.soundStops;
        Tick();
        if (host.soundStops != before) {
            stopTicks.push_back(tick);
        }
    }
    EXPECT_EQ(stopTicks, (std::vector<int>{1, 257, 513}));
}

TEST_F(WeaponTest, IdleCountdownRunsSilentlyWithSoundOff) {
    world.soundOn = 0;
    world.player.fireSoundCountdown = 1;
    Tick();
    EXPECT_EQ(host.soundStops, 0);
    EXPECT_EQ(world.player.fireSoundCountdown, 0);
    Tick();
    EXPECT_EQ(world.player.fireSoundCountdown, 255);
}

TEST_F(WeaponTest, CountdownHoldsDuringTheReload) {
    world.player.fireState = 5;
    world.player.fireSoundCountdown = 1;
    Tick();
    EXPECT_EQ(world.player.fireSoundCountdown, 1);
    EXPECT_EQ(host.soundStops, 0);
}

// --- the ejected magazine ----------------------------------------------------

TEST_F(WeaponTest, MagazineLeavesAlongTheRifleScaledByTheFacing) {
    world.player.x = 1000;
    world.player.y = 2000;
    struct Case {
        int32_t facing;
        float angle;
        int32_t x, y;
    } cases[] = {
        {1, 0.0f, 1020, 1955},  {-1, 0.0f, 980, 1955},
        {1, 0.5f, 1017, 1946},   // cos 0.5 * 20 = 17.55, sin 0.5 * 20 = 9.59
        {-1, 0.5f, 983, 1964},   // facing left, raised: lower
        {-1, -0.5f, 983, 1946},  // facing left, lowered: higher
    };
    for (const Case& c : cases) {
        world.player.facing = c.facing;
        world.player.aimAngle = c.angle;
        world.fallingMagazine = FallingMagazine{};
        EjectMagazine(world);
        EXPECT_EQ(world.fallingMagazine.x, c.x) << c.facing << " " << c.angle;
        EXPECT_EQ(world.fallingMagazine.y, c.y) << c.facing << " " << c.angle;
        EXPECT_EQ(world.fallingMagazine.active, 1);
    }
}

TEST_F(WeaponTest, MagazineStopsOnlyWhenItLandsExactlyOnTheStopLine) {
    world.fallingMagazine = FallingMagazine{10, 530, 1};
    std::vector<int32_t> ys;
    for (int tick = 0; tick < 8; ++tick) {
        UpdateFallingMagazine(world);
        ys.push_back(world.fallingMagazine.y);
    }
    EXPECT_EQ(ys, (std::vector<int32_t>{540, 550, 560, 570, 580, 580, 580, 580}));
    EXPECT_EQ(world.fallingMagazine.active, 0);

    world.fallingMagazine = FallingMagazine{10, 537, 1};
    for (int tick = 0; tick < 100; ++tick) {
        UpdateFallingMagazine(world);
    }
    EXPECT_EQ(world.fallingMagazine.active, 1);
    EXPECT_EQ(world.fallingMagazine.y, 1537);

    world.fallingMagazine = FallingMagazine{10, 580, 1};  // at the line already
    UpdateFallingMagazine(world);
    EXPECT_EQ(world.fallingMagazine.active, 1);
}

TEST_F(WeaponTest, MagazineAtTheIntegerLimitWraps) {
    world.fallingMagazine = FallingMagazine{0, INT32_MAX - 5, 1};
    UpdateFallingMagazine(world);
    EXPECT_EQ(world.fallingMagazine.y, INT32_MIN + 4);
}

// --- sound operations ----------------------------------------------------------

TEST_F(WeaponTest, StopTimerStopsTheLoopOnlyWhenTheStopIsStillWanted) {
    DispatchKeyDown(world, host, world.keyBindings.fire);
    DispatchKeyUp(world, host, world.keyBindings.fire);
    EXPECT_TRUE(host.stopTimerRunning);
    OnSoundStopTimer(world, host);
    EXPECT_EQ(host.soundStops, 1);
    EXPECT_FALSE(host.stopTimerRunning);
    EXPECT_EQ(world.stopPending, 1);  // stays set

    // A quick re-press inside the 50 ms cancels the stop.
    DispatchKeyUp(world, host, world.keyBindings.fire);
    DispatchKeyDown(world, host, world.keyBindings.fire);
    OnSoundStopTimer(world, host);
    EXPECT_EQ(host.soundStops, 1);
    EXPECT_FALSE(host.stopTimerRunning);
}

TEST_F(WeaponTest, LoopStartedBeforeMutingEndsOnTheNextRelease) {
    DispatchKeyDown(world, host, world.keyBindings.fire);
    ToggleSound(world);
    EXPECT_EQ(world.soundOn, 0);
    DispatchKeyDown(world, host, world.keyBindings.fire);  // auto-repeat, muted
    EXPECT_EQ(host.firingLoopStarts, 1);
    DispatchKeyUp(world, host, world.keyBindings.fire);
    OnSoundStopTimer(world, host);
    EXPECT_EQ(host.soundStops, 1);
}

TEST_F(WeaponTest, SoundToggleFlipsOnlyTheLowestBit) {
    ToggleSound(world);
    EXPECT_EQ(world.soundOn, 0);
    ToggleSound(world);
    EXPECT_EQ(world.soundOn, 1);
    world.soundOn = 2;  // lowest bit clear: counts as off, turns on
    ToggleSound(world);
    EXPECT_EQ(world.soundOn, 1);
}

}  // namespace
