// The pad's logic: buttons and sticks to controls, the dead zone, and one
// key event per change, in play, in a dialog and in the background.
#include <gtest/gtest.h>

#include <vector>

#include "input/gamepad.h"
#include "input/key_bindings.h"

namespace {

constexpr int32_t DeadZoneEdge = 8191;  // 25 % of 32767, still inside

using Commands = std::vector<PadCommand>;

PadCommand Down(PadControl action) { return {PadCommandKind::KeyDown, action}; }
PadCommand Up(PadControl action) { return {PadCommandKind::KeyUp, action}; }
PadCommand Step(PadCommandKind kind) { return {kind, PadControl(0)}; }

class PadRouting : public ::testing::Test {
protected:
    Commands Hold(PadControls held, PadMode mode = PadMode::Playing) {
        Commands out;
        RoutePad(router, held, mode, out);
        return out;
    }

    PadRouter router;
};

}  // namespace

// ---------------------------------------------------------------------------
// Readings to controls
// ---------------------------------------------------------------------------

TEST(PadControls, FaceButtonsDpadAndTriggerGiveTheirActions) {
    PadReading r;
    EXPECT_EQ(HeldControls(r), 0);
    r.south = true;
    EXPECT_EQ(HeldControls(r), PadJump | PadPress);
    r = {};
    r.west = true;
    EXPECT_EQ(HeldControls(r), PadFire);
    r = {};
    r.east = true;
    EXPECT_EQ(HeldControls(r), PadEscape);
    r = {};
    r.start = true;
    EXPECT_EQ(HeldControls(r), PadPause);
    r = {};
    r.dpadLeft = true;
    EXPECT_EQ(HeldControls(r), PadMoveLeft | PadFocusPrevious);
    r = {};
    r.dpadUp = true;
    EXPECT_EQ(HeldControls(r), PadAimUp | PadFocusPrevious);
    r = {};
    r.dpadRight = true;
    r.dpadDown = true;
    EXPECT_EQ(HeldControls(r), PadMoveRight | PadAimDown | PadFocusNext);
    r = {};
    r.rightTrigger = 32767;
    EXPECT_EQ(HeldControls(r), PadFire);
}

TEST(PadControls, TheStickAndTriggerActOnlyBeyondAQuarterOfTheirTravel) {
    PadReading r;
    r.leftX = DeadZoneEdge;
    r.leftY = -DeadZoneEdge;
    r.rightTrigger = DeadZoneEdge;
    EXPECT_EQ(HeldControls(r), 0);
    r.leftX = DeadZoneEdge + 1;
    EXPECT_EQ(HeldControls(r), PadMoveRight);
    r.leftX = -DeadZoneEdge - 1;
    EXPECT_EQ(HeldControls(r), PadMoveLeft);
    r.leftX = -32768;  // the far end, one further than the other side
    r.leftY = -DeadZoneEdge - 1;
    EXPECT_EQ(HeldControls(r), PadMoveLeft | PadAimUp);
    r.leftY = 32767;
    EXPECT_EQ(HeldControls(r), PadMoveLeft | PadAimDown);
    r.rightTrigger = DeadZoneEdge + 1;
    EXPECT_TRUE((HeldControls(r) & PadFire) != 0);
    // The stick never moves a dialog's focus: only the D-pad does.
    EXPECT_EQ(HeldControls(r) & (PadFocusPrevious | PadFocusNext), 0);
}

TEST(PadControls, EachActionSendsTheKeyBoundToItNow) {
    KeyBindings keys;
    EXPECT_EQ(BoundKey(keys, PadAimUp), VK_Up);
    EXPECT_EQ(BoundKey(keys, PadAimDown), VK_Down);
    EXPECT_EQ(BoundKey(keys, PadMoveLeft), VK_Left);
    EXPECT_EQ(BoundKey(keys, PadMoveRight), VK_Right);
    EXPECT_EQ(BoundKey(keys, PadFire), VK_Control);
    EXPECT_EQ(BoundKey(keys, PadJump), VK_Shift);
    keys.fire = 0x47;  // G
    EXPECT_EQ(BoundKey(keys, PadFire), 0x47);
    EXPECT_EQ(BoundKey(keys, PadPause), 0);
}

// ---------------------------------------------------------------------------
// Changes to commands
// ---------------------------------------------------------------------------

