// paint_scenery.cpp -- the swamp's landscape: the ledge and the stone block
// the soldier walks on, the exit signpost, the seven plants and the sky.
#include <algorithm>
#include <cmath>

#include "tools/spritegen/painters.h"

namespace {

using namespace swamp;

constexpr double kPi = 3.14159265358979323846;

constexpr Rgb kPineDark = MakeRgb(18, 58, 40);
constexpr Rgb kPine = MakeRgb(30, 88, 54);
constexpr Rgb kPineLight = MakeRgb(62, 126, 70);

constexpr Rgb kLeafShadow = MakeRgb(16, 50, 24);

// A small deterministic hash of a cell, 0..1: leaf-sized blobs of texture.
double CellNoise(int x, int y, uint32_t seed) {
    uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u +
                 seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return static_cast<double>(h & 0xFFFFu) / 65535.0;
}

// A clump of foliage with a bumpy leafy outline, lit from the upper left:
// deep shadow at the lower right rim, bright leaf tips towards the light.
void PaintLeafClump(Canvas& c, double cx, double cy, double rx, double ry, Lcg& noise) {
    const double phase = noise.Unit() * 2.0 * kPi, phase2 = noise.Unit() * 2.0 * kPi;
    const uint32_t seed = noise.Next();
    for (int y = static_cast<int>(cy - ry - 2); y <= static_cast<int>(cy + ry + 2); ++y) {
        for (int x = static_cast<int>(cx - rx - 2); x <= static_cast<int>(cx + rx + 2); ++x) {
            const double dx = (x - cx) / rx, dy = (y - cy) / ry;
            const double a = std::atan2(dy, dx);
            const double edge = 1.0 + 0.09 * std::sin(7.0 * a + phase) +
                                0.06 * std::sin(13.0 * a + phase2);
            const double d = std::hypot(dx, dy);
            if (d > edge) continue;
            const double toLight = -(dx * 0.6 + dy * 0.8);
            const double grain = CellNoise(x / 2, y / 2, seed) - 0.5;
            const double s = toLight * 0.45 + (1.0 - d / edge) * 0.35 + grain * 0.5 + 0.3;
            Rgb col = s < 0.08   ? kLeafShadow
                      : s < 0.35 ? LeafDark
                      : s < 0.62 ? Leaf
                      : s < 0.86 ? LeafLight
                                 : LeafBright;
            c.Set(x, y, col);
        }
    }
}

// A leaf shaped like a pointed ellipse from (x0, y0) towards angle, in
// 24-bit colour with a lit upper half and a midrib.
void PaintLeaf24(Canvas& c, double x0, double y0, double angle, double length, double width) {
    const double ca = std::cos(angle), sa = std::sin(angle);
    const int reach = static_cast<int>(length) + 2;
    for (int y = static_cast<int>(y0) - reach; y <= static_cast<int>(y0) + reach; ++y) {
        for (int x = static_cast<int>(x0) - reach; x <= static_cast<int>(x0) + reach; ++x) {
            const double dx = x - x0, dy = y - y0;
            const double u = dx * ca + dy * sa;   // along the leaf
            const double v = -dx * sa + dy * ca;  // across it
            if (u < 0.0 || u > length) continue;
            const double t = u / length;
            const double half = width * std::sin(kPi * std::pow(t, 0.8));
            if (std::fabs(v) > half) continue;
            Rgb col = v < 0.0 ? Mix(Leaf, LeafBright, 0.55 - 0.4 * t)
                              : Mix(LeafDark, Leaf, 0.7 - 0.3 * t);
            if (std::fabs(v) > half - 0.9) col = Mix(col, LeafDark, 0.6);
            if (std::fabs(v) < 0.5 && t < 0.85) col = Mix(col, LeafBright, 0.35);
            c.Set(x, y, col);
        }
    }
}

}  // namespace

