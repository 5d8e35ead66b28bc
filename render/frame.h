// frame.h -- the frame buffer's life in a tick: background, tints, presentation.
#pragma once

#include <cstdint>

struct GameWorld;
class ClientSurface;

void FillBackground(GameWorld& world);
void ApplyDamageTint(GameWorld& world);
void ApplyProtectionTint(GameWorld& world);
// Both tints whose strength is not zero, in one pass over the frame.
void ApplyTints(GameWorld& world);

// Client pixel of picture coordinate (0, 0) in a client area of the size given.
struct PictureOrigin {
    int32_t x = 0, y = 0;
};
PictureOrigin PictureOriginFor(int32_t clientWidth, int32_t clientHeight);

// Centres the 800 x 500 picture in the client area, raised by 50 px.
void MapPicture(ClientSurface& surface);

// Copies the frame buffer to picture position (0, 0).
void PresentFrame(const GameWorld& world, ClientSurface& surface);
