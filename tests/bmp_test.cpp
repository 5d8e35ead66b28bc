// bmp_test.cpp -- the bitmap reader on hand-built files, good and broken.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "render/bmp.h"
#include "render/little_endian.h"

namespace {

// A file with the given headers; `rows` are the stored rows in file order,
// each already padded. The palette is written as B, G, R, 0 entries.
std::vector<uint8_t> MakeBmp(int32_t width, int32_t height, uint16_t bpp,
                             const std::vector<uint32_t>& palette,
                             const std::vector<std::vector<uint8_t>>& rows) {
    std::vector<uint8_t> b(54 + palette.size() * 4);
    b[0] = 'B';
    b[1] = 'M';
    WriteU32(b, 10, uint32_t(b.size()));
    WriteU32(b, 14, 40);
    WriteU32(b, 18, uint32_t(width));
    WriteU32(b, 22, uint32_t(height));
    WriteU16(b, 26, 1);
    WriteU16(b, 28, bpp);
    for (size_t k = 0; k < palette.size(); ++k) WriteU32(b, 54 + 4 * k, palette[k]);
    for (const auto& row : rows) b.insert(b.end(), row.begin(), row.end());
    WriteU32(b, 2, uint32_t(b.size()));
    return b;
}

std::vector<uint32_t> Palette(size_t n) {
    std::vector<uint32_t> p(n, 0);
    p[0] = 0xFFFFFF;
    p[1] = 0x112233;
    p[2] = 0xC80000;
    p[n - 1] = 0x0000FF;
    return p;
}

// 3 x 2 at 4 bpp, bottom-up: the high nibble is the left pixel, and each
// 2-byte row is padded to 4.
std::vector<uint8_t> FourBitSample() {
    return MakeBmp(3, 2, 4, Palette(16), {{0x12, 0xF0, 0xEE, 0xEE}, {0x01, 0x20, 0xEE, 0xEE}});
}

DecodedBitmap MustDecode(const std::vector<uint8_t>& file) {
    DecodedBitmap out;
    EXPECT_TRUE(DecodeBmp(file, out));
    return out;
}

}  // namespace

TEST(DecodeBmp, FourBitsTopRowFirstHighNibbleLeft) {
    const DecodedBitmap out = MustDecode(FourBitSample());
    ASSERT_EQ(out.width, 3);
    ASSERT_EQ(out.height, 2);
    EXPECT_EQ(out.pixels,
              (std::vector<uint32_t>{0xFFFFFF, 0x112233, 0xC80000, 0x112233, 0xC80000, 0x0000FF}));
}

TEST(DecodeBmp, EightBitsAndPartialColourTable) {
    auto file = MakeBmp(2, 2, 8, Palette(256), {{2, 255, 0, 0}, {0, 1, 0, 0}});
    EXPECT_EQ(MustDecode(file).pixels,
              (std::vector<uint32_t>{0xFFFFFF, 0x112233, 0xC80000, 0x0000FF}));

    // A table of three colours: index 2 is fine, index 3 is not.
    file = MakeBmp(2, 1, 8, {0xFFFFFF, 0x112233, 0x445566}, {{2, 0, 0, 0}});
    WriteU32(file, 46, 3);
    EXPECT_EQ(MustDecode(file).pixels, (std::vector<uint32_t>{0x445566, 0xFFFFFF}));
    file[54 + 12] = 3;
    DecodedBitmap out;
    EXPECT_FALSE(DecodeBmp(file, out));
    EXPECT_TRUE(out.pixels.empty());
}