// A floating chunk of swamp earth with a grass top. The soldier stands with
// his soles on row 10, the top of the earth.
Canvas PaintLedge() {
    Canvas c(120, 30);
    Lcg noise(137);
    // Earth body: flat top at row 10, sides that taper to a ragged bottom.
    for (int x = 0; x < 120; ++x) {
        const int edge = std::min(x, 119 - x);
        const int bottom = std::min(
            29, 17 + edge / 2 + static_cast<int>(2.0 * std::sin(x * 0.7)) + noise.Below(2));
        for (int y = 10; y <= bottom; ++y) {
            // Clods a few pixels wide, darker towards the underside.
            const double clod = CellNoise((x + (y / 2) % 2) / 3, y / 2, 137) + (y - 14) * 0.025;
            Rgb col = clod < 0.22 ? EarthLight : (clod < 0.78 ? Earth : EarthDark);
            if (y >= bottom - 1) col = EarthDark;
            if (y == 12 || y == 13) col = clod < 0.5 ? EarthDark : Earth;  // shade under the turf
            c.Set(x, y, col);
        }
    }
    // Stones bedded in the earth.
    const double stones[][3] = {{14, 19, 2.6}, {38, 22, 3.2},  {63, 18, 2.2},
                                {85, 23, 3.0}, {104, 19, 2.4}, {50, 26, 1.8}};
    for (const auto& s : stones) {
        c.FillEllipse(s[0], s[1], s[2] + 0.8, s[2], StoneDark);
        c.FillEllipse(s[0] - 0.4, s[1] - 0.4, s[2], s[2] - 0.9, Stone);
        c.Set(static_cast<int>(s[0]) - 1, static_cast<int>(s[1]) - 1, StoneLight);
    }
    // Roots dangling from the underside.
    const int roots[][3] = {{30, 26, 4}, {57, 28, 3}, {76, 28, 3}, {95, 26, 3}};
    for (const auto& r : roots) {
        for (int y = 0; y < r[2]; ++y) c.Set(r[0] + (y > 1 ? 1 : 0), r[1] + y, BarkDark);
    }
    // Turf: a band of grass over rows 8 to 11 with blades above.
    for (int x = 0; x < 120; ++x) {
        c.Set(x, 10, Leaf);
        c.Set(x, 11, (x % 3 == 0) ? LeafDark : Leaf);
        if (x % 5 != 2) c.Set(x, 12, LeafDark);
        c.Set(x, 9, LeafLight);
        const int blade = noise.Below(5);
        for (int y = 0; y < blade; ++y) c.Set(x, 8 - y, y == blade - 1 ? LeafBright : LeafLight);
    }
    // Grass overhanging the ends.
    for (int y = 10; y <= 15; ++y) {
        c.Set(0, y, y < 13 ? Leaf : LeafDark);
        c.Set(119, y, y < 13 ? Leaf : LeafDark);
    }
    c.Dots({1, 14, 118, 14}, LeafDark);
    return c;
}

// A square block of dressed stone, moss on its top. Only its four corner
// pixels are transparent.
Canvas PaintBlock() {
    Canvas c(100, 100, StoneDark);
    Lcg noise(156);
    const Rgb faces[] = {Stone, MakeRgb(118, 116, 112), MakeRgb(104, 108, 116),
                         MakeRgb(124, 126, 130)};
    for (int row = 0; row < 4; ++row) {
        const int y0 = row * 25, y1 = y0 + 23;
        const int offset = (row % 2) ? 25 : 0;
        for (int bx = -offset; bx < 100; bx += 50) {
            const int x0 = std::max(0, bx), x1 = std::min(99, bx + 48);
            const Rgb face = faces[noise.Below(4)];
            c.FillRect(x0, y0, x1, y1, face);
            for (int i = 0; i < (x1 - x0) * 2; ++i) {  // grain
                const int gx = x0 + noise.Below(x1 - x0 + 1);
                const int gy = y0 + noise.Below(24);
                c.Set(gx, gy, noise.Below(2) ? StoneLight : MakeRgb(84, 86, 92));
            }
            c.FillRect(x0, y0, x1, y0, StoneBright);  // lit top and left edges
            c.FillRect(x0, y0, x0, y1, StoneLight);
            c.FillRect(x0, y1, x1, y1, MakeRgb(84, 86, 92));  // shaded bottom and right edges
            c.FillRect(x1, y0, x1, y1, MakeRgb(84, 86, 92));
        }
    }
    // A crack across one stone.
    c.Line(62, 30, 66, 36, StoneDark);
    c.Line(66, 36, 64, 42, StoneDark);
    c.Line(18, 79, 23, 84, StoneDark);
    // Moss along the top, dripping down a little.
    for (int x = 0; x < 100; ++x) {
        const int drip = 2 + noise.Below(3) + ((x % 17 < 4) ? 3 : 0);
        for (int y = 0; y < drip; ++y)
            c.Set(x, y, y == 0 ? LeafLight : (y + 1 == drip ? LeafDark : Leaf));
    }
    c.Dots({0, 0, 99, 0, 0, 99, 99, 99}, Clear);
    return c;
}

