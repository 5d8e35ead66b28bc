// hud.h -- the row below the picture: spare magazines, health and score.
#pragma once

#include <cstdint>

class ClientSurface;

// What the HUD shows, read from the soldier and the game.
struct HudReadings {
    uint8_t spareMagazines = 0;  // full magazines carried
    uint8_t health = 0;          // 0..100, px of the red bar
    int32_t score = 0;
};

void DrawHud(ClientSurface& surface, const HudReadings& readings);
