// frame.cpp -- the frame buffer's life in a tick: background, tints, presentation.
#include "render/frame.h"

#include <algorithm>
#include <cstring>

#include "game/host.h"
#include "game/world.h"
#include "render/sprites.h"

// The sky does not scroll: every tick starts from the top 500 rows of the
// 800 x 523 picture. Its rows are as wide as the frame, so those rows are the
// first 400,000 pixels. A background missing from the build leaves black.
void FillBackground(GameWorld& world) {
    std::vector<uint32_t>& frame = world.frameBuffer.pixels;
    const std::span<const uint32_t> sky = SpritePixels(SpriteBackground);
    const size_t copied = std::min(sky.size(), frame.size());
    std::copy_n(sky.begin(), copied, frame.begin());
    std::fill(frame.begin() + std::ptrdiff_t(copied), frame.end(), 0x000000u);
}

// The tints are OR-ed, not added: a strength of 1 only sets the channel's
// lowest bit, 255 turns the channel fully on. The pass goes 16 pixels at a
// time in four 128-bit words (GCC and Clang vector types, plain SSE2 on
// x86-64), which keeps it at the speed of memory.
static void OrIntoFrame(GameWorld& world, uint32_t bits) {
    using Word = uint32_t __attribute__((vector_size(16)));
    constexpr size_t WordPixels = sizeof(Word) / sizeof(uint32_t);
    constexpr size_t Block = 4 * WordPixels;
    const Word mask = {bits, bits, bits, bits};
    uint32_t* pixel = world.frameBuffer.pixels.data();
    const size_t count = world.frameBuffer.pixels.size();
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

void ApplyDamageTint(GameWorld& world) {
    OrIntoFrame(world, uint32_t(world.player.damageTint) << 16);
}

void ApplyProtectionTint(GameWorld& world) {
    OrIntoFrame(world, uint32_t(world.player.invulnerableTicks) << 8);
}

// The two tints touch different channels and nothing is drawn between them,
// so one pass with both masks gives the same frame as the two passes.
void ApplyTints(GameWorld& world) {
    const uint32_t bits = uint32_t(world.player.damageTint) << 16 |
                          uint32_t(world.player.invulnerableTicks) << 8;
    if (bits != 0) OrIntoFrame(world, bits);
}

// Centred horizontally; vertically centred and then raised 50 px, which
// leaves the HUD room below the picture. The divisions truncate toward zero.
PictureOrigin PictureOriginFor(int32_t clientWidth, int32_t clientHeight) {
    return {clientWidth / 2 - FrameWidth / 2, clientHeight / 2 - FrameHeight / 2 - 50};
}

void MapPicture(ClientSurface& surface) {
    const PictureOrigin origin = PictureOriginFor(surface.ClientWidth(), surface.ClientHeight());
    surface.SetOrigin(origin.x, origin.y);
}

void PresentFrame(const GameWorld& world, ClientSurface& surface) {
    surface.DrawPixels(0, 0, world.frameBuffer.pixels.data(), FrameWidth, FrameHeight);
}
