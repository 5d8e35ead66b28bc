// virtual_keys.h -- Qt's key identifiers turned into the Windows virtual-key
// codes the key bindings are written in.
#pragma once

#include <cstdint>

#include <Qt>

// The code of a key event, or 0 when the key has no virtual-key code.
//
// qtKey and modifiers come from QKeyEvent::key() and modifiers(). When the
// layout gives a key that has no code of its own (a Cyrillic letter, say),
// the physical key decides: scanCode is QKeyEvent::nativeScanCode(), used
// only when scanCodesAreXkb says it is an X/xkb keycode (xcb, Wayland).
int32_t VirtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers, uint32_t scanCode,
                         bool scanCodesAreXkb);

// True for the keys Windows reports as system keys rather than ordinary
// key-downs and key-ups: Alt itself, F10, and anything pressed with Alt
// held. They belong to the menu, never to the game or the capture dialog.
bool IsSystemKey(int32_t virtualKey, Qt::KeyboardModifiers modifiers);

// Whether this application's platform plugin reports xkb keycodes as scan codes.
bool PlatformHasXkbScanCodes();
