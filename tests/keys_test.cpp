// The key dispatcher: binding free slots, the gate, every matching slot
// acting in order, releases, and the key-capture store.
#include <gtest/gtest.h>

#include "game/world.h"
#include "game/keys.h"
#include "tools/common/scripted_host.h"

namespace {

constexpr int32_t KeyA = 0x41;
constexpr int32_t KeyB = 0x42;
constexpr int32_t KeyD = 0x44;
constexpr int32_t KeyW = 0x57;

class KeysTest : public ::testing::Test {
protected:
    void Down(int32_t key) { DispatchKeyDown(world, host, key); }
    void Up(int32_t key) { DispatchKeyUp(world, host, key); }

    // The rifle's state, its sound countdown and the firing loops started so far.
    void ExpectRifle(int fireState, int soundCountdown, int loopsStarted) {
        EXPECT_EQ(world.player.fireState, fireState);
        EXPECT_EQ(world.player.fireSoundCountdown, soundCountdown);
        EXPECT_EQ(host.firingLoopStarts, loopsStarted);
    }

    GameWorld world;
    ScriptedHost host;
};

TEST_F(KeysTest, WithTheDefaultBindingsTheVeryFirstKeyDownActs) {
    Down(VK_Left);
    EXPECT_EQ(world.keyPressCounter, 1);
    EXPECT_EQ(world.player.moveDir, -1);
    EXPECT_EQ(world.player.facing, -1);
    Down(VK_Up);
    EXPECT_EQ(world.player.aimDir, 1);
    Down(VK_Shift);
    EXPECT_EQ(world.player.jumpTicksLeft, JumpLength);
    EXPECT_EQ(world.keyPressCounter, 3);
}

TEST_F(KeysTest, UnboundSlotsAreFilledInSlotOrderBeforeAnyKeyActs) {
    world.keyBindings.fire = 0;
    world.keyBindings.down = 0;
    Down(KeyA);  // takes "down", the earlier slot
    EXPECT_EQ(world.keyBindings.down, KeyA);
    EXPECT_EQ(world.keyBindings.fire, 0);
    EXPECT_EQ(world.player.aimDir, 0);
    Down(VK_Left);  // bound already, but the gate is still closed: it fills "fire"
    EXPECT_EQ(world.keyBindings.fire, VK_Left);
    EXPECT_EQ(world.player.moveDir, 0);
    EXPECT_EQ(world.keyPressCounter, 0);

    Down(KeyA);
    EXPECT_EQ(world.keyPressCounter, 1);
    EXPECT_EQ(world.player.aimDir, -1);
    // Left now moves and fires.
    world.player.rounds = 5;
    Down(VK_Left);
    EXPECT_EQ(world.player.moveDir, -1);
    EXPECT_EQ(world.player.fireState, 1);
}

TEST_F(KeysTest, TheGateStaysOpenWhateverTheNumberOfPresses) {
    world.keyPressCounter = 255;
    Down(VK_Right);
    EXPECT_NE(world.keyPressCounter, 0);
    EXPECT_EQ(world.player.moveDir, 1);
    Down(VK_Up);
    EXPECT_EQ(world.player.aimDir, 1);
}

TEST_F(KeysTest, FreeSlotsAreTakenUpDownLeftRightFireJump) {
    KeyBindings& keys = world.keyBindings;
    keys = KeyBindings{0, 0, 0, 0, 0, 0};
    const int32_t pressed[] = {0x31, 0x32, 0x33, 0x34, 0x35, 0x36};
    for (int32_t key : pressed) {
        Down(key);
    }
    const int32_t slots[] = {keys.up, keys.down, keys.left, keys.right, keys.fire, keys.jump};
    for (size_t i = 0; i < 6; ++i) EXPECT_EQ(slots[i], pressed[i]) << "slot " << i;
    EXPECT_EQ(world.keyPressCounter, 0);
    EXPECT_EQ(world.player.jumpTicksLeft, 0);  // none of them acted
    Down(0x36);
    EXPECT_EQ(world.player.jumpTicksLeft, JumpLength);
}

TEST_F(KeysTest, AKeyBoundTwicePerformsBothActionsTheLaterLast) {
    world.keyBindings.up = KeyW;
    world.keyBindings.down = KeyW;
    Down(KeyW);
    EXPECT_EQ(world.player.aimDir, -1);
    Up(KeyW);
    EXPECT_EQ(world.player.aimDir, 0);

    world.keyBindings.left = KeyD;
    world.keyBindings.right = KeyD;
    Down(KeyD);
    EXPECT_EQ(world.player.moveDir, 1);
    EXPECT_EQ(world.player.facing, 1);
}

TEST_F(KeysTest, ReleasingOneOfTwoHeldDirectionKeysStops) {
    Down(VK_Left);
    Down(VK_Right);
    Up(VK_Left);
    EXPECT_EQ(world.player.moveDir, 0);
    EXPECT_EQ(world.player.facing, 1);
    Down(VK_Right);  // the held key's next auto-repeat moves him again
    EXPECT_EQ(world.player.moveDir, 1);
    Up(VK_Right);
    EXPECT_EQ(world.player.moveDir, 0);
    Down(VK_Down);
    Up(VK_Down);
    EXPECT_EQ(world.player.aimDir, 0);
}

TEST_F(KeysTest, FireWithRoundsStartsTheLoopWithoutRoundsReloads) {
    world.player.rounds = 3;
    world.player.fireState = 9;
    world.stopPending = 1;
    Down(VK_Control);
    ExpectRifle(1, 1, 1);
    EXPECT_EQ(world.stopPending, 0);

    world.player.rounds = 0;
    world.player.fireSoundCountdown = 77;
    Down(VK_Control);
    ExpectRifle(3, 77, 1);
}

TEST_F(KeysTest, FireWithSoundOffStillFiresSilently) {
    world.soundOn = 0;
    world.player.rounds = 3;
    Down(VK_Control);
    ExpectRifle(1, 1, 0);
}

TEST_F(KeysTest, FireReleaseIdlesAndSchedulesTheStopEvenWithSoundOff) {
    world.soundOn = 0;
    world.player.fireState = 7;
    Up(VK_Control);
    EXPECT_EQ(world.player.fireState, 0);
    EXPECT_EQ(world.stopPending, 1);
    EXPECT_EQ(host.stopTimerStarts, 1);
}

TEST_F(KeysTest, ReleasesAreNotGatedAndJumpReleaseDoesNothing) {
    world.keyBindings.jump = 0;  // gate closed
    world.player.aimDir = 1;
    world.player.moveDir = -1;
    world.player.jumpTicksLeft = 4;
    Up(VK_Down);
    Up(VK_Left);
    EXPECT_EQ(world.player.aimDir, 0);
    EXPECT_EQ(world.player.moveDir, 0);
    world.keyBindings.jump = VK_Shift;
    Up(VK_Shift);
    EXPECT_EQ(world.player.jumpTicksLeft, 4);
    EXPECT_EQ(host.stopTimerStarts, 0);
}

TEST_F(KeysTest, JumpKeyDuringAJumpChangesNothing) {
    world.player.jumpTicksLeft = 5;
    Down(VK_Shift);
    EXPECT_EQ(world.player.jumpTicksLeft, 5);
}

TEST_F(KeysTest, UnboundKeyDoesNothing) {
    const GameWorld before = world;
    Down(KeyB);
    Up(KeyB);
    EXPECT_EQ(world.player.moveDir, before.player.moveDir);
    EXPECT_EQ(world.player.aimDir, before.player.aimDir);
    EXPECT_EQ(world.player.fireState, before.player.fireState);
    EXPECT_EQ(world.player.jumpTicksLeft, before.player.jumpTicksLeft);
    EXPECT_EQ(host.log.size(), 0u);
}

TEST_F(KeysTest, CapturedKeyGoesToTheSlotOfTheSelectedButton) {
    struct Case {
        uint8_t action;
        int32_t KeyBindings::*slot;
    } cases[] = {
        {ActionLeft, &KeyBindings::left}, {ActionRight, &KeyBindings::right},
        {ActionUp, &KeyBindings::up},     {ActionDown, &KeyBindings::down},
        {ActionJump, &KeyBindings::jump}, {ActionFire, &KeyBindings::fire},
    };
    for (const Case& c : cases) {
        GameWorld fresh;
        fresh.selectedAction = c.action;
        StoreCapturedKey(fresh, KeyA);
        const KeyBindings defaults;
        for (const Case& other : cases) {
            const int32_t expected = other.slot == c.slot ? KeyA : defaults.*(other.slot);
            EXPECT_EQ(fresh.keyBindings.*(other.slot), expected) << "action " << int(c.action);
        }
    }
    world.selectedAction = 6;
    StoreCapturedKey(world, KeyA);
    const KeyBindings defaults;
    EXPECT_EQ(world.keyBindings.up, defaults.up);
    EXPECT_EQ(world.keyBindings.down, defaults.down);
    EXPECT_EQ(world.keyBindings.left, defaults.left);
    EXPECT_EQ(world.keyBindings.right, defaults.right);
    EXPECT_EQ(world.keyBindings.fire, defaults.fire);
    EXPECT_EQ(world.keyBindings.jump, defaults.jump);
}

TEST_F(KeysTest, RebindingFireMovesTheTriggerToTheNewKey) {
    world.player.rounds = 10;
    world.selectedAction = ActionFire;
    StoreCapturedKey(world, KeyA);
    Down(VK_Control);
    EXPECT_EQ(world.player.fireState, 0);
    Down(KeyA);
    EXPECT_EQ(world.player.fireState, 1);
}

}  // namespace
