// sprites.cpp -- the sprite catalogue and the decoded pixels of every entry.
#include "render/sprites.h"

#include <array>
#include <utility>
#include <vector>

#include "render/bmp.h"
#include "render/canvas.h"
#include "render/rotation_cache.h"
#include "render/sprite_files.h"
#include "render/sprite_runs.h"

constexpr SpriteInfo SpriteCatalogue[SpriteCount] = {
    {SpriteLegsTogether, 9, 21, 4, Blitter::Mirrored, "soldier's legs, feet together"},
    {SpriteLegsStride, 18, 21, 4, Blitter::Mirrored, "soldier's legs in stride"},
    {SpriteTorso, 9, 16, 4, Blitter::Mirrored, "soldier's torso"},
    {SpriteHead, 9, 7, 4, Blitter::Mirrored, "soldier's head"},
    {SpriteRifle, 35, 13, 4, Blitter::Rotated, "arm with rifle, magazine in"},
    {SpriteRifleFlash, 38, 13, 4, Blitter::Rotated, "arm with rifle and muzzle flash"},
    {SpriteLedge, 120, 30, 4, Blitter::Plain, "grass-topped ledge"},
    {SpriteMagazine, 7, 7, 4, Blitter::Plain,
     "magazine: falling empty one, HUD icon (opaque)"},
    {SpriteRifleHalfOut, 35, 13, 4, Blitter::None, "arm with rifle, magazine half out"},
    {SpriteRifleEmpty, 35, 13, 4, Blitter::Rotated, "arm with rifle, magazine out"},
    {SpriteMosquitoA, 50, 25, 4, Blitter::Rotated,
     "mosquito, first wing frame"},
    {SpriteFlower, 37, 40, 8, Blitter::Plain, "red flower"},
    {SpriteShrub, 48, 39, 8, Blitter::Plain, "leafy shrub"},
    {SpriteCircuitBoard, 20, 20, 4, Blitter::Plain, "circuit board"},
    {SpriteRepellent, 20, 20, 4, Blitter::Plain,
     "bottle of mosquito repellent"},
    {SpriteCrystal, 20, 20, 8, Blitter::Plain, "blue crystal"},
    {SpriteTulip, 20, 20, 8, Blitter::Plain, "red tulip"},
    {SpriteBlock, 100, 100, 8, Blitter::Plain, "stone block"},
    {SpriteGoal, 50, 50, 8, Blitter::Plain,
     "wooden signpost pointing right"},
    {SpriteNest, 50, 50, 8, Blitter::Plain, "patch of swamp water"},
    {SpriteConifer, 50, 100, 8, Blitter::Plain, "conifer"},
    {SpriteBulrush, 10, 40, 8, Blitter::Plain, "bulrush"},
    {SpriteBackground, 800, 523, 24, Blitter::Background, "sky with clouds"},
    {SpriteVine, 30, 82, 24, Blitter::Plain, "climbing vine"},
    {SpriteHangingVines, 114, 77, 24, Blitter::Plain, "hanging vines"},
    {SpriteTree, 143, 286, 8, Blitter::Plain, "tall leafy tree"},
    {SpriteMosquitoB, 50, 25, 4, Blitter::Rotated,
     "mosquito, second wing frame"},
    {SpriteStrawberry, 20, 20, 4, Blitter::Plain, "strawberry"},
    {SpriteCoin, 20, 20, 4, Blitter::Plain, "gold coin marked 1"},
    {SpriteRaptorOff, 50, 40, 8, Blitter::Plain,
     "repellent device, switched off"},
    {SpriteRaptorOn, 50, 40, 8, Blitter::Plain,
     "repellent device, switched on"},
};

