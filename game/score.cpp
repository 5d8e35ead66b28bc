// score.cpp -- points and the floating score texts that rise where they were won.
#include "game/score.h"

#include <string>

#include "game/host.h"
#include "game/world.h"

namespace {

constexpr uint8_t PopupLifetime = 10;       // ticks a text stays up
constexpr int32_t PopupRise = 10;           // px the text climbs per tick
constexpr int32_t PopupShiftX = 2;          // px right of the scoring point
constexpr uint32_t PopupColour = 0x0000C8;  // dark blue

}  // namespace

// The points always count; the text is dropped when all ten are in use.
void AddScore(GameWorld& world, int32_t x, int32_t y, int32_t points) {
    world.score = AddWrap(world.score, points);
    for (ScorePopup& popup : world.scorePopups) {
        if (popup.ttl != 0) continue;
        popup.x = x;
        popup.y = y;
        popup.ttl = PopupLifetime;
        popup.value = points;
        return;
    }
}

// Drawn over the presented picture, after the HUD, with the camera of the
// end of the tick.
void DrawScorePopups(const GameWorld& world, ClientSurface& surface) {
    TextStyle style;
    style.colour = PopupColour;
    style.opaqueBackground = false;
    style.clip = true;
    style.clipLeft = 0;
    style.clipTop = 0;
    style.clipRight = FrameWidth;
    style.clipBottom = FrameHeight;

    for (const ScorePopup& popup : world.scorePopups) {
        if (popup.ttl == 0) continue;
        std::string text = std::to_string(popup.value);
        int32_t x = AddWrap(SubWrap(popup.x, world.cameraLeft), PopupShiftX);
        int32_t y = SubWrap(popup.y, world.cameraTop);
        surface.DrawText(x, y, text, style);
    }
}

// Each text climbs 10 px a tick for its ten ticks.
void AgeScorePopups(GameWorld& world) {
    for (ScorePopup& popup : world.scorePopups) {
        if (popup.ttl == 0) continue;
        --popup.ttl;
        popup.y = SubWrap(popup.y, PopupRise);
    }
}
