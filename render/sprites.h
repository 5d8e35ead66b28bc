// sprites.h -- the sprite catalogue: every bitmap the game draws.
#pragma once

#include <cstdint>
#include <span>

// Bitmap resource ids. The numbers are the game's own and name the files
// resources/sprites/<id>.bmp.
enum SpriteId : uint16_t {
    SpriteLegsTogether = 131,  // 9 x 21, walkFrame 1
    SpriteLegsStride = 132,    // 18 x 21, walkFrame 0
    SpriteTorso = 133,         // 9 x 16
    SpriteHead = 134,          // 9 x 7
    SpriteRifle = 135,         // 35 x 13, magazine in
    SpriteRifleFlash = 136,    // 38 x 13, muzzle flash
    SpriteLedge = 137,         // 120 x 30, platform type 1
    SpriteMagazine = 138,      // 7 x 7, falling magazine and HUD icon
    SpriteRifleHalfOut = 139,  // 35 x 13, never drawn
    SpriteRifleEmpty = 140,    // 35 x 13, magazine out
    SpriteMosquitoA = 145,     // 50 x 25, even ticks
    SpriteFlower = 148,        // 37 x 40, decoration 1
    SpriteShrub = 149,         // 48 x 39, decoration 2
    SpriteCircuitBoard = 150,  // 20 x 20, pickup 1
    SpriteRepellent = 151,     // 20 x 20, pickup 5
    SpriteCrystal = 152,       // 20 x 20, pickup 2
    SpriteTulip = 153,         // 20 x 20, pickup 3
    SpriteBlock = 156,         // 100 x 100, platform type 2
    SpriteGoal = 158,          // 50 x 50
    SpriteNest = 159,          // 50 x 50
    SpriteConifer = 160,       // 50 x 100, decoration 3
    SpriteBulrush = 161,       // 10 x 40, decoration 4
    SpriteBackground = 162,    // 800 x 523, only the top 500 rows are shown
    SpriteVine = 163,          // 30 x 82, decoration 5
    SpriteHangingVines = 164,  // 114 x 77, decoration 6
    SpriteTree = 165,          // 143 x 286, decoration 7
    SpriteMosquitoB = 166,     // 50 x 25, odd ticks
    SpriteStrawberry = 167,    // 20 x 20, pickup 6
    SpriteCoin = 168,          // 20 x 20, pickup 4
    SpriteRaptorOff = 169,     // 50 x 40, platform type 3
    SpriteRaptorOn = 170,      // 50 x 40, platform type 4
};

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

struct FrameBuffer;
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
void PlaceRotatedSprite(FrameBuffer& frame, int32_t sx, int32_t sy, SpriteId id, float angle,
                        int32_t facing);
// Where that draw's pixels land, as offsets from the pivot (right and bottom
// excluded); false when the cache cannot tell.
bool RotatedSpriteExtent(SpriteId id, float angle, int32_t facing, PixelBox& offsets);
