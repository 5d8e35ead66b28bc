// frame.cpp -- the frame buffer's life in a tick: background, tints, presentation.
#include "render/frame.h"

#include <algorithm>
#include <cstring>

#include "render/client_surface.h"
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
// lowest bit, 255 turns the channel fully on. The pass goes 16 pixels at a
// time in four 128-bit words (GCC and Clang vector types, plain SSE2 on
// x86-64), which keeps it at the speed of memory.
static void OrIntoFrame(FrameBuffer& frame, uint32_t bits) {
    using Word = uint32_t __attribute__((vector_size(16)));
    constexpr size_t WordPixels = sizeof(Word) / sizeof(uint32_t);
    constexpr size_t Block = 4 * WordPixels;
    const Word mask = {bits, bits, bits, bits};
    uint32_t* pixel = frame.pixels.data();
    const size_t count = frame.pixels.size();
    size_t k = 0;
    for (; k + Block <= count; k += Block) {
        Word a, b, c, d;
        std::memcpy(&a, pixel + k, sizeof a);
        std::memcpy(&b, pixel + k + WordPixels, sizeof b);
        std::memcpy(&c, pixel + k + 2 * WordPixels, sizeof c);
        std::memcpy(&d, pixel + k + 3 * WordPixels, sizeof d);
        a |= mask;
        b |= mask;
        c |= mask;
        d |= mask;
        std::memcpy(pixel + k, &a, sizeof a);
        std::memcpy(pixel + k + WordPixels, &b, sizeof b);
        std::memcpy(pixel + k + 2 * WordPixels, &c, sizeof c);
        std::memcpy(pixel + k + 3 * WordPixels, &d, sizeof d);
    }
    for (; k < count; ++k) pixel[k] |= bits;
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
    const uint32_t bits = uint32_t(strength) << 16 | uint32_t(ticksLeft) << 8;
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

void PresentFrame(const FrameBuffer& frame, ClientSurface& surface) {
    surface.DrawPixels(0, 0, frame.pixels.data(), FrameWidth, FrameHeight);
}
