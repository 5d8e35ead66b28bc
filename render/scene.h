// scene.h -- what stands for each level element and how the soldier is drawn.
#pragma once

#include <cstdint>

#include "render/canvas.h"

// Decoration types 1..7 at their place; any other type draws nothing.
void DrawDecoration(Canvas canvas, int32_t x, int32_t y, uint8_t type);
void DrawGoal(Canvas canvas, int32_t x, int32_t y);

// The soldier from his five pieces: legs, torso, the arm with `rifle`
// (one of the rifle sprites), head.
void DrawPlayer(Canvas canvas, int32_t x, int32_t y, float angle, uint8_t walkFrame, SpriteId rifle,
                int32_t facing);
