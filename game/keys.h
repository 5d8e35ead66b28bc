// keys.h -- the key dispatcher: key-down and key-up events become the soldier's requests.
#pragma once

#include <cstdint>

struct GameWorld;
class Host;

void DispatchKeyDown(GameWorld& world, Host& host, int32_t key);
void DispatchKeyUp(GameWorld& world, Host& host, int32_t key);

// The key-capture dialog: stores `key` in the slot named by selectedAction.
void StoreCapturedKey(GameWorld& world, int32_t key);

// Clears the move, aim and fire requests: keys held while a message box was
// open are forgotten.
void ResetInput(GameWorld& world);
