// score.h -- points and the floating score texts that rise where they were won.
#pragma once

#include <cstdint>

struct GameWorld;
class ClientSurface;

void AddScore(GameWorld& world, int32_t x, int32_t y, int32_t points);

// Draws the live score texts over the presented picture.
void DrawScorePopups(const GameWorld& world, ClientSurface& surface);

// The tick's step after the drawing: each live text climbs and loses one
// tick of display.
void AgeScorePopups(GameWorld& world);