TEST(DecodeBmp, TrueColourRowsPaddedAndTopDown) {
    // 24 bpp: blue, green, red; 2 pixels = 6 bytes padded to 8.
    auto file = MakeBmp(
        2, 2, 24, {},
        {{0x99, 0x66, 0x33, 0xFF, 0xFF, 0xFF, 0, 0}, {0x01, 0x02, 0x03, 0xFE, 0xFF, 0xFF, 0, 0}});
    EXPECT_EQ(MustDecode(file).pixels,
              (std::vector<uint32_t>{0x030201, 0xFFFFFE, 0x336699, 0xFFFFFF}));

    // 32 bpp, top-down: the fourth byte never reaches the pixel.
    file = MakeBmp(1, -2, 32, {}, {{0x10, 0x20, 0x30, 0xAB}, {0x40, 0x50, 0x60, 0xCD}});
    const DecodedBitmap out = MustDecode(file);
    EXPECT_EQ(out.height, 2);
    EXPECT_EQ(out.pixels, (std::vector<uint32_t>{0x302010, 0x605040}));
}

TEST(DecodeBmp, RefusesBrokenFilesWithoutReadingPastThem) {
    const std::vector<uint8_t> good = FourBitSample();
    DecodedBitmap out;
    // Every prefix of a good file is too short somewhere.
    for (size_t n = 0; n < good.size(); ++n) {
        std::vector<uint8_t> cut(good.begin(), good.begin() + std::ptrdiff_t(n));
        EXPECT_FALSE(DecodeBmp(cut, out)) << n << " bytes";
    }

    struct Damage {
        const char* what;
        size_t at;
        uint32_t value;
        bool wide;
    };
    const Damage damages[] = {
        {"magic", 0, 'X', false},
        {"pixel offset past the end", 10, 5000, true},
        {"pixel offset inside headers", 10, 20, true},
        {"core header", 14, 12, true},
        {"zero width", 18, 0, true},
        {"negative width", 18, 0xFFFFFFFF, true},
        {"zero height", 22, 0, true},
        {"height INT32_MIN", 22, 0x80000000, true},
        {"huge width", 18, 20000, true},
        {"two planes", 26, 2, false},
        {"16 bpp", 28, 16, false},
        {"1 bpp", 28, 1, false},
        {"run-length", 30, 2, true},
        {"table longer than the depth", 46, 17, true},
        {"taller than the data", 22, 3, true},
    };
    for (const Damage& d : damages) {
        std::vector<uint8_t> bad = good;
        if (d.wide)
            WriteU32(bad, d.at, d.value);
        else
            WriteU16(bad, d.at, uint16_t(d.value));
        out.pixels.assign(4, 7);
        EXPECT_FALSE(DecodeBmp(bad, out)) << d.what;
        EXPECT_TRUE(out.pixels.empty() && out.width == 0) << d.what;
    }
}

// Random damage to the headers and rows of good files: each either decodes to
// a whole picture or is refused (the sanitizer build watches every read).
TEST(DecodeBmp, SurvivesRandomDamage) {
    const std::vector<std::vector<uint8_t>> goods = {
        FourBitSample(), MakeBmp(2, 2, 8, Palette(256), {{2, 255, 0, 0}, {0, 1, 0, 0}}),
        MakeBmp(1, -2, 32, {}, {{0x10, 0x20, 0x30, 0xAB}, {0x40, 0x50, 0x60, 0xCD}})};
    uint32_t seed = 12345;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u, seed >> 8; };
    int decoded = 0, refused = 0;
    for (int round = 0; round < 3000; ++round) {
        std::vector<uint8_t> file = goods[size_t(round) % goods.size()];
        for (int hits = 1 + int(next() % 3); hits > 0; --hits) {
            // Most damage goes to the 54 header bytes, where the lengths are.
            const size_t at = next() % 4 ? next() % 54 : next() % file.size();
            file[at] = uint8_t(next());
        }
        DecodedBitmap out;
        if (DecodeBmp(file, out)) {
            ++decoded;
            ASSERT_EQ(out.pixels.size(), size_t(out.width) * size_t(out.height));
        } else {
            ++refused;
            ASSERT_TRUE(out.pixels.empty());
        }
    }
    EXPECT_GT(decoded, 100);
    EXPECT_GT(refused, 100);
}
