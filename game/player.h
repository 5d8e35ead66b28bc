// player.h -- the soldier: contact with platforms, walking, jumping, the rifle.
#pragma once

struct GameWorld;
class Host;

// Platform pass: draws the platforms, sets the soldier's contact flags and
// runs the repellent-device rules at each device's place in slot order.
void UpdatePlatforms(GameWorld& world, Host& host);

// Player step: move, aim, jump, weapon, fall, camera, then draw the soldier.
void UpdatePlayer(GameWorld& world, Host& host);