namespace {

// Catalogue slot of every id from the lowest to the highest, -1 for the
// ids in between that the game does not know. Every draw looks one up.
constexpr SpriteId LowestId = SpriteLegsTogether, HighestId = SpriteRaptorOn;
constexpr std::array<int8_t, HighestId - LowestId + 1> SlotOfId = [] {
    std::array<int8_t, HighestId - LowestId + 1> slots{};
    slots.fill(-1);
    for (int k = 0; k < SpriteCount; ++k)
        slots[size_t(SpriteCatalogue[k].id - LowestId)] = int8_t(k);
    return slots;
}();

int CatalogueIndex(SpriteId id) {
    if (id < LowestId || id > HighestId) return -1;
    return SlotOfId[size_t(id - LowestId)];
}

// A bitmap that is missing from the build, cannot be read or has the wrong
// size stays empty: the blitters treat its pixels as transparent, which is
// better than drawing a picture of the wrong shape.
std::vector<uint32_t> DecodeSprite(const SpriteInfo& info) {
    DecodedBitmap bitmap;
    if (!DecodeBmp(SpriteFileBytes(info.id), bitmap)) return {};
    if (bitmap.width != info.width || bitmap.height != info.height) return {};
    return std::move(bitmap.pixels);
}

// Every catalogue bitmap decoded on first use and kept for the life of the
// process. The files are part of the program, so the table never changes:
// reading it gives what decoding at every draw would give.
// Each picture is also kept in the forms the blitters draw from: as opaque
// runs for the plain copy, in polar form for the rotated one. The rotation
// cache belongs here too: it serves the catalogue's rotated sprites and,
// like the rest, never changes what a draw gives.
struct DecodedCatalogue {
    std::vector<uint32_t> pixels[SpriteCount];
    SpriteRuns runs[SpriteCount];
    PolarSprite polar[SpriteCount];
    RotationCache rotations;

    DecodedCatalogue() {
        for (int k = 0; k < SpriteCount; ++k) {
            const SpriteInfo& info = SpriteCatalogue[k];
            pixels[k] = DecodeSprite(info);
            runs[k] = MakeSpriteRuns(pixels[k], info.width, info.height);
            if (info.blitter == Blitter::Rotated)
                polar[k] = MakePolarSprite(pixels[k], info.width, info.height);
        }
    }
};

DecodedCatalogue& Decoded() {
    static DecodedCatalogue catalogue;
    return catalogue;
}

}  // namespace

const SpriteInfo* FindSprite(SpriteId id) {
    const int k = CatalogueIndex(id);
    return k < 0 ? nullptr : &SpriteCatalogue[k];
}

std::span<const uint32_t> SpritePixels(SpriteId id) {
    const int k = CatalogueIndex(id);
    if (k < 0) return {};
    return Decoded().pixels[k];
}

const SpriteRuns* SpriteRunsOf(SpriteId id) {
    const int k = CatalogueIndex(id);
    return k < 0 ? nullptr : &Decoded().runs[k];
}

const PolarSprite* SpritePolarForm(SpriteId id) {
    const int k = CatalogueIndex(id);
    if (k < 0 || SpriteCatalogue[k].blitter != Blitter::Rotated) return nullptr;
    return &Decoded().polar[k];
}

void PlaceRotatedSprite(PixelTarget target, int32_t sx, int32_t sy, SpriteId id, float angle,
                        int32_t facing) {
    const int k = CatalogueIndex(id);
    if (k < 0 || SpriteCatalogue[k].blitter != Blitter::Rotated) return;
    DecodedCatalogue& catalogue = Decoded();
    catalogue.rotations.Place(target, sx, sy, catalogue.polar[k], uint32_t(k), angle, facing);
}

bool RotatedSpriteExtent(SpriteId id, float angle, int32_t facing, PixelBox& offsets) {
    const int k = CatalogueIndex(id);
    if (k < 0 || SpriteCatalogue[k].blitter != Blitter::Rotated) return false;
    DecodedCatalogue& catalogue = Decoded();
    return catalogue.rotations.Extent(catalogue.polar[k], uint32_t(k), angle, facing, offsets);
}
