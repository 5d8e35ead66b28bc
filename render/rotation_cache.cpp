// rotation_cache.cpp -- where the pixels of a rotated sprite land, kept per angle.
#include "render/rotation_cache.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "render/numeric.h"
#include "render/canvas.h"

namespace {

// The offset of one pixel from the pivot: the game's own steps and float/
// double roundings, facing not yet applied.
struct Landing {
    int32_t dx, dy;
};
Landing LandingOf(const PolarPixel& p, double turn) {
    const double theta = p.bearing + turn;
    const float s = static_cast<float>(std::sin(theta));
    const float c = static_cast<float>(std::cos(theta));
    return {RoundHalfAway(static_cast<float>(p.radius * s)),
            RoundHalfAway(static_cast<float>(p.radius * c))};
}

// True when no pixel can land inside the frame. The bound holds only for
// the mirror factors the game uses.
bool WhollyOff(int32_t sx, int32_t sy, int32_t reach) {
    return int64_t(sx) + reach < 1 || int64_t(sx) - reach >= FrameWidth ||
           int64_t(sy) + reach < 1 || int64_t(sy) - reach >= FrameHeight;
}

}  // namespace

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
            sprite.colours.push_back(colour);
            farthest = std::max(farthest, radius);
        }
    }
    // |rf * s| <= rf, and rounding half away adds at most one half.
    sprite.reach = static_cast<int32_t>(std::ceil(farthest)) + 1;
    return sprite;
}

void PlacePolarSprite(PixelTarget target, int32_t sx, int32_t sy, const PolarSprite& sprite,
                      float angle, int32_t facing) {
    if ((facing == 1 || facing == -1) && WhollyOff(sx, sy, sprite.reach)) return;
    const double turn = angle;
    for (const PolarPixel& p : sprite.pixels) {
        const Landing l = LandingOf(p, turn);
        const int32_t px = AddWrap(MulWrap(l.dx, facing), sx);
        const int32_t py = AddWrap(l.dy, sy);
        if (InsideFrame(px, py)) target.at(px, py) = p.colour | target.tint;
    }
}

void RotationCache::Fill(Placement& slot, const PolarSprite& sprite, float angle, int32_t facing) {
    ++misses_;
    slot.offsets.clear();
    slot.offsets.reserve(sprite.pixels.size());
    slot.frameSteps.clear();
    slot.frameSteps.reserve(sprite.pixels.size());
    slot.left = slot.top = 0;
    slot.right = slot.bottom = 0;
    const double turn = angle;
    for (const PolarPixel& p : sprite.pixels) {
        const Landing l = LandingOf(p, turn);
        const int32_t dx = l.dx * facing;
        slot.offsets.push_back({int8_t(dx), int8_t(l.dy)});
        slot.frameSteps.push_back(l.dy * FrameWidth + dx);
        slot.left = std::min(slot.left, dx);
        slot.right = std::max(slot.right, dx);
        slot.top = std::min(slot.top, l.dy);
        slot.bottom = std::max(slot.bottom, l.dy);
    }
}

const RotationCache::Placement* RotationCache::Find(const PolarSprite& sprite, uint32_t spriteKey,
                                                    float angle, int32_t facing) {
    // Any other mirror factor, or a sprite too large for byte offsets, takes
    // the long way; so does a NaN or infinite angle, whose offsets are
    // not small.
    if ((facing != 1 && facing != -1) || sprite.reach > MaxReach || !std::isfinite(angle))
        return nullptr;
    const uint32_t angleBits = std::bit_cast<uint32_t>(angle);
    // Fibonacci hashing of the key spreads neighbouring angles over the pairs.
    const uint64_t key = (uint64_t(spriteKey) << 33) ^ (uint64_t(facing == 1) << 32) ^ angleBits;
    const size_t pair = size_t((key * 0x9E3779B97F4A7C15ull) >> 55) % (Slots / 2) * 2;
    const auto holds = [&](const Placement& p) {
        return p.used && p.spriteKey == spriteKey && p.angleBits == angleBits && p.facing == facing;
    };
    Placement* found = holds(slots_[pair])       ? &slots_[pair]
                       : holds(slots_[pair + 1]) ? &slots_[pair + 1]
                                                 : nullptr;
    if (found == nullptr) {
        found = slots_[pair].lastUse <= slots_[pair + 1].lastUse ? &slots_[pair]
                                                                 : &slots_[pair + 1];
        found->used = true;
        found->spriteKey = spriteKey;
        found->angleBits = angleBits;
        found->facing = facing;
        Fill(*found, sprite, angle, facing);
    }
    found->lastUse = ++draws_;
    return found;
}

bool RotationCache::Extent(const PolarSprite& sprite, uint32_t spriteKey, float angle,
                           int32_t facing, PixelBox& offsets) {
    const Placement* slot = Find(sprite, spriteKey, angle, facing);
    if (slot == nullptr) return false;
    offsets = {slot->left, slot->top, slot->right + 1, slot->bottom + 1};
    return true;
}

void RotationCache::Place(PixelTarget target, int32_t sx, int32_t sy, const PolarSprite& sprite,
                          uint32_t spriteKey, float angle, int32_t facing) {
    if ((facing == 1 || facing == -1) && WhollyOff(sx, sy, sprite.reach)) return;
    const Placement* found = Find(sprite, spriteKey, angle, facing);
    if (found == nullptr) {
        PlacePolarSprite(target, sx, sy, sprite, angle, facing);
        return;
    }
    const Placement& slot = *found;

    const size_t count = slot.offsets.size();
    const Offset* offset = slot.offsets.data();
    const PolarPixel* pixel = sprite.pixels.data();
    const uint32_t tint = target.tint;
    if (InsideFrame(int64_t(sx) + slot.left, int64_t(sy) + slot.top) &&
        InsideFrame(int64_t(sx) + slot.right, int64_t(sy) + slot.bottom)) {
        // Every pixel lands in the frame: no bound tests.
        uint32_t* pivot = target.pixels + (int64_t(sy) * FrameWidth + sx);
        const int32_t* step = slot.frameSteps.data();
        const uint32_t* colour = sprite.colours.data();
        for (size_t k = 0; k < count; ++k) pivot[step[k]] = colour[k] | tint;
        return;
    }
    for (size_t k = 0; k < count; ++k) {
        const int64_t px = int64_t(sx) + offset[k].dx;
        const int64_t py = int64_t(sy) + offset[k].dy;
        if (InsideFrame(px, py)) target.at(int32_t(px), int32_t(py)) = pixel[k].colour | tint;
    }
}
