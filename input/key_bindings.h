// key_bindings.h -- the six bound keys, as Windows virtual-key codes.
#pragma once

#include <cstdint>

// Virtual-key codes the game uses by name: the default bindings. The shell
// maps its own key identifiers onto these codes so that the bindings mean the
// same everywhere.
enum VirtualKey : int32_t {
    VK_Shift = 0x10,
    VK_Control,  // 0x11
    VK_Left = 0x25,
    VK_Up,     // 0x26
    VK_Right,  // 0x27
    VK_Down,   // 0x28
};

// Six slots in their fixed order; 0 means unassigned. One key may sit in
// several slots, and then it triggers every one of their actions.
struct KeyBindings {
    int32_t up = VK_Up;         // aim up
    int32_t down = VK_Down;     // aim down
    int32_t left = VK_Left;     // move left
    int32_t right = VK_Right;   // move right
    int32_t fire = VK_Control;  // fire
    int32_t jump = VK_Shift;    // jump
};

// Numbering of the slot the key-capture dialog sets (selectedAction).
// It differs from the slot order above on purpose: it follows the buttons,
// counted from 0.
enum SelectedAction : uint8_t {
    ActionLeft,
    ActionRight,
    ActionUp,
    ActionDown,
    ActionJump,
    ActionFire
};
