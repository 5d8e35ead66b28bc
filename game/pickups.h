// pickups.h -- things to collect for points, and the bottle of repellent.
#pragma once

#include "render/canvas.h"

struct GameWorld;
struct Pickup;
class Host;

// A pickup of kind 1..6 at its place; any other kind draws nothing.
void DrawPickup(Canvas canvas, const Pickup& pickup);

void UpdatePickups(GameWorld& world, Host& host, DrawList& draws);
