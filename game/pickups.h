// pickups.h -- things to collect, and the repellent device you switch on.
#pragma once

struct GameWorld;
class Host;

void UpdatePickups(GameWorld& world, Host& host);

// Rules of the repellent device in platform slot `slot` (type 3 or 4), run
// by the platform pass at that slot's place.
void UpdateRaptorItem(GameWorld& world, Host& host, int slot);
