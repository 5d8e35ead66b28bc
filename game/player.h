// player.h -- the soldier: contact with platforms, walking, jumping, the rifle.
#pragma once

#include "render/canvas.h"

struct GameWorld;
struct Platform;
struct PlayerState;
class Host;

// A ledge, block or repellent device at its place; an empty slot draws nothing.
void DrawPlatform(Canvas canvas, const Platform& platform);
// The soldier as he stands, with the rifle of his firing state.
void DrawSoldier(Canvas canvas, const PlayerState& p);

// Platform pass: draws the platforms, sets the soldier's contact flags and
// runs the repellent-device rules at each device's place in slot order.
void UpdatePlatforms(GameWorld& world, Host& host, DrawList& draws);

// Player step: move, aim, jump, weapon, fall, camera, then draw the soldier.
void UpdatePlayer(GameWorld& world, Host& host, DrawList& draws);