// A wooden signpost whose board points right, lettered "ВЫХОД" (exit).
Canvas PaintGoal() {
    Canvas c(50, 50);
    // Post.
    c.FillRect(20, 16, 26, 47, BarkDark);
    c.FillRect(21, 16, 25, 47, Wood);
    c.FillRect(21, 16, 22, 47, WoodLight);
    c.FillRect(25, 16, 25, 47, WoodDark);
    // Arrow board.
    c.FillPolygon({2.5, 4.5, 38.5, 4.5, 48.5, 13.5, 38.5, 22.5, 2.5, 22.5}, BarkDark);
    c.FillPolygon({3.5, 5.5, 38.0, 5.5, 47.0, 13.5, 38.0, 21.5, 3.5, 21.5}, Wood);
    c.FillRect(4, 6, 40, 6, WoodLight);
    c.Line(5, 8, 12, 8, WoodDark);  // grain
    c.Line(30, 8, 40, 8, WoodDark);
    c.Line(8, 18, 16, 18, WoodDark);
    c.Line(28, 18, 38, 18, WoodDark);
    c.Dots({5, 8, 5, 19, 36, 8, 36, 19}, Ink);  // nail heads
    // Painted letters.
    // clang-format off
    c.Draw(8, 11, {
        "xx..x..x.x.x..x...xxx.",
        "x.x.x..x.x.x.x.x..x.x.",
        "xx..xx.x..x..x.x..x.x.",
        "x.x.x.xx.x.x.x.x.xxxxx",
        "xx..xx.x.x.x..x..x...x",
    }, {{'x', OffWhite}});
    // clang-format on
    // Grass at the foot of the post.
    // clang-format off
    c.Draw(14, 44, {
        "...g.....g..g....",
        ".g.gg..g.gg.g..g.",
        "gGggGgggGgggGggGg",
        "ggddgggdggdgggddg",
        ".dddddddddddddd..",
        "..ddd.....ddd....",
    }, {{'g', Leaf}, {'G', LeafLight}, {'d', LeafDark}});
    // clang-format on
    return c;
}

