// paint_creatures.cpp -- the mosquito in its two wing frames and the swamp
// nest the mosquitoes hatch from.
#include <cmath>

#include "tools/spritegen/painters.h"

namespace {

using namespace swamp;

constexpr Rgb kChitinDark = MakeRgb(46, 38, 32);
constexpr Rgb kChitin = MakeRgb(94, 78, 62);
constexpr Rgb kChitinLight = MakeRgb(172, 154, 124);
constexpr Rgb kBelly = MakeRgb(150, 40, 38);
constexpr Rgb kLeg = MakeRgb(74, 62, 54);
constexpr Rgb kWing = MakeRgb(208, 224, 236);
constexpr Rgb kWingEdge = MakeRgb(138, 158, 182);
constexpr Rgb kEye = MakeRgb(210, 34, 30);

void PaintWing(Canvas& c, double cx, double cy, double length, double width, double angle) {
    c.FillRotatedEllipse(cx, cy, length, width, angle, kWingEdge);
    c.FillRotatedEllipse(cx, cy, length - 1.2, width - 1.0, angle, kWing);
    // One vein along the wing.
    const double dx = std::cos(angle), dy = std::sin(angle);
    for (double t = -length + 3.0; t <= length - 3.0; t += 0.5)
        c.Set(static_cast<int>(std::lround(cx + dx * t)),
              static_cast<int>(std::lround(cy + dy * t)), kWingEdge);
}

void PaintLeg(Canvas& c, int x0, int y0, int kx, int ky, int x1, int y1) {
    c.Line(x0, y0, kx, ky, kLeg);
    c.Line(kx, ky, x1, y1, kLeg);
}

// The body, head and legs, shared by both frames. The mosquito flies right:
// proboscis at the right edge, tail to the left; its pivot (0, 0) stays clear.
void PaintBody(Canvas& c) {
    // Legs first, so the body covers their roots.
    PaintLeg(c, 33, 14, 38, 18, 42, 24);
    PaintLeg(c, 31, 15, 31, 20, 28, 24);
    PaintLeg(c, 29, 14, 22, 18, 13, 23);
    PaintLeg(c, 34, 13, 40, 16, 45, 21);

    // Abdomen: striped, the lower half swollen with blood.
    c.FillRotatedEllipse(15.0, 12.5, 12.5, 3.8, -0.12, kChitinDark);
    c.FillRotatedEllipse(15.0, 12.2, 11.5, 2.8, -0.12, kChitin);
    c.FillRotatedEllipse(16.0, 13.6, 9.0, 1.6, -0.12, kBelly);
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 5; x < 26; x += 4)
            if (c.Get(x, y) == kChitin) c.Set(x, y, kChitinLight);

    // Thorax: humped, lit from above.
    c.FillEllipse(31.0, 11.5, 5.0, 4.2, kChitinDark);
    c.FillEllipse(31.0, 10.2, 3.6, 2.4, kChitin);
    c.Dots({30, 9, 31, 9}, kChitinLight);

    // Head, eye, antenna and the long proboscis.
    c.FillEllipse(38.0, 12.0, 2.6, 2.4, kChitinDark);
    c.Dots({38, 11, 39, 11}, kEye);
    c.Line(39, 10, 43, 6, kChitinDark);
    c.Dots({42, 6, 44, 7}, kChitinDark);
    c.Line(40, 13, 49, 16, kChitinDark);
}

}  // namespace

// Wings raised above the back.
Canvas PaintMosquitoWingsUp() {
    Canvas c(50, 25);
    PaintWing(c, 21.0, 5.5, 10.5, 3.0, 0.42);
    PaintWing(c, 24.0, 5.0, 8.0, 2.4, 0.15);
    PaintBody(c);
    c.Set(0, 0, Clear);
    return c;
}

// Wings beaten down below the body.
Canvas PaintMosquitoWingsDown() {
    Canvas c(50, 25);
    PaintWing(c, 20.5, 17.0, 10.5, 3.0, -0.62);
    PaintWing(c, 23.5, 17.5, 8.0, 2.4, -0.95);
    PaintBody(c);
    c.Set(0, 0, Clear);
    return c;
}

// A sunken pool of still black water in the mud: no transparent pixel, the
// whole square is drawn.
Canvas PaintNest() {
    Canvas c(50, 50);
    Lcg noise(159);
    const Rgb mud[] = {EarthDark, Earth, EarthDark, MakeRgb(84, 58, 34)};
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x) c.Set(x, y, mud[noise.Below(4)]);

    // Water: an irregular blob, deeper towards the middle.
    const double cx = 25.0, cy = 26.0;
    for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 50; ++x) {
            const double dx = x - cx, dy = (y - cy) * 1.15;
            const double theta = std::atan2(dy, dx);
            const double rim = 19.5 + 2.5 * std::sin(3.0 * theta) +
                               1.5 * std::cos(5.0 * theta + 1.0);
            const double d = std::hypot(dx, dy);
            if (d > rim + 1.5) continue;
            if (d > rim)
                c.Set(x, y, MakeRgb(52, 40, 26));  // wet mud edge
            else if (d > rim - 2.0)
                c.Set(x, y, WaterLight);
            else if (d > rim - 7.0)
                c.Set(x, y, Water);
            else
                c.Set(x, y, WaterDeep);
        }
    }

    // Ripples spreading from where something has just hatched.
    for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 50; ++x) {
            const double d = std::hypot(x - 21.0, (y - 27.0) * 1.6);
            const Rgb here = c.Get(x, y);
            const bool water = here == Water || here == WaterDeep;
            if (water && (std::fabs(d - 5.0) < 0.5 || std::fabs(d - 10.0) < 0.5))
                c.Set(x, y, WaterLight);
        }
    }
    c.Dots({21, 27, 20, 27}, WaterGlint);

    // A lily pad with its notch.
    c.FillEllipse(34.0, 18.0, 4.5, 3.2, LeafDark);
    c.FillEllipse(34.0, 17.6, 3.6, 2.4, Leaf);
    c.Dots({34, 17, 35, 16}, LeafLight);
    c.Line(34, 18, 37, 20, LeafDark);

    // Bubbles and mosquito larvae at the surface.
    const int bubbles[][2] = {{14, 20}, {30, 32}, {16, 33}, {27, 14}, {36, 27}};
    for (const auto& b : bubbles) {
        c.Set(b[0], b[1], WaterGlint);
        c.Set(b[0] + 1, b[1] - 1, MakeRgb(190, 206, 176));
    }
    const int larvae[][2] = {{11, 26}, {25, 35}, {31, 24}, {19, 15}};
    for (const auto& l : larvae) {
        c.Set(l[0], l[1], kChitinDark);
        c.Set(l[0] + 1, l[1], kChitinDark);
        c.Set(l[0] + 2, l[1] - 1, kChitinDark);
    }

    // Reeds at the corners of the mud.
    const int reeds[][3] = {{3, 49, 38},  {5, 49, 41}, {46, 49, 40},
                            {44, 49, 43}, {47, 12, 2}, {2, 10, 1}};
    for (const auto& r : reeds) c.Line(r[0], r[1], r[0] + (r[0] < 25 ? -1 : 1), r[2], LeafLight);
    return c;
}
