// paint_icon.cpp -- the application icon, built from the game's own bitmaps.
//
// The whole icon is laid out once at 768 x 768 from the mosquito and the sky
// bitmaps, blown up pixel for pixel, and every size is an exact average of
// square blocks of it: 768 is a multiple of each size, so no size needs a
// filter of its own and the pixel-art edges stay sharp at 256 and 128.
#include "tools/spritegen/paint_icon.h"

#include <algorithm>

#include "tools/spritegen/painters.h"

namespace {

constexpr int kMaster = 768;               // pixels of the full-size layout
constexpr double kCentre = kMaster / 2.0;  // the badge's centre, both axes
constexpr double kRadius = 376.0;          // the badge's outer edge
constexpr double kRim = 24.0;              // its dark ring
constexpr int kSkyLeft = 180;              // left edge of the sky square, background pixels
constexpr int kMosquitoScale = 13;         // master pixels per mosquito pixel

bool InsideCircle(int x, int y, double radius) {
    const double dx = x + 0.5 - kCentre, dy = y + 0.5 - kCentre;
    return dx * dx + dy * dy <= radius * radius;
}

// The badge: a square of the level background's sky, hills and water seen
// through a round window with a dark rim.
void PaintBadge(Canvas& master) {
    const Canvas sky = PaintBackground();
    const int side = sky.Height();  // the largest square the background holds
    const int inner = int(2.0 * (kRadius - kRim));
    const int origin = int(kCentre) - inner / 2;
    for (int y = 0; y < kMaster; ++y) {
        for (int x = 0; x < kMaster; ++x) {
            if (!InsideCircle(x, y, kRadius)) continue;
            if (!InsideCircle(x, y, kRadius - kRim)) {
                master.Set(x, y, swamp::Ink);
                continue;
            }
            const int sx = kSkyLeft + (x - origin) * side / inner;
            const int sy = (y - origin) * side / inner;
            master.Set(x, y, sky.Get(sx, sy));
        }
    }
}

// The mosquito with raised wings, cut to its figure and blown up to fill the
// badge, centred on it.
void PaintMosquito(Canvas& master) {
    const Canvas mosquito = PaintMosquitoWingsUp();
    int left = mosquito.Width(), right = -1, top = mosquito.Height(), bottom = -1;
    for (int y = 0; y < mosquito.Height(); ++y) {
        for (int x = 0; x < mosquito.Width(); ++x) {
            if (mosquito.IsClear(x, y)) continue;
            left = std::min(left, x), right = std::max(right, x);
            top = std::min(top, y), bottom = std::max(bottom, y);
        }
    }
    const int width = (right - left + 1) * kMosquitoScale;
    const int height = (bottom - top + 1) * kMosquitoScale;
    const int dx = (kMaster - width) / 2, dy = (kMaster - height) / 2;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgb ink = mosquito.Get(left + x / kMosquitoScale, top + y / kMosquitoScale);
            if (ink != Clear) master.Set(dx + x, dy + y, ink);
        }
    }
}

// The mean of the painted pixels of one block, with the share of painted
// pixels as its opacity.
uint32_t AverageBlock(const Canvas& master, int x0, int y0, int block) {
    uint32_t r = 0, g = 0, b = 0, painted = 0;
    for (int y = y0; y < y0 + block; ++y) {
        for (int x = x0; x < x0 + block; ++x) {
            const Rgb c = master.Get(x, y);
            if (c == Clear) continue;
            r += c.r, g += c.g, b += c.b, ++painted;
        }
    }
    if (painted == 0) return 0;
    const uint32_t area = uint32_t(block * block);
    const uint32_t alpha = (255 * painted + area / 2) / area;
    auto mean = [painted](uint32_t sum) { return (sum + painted / 2) / painted; };
    return (alpha << 24) | (mean(r) << 16) | (mean(g) << 8) | mean(b);
}

}  // namespace

IconImage PaintIcon(int size) {
    Canvas master(kMaster, kMaster);
    PaintBadge(master);
    PaintMosquito(master);

    IconImage icon;
    if (size <= 0 || kMaster % size != 0) return icon;
    const int block = kMaster / size;
    icon.size = size;
    icon.argb.reserve(size_t(size) * size_t(size));
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            icon.argb.push_back(AverageBlock(master, x * block, y * block, block));
    return icon;
}
