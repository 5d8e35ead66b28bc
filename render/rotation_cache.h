// rotation_cache.h -- where the pixels of a rotated sprite land, kept per angle.
//
// The rotated blitter turns every opaque pixel about the sprite's top-left
// pixel. Distance and bearing from that pivot depend only on the pixel, so
// they are worked out once per sprite (PolarSprite). The landing offsets
// then depend only on the angle and the facing; a mosquito keeps its
// heading for ten ticks, so the offsets of recent angles are kept in a small
// cache and most draws are a plain scatter of pixels. The cache only ever
// holds what the same steps would compute again: its content never changes
// a picture.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "render/tile_mask.h"

struct PixelTarget;

struct PolarPixel {
    float radius;    // distance from the pivot, rounded to float
    double bearing;  // rad, from straight down toward the sprite's right side
    uint32_t colour;
};

struct PolarSprite {
    std::vector<PolarPixel> pixels;  // opaque pixels in row-by-row order
    std::vector<uint32_t> colours;   // their colours alone, packed for the cached draws
    int32_t reach = 0;               // no pixel lands further than this from the pivot
};

// The opaque pixels of a w x h request of `pixels` (past the end:
// transparent) in polar form. The pivot is never drawn and is left out.
PolarSprite MakePolarSprite(std::span<const uint32_t> pixels, int32_t w, int32_t h);

// Draws the sprite turned by `angle` about frame position (sx, sy), mirrored
// when `facing` is -1, working out every pixel's offset afresh.
void PlacePolarSprite(PixelTarget target, int32_t sx, int32_t sy, const PolarSprite& sprite,
                      float angle, int32_t facing);

// Landing offsets of recent (sprite, angle, facing) draws, in a table of a
// fixed number of slots. A key maps to a pair of slots, and a new key takes
// over the one of the pair used less recently, so two keys that map to the
// same pair (a swarm of 100 headings makes a few) do not push each other out
// every tick.
class RotationCache {
public:
    // Sprites whose reach is above this are drawn without the cache.
    static constexpr int32_t MaxReach = 127;  // px, an offset fits a signed byte
    static constexpr size_t Slots = 1024;

    // The same pixels as PlacePolarSprite. `spriteKey` names the sprite
    // among those drawn through this cache; it must always stand for the
    // same sprite.
    void Place(PixelTarget target, int32_t sx, int32_t sy, const PolarSprite& sprite,
               uint32_t spriteKey, float angle, int32_t facing);

    // Where the pixels of such a draw land, as offsets from the pivot
    // (right and bottom excluded); false for a draw the cache does not take.
    bool Extent(const PolarSprite& sprite, uint32_t spriteKey, float angle, int32_t facing,
                PixelBox& offsets);

    size_t Misses() const { return misses_; }

private:
    struct Offset {
        int8_t dx, dy;  // px from the pivot, facing applied
    };
    struct Placement {
        bool used = false;
        uint64_t lastUse = 0;  // the cache's draw count when last drawn from
        uint32_t spriteKey = 0;
        uint32_t angleBits = 0;
        int32_t facing = 0;
        int32_t left = 0, top = 0, right = 0, bottom = 0;  // px, bounds of the offsets
        std::vector<Offset> offsets;  // one per pixel of the sprite, same order
        // The same offsets as steps along the frame, dy * FrameWidth + dx:
        // a draw wholly inside the frame lands each pixel with one add.
        std::vector<int32_t> frameSteps;
    };

    void Fill(Placement& slot, const PolarSprite& sprite, float angle, int32_t facing);
    // The slot holding the draw's offsets, filled on a miss; nullptr for a
    // draw the cache does not take.
    const Placement* Find(const PolarSprite& sprite, uint32_t spriteKey, float angle,
                          int32_t facing);

    std::array<Placement, Slots> slots_;
    size_t misses_ = 0;
    uint64_t draws_ = 0;
};
