// keys.cpp -- the key dispatcher: key events become requests for the next tick.
//
// Key-downs and key-ups arrive between ticks. They only set request fields
// of the soldier (move, aim, fire, jump); the player step acts on them.
#include "game/keys.h"

#include "game/weapon.h"
#include "game/world.h"

namespace {

// The six slots in their fixed order, which every search and test follows.
constexpr int SlotCount = 6;

int32_t* SlotInOrder(KeyBindings& keys, int index) {
    switch (index) {
    case 0: return &keys.up;
    case 1: return &keys.down;
    case 2: return &keys.left;
    case 3: return &keys.right;
    case 4: return &keys.fire;
    default: return &keys.jump;
    }
}

// An unassigned slot takes the first key pressed. Returns false when every
// slot already holds a key.
bool BindToFreeSlot(KeyBindings& keys, int32_t key) {
    for (int i = 0; i < SlotCount; ++i) {
        int32_t* slot = SlotInOrder(keys, i);
        if (*slot == 0) {
            *slot = key;
            return true;
        }
    }
    return false;
}

// Counts key-downs seen with every slot bound. Only "nonzero" matters, so
// the count stops at 255 instead of wrapping back to the gate's closed value.
void CountKeyPress(GameWorld& world) {
    if (world.keyPressCounter < 255) {
        ++world.keyPressCounter;
    }
}

void PressJump(PlayerState& p) {
    if (p.jumpTicksLeft == 0) {
        p.jumpTicksLeft = JumpLength;  // dropped by the player step if airborne
    }
}

}  // namespace

void DispatchKeyDown(GameWorld& world, Host& host, int32_t key) {
    KeyBindings& keys = world.keyBindings;
    if (!BindToFreeSlot(keys, key)) {
        CountKeyPress(world);
    }
    // Until every slot is bound, key-downs only fill the slots.
    if (world.keyPressCounter == 0) {
        return;
    }

    // Every matching slot acts, in slot order: a key bound twice does both.
    PlayerState& p = world.player;
    if (key == keys.up) {
        p.aimDir = 1;
    }
    if (key == keys.down) {
        p.aimDir = -1;
    }
    if (key == keys.left) {
        p.moveDir = -1;
        p.facing = -1;
    }
    if (key == keys.right) {
        p.moveDir = 1;
        p.facing = 1;
    }
    if (key == keys.fire) {
        PressFire(world, host);
    }
    if (key == keys.jump) {
        PressJump(p);
    }
}

// Releases are never gated. Releasing one of two held direction keys stops
// the soldier; the other key moves him again only with its next key-down.
void DispatchKeyUp(GameWorld& world, Host& host, int32_t key) {
    const KeyBindings& keys = world.keyBindings;
    PlayerState& p = world.player;
    if (key == keys.up || key == keys.down) {
        p.aimDir = 0;
    }
    if (key == keys.left || key == keys.right) {
        p.moveDir = 0;
    }
    if (key == keys.fire) {
        ReleaseFire(world, host);
    }
}

void StoreCapturedKey(GameWorld& world, int32_t key) {
    KeyBindings& keys = world.keyBindings;
    switch (world.selectedAction) {
    case ActionLeft: keys.left = key; break;
    case ActionRight: keys.right = key; break;
    case ActionUp: keys.up = key; break;
    case ActionDown: keys.down = key; break;
    case ActionJump: keys.jump = key; break;
    case ActionFire: keys.fire = key; break;
    default: break;  // no such action: nothing is stored
    }
}

void ResetInput(GameWorld& world) {
    PlayerState& p = world.player;
    p.moveDir = 0;
    ClearFireRequest(p);
    p.aimDir = 0;
}