// A swamp plant with one big red bloom and two buds.
Canvas PaintFlower() {
    Canvas c(37, 40);
    // Stems.
    c.ThickLine(18, 39, 18, 14, 0.7, LeafDark);
    c.ThickLine(17, 39, 17, 15, 0.5, Leaf);
    c.Line(18, 30, 9, 20, LeafDark);
    c.Line(18, 27, 28, 18, LeafDark);
    // Leaves.
    c.FillRotatedEllipse(11.0, 32.0, 7.5, 2.6, 0.55, LeafDark);
    c.FillRotatedEllipse(10.6, 31.4, 6.4, 1.7, 0.55, Leaf);
    c.Line(6, 29, 14, 33, LeafLight);
    c.FillRotatedEllipse(25.5, 33.0, 7.5, 2.6, -0.5, LeafDark);
    c.FillRotatedEllipse(25.2, 32.4, 6.4, 1.7, -0.5, Leaf);
    c.Line(21, 34, 30, 30, LeafLight);
    c.FillRotatedEllipse(14.0, 37.0, 5.0, 1.6, 0.2, Leaf);
    // Bloom: six petals round a golden heart.
    for (int i = 0; i < 6; ++i) {
        const double a = i * kPi / 3.0 + 0.3;
        const double px = 18.0 + std::cos(a) * 5.5, py = 11.0 + std::sin(a) * 5.0;
        c.FillRotatedEllipse(px, py, 5.0, 3.4, a, RedDark);
    }
    for (int i = 0; i < 6; ++i) {
        const double a = i * kPi / 3.0 + 0.3;
        const double px = 18.0 + std::cos(a) * 5.0, py = 10.6 + std::sin(a) * 4.6;
        c.FillRotatedEllipse(px, py, 4.0, 2.5, a, (i == 3 || i == 4) ? RedLight : Red);
    }
    c.FillEllipse(18.0, 11.0, 2.6, 2.6, GoldDark);
    c.FillEllipse(17.6, 10.6, 1.8, 1.8, Gold);
    c.Set(17, 10, GoldLight);
    // Buds.
    c.FillEllipse(9.0, 19.0, 2.4, 3.2, RedDark);
    c.FillEllipse(8.6, 18.4, 1.6, 2.2, Red);
    c.FillPolygon({6.5, 21.5, 11.5, 21.5, 9.0, 23.5}, Leaf);
    c.FillEllipse(28.0, 17.0, 2.2, 3.0, RedDark);
    c.FillEllipse(27.6, 16.4, 1.5, 2.0, Red);
    c.FillPolygon({25.5, 19.5, 30.5, 19.5, 28.0, 21.5}, Leaf);
    return c;
}

// A round leafy bush.
Canvas PaintShrub() {
    Canvas c(48, 39);
    Lcg noise(149);
    const double clumps[][4] = {
        {10, 30, 9, 7},  {37, 30, 9, 7}, {24, 31, 12, 7}, {14, 20, 9, 8},  {33, 20, 9, 8},
        {23, 13, 10, 9}, {8, 25, 6, 6},  {40, 24, 6, 6},  {23, 24, 10, 8},
    };
    for (const auto& k : clumps) PaintLeafClump(c, k[0], k[1], k[2], k[3], noise);
    // Ground shadow and a glimpse of stems.
    for (int x = 6; x <= 42; ++x) c.Set(x, 38, LeafDark);
    c.Line(20, 37, 19, 33, Bark);
    c.Line(28, 37, 29, 34, Bark);
    return c;
}

// A spruce: five tiers of drooping boughs over a short trunk, lit from the
// left, needles drawn as slanting strokes.
Canvas PaintConifer() {
    Canvas c(50, 100);
    c.FillRect(22, 80, 27, 99, BarkDark);
    c.FillRect(23, 80, 25, 99, Bark);
    c.FillRect(23, 80, 23, 99, BarkLight);
    c.Line(18, 99, 22, 96, BarkDark);
    c.Line(31, 99, 27, 96, BarkDark);
    const double tiers[][3] = {
        {1, 24, 8}, {12, 39, 12}, {25, 55, 16.5}, {39, 71, 20.5}, {53, 87, 24.5}};
    for (const auto& t : tiers) {
        const double top = t[0], bottom = t[1], half = t[2];
        for (int y = static_cast<int>(top); y <= static_cast<int>(bottom) + 2; ++y) {
            const double span = half * std::pow((y - top) / (bottom - top), 0.85);
            for (int x = 0; x < 50; ++x) {
                const double off = x - 24.5;
                if (std::fabs(off) > span + 0.5) continue;
                // Bough tips hang lower than the gaps between them.
                const int tip = (x + static_cast<int>(top)) % 5;
                const double hem = bottom - 2.0 + (tip < 2 ? 2.0 : 0.0) +
                                   std::fabs(off) / half * 1.5;
                if (y > hem) continue;
                const double side = off / (half + 1.0);  // -1 left (lit) .. 1 right
                const bool stroke = (x * 2 + y * (off < 0 ? 1 : -1) * 2 + 64) % 7 == 0;
                Rgb col = side < -0.35 ? kPineLight : side < 0.3 ? kPine : kPineDark;
                if (stroke) col = side < -0.35 ? LeafLight : kPineDark;
                if (y >= hem - 1.0) col = kPineDark;
                c.Set(x, y, col);
            }
        }
    }
    c.Set(24, 0, kPineLight);
    return c;
}

