// gamepad.h -- a gamepad as one more way to press the six bound keys: what a
// pad holds becomes controls, and each change of a control becomes one
// key-down or key-up for the dispatcher, or one step in an open dialog.
//
// Nothing here knows the pad's driver or the window system: the shell reads
// the pads into PadReading records and carries out the commands.
#pragma once

#include <cstdint>
#include <vector>

struct KeyBindings;

// A stick axis or a trigger counts as pressed beyond this share of its travel.
constexpr int32_t PadAxisTravel = 32767;  // full deflection, either way
constexpr int32_t PadDeadZonePercent = 25;

// One pad as its driver reports it, with positional names: "south" is the
// bottom face button (A on an Xbox pad, the cross on a PlayStation one).
struct PadReading {
    bool dpadUp = false, dpadDown = false, dpadLeft = false, dpadRight = false;
    bool south = false;        // jump; presses a dialog's button
    bool east = false;         // a dialog's Escape
    bool west = false;         // fire
    bool start = false;        // pause
    int32_t leftX = 0;         // -32768..32767, right positive
    int32_t leftY = 0;         // -32768..32767, down positive
    int32_t rightTrigger = 0;  // 0..32767; fires past the dead zone
};

// What the player holds, whichever pad and whichever button or stick it
// comes from. The first six are the game's actions.
enum PadControl : uint16_t {
    PadAimUp = 1 << 0,
    PadAimDown = 1 << 1,
    PadMoveLeft = 1 << 2,
    PadMoveRight = 1 << 3,
    PadFire = 1 << 4,
    PadJump = 1 << 5,
    PadPause = 1 << 6,          // Start
    PadPress = 1 << 7,          // A: the focused button of a dialog
    PadEscape = 1 << 8,         // B: a dialog's Escape
    PadFocusPrevious = 1 << 9,  // D-pad up or left in a dialog
    PadFocusNext = 1 << 10,     // D-pad down or right in a dialog
};
using PadControls = uint16_t;

constexpr PadControls PadGameActions = PadAimUp | PadAimDown | PadMoveLeft | PadMoveRight |
                                       PadFire | PadJump;

// The controls one pad holds. Several pads act as one: OR their controls.
PadControls HeldControls(const PadReading& reading);

// Where the pad's input goes right now.
enum class PadMode : uint8_t {
    Ignored,   // another application or an open menu has the keyboard
    Playing,   // the game view has the keyboard: actions go to the dispatcher
    InDialog,  // a dialog or message box of the game is on top
};

enum class PadCommandKind : uint8_t {
    KeyDown,  // dispatch a key-down of the key bound to `action`
    KeyUp,    // dispatch its key-up
    Pause,    // the menu's "Пауза"
    FocusPrevious,
    FocusNext,
    Press,   // the dialog's focused button
    Escape,  // the dialog's Escape key
};

struct PadCommand {
    PadCommandKind kind;
    PadControl action;  // one game action for KeyDown and KeyUp, else 0
    bool operator==(const PadCommand&) const = default;
};

// What the pads held at the last update, which actions the dispatcher holds down,
// and what was pressed outside play and stays silent until released (the A
// that closed a message box must not jump once the game is back).
struct PadRouter {
    PadControls held = 0;
    PadControls keysDown = 0;  // game actions sent a key-down and no key-up yet
    PadControls spent = 0;
};

// Brings the router to the controls held now, in `mode`, and appends what
// the shell must do. Key-ups come before key-downs, in PadControl order, so
// that swapping left for right in one step leaves the soldier walking right.
void RoutePad(PadRouter& router, PadControls held, PadMode mode, std::vector<PadCommand>& out);

// The key bound to a game action, 0 when none is.
int32_t BoundKey(const KeyBindings& keys, PadControl action);
