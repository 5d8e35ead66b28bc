// frame.h -- the frame's sky and tints, and where the picture stands in the view.
#pragma once

#include <cstdint>
#include <span>

#include "render/frame_buffer.h"

class ClientSurface;

// The swamp sky over the whole frame.
void FillBackground(FrameBuffer& frame);
void PaintSky(std::span<uint32_t> pixels);
// `strength` 0..255 of the red tint; `ticksLeft` of protection tints green.
void ApplyDamageTint(FrameBuffer& frame, uint8_t strength);
void ApplyProtectionTint(FrameBuffer& frame, uint8_t ticksLeft);
// Both tints whose strength is not zero, in one pass over the frame.
void ApplyTints(FrameBuffer& frame, uint8_t strength, uint8_t ticksLeft);
// The bits both tints OR into a pixel.
uint32_t TintBits(uint8_t strength, uint8_t ticksLeft);

// Client pixel at which picture coordinate (0, 0) lies.
struct PictureOrigin {
    int32_t x = 0, y = 0;
};

// The 800 x 500 picture centred in a client area of the given size, raised
// by 50 px to leave the HUD room below it.
PictureOrigin PictureOriginFor(int32_t clientWidth, int32_t clientHeight);

// Sets the surface's origin to PictureOriginFor its client size.
void MapPicture(ClientSurface& surface);
