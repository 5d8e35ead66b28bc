// scene.h -- what stands for each level element and how the soldier is drawn.
#pragma once

#include <cstdint>

struct GameWorld;

void DrawDecorations(GameWorld& world);
void DrawGoal(GameWorld& world);

// Draws a ledge or a block (types 1 and 2) at its place.
void DrawPlatform(GameWorld& world, int slot);

// The soldier from his five pieces: legs, torso, arm with rifle, head.
void DrawPlayer(GameWorld& world, int32_t x, int32_t y, float angle, uint8_t walkFrame,
                uint8_t fireState, int32_t facing);
