// sprites_test.cpp -- the catalogue against the bitmaps built into the program.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "game/rules.h"
#include "game/world.h"
#include "render/bmp.h"
#include "render/sprite_files.h"
#include "render/sprites.h"

TEST(SpriteCatalogue, EveryIdOnceAndUnknownIdsEmpty) {
    std::set<int> ids;
    for (const SpriteInfo& info : SpriteCatalogue) {
        EXPECT_TRUE(ids.insert(info.id).second) << info.id;
        EXPECT_EQ(FindSprite(info.id), &info);
    }
    EXPECT_EQ(ids.size(), 31u);
    for (int unknown : {0, 130, 141, 146, 154, 157, 171, 65535}) {
        EXPECT_EQ(FindSprite(SpriteId(unknown)), nullptr) << unknown;
        EXPECT_TRUE(SpritePixels(SpriteId(unknown)).empty()) << unknown;
    }
}

// The rules' contact boxes are built on the sprites' sizes: the catalogue
// and the rules must tell the same size.
TEST(SpriteCatalogue, SizesTheRulesRelyOn) {
    const std::pair<SpriteId, SpriteSize> sizes[] = {
        {SpriteLedge, LedgeSize},         {SpriteBlock, BlockSize},     {SpriteRaptorOff, RaptorSize},
        {SpriteRaptorOn, RaptorSize},     {SpriteCoin, PickupSize},     {SpriteTulip, PickupSize},
        {SpriteNest, NestSize},           {SpriteGoal, GoalSize},       {SpriteMosquitoA, MosquitoSize},
        {SpriteMosquitoB, MosquitoSize},  {SpriteMagazine, MagazineSize}};
    for (const auto& [id, size] : sizes) {
        const SpriteInfo* info = FindSprite(id);
        ASSERT_NE(info, nullptr) << id;
        EXPECT_EQ(info->width, size.width) << id;
        EXPECT_EQ(info->height, size.height) << id;
    }
}

// Each built-in file has the catalogue's size and depth, and decoding it
// afresh gives exactly what the cached table hands out.
TEST(SpriteCatalogue, BuiltInBitmapsMatchTheirEntries) {
    for (const SpriteInfo& info : SpriteCatalogue) {
        const std::span<const uint8_t> file = SpriteFileBytes(info.id);
        ASSERT_GT(file.size(), 54u) << info.id;
        EXPECT_EQ(file[28], info.bitsPerPixel) << info.id;
        DecodedBitmap fresh;
        ASSERT_TRUE(DecodeBmp(file, fresh)) << info.id;
        EXPECT_EQ(fresh.width, info.width) << info.id;
        EXPECT_EQ(fresh.height, info.height) << info.id;
        const std::span<const uint32_t> cached = SpritePixels(info.id);
        EXPECT_TRUE(
            std::equal(cached.begin(), cached.end(), fresh.pixels.begin(), fresh.pixels.end()))
            << info.id;
        EXPECT_EQ(SpritePixels(info.id).data(), cached.data()) << "decoded again: " << info.id;
    }
}

// The art keeps the rules the drawing relies on: white around every figure
// except the three full squares, and a white pivot on every rotated sprite.
TEST(SpriteCatalogue, TransparencyRulesOfTheArt) {
    for (const SpriteInfo& info : SpriteCatalogue) {
        const std::span<const uint32_t> pixels = SpritePixels(info.id);
        ASSERT_FALSE(pixels.empty()) << info.id;
        const bool anyWhite = std::find(pixels.begin(), pixels.end(), TransparentKey) !=
                              pixels.end();
        const bool fullSquare = info.id == SpriteBackground || info.id == SpriteNest ||
                                info.id == SpriteCircuitBoard;
        EXPECT_EQ(anyWhite, !fullSquare) << info.id;
        if (info.blitter == Blitter::Rotated) {
            EXPECT_EQ(pixels[0], TransparentKey) << info.id;
        }
        EXPECT_TRUE(
            std::all_of(pixels.begin(), pixels.end(), [](uint32_t v) { return v <= 0x00FFFFFFu; }));
    }
}
