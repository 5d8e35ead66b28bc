// gamepad.cpp -- the pad's buttons and sticks become controls, and the changes
// of the controls become key events or dialog steps.
#include "input/gamepad.h"

#include "input/key_bindings.h"

namespace {

constexpr PadControls PadDialogControls = PadPress | PadEscape | PadFocusPrevious | PadFocusNext;

// Beyond the dead zone: |value| > 25 % of the travel, in integers.
bool PastDeadZone(int32_t value) {
    const int64_t magnitude = value < 0 ? -int64_t(value) : int64_t(value);
    return magnitude * 100 > int64_t(PadAxisTravel) * PadDeadZonePercent;
}

void Set(PadControls& controls, PadControls control, bool on) {
    if (on) controls = PadControls(controls | control);
}

// Lowest bit first: the order of PadControl.
template <typename Emit>
void ForEachControl(PadControls controls, Emit emit) {
    for (uint16_t bit = 1; bit != 0 && bit <= controls; bit = uint16_t(bit << 1))
        if ((controls & bit) != 0) emit(PadControl(bit));
}

PadCommandKind DialogCommandOf(PadControl control) {
    switch (control) {
    case PadPress: return PadCommandKind::Press;
    case PadEscape: return PadCommandKind::Escape;
    case PadFocusPrevious: return PadCommandKind::FocusPrevious;
    default: return PadCommandKind::FocusNext;
    }
}

// Play: the held actions, less those still spent, are what the dispatcher
// should believe; tell it the difference. Start asks for the pause.
void RouteToGame(PadRouter& router, PadControls pressed, std::vector<PadCommand>& out) {
    const PadControls wanted = PadControls(router.held & PadGameActions & ~router.spent);
    ForEachControl(PadControls(router.keysDown & ~wanted), [&](PadControl a) {
        out.push_back({PadCommandKind::KeyUp, a});
    });
    ForEachControl(PadControls(wanted & ~router.keysDown), [&](PadControl a) {
        out.push_back({PadCommandKind::KeyDown, a});
    });
    router.keysDown = wanted;
    if ((pressed & PadPause) != 0) out.push_back({PadCommandKind::Pause, PadControl(0)});
}

// A dialog: fresh presses step it. Everything pressed here stays out of the
// game until it is let go.
void RouteToDialog(PadRouter& router, PadControls pressed, std::vector<PadCommand>& out) {
    ForEachControl(PadControls(pressed & PadDialogControls), [&](PadControl c) {
        out.push_back({DialogCommandOf(c), PadControl(0)});
    });
    router.spent = PadControls(router.spent | pressed);
}

}  // namespace

PadControls HeldControls(const PadReading& r) {
    PadControls held = 0;
    Set(held, PadAimUp, r.dpadUp || (PastDeadZone(r.leftY) && r.leftY < 0));
    Set(held, PadAimDown, r.dpadDown || (PastDeadZone(r.leftY) && r.leftY > 0));
    Set(held, PadMoveLeft, r.dpadLeft || (PastDeadZone(r.leftX) && r.leftX < 0));
    Set(held, PadMoveRight, r.dpadRight || (PastDeadZone(r.leftX) && r.leftX > 0));
    Set(held, PadFire, r.west || (PastDeadZone(r.rightTrigger) && r.rightTrigger > 0));
    Set(held, PadJump, r.south);
    Set(held, PadPause, r.start);
    Set(held, PadPress, r.south);
    Set(held, PadEscape, r.east);
    Set(held, PadFocusPrevious, r.dpadUp || r.dpadLeft);
    Set(held, PadFocusNext, r.dpadDown || r.dpadRight);
    return held;
}

void RoutePad(PadRouter& router, PadControls held, PadMode mode, std::vector<PadCommand>& out) {
    const PadControls pressed = PadControls(held & ~router.held);
    router.held = held;
    router.spent = PadControls(router.spent & held);  // a release ends the silence
    switch (mode) {
    case PadMode::Playing: RouteToGame(router, pressed, out); break;
    case PadMode::InDialog: RouteToDialog(router, pressed, out); break;
    case PadMode::Ignored: router.spent = PadControls(router.spent | pressed); break;
    }
}

int32_t BoundKey(const KeyBindings& keys, PadControl action) {
    switch (action) {
    case PadAimUp: return keys.up;
    case PadAimDown: return keys.down;
    case PadMoveLeft: return keys.left;
    case PadMoveRight: return keys.right;
    case PadFire: return keys.fire;
    case PadJump: return keys.jump;
    default: return 0;
    }
}