// A single bulrush: brown cattail on a tall stem, with two blade leaves.
Canvas PaintBulrush() {
    // clang-format off
    return Canvas::FromArt({
        "....k.....",
        "....k.....",
        "....k.....",
        "....k.....",
        "...kbk....",
        "...bBbk...",
        "..kbBbbk..",
        "..kbBbbk..",
        "..kbBbbk..",
        "..kbBbbk..",
        "..kbBbbk..",
        "..kbBbbk..",
        "..kbBbbk..",
        "..kbBbbk..",
        "..kbBbbk..",
        "...kbbk...",
        "....g.....",
        "....g.....",
        "....g.....",
        "....g.....",
        "....gd....",
        "....gd....",
        "....gd...l",
        "....gd...l",
        "....gd..l.",
        "l...gd..l.",
        "l...gd..l.",
        "l...gd.l..",
        ".l..gd.l..",
        ".l..gdl...",
        ".l..gdl...",
        ".ll.gdl...",
        "..l.gl....",
        "..llgl....",
        "...lgl....",
        "...lgd....",
        "...lgd....",
        "...lgd....",
        "...ggd....",
        "..dggdd...",
    }, {{'k', BarkDark}, {'b', Bark}, {'B', BarkLight}, {'g', Leaf}, {'d', LeafDark}, {'l', LeafLight}});
    // clang-format on
}

