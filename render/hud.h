// hud.h -- the row below the picture: spare magazines, health and score.
#pragma once

#include <cstdint>
#include <string_view>

#include "render/canvas.h"

class ClientSurface;

constexpr int32_t HudTop = 530;     // picture row of the icons and bars
constexpr int32_t HudBottom = 537;  // rectangles end here (excluded); text baseline

// The picture with the HUD row below it, in picture coordinates: columns
// 0..799, rows 0..537. It is everything a tick shows; the client area
// around it is window colour.
constexpr int32_t PictureBlockWidth = FrameWidth;      // px
constexpr int32_t PictureBlockHeight = HudBottom + 1;  // px

// What the HUD shows, read from the soldier and the game, and the words
// beside the bar and the score.
struct HudReadings {
    uint8_t spareMagazines = 0;  // full magazines carried
    uint8_t health = 0;          // 0..100, px of the red bar
    int32_t score = 0;
    std::string_view healthLabel;
    std::string_view scoreLabel;
};

void DrawHud(ClientSurface& surface, const HudReadings& readings);
