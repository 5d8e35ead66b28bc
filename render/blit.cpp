// blit.cpp -- copies sprites into the frame buffer: plain, mirrored, rotated.
//
// Frame column 0 and row 0 never take a sprite pixel (the bounds are strict
// on the low side), white is the transparent key, and a sprite partly off
// the frame is cut pixel by pixel, never shifted.
#include "render/blit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "game/numeric.h"

namespace {

bool InsideFrame(int64_t px, int64_t py) {
    return 0 < px && px < FrameWidth && 0 < py && py < FrameHeight;
}

// Rows of a w x h request that hold at least one pixel of a picture of
// `count` pixels; the rest would be all transparent.
int64_t RowsPresent(size_t count, int32_t w, int32_t h) {
    if (w <= 0 || h <= 0) return 0;
    const int64_t rows = (int64_t(count) + w - 1) / w;
    return std::min<int64_t>(rows, h);
}

// ---------------------------------------------------------------------------
// The rotated blitter turns every pixel about the sprite's top-left pixel.
// The distance and the bearing of a pixel from that pivot depend only on
// its row and column, so they are worked out once per sprite; each draw
// then adds the angle and takes the sine and cosine. The steps and their
// float/double roundings are the game's own and give the exact same pixels.
// ---------------------------------------------------------------------------
struct PolarPixel {
    float radius;    // distance from the pivot, rounded to float
    double bearing;  // rad, from straight down toward the sprite's right side
    uint32_t colour;
};

struct PolarSprite {
    std::vector<PolarPixel> pixels;  // opaque pixels in row-by-row order
    int32_t reach = 0;               // no pixel lands further than this from the pivot
};

PolarSprite MakePolarSprite(std::span<const uint32_t> pixels, int32_t w, int32_t h) {
    PolarSprite sprite;
    const int64_t rows = RowsPresent(pixels.size(), w, h);
    float farthest = 0.0f;
    for (int64_t i = 0; i < rows; ++i) {
        for (int64_t j = 0; j < w; ++j) {
            const int64_t index = i * w + j;
            if (index >= int64_t(pixels.size())) break;
            const uint32_t colour = pixels[size_t(index)];
            // The pivot has no bearing; it is never drawn.
            if (colour == TransparentKey || index == 0) continue;
            const double r = std::sqrt(double(i * i + j * j));
            const float radius = static_cast<float>(r);
            sprite.pixels.push_back({radius, std::acos(double(i) / r), colour});
            farthest = std::max(farthest, radius);
        }
    }
    // |rf * s| <= rf, and rounding half away adds at most one half.
    sprite.reach = static_cast<int32_t>(std::ceil(farthest)) + 1;
    return sprite;
}

void PlacePolarSprite(FrameBuffer& frame, int32_t sx, int32_t sy, const PolarSprite& sprite,
                      float angle, int32_t facing) {
    // A sprite whose every pixel lands off the frame costs nothing. The bound
    // holds only for the mirror factors the game uses.
    if (facing == 1 || facing == -1) {
        const int64_t reach = sprite.reach;
        if (int64_t(sx) + reach < 1 || int64_t(sx) - reach >= FrameWidth ||
            int64_t(sy) + reach < 1 || int64_t(sy) - reach >= FrameHeight)
            return;
    }
    const double turn = angle;
    for (const PolarPixel& p : sprite.pixels) {
        const double theta = p.bearing + turn;
        const float s = static_cast<float>(std::sin(theta));
        const float c = static_cast<float>(std::cos(theta));
        const int32_t dx = RoundHalfAway(static_cast<float>(p.radius * s));
        const int32_t dy = RoundHalfAway(static_cast<float>(p.radius * c));
        const int32_t px = AddWrap(MulWrap(dx, facing), sx);
        const int32_t py = AddWrap(dy, sy);
        if (InsideFrame(px, py)) frame.at(px, py) = p.colour;
    }
}

// The rotated catalogue sprites in polar form, built once from the decoded
// pixels, which never change.
const PolarSprite* CachedPolarSprite(SpriteId id) {
    static const std::array<PolarSprite, SpriteCount> cache = [] {
        std::array<PolarSprite, SpriteCount> built;
        for (int k = 0; k < SpriteCount; ++k) {
            const SpriteInfo& info = SpriteCatalogue[k];
            if (info.blitter == Blitter::Rotated)
                built[size_t(k)] = MakePolarSprite(SpritePixels(info.id), info.width, info.height);
        }
        return built;
    }();
    for (int k = 0; k < SpriteCount; ++k)
        if (SpriteCatalogue[k].id == id && SpriteCatalogue[k].blitter == Blitter::Rotated)
            return &cache[size_t(k)];
    return nullptr;
}

}  // namespace

