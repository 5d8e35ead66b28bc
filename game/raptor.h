// raptor.h -- the repellent device: switched on by hand, it clears the air in view.
#pragma once

class DrawList;
struct GameWorld;
class Host;

// Rules of the repellent device in platform slot `slot` (type 3 or 4), run
// by the platform pass at that slot's place.
void UpdateRaptorItem(GameWorld& world, Host& host, int slot, DrawList& draws);