// The sky: a gradient from deep blue to a hazy horizon, clouds, and two
// ranges of distant swamp hills with a strip of still water.
Canvas PaintBackground() {
    Canvas c(800, 523);
    const Rgb zenith = MakeRgb(52, 104, 178), horizon = MakeRgb(186, 214, 230);
    for (int y = 0; y < 523; ++y) {
        const Rgb sky = Mix(zenith, horizon, std::pow(y / 430.0, 1.3));
        for (int x = 0; x < 800; ++x) c.Set(x, y, sky);
    }
    // Clouds: overlapping puffs on a flat base, shaded as one mass: bright
    // crowns, grey-blue bellies, soft edges.
    Lcg noise(162);
    const double clouds[][4] = {
        {110, 80, 90, 1.0},  {360, 140, 70, 0.8}, {600, 70, 110, 1.1}, {720, 210, 60, 0.7},
        {230, 250, 55, 0.6}, {480, 300, 80, 0.7}, {40, 330, 50, 0.5},
    };
    for (const auto& k : clouds) {
        const double cx = k[0], base = k[1], width = k[2], scale = k[3];
        struct Puff {
            double x, y, r;
        };
        Puff puffs[16];
        for (int i = 0; i < 16; ++i) {
            Puff& p = puffs[i];
            const double t = (i + noise.Unit()) / 8.0 - 1.0;
            p.x = cx + t * width;
            p.r = (16.0 + noise.Unit() * 14.0) * scale * (1.15 - 0.7 * t * t);
            p.y = base - p.r * (0.35 + noise.Unit() * 0.35);
        }
        const double height = 46.0 * scale;
        for (int y = static_cast<int>(base - 70 * scale); y <= static_cast<int>(base); ++y) {
            for (int x = static_cast<int>(cx - width - 50); x <= static_cast<int>(cx + width + 50);
                 ++x) {
                if (!c.Inside(x, y)) continue;
                double cover = 0.0;
                for (const Puff& p : puffs)
                    cover = std::max(cover, (p.r - std::hypot(x - p.x, y - p.y)) / 3.0);
                cover = std::min(cover, (base - y + 1.0) / 2.0);  // soft flat bottom
                if (cover <= 0.0) continue;
                const double up = std::clamp((base - y) / height, 0.0, 1.0);
                const Rgb cloud = Mix(MakeRgb(190, 204, 222), MakeRgb(250, 250, 246),
                                      std::pow(up, 0.7));
                c.Set(x, y, Mix(c.Get(x, y), cloud, std::min(cover, 1.0)));
            }
        }
    }
    // Far hills, hazy blue-green, with a fringe of tiny trees.
    for (int x = 0; x < 800; ++x) {
        const double top = 360.0 + 22.0 * std::sin(x * 0.011) + 12.0 * std::sin(x * 0.031 + 1.3) +
                           5.0 * std::sin(x * 0.09);
        for (int y = static_cast<int>(top); y < 523; ++y) {
            const double depth = std::clamp((y - top) / 120.0, 0.0, 1.0);
            c.Set(x, y, Mix(MakeRgb(128, 164, 160), MakeRgb(100, 140, 128), depth));
        }
        if (x % 7 == 3) {
            const int h = 4 + static_cast<int>(noise.Below(5));
            for (int y = 0; y < h; ++y)
                for (int dx = -(y / 2); dx <= y / 2; ++dx)
                    c.Set(x + dx, static_cast<int>(top) - h + y, MakeRgb(112, 150, 142));
        }
    }
    // Near hills, deeper green.
    for (int x = 0; x < 800; ++x) {
        const double top = 418.0 + 16.0 * std::sin(x * 0.017 + 2.0) +
                           9.0 * std::sin(x * 0.043 + 0.4);
        for (int y = static_cast<int>(top); y < 523; ++y) {
            const double depth = std::clamp((y - top) / 60.0, 0.0, 1.0);
            Rgb col = Mix(MakeRgb(88, 128, 84), MakeRgb(62, 100, 64), depth);
            if (noise.Below(9) == 0) col = Mix(col, MakeRgb(48, 84, 52), 0.5);
            c.Set(x, y, col);
        }
    }
    // Still swamp water along the bottom, with glints.
    for (int y = 470; y < 523; ++y) {
        for (int x = 0; x < 800; ++x) {
            Rgb col = Mix(MakeRgb(96, 136, 134), MakeRgb(54, 86, 82), (y - 470) / 53.0);
            if ((x + y * 13) % 97 < 6 && y % 4 == 0) col = MakeRgb(170, 200, 196);
            c.Set(x, y, col);
        }
    }
    // Reeds along the far shore, some with cattails, and their dark reflections.
    for (int x = 2; x < 800; x += 3 + noise.Below(4)) {
        const int height = 6 + noise.Below(14);
        const int lean = noise.Below(3) - 1;
        for (int y = 0; y < height; ++y) {
            const int rx = x + (y > height / 2 ? lean : 0);
            c.Set(rx, 469 - y, MakeRgb(40, 70, 44));
            if (y < 2) c.Set(x, 471 + y, Mix(c.Get(x, 471 + y), MakeRgb(40, 70, 60), 0.4));
        }
        if (noise.Below(4) == 0) {
            const int rx = x + lean;
            c.FillRect(rx, 469 - height - 3, rx + 1, 469 - height + 1, MakeRgb(92, 64, 40));
        }
    }
    return c;
}

// A vine winding up a support, heart-shaped leaves on alternate sides.
Canvas PaintVine() {
    Canvas c(30, 82);
    const Rgb stem = MakeRgb(70, 92, 40), stemDark = MakeRgb(46, 62, 28);
    for (int y = 0; y < 82; ++y) {
        const double x = 15.0 + 6.0 * std::sin(y / 9.0);
        c.Set(static_cast<int>(std::lround(x)) - 1, y, stemDark);
        c.Set(static_cast<int>(std::lround(x)), y, stem);
    }
    for (int i = 0; i < 9; ++i) {
        const double y = 4.0 + i * 9.0;
        const double x = 15.0 + 6.0 * std::sin(y / 9.0);
        const bool right = i % 2 == 0;
        const double angle = right ? 0.5 : kPi - 0.5;
        const double length = 9.0 - (i == 0 ? 2.0 : 0.0);
        PaintLeaf24(c, x, y, angle, length, 3.6);
        // Curling tendril.
        const double tx = x + (right ? -4.0 : 4.0);
        c.Set(static_cast<int>(tx), static_cast<int>(y) + 2, stem);
        c.Set(static_cast<int>(tx) + (right ? -1 : 1), static_cast<int>(y) + 1, stem);
    }
    return c;
}

