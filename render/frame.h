// frame.h -- the frame buffer's life in a tick: background, tints, presentation.
#pragma once

#include <cstdint>

#include "render/canvas.h"

class ClientSurface;

void FillBackground(FrameBuffer& frame);
// `strength` 0..255 of the red tint; `ticksLeft` of protection tints green.
void ApplyDamageTint(FrameBuffer& frame, uint8_t strength);
void ApplyProtectionTint(FrameBuffer& frame, uint8_t ticksLeft);
// Both tints whose strength is not zero, in one pass over the frame.
void ApplyTints(FrameBuffer& frame, uint8_t strength, uint8_t ticksLeft);

// A frame whose tints are known only once the world has moved. Between the
// two calls the sprite blitters hold their draws back; FinishFrame lays the
// background with the tints in one pass, then makes the held draws in order
// with the tints OR-ed into every pixel they write. The picture is the same
// as FillBackground, the draws, then ApplyTints, with one pass over the
// frame instead of two.
void BeginFrame(FrameBuffer& frame);
void FinishFrame(FrameBuffer& frame, uint8_t strength, uint8_t ticksLeft);

// Keeps a draw for FinishFrame; false when the frame is not waiting, and
// the draw is to be made now.
bool HoldDraw(FrameBuffer& frame, const HeldDraw& draw);

// Client pixel at which picture coordinate (0, 0) lies.
struct PictureOrigin {
    int32_t x = 0, y = 0;
};

// The 800 x 500 picture centred in a client area of the given size, raised
// by 50 px to leave the HUD room below it.
PictureOrigin PictureOriginFor(int32_t clientWidth, int32_t clientHeight);

// Sets the surface's origin to PictureOriginFor its client size.
void MapPicture(ClientSurface& surface);

// Copies the frame buffer to picture position (0, 0), telling the surface
// which boxes may have changed since it was last shown this frame: all of
// it when the frame does not know.
void PresentFrame(FrameBuffer& frame, ClientSurface& surface);
