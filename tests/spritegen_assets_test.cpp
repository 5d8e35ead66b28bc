// spritegen_assets_test.cpp -- the shipped bitmaps in resources/sprites: their
// file layout, sizes and depths, and the transparent-white rules the
// blitters and the soldier's assembly depend on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "render/little_endian.h"
#include "render/sprites.h"

namespace {

enum class White { Around, None, Pivot };

struct Expected {
    int id, width, height, bitsPerPixel;
    White white;
};

const Expected kSprites[] = {
    {131, 9, 21, 4, White::Around},    {132, 18, 21, 4, White::Around},
    {133, 9, 16, 4, White::Around},    {134, 9, 7, 4, White::Around},
    {135, 35, 13, 4, White::Pivot},    {136, 38, 13, 4, White::Pivot},
    {137, 120, 30, 4, White::Around},  {138, 7, 7, 4, White::Around},
    {139, 35, 13, 4, White::Pivot},    {140, 35, 13, 4, White::Pivot},
    {145, 50, 25, 4, White::Pivot},    {148, 37, 40, 8, White::Around},
    {149, 48, 39, 8, White::Around},   {150, 20, 20, 4, White::None},
    {151, 20, 20, 4, White::Around},   {152, 20, 20, 8, White::Around},
    {153, 20, 20, 8, White::Around},   {156, 100, 100, 8, White::Around},
    {158, 50, 50, 8, White::Around},   {159, 50, 50, 8, White::None},
    {160, 50, 100, 8, White::Around},  {161, 10, 40, 8, White::Around},
    {162, 800, 523, 24, White::None},  {163, 30, 82, 24, White::Around},
    {164, 114, 77, 24, White::Around}, {165, 143, 286, 8, White::Around},
    {166, 50, 25, 4, White::Pivot},    {167, 20, 20, 4, White::Around},
    {168, 20, 20, 4, White::Around},   {169, 50, 40, 8, White::Around},
    {170, 50, 40, 8, White::Around},
};

constexpr uint32_t kWhite = 0xFFFFFF;

// A decoded bitmap: pixels 0x00RRGGBB, top row first.
struct Picture {
    int width = 0, height = 0, bitsPerPixel = 0;
    std::vector<uint32_t> pixels;
    uint32_t At(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
    bool Opaque(int x, int y) const { return At(x, y) != kWhite; }
};

// Reads resources/sprites/<id>.bmp, checking the header as it goes.
Picture Load(int id) {
    Picture p;
    const std::string path = std::string(ZARNOK_SOURCE_DIR) + "/resources/sprites/" +
                             std::to_string(id) + ".bmp";
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in.good()) << path;
    const std::vector<uint8_t> b((std::istreambuf_iterator<char>(in)),
                                 std::istreambuf_iterator<char>());
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') {
        ADD_FAILURE() << path << " is not a BMP file";
        return p;
    }
    EXPECT_EQ(ReadU32(b, 2), b.size()) << id;
    EXPECT_EQ(ReadU32(b, 14), 40u) << id;
    EXPECT_EQ(ReadU16(b, 26), 1u) << id;
    EXPECT_EQ(ReadU32(b, 30), 0u) << id << " must be uncompressed";
    p.width = int(ReadU32(b, 18));
    p.height = int(ReadU32(b, 22));  // positive: stored bottom-up
    p.bitsPerPixel = int(ReadU16(b, 28));
    const size_t table = p.bitsPerPixel <= 8 ? size_t(1) << p.bitsPerPixel : 0;
    const size_t offset = ReadU32(b, 10);
    EXPECT_EQ(offset, 54 + 4 * table) << id << " must carry the full colour table";
    const size_t rowBytes = (size_t(p.width) * size_t(p.bitsPerPixel) + 31) / 32 * 4;
    if (p.width <= 0 || p.height <= 0 || offset + rowBytes * size_t(p.height) != b.size()) {
        ADD_FAILURE() << id << ": pixel rows do not fill the file";
        return p;
    }
    auto paletteColour = [&](size_t index) {
        const size_t at = 54 + 4 * index;
        return (uint32_t(b[at + 2]) << 16) | (uint32_t(b[at + 1]) << 8) | b[at];
    };
    for (int y = 0; y < p.height; ++y) {
        const size_t row = offset + rowBytes * size_t(p.height - 1 - y);
        for (int x = 0; x < p.width; ++x) {
            const size_t ux = size_t(x);
            if (p.bitsPerPixel == 24)
                p.pixels.push_back((uint32_t(b[row + ux * 3 + 2]) << 16) |
                                   (uint32_t(b[row + ux * 3 + 1]) << 8) | b[row + ux * 3]);
            else if (p.bitsPerPixel == 8)
                p.pixels.push_back(paletteColour(b[row + ux]));
            else
                p.pixels.push_back(
                    paletteColour(ux % 2 ? b[row + ux / 2] & 0x0F : b[row + ux / 2] >> 4));
        }
    }
    return p;
}

int CountWhite(const Picture& p) {
    int n = 0;
    for (uint32_t v : p.pixels) n += v == kWhite;
    return n;
}

