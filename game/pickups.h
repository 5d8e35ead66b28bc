// pickups.h -- things to collect for points, and the bottle of repellent.
#pragma once

struct GameWorld;
class Host;

void UpdatePickups(GameWorld& world, Host& host);
