// frame.cpp -- the frame buffer's life in a tick: background, tints, presentation.
#include "render/frame.h"

#include <algorithm>

#include "render/blit.h"
#include "render/client_surface.h"
#include "render/pixel_rows.h"
#include "render/sprites.h"

// The sky does not scroll: every tick starts from the top 500 rows of the
// 800 x 523 picture. Its rows are as wide as the frame, so those rows are the
// first 400,000 pixels. A background missing from the build leaves black.
void FillBackground(FrameBuffer& frame) {
    std::vector<uint32_t>& pixels = frame.pixels;
    const std::span<const uint32_t> sky = SpritePixels(SpriteBackground);
    const size_t copied = std::min(sky.size(), pixels.size());
    std::copy_n(sky.begin(), copied, pixels.begin());
    std::fill(pixels.begin() + std::ptrdiff_t(copied), pixels.end(), 0x000000u);
}

// The tints are OR-ed, not added: a strength of 1 only sets the channel's
// lowest bit, 255 turns the channel fully on.
static void OrIntoFrame(FrameBuffer& frame, uint32_t bits) {
    OrPixels(frame.pixels.data(), frame.pixels.data(), frame.pixels.size(), bits);
}

static uint32_t TintBits(uint8_t strength, uint8_t ticksLeft) {
    return uint32_t(strength) << 16 | uint32_t(ticksLeft) << 8;
}

// The sky and the tints in one pass: each pixel is read once and written once.
// Without a tint the library's copy is as fast, and much faster in builds
// that check every access.
static void FillTintedBackground(FrameBuffer& frame, uint32_t bits) {
    if (bits == 0) {
        FillBackground(frame);
        return;
    }
    std::vector<uint32_t>& pixels = frame.pixels;
    const std::span<const uint32_t> sky = SpritePixels(SpriteBackground);
    const size_t copied = std::min(sky.size(), pixels.size());
    OrPixels(pixels.data(), sky.data(), copied, bits);
    std::fill(pixels.begin() + std::ptrdiff_t(copied), pixels.end(), bits);
}

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

void BeginFrame(FrameBuffer& frame) {
    frame.held.waiting = true;
    frame.held.count = 0;
}

// A frame that holds more draws than its table lays the plain background
// now and makes what it held; the rest are drawn at once and FinishFrame
// tints the whole frame, as without holding.
static void LayBackgroundEarly(FrameBuffer& frame) {
    HeldDraws& held = frame.held;
    held.waiting = false;
    FillBackground(frame);
    for (uint32_t k = 0; k < held.count; ++k) DrawHeld(frame, held.draws[k]);
    held.count = 0;
}

bool HoldDraw(FrameBuffer& frame, const HeldDraw& draw) {
    HeldDraws& held = frame.held;
    if (!held.waiting) return false;
    if (held.count == held.draws.size()) {
        LayBackgroundEarly(frame);
        return false;
    }
    held.draws[held.count++] = draw;
    return true;
}

void FinishFrame(FrameBuffer& frame, uint8_t strength, uint8_t ticksLeft) {
    HeldDraws& held = frame.held;
    if (!held.waiting) {
        ApplyTints(frame, strength, ticksLeft);
        return;
    }
    // The sprites' pixels take the tints as they are written.
    const uint32_t bits = TintBits(strength, ticksLeft);
    FillTintedBackground(frame, bits);
    frame.drawTint = bits;
    for (uint32_t k = 0; k < held.count; ++k) DrawHeld(frame, held.draws[k]);
    frame.drawTint = 0;
    held.waiting = false;
    held.count = 0;
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

void PresentFrame(const FrameBuffer& frame, ClientSurface& surface) {
    surface.DrawPixels(0, 0, frame.pixels.data(), FrameWidth, FrameHeight);
}