// Creepers hanging from a mossy bough along the top.
Canvas PaintHangingVines() {
    Canvas c(114, 77);
    Lcg noise(164);
    const Rgb stem = MakeRgb(64, 88, 38), stemDark = MakeRgb(40, 58, 26);
    const double strands[][3] = {{6, 52, 0.0},  {19, 70, 1.1},  {33, 40, 2.3},
                                 {46, 76, 0.7}, {60, 58, 1.9},  {74, 30, 2.9},
                                 {86, 66, 0.3}, {100, 46, 1.5}, {109, 24, 2.6}};
    for (const auto& s : strands) {
        const double x0 = s[0], length = s[1], phase = s[2];
        for (int y = 4; y < static_cast<int>(length); ++y) {
            const double x = x0 + 2.5 * std::sin(y / 8.0 + phase);
            c.Set(static_cast<int>(std::lround(x)), y, y % 3 ? stem : stemDark);
        }
        for (int y = 10; y < static_cast<int>(length) - 2; y += 7) {
            const double x = x0 + 2.5 * std::sin(y / 8.0 + phase);
            const double size = 6.5 - 3.0 * y / length;
            const bool right = (y / 7) % 2 == 0;
            PaintLeaf24(c, x, y, right ? 0.7 : kPi - 0.7, size, size * 0.45);
        }
    }
    // The bough: a mossy band with clumps hanging over the strands.
    for (int x = 0; x < 114; ++x) {
        const int low = 5 + static_cast<int>(2.0 * std::sin(x * 0.3)) + noise.Below(2);
        for (int y = 0; y <= low; ++y) {
            const double t = static_cast<double>(y) / (low + 1);
            Rgb col = Mix(LeafLight, LeafDark, t);
            if (noise.Below(5) == 0) col = Mix(col, LeafBright, 0.5);
            c.Set(x, y, col);
        }
    }
    return c;
}

// A tall broad-leaved swamp tree: flared roots, a long trunk and a wide
// crown of leaf clumps.
Canvas PaintTree() {
    Canvas c(143, 286);
    Lcg noise(165);
    // Trunk with flared roots.
    for (int y = 90; y < 286; ++y) {
        const double flare = y > 250 ? std::pow((y - 250) / 36.0, 2.0) * 26.0 : 0.0;
        const double half = 9.0 + (y - 90) * 0.02 + flare;
        const double centre = 71.0 + 2.0 * std::sin(y / 23.0);
        for (int x = static_cast<int>(centre - half); x <= static_cast<int>(centre + half); ++x) {
            const double t = (x - (centre - half)) / (2.0 * half);
            Rgb col = t < 0.25 ? BarkLight : (t < 0.7 ? Bark : BarkDark);
            if ((x * 7 + y / 5) % 11 == 0) col = BarkDark;  // furrows in the bark
            c.Set(x, y, col);
        }
    }
    // Branches into the crown.
    c.ThickLine(70, 120, 40, 70, 3.5, Bark);
    c.ThickLine(72, 115, 105, 62, 3.5, BarkDark);
    c.ThickLine(71, 100, 72, 40, 4.0, Bark);
    // Crown: clumps from the back (dark, low) to the front (lit, high).
    const double clumps[][4] = {
        {30, 110, 26, 18}, {112, 108, 26, 18}, {70, 120, 30, 16}, {20, 80, 20, 22},
        {122, 78, 20, 22}, {45, 88, 28, 22},   {98, 86, 28, 22},  {70, 70, 34, 26},
        {34, 50, 24, 22},  {108, 48, 24, 22},  {70, 34, 30, 26},  {52, 22, 20, 18},
        {90, 20, 20, 18},  {70, 96, 24, 16},
    };
    for (const auto& k : clumps) PaintLeafClump(c, k[0], k[1], k[2], k[3], noise);
    // Stray leaves dotted round the crown's outline.
    for (int i = 0; i < 500; ++i) {
        const int x = noise.Below(143), y = noise.Below(140);
        if (c.Get(x, y) != Clear) continue;
        if (!c.IsClear(x, y + 1) || !c.IsClear(x + 1, y)) c.Set(x, y, LeafDark);
    }
    return c;
}
