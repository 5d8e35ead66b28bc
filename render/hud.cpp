// hud.cpp -- the row below the picture: spare magazines, health and score.
#include "render/hud.h"

#include <algorithm>
#include <array>
#include <string>

#include "render/canvas.h"
#include "render/client_surface.h"
#include "render/sprites.h"

namespace {

constexpr int32_t MagazineSlots = 10;  // boxes are drawn up to the tenth slot
constexpr int32_t HealthLeft = 300;
constexpr int32_t HealthRight = 400;
constexpr uint32_t HealthColour = 0xC80000;  // RGB(200, 0, 0)

// The magazine icon is copied as it is, white included.
std::array<uint32_t, 49> MagazineIcon() {
    std::array<uint32_t, 49> icon;
    icon.fill(TransparentKey);
    const std::span<const uint32_t> pixels = SpritePixels(SpriteMagazine);
    std::copy_n(pixels.begin(), std::min(pixels.size(), icon.size()), icon.begin());
    return icon;
}

void DrawMagazines(ClientSurface& surface, uint8_t spareMagazines) {
    const std::array<uint32_t, 49> icon = MagazineIcon();
    const int32_t spare = spareMagazines;
    // More than ten magazines simply run on to the right.
    for (int32_t k = 1; k <= spare; ++k) surface.DrawPixels(10 * k, HudTop, icon.data(), 7, 7);
    for (int32_t k = spare + 1; k <= MagazineSlots; ++k)
        surface.DrawOutlinedBox(10 * k, HudTop, 10 * k + 7, HudBottom);
}

// `health` pixels of red from the left, the rest of the 100 an empty box.
void DrawHealthBar(ClientSurface& surface, uint8_t health) {
    const int32_t filledRight = HealthLeft + health;
    if (filledRight < HealthRight)
        surface.DrawOutlinedBox(filledRight, HudTop, HealthRight, HudBottom);
    if (filledRight > HealthLeft)
        surface.FillRect(HealthLeft, HudTop, filledRight, HudBottom, HealthColour);
}

}  // namespace

void DrawHud(ClientSurface& surface, const HudReadings& readings) {
    DrawMagazines(surface, readings.spareMagazines);
    DrawHealthBar(surface, readings.health);

    TextStyle style;
    style.colour = SystemWindowTextColour;
    style.opaqueBackground = true;
    style.background = SystemWindowColour;
    style.clip = false;
    surface.DrawText(250, HudBottom, readings.healthLabel, style);
    surface.DrawText(700, HudBottom, std::to_string(readings.score), style);
    surface.DrawText(650, HudBottom, readings.scoreLabel, style);
}