// ---------------------------------------------------------------------------
// Frame-position copies
// ---------------------------------------------------------------------------
void BlitPixels(FrameBuffer& frame, int32_t sx, int32_t sy, std::span<const uint32_t> pixels,
                int32_t w, int32_t h) {
    const int64_t rows = RowsPresent(pixels.size(), w, h);
    // Exactly the rows and columns for which 0 < px < 800 and 0 < py < 500.
    const int64_t firstRow = std::max<int64_t>(0, 1 - int64_t(sy));
    const int64_t lastRow = std::min<int64_t>(rows - 1, FrameHeight - 1 - int64_t(sy));
    const int64_t firstCol = std::max<int64_t>(0, 1 - int64_t(sx));
    const int64_t lastCol = std::min<int64_t>(int64_t(w) - 1, FrameWidth - 1 - int64_t(sx));
    for (int64_t i = firstRow; i <= lastRow; ++i) {
        uint32_t* out = &frame.at(0, int32_t(sy + i));
        const int64_t rowStart = i * w;
        const int64_t rowLast = std::min<int64_t>(lastCol, int64_t(pixels.size()) - 1 - rowStart);
        for (int64_t j = firstCol; j <= rowLast; ++j) {
            const uint32_t v = pixels[size_t(rowStart + j)];
            if (v != TransparentKey) out[sx + j] = v;
        }
    }
}

void BlitPixelsMirrored(FrameBuffer& frame, int32_t sx, int32_t sy,
                        std::span<const uint32_t> pixels, int32_t w, int32_t h, int32_t step) {
    const int64_t rows = RowsPresent(pixels.size(), w, h);
    for (int64_t i = 0; i < rows; ++i) {
        const int64_t py = int64_t(sy) + i;
        if (py <= 0 || py >= FrameHeight) continue;
        const int64_t rowStart = i * w;
        const int64_t rowLength = std::min<int64_t>(w, int64_t(pixels.size()) - rowStart);
        int32_t px = sx;  // runs along the row by `step`
        for (int64_t j = 0; j < rowLength; ++j) {
            const uint32_t v = pixels[size_t(rowStart + j)];
            if (v != TransparentKey && InsideFrame(px, py)) frame.at(px, int32_t(py)) = v;
            px = AddWrap(px, step);
        }
    }
}

void BlitPixelsRotated(FrameBuffer& frame, int32_t sx, int32_t sy,
                       std::span<const uint32_t> pixels, int32_t w, int32_t h, float angle,
                       int32_t facing) {
    PlacePolarSprite(frame, sx, sy, MakePolarSprite(pixels, w, h), angle, facing);
}

// ---------------------------------------------------------------------------
// Level-position blits of catalogue sprites
// ---------------------------------------------------------------------------
void BlitSprite(Canvas canvas, int32_t x, int32_t y, SpriteId id) {
    const SpriteInfo* info = FindSprite(id);
    if (!info) return;
    const int32_t sx = SubWrap(x, canvas.cameraLeft);
    const int32_t sy = SubWrap(y, canvas.cameraTop);
    // Most objects of a level are off the screen: reject them before
    // touching any pixel.
    if (int64_t(sx) + info->width <= 0 || int64_t(sy) + info->height <= 0 || sx >= FrameWidth ||
        sy >= FrameHeight)
        return;
    BlitPixels(canvas.frame, sx, sy, SpritePixels(id), info->width, info->height);
}

void BlitSpriteMirrored(Canvas canvas, int32_t x, int32_t y, SpriteId id, int32_t step) {
    const SpriteInfo* info = FindSprite(id);
    if (!info) return;
    BlitPixelsMirrored(canvas.frame, SubWrap(x, canvas.cameraLeft), SubWrap(y, canvas.cameraTop),
                       SpritePixels(id), info->width, info->height, step);
}

void BlitSpriteRotated(Canvas canvas, int32_t x, int32_t y, SpriteId id, float angle,
                       int32_t facing) {
    const SpriteInfo* info = FindSprite(id);
    if (!info) return;
    const int32_t sx = SubWrap(x, canvas.cameraLeft);
    const int32_t sy = SubWrap(y, canvas.cameraTop);
    if (const PolarSprite* cached = CachedPolarSprite(id)) {
        PlacePolarSprite(canvas.frame, sx, sy, *cached, angle, facing);
        return;
    }
    BlitPixelsRotated(canvas.frame, sx, sy, SpritePixels(id), info->width, info->height, angle,
                      facing);
}
