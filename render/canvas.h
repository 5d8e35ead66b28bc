// canvas.h -- what the level is drawn into: the frame buffer seen through the camera.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "game/capacities.h"
#include "render/sprites.h"

constexpr int32_t FrameWidth = 800;   // px, frame buffer and visible level
constexpr int32_t FrameHeight = 500;  // px

constexpr uint32_t TransparentKey = 0x00FFFFFF;  // sprite colour never copied

// Frame column 0 and row 0 never take a sprite pixel: the bounds are strict
// on the low side as well as the high one.
inline bool InsideFrame(int64_t px, int64_t py) {
    return 0 < px && px < FrameWidth && 0 < py && py < FrameHeight;
}

// Rows of a w x h picture request that hold at least one pixel of a picture
// of `count` pixels; the rest would be all transparent.
inline int64_t RowsPresent(size_t count, int32_t w, int32_t h) {
    if (w <= 0 || h <= 0) return 0;
    const int64_t rows = (int64_t(count) + w - 1) / w;
    return rows < h ? rows : int64_t(h);
}

// A sprite draw held back while the frame waits for its background
// (render/frame.h), with the camera already applied.
struct HeldDraw {
    enum class Kind : uint8_t { Plain, Mirrored, Rotated };
    Kind kind = Kind::Plain;
    SpriteId sprite{};
    int32_t sx = 0, sy = 0;  // px, frame position of the sprite's anchor
    float angle = 0.0f;      // rad, Rotated only
    int32_t facing = 1;      // Mirrored: the column step; Rotated: the facing
};

// A tick that somehow draws more than MaxHeldDraws lays its background
// early and draws the rest at once.
struct HeldDraws {
    bool waiting = false;  // the background is not laid yet
    uint32_t count = 0;
    std::array<HeldDraw, MaxHeldDraws> draws{};
};

// 800 x 500 pixels 0x00RRGGBB, row after row from the top. `held` and
// `drawTint` are only ever busy within a tick; they are not part of the picture.
struct FrameBuffer {
    std::vector<uint32_t> pixels = std::vector<uint32_t>(size_t(FrameWidth) * FrameHeight);
    HeldDraws held;
    // OR-ed into every pixel a blitter writes: the tints, while the held
    // draws are made over a background that already has them.
    uint32_t drawTint = 0;
    uint32_t& at(int px, int py) { return pixels[size_t(py) * FrameWidth + size_t(px)]; }
    uint32_t at(int px, int py) const { return pixels[size_t(py) * FrameWidth + size_t(px)]; }
};

// The frame and where the camera stands over the level. A canvas is a view
// of a few words and is passed by value; the frame it names is drawn on.
struct Canvas {
    FrameBuffer& frame;
    int32_t cameraLeft = 0;  // level x at the frame's left edge
    int32_t cameraTop = 0;   // level y at the frame's top edge
};
