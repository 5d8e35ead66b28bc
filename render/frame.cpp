// frame.cpp -- the frame's sky and tints, and where the picture stands in the view.
#include "render/frame.h"

#include <algorithm>
#include <span>

#include "render/client_surface.h"
#include "render/pixel_rows.h"
#include "render/sprites.h"

namespace {

// The tints are OR-ed, not added: a strength of 1 only sets the channel's
// lowest bit, 255 turns the channel fully on.
void OrIntoFrame(FrameBuffer& frame, uint32_t bits) {
    const std::span<uint32_t> pixels = frame.EditPixels();
    OrPixels(pixels.data(), pixels.data(), pixels.size(), bits);
}

}  // namespace

uint32_t TintBits(uint8_t strength, uint8_t ticksLeft) {
    return uint32_t(strength) << 16 | uint32_t(ticksLeft) << 8;
}

// The sky does not scroll: every tick starts from the top 500 rows of the
// 800 x 523 picture. Its rows are as wide as the frame, so those rows are the
// first 400,000 pixels. A background missing from the build leaves black.
void PaintSky(std::span<uint32_t> pixels) {
    const std::span<const uint32_t> sky = SpritePixels(SpriteBackground);
    const size_t copied = std::min(sky.size(), pixels.size());
    std::copy_n(sky.begin(), copied, pixels.begin());
    std::fill(pixels.begin() + std::ptrdiff_t(copied), pixels.end(), 0x000000u);
}

void FillBackground(FrameBuffer& frame) { PaintSky(frame.EditPixels()); }

void ApplyDamageTint(FrameBuffer& frame, uint8_t strength) {
    OrIntoFrame(frame, uint32_t(strength) << 16);
}

void ApplyProtectionTint(FrameBuffer& frame, uint8_t ticksLeft) {
    OrIntoFrame(frame, uint32_t(ticksLeft) << 8);
}

// The two tints touch different channels and nothing is drawn between them,
// so one pass with both masks gives the same frame as the two passes.
void ApplyTints(FrameBuffer& frame, uint8_t strength, uint8_t ticksLeft) {
    const uint32_t bits = TintBits(strength, ticksLeft);
    if (bits != 0) OrIntoFrame(frame, bits);
}

// Centred horizontally; vertically centred and then raised 50 px, which
// leaves the HUD room below the picture. The divisions truncate toward zero.
PictureOrigin PictureOriginFor(int32_t clientWidth, int32_t clientHeight) {
    constexpr int32_t HudRoom = 50;  // px the picture is raised by
    return {clientWidth / 2 - FrameWidth / 2, clientHeight / 2 - FrameHeight / 2 - HudRoom};
}

void MapPicture(ClientSurface& surface) {
    const PictureOrigin origin = PictureOriginFor(surface.ClientWidth(), surface.ClientHeight());
    surface.SetOrigin(origin.x, origin.y);
}