TEST_F(PadRouting, APressGivesOneKeyDownAndItsReleaseOneKeyUp) {
    EXPECT_EQ(Hold(PadFire), Commands{Down(PadFire)});
    EXPECT_EQ(Hold(PadFire), Commands{}) << "held: no stream of key-downs";
    EXPECT_EQ(Hold(PadFire), Commands{});
    EXPECT_EQ(Hold(0), Commands{Up(PadFire)});
    EXPECT_EQ(Hold(0), Commands{});
}

TEST_F(PadRouting, TwoSourcesOfOneActionAreOneKeyUntilBothLetGo) {
    PadReading dpad, stick;
    dpad.dpadRight = true;
    stick.leftX = 30000;
    EXPECT_EQ(Hold(HeldControls(dpad)), Commands{Down(PadMoveRight)});
    // A second pad, or the stick of the same one, joins in.
    EXPECT_EQ(Hold(PadControls(HeldControls(dpad) | HeldControls(stick))), Commands{});
    EXPECT_EQ(Hold(HeldControls(stick)), Commands{});
    EXPECT_EQ(Hold(0), Commands{Up(PadMoveRight)});
}

TEST_F(PadRouting, SwappingLeftForRightReleasesLeftFirst) {
    Hold(PadMoveLeft | PadAimUp);
    EXPECT_EQ(Hold(PadMoveRight | PadAimUp), (Commands{Up(PadMoveLeft), Down(PadMoveRight)}));
    EXPECT_EQ(
        Hold(PadAimDown | PadFire | PadJump),
        (Commands{Up(PadAimUp), Up(PadMoveRight), Down(PadAimDown), Down(PadFire), Down(PadJump)}));
}

TEST_F(PadRouting, StartPausesOnlyInPlayAndOnlyOnItsPress) {
    EXPECT_EQ(Hold(PadPause), Commands{Step(PadCommandKind::Pause)});
    EXPECT_EQ(Hold(PadPause), Commands{});
    Hold(0);
    EXPECT_EQ(Hold(PadPause, PadMode::InDialog), Commands{});
    Hold(0, PadMode::InDialog);
    EXPECT_EQ(Hold(PadPause, PadMode::Ignored), Commands{});
}

TEST_F(PadRouting, InADialogPressesStepTheDialogAndNeverReachTheGame) {
    EXPECT_EQ(Hold(PadFocusNext | PadMoveRight, PadMode::InDialog),
              Commands{Step(PadCommandKind::FocusNext)});
    EXPECT_EQ(Hold(PadFocusNext | PadMoveRight, PadMode::InDialog), Commands{});
    EXPECT_EQ(Hold(PadFocusPrevious | PadAimUp, PadMode::InDialog),
              Commands{Step(PadCommandKind::FocusPrevious)});
    EXPECT_EQ(Hold(PadJump | PadPress, PadMode::InDialog), Commands{Step(PadCommandKind::Press)});
    EXPECT_EQ(Hold(PadEscape, PadMode::InDialog), Commands{Step(PadCommandKind::Escape)});
    EXPECT_EQ(router.keysDown, 0);
}

TEST_F(PadRouting, TheButtonThatClosedADialogStaysSilentInPlayUntilReleased) {
    Hold(PadJump | PadPress, PadMode::InDialog);  // A answers the message
    EXPECT_EQ(Hold(PadJump | PadPress), Commands{}) << "no jump when the game is back";
    EXPECT_EQ(Hold(0), Commands{});
    EXPECT_EQ(Hold(PadJump | PadPress), Commands{Down(PadJump)}) << "the next press jumps";
}

TEST_F(PadRouting, WhatWasLetGoDuringADialogIsReleasedWhenPlayComesBack) {
    Hold(PadMoveRight | PadFire);
    EXPECT_EQ(Hold(PadMoveRight, PadMode::InDialog), Commands{}) << "nothing while the box is up";
    EXPECT_EQ(Hold(PadMoveRight), Commands{Up(PadFire)});
    // Held through the dialog: still down, nothing more to say.
    EXPECT_EQ(Hold(PadMoveRight), Commands{});
    EXPECT_EQ(Hold(0), Commands{Up(PadMoveRight)});
}

TEST_F(PadRouting, InTheBackgroundThePadDoesNothingAndItsPressesStaySpent) {
    Hold(PadMoveLeft);
    EXPECT_EQ(Hold(PadMoveRight | PadPause | PadPress, PadMode::Ignored), Commands{});
    // Back in front: left was let go, right was pressed while away.
    EXPECT_EQ(Hold(PadMoveRight | PadPause | PadPress), Commands{Up(PadMoveLeft)});
    EXPECT_EQ(Hold(0), Commands{});
    EXPECT_EQ(Hold(PadMoveRight), Commands{Down(PadMoveRight)});
}