TEST(SpriteAssets, EverySpriteHasItsSizeDepthAndTransparency) {
    for (const Expected& e : kSprites) {
        SCOPED_TRACE(e.id);
        const Picture p = Load(e.id);
        ASSERT_EQ(p.width, e.width);
        ASSERT_EQ(p.height, e.height);
        ASSERT_EQ(p.bitsPerPixel, e.bitsPerPixel);
        ASSERT_EQ(p.pixels.size(), size_t(e.width) * size_t(e.height));
        const int white = CountWhite(p);
        if (e.white == White::None) {
            EXPECT_EQ(white, 0) << "drawn as a full rectangle";
        } else {
            EXPECT_GT(white, 0) << "needs white around its figure";
        }
        if (e.white == White::Pivot) {
            EXPECT_EQ(p.At(0, 0), kWhite) << "the pivot pixel is never drawn";
        }
        // A figure must not be mostly key colour either.
        EXPECT_LT(white, e.width * e.height * 9 / 10);
    }
}

// Drawn from the soles (x, y): legs from y - 21 stand on y - 1, the torso
// starts at y - 38 right under the head's last row at y - 39.
TEST(SpriteAssets, SoldierPiecesMeetEachOther) {
    const Picture together = Load(131), stride = Load(132), torso = Load(133), head = Load(134);
    auto rowHasInk = [](const Picture& p, int y) {
        for (int x = 0; x < p.width; ++x)
            if (p.Opaque(x, y)) return true;
        return false;
    };
    EXPECT_TRUE(rowHasInk(together, 20)) << "soles on the ground";
    EXPECT_TRUE(rowHasInk(together, 0)) << "hips under the torso";
    EXPECT_TRUE(rowHasInk(stride, 0));
    EXPECT_TRUE(rowHasInk(torso, 0));
    EXPECT_TRUE(rowHasInk(torso, 15));
    EXPECT_TRUE(rowHasInk(head, 6)) << "neck on the torso";
    // In stride one foot is behind the soldier's x (column 2) and one ahead.
    bool behind = false, ahead = false;
    for (int x = 0; x < stride.width; ++x) {
        if (!stride.Opaque(x, 20)) continue;
        behind |= x < 2;
        ahead |= x > 10;
    }
    EXPECT_TRUE(behind && ahead);
}

// The rifle states differ where they should: the flash sits past the muzzle,
// the magazine hangs below the rifle in 135, drops in 139, is gone in 140.
TEST(SpriteAssets, RifleStatesShowFlashAndMagazine) {
    const Picture in = Load(135), flash = Load(136), half = Load(139), out = Load(140);
    int flashInk = 0;
    for (int y = 0; y < flash.height; ++y)
        for (int x = 35; x < 38; ++x) flashInk += flash.Opaque(x, y);
    EXPECT_GT(flashInk, 4);
    auto inkBelow = [](const Picture& p, int row) {
        int n = 0;
        for (int y = row; y < p.height; ++y)
            for (int x = 16; x < p.width; ++x) n += p.Opaque(x, y);
        return n;
    };
    EXPECT_GT(inkBelow(in, 6), 10);
    EXPECT_EQ(inkBelow(out, 7), 0);
    EXPECT_GT(inkBelow(half, 9), 0);
    EXPECT_LT(inkBelow(half, 6), inkBelow(in, 6));
    for (int y = 0; y < in.height; ++y)
        for (int x = 0; x < 17; ++x) {
            EXPECT_EQ(in.At(x, y), out.At(x, y)) << "arm and stock are shared";
        }
}

// Animation pairs: the mosquito's wings move, the Raptor changes only its lamp.
TEST(SpriteAssets, FramePairsDifferOnlyWhereTheyAnimate) {
    const Picture wingsA = Load(145), wingsB = Load(166), off = Load(169), on = Load(170);
    int wingChanges = 0;
    for (size_t i = 0; i < wingsA.pixels.size(); ++i)
        wingChanges += wingsA.pixels[i] != wingsB.pixels[i];
    EXPECT_GT(wingChanges, 40);

    int left = off.width, right = -1, top = off.height, bottom = -1;
    for (int y = 0; y < off.height; ++y) {
        for (int x = 0; x < off.width; ++x) {
            if (off.At(x, y) == on.At(x, y)) continue;
            left = std::min(left, x), right = std::max(right, x);
            top = std::min(top, y), bottom = std::max(bottom, y);
            const uint32_t lit = on.At(x, y);
            EXPECT_GE(lit >> 16, ((lit >> 8) & 0xFF)) << "the lit lamp is red";
        }
    }
    ASSERT_GE(right, 0) << "the lamp must light up";
    EXPECT_LE(right - left, 10);
    EXPECT_LE(bottom - top, 10);
}

// The game draws what is on disk: the bitmaps built into the program decode
// to the same pixels as the files read here independently.
TEST(SpriteAssets, GameDecodesTheFilesOnDisk) {
    for (const Expected& e : kSprites) {
        SCOPED_TRACE(e.id);
        const Picture p = Load(e.id);
        const std::span<const uint32_t> built = SpritePixels(SpriteId(e.id));
        ASSERT_EQ(built.size(), p.pixels.size());
        EXPECT_TRUE(std::equal(built.begin(), built.end(), p.pixels.begin()));
    }
}

}  // namespace
