// sprites.h -- the sprite catalogue: every bitmap the game draws.
#pragma once

#include <cstdint>
#include <span>

#include "render/sprite_id.h"

enum class Blitter { Plain, Mirrored, Rotated, HudOpaque, Background, None };

struct SpriteInfo {
    SpriteId id;
    int32_t width, height;  // px
    int bitsPerPixel;       // stored colour depth of the BMP
    Blitter blitter;
    const char* role;
};

constexpr int SpriteCount = 31;
extern const SpriteInfo SpriteCatalogue[SpriteCount];

// Catalogue entry of `id`, or nullptr for an id the game does not know.
const SpriteInfo* FindSprite(SpriteId id);

// The decoded pixels of `id`: width x height values 0x00RRGGBB, top row
// first. Decoded once from the bitmap built into the program; empty for an
// unknown id.
std::span<const uint32_t> SpritePixels(SpriteId id);

struct PixelTarget;
struct PixelBox;
struct PolarSprite;
struct SpriteRuns;

// The opaque runs of `id` at its catalogue size (render/sprite_runs.h);
// nullptr for an unknown id.
const SpriteRuns* SpriteRunsOf(SpriteId id);

// The polar form of a sprite drawn with the rotated blitter
// (render/rotation_cache.h); nullptr for any other id.
const PolarSprite* SpritePolarForm(SpriteId id);

// A rotated sprite at its catalogue size turned about frame position
// (sx, sy), through the catalogue's cache of recent angles. Nothing for an
// id that is not drawn rotated.
void PlaceRotatedSprite(PixelTarget target, int32_t sx, int32_t sy, SpriteId id, float angle,
                        int32_t facing);
// Where that draw's pixels land, as offsets from the pivot (right and bottom
// excluded); false when the cache cannot tell.
bool RotatedSpriteExtent(SpriteId id, float angle, int32_t facing, PixelBox& offsets);
