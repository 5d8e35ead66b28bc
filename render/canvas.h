// canvas.h -- what the level is drawn into: the frame buffer seen through the camera.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "render/sprite_id.h"
#include "render/tile_mask.h"

// Sprite draws a frame holds: enough for every decoration, platform,
// pickup, nest and mosquito of a level once, the exit, the falling magazine
// and the soldier's four pieces; the rules check that their tables fit.
constexpr int MaxHeldDraws = 540;

// Boxes of changed tiles a presentation passes to the view; a frame whose
// changes make more is presented whole.
constexpr int MaxPresentBoxes = 256;

// Rows of tiles a frame remembers as partly hidden under later draws; a draw
// past them is made whole.
constexpr int MaxHiddenTileRows = 2048;

// Pairs of (tile, draw) an untinted frame lists to find the tiles that stay
// the same; a frame with more is laid as if it were tinted.
constexpr int MaxTileDraws = 32768;

constexpr int32_t FrameWidth = 800;   // px, frame buffer and visible level
constexpr int32_t FrameHeight = 500;  // px

static_assert(TileMask::Columns * TileMask::Size == FrameWidth);
static_assert(TileMask::Rows == (FrameHeight + TileMask::Size - 1) / TileMask::Size);

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

// The draws of an untinted frame listed tile by tile: a tile whose list is
// the same in the next frame keeps its pixels.
struct TileDraws {
    static constexpr int32_t Tiles = TileMask::Columns * TileMask::Rows;
    bool valid = false;  // false: never made, tinted, or more than the table holds
    uint32_t drawCount = 0;
    std::array<HeldDraw, MaxHeldDraws> draws{};
    std::array<uint32_t, Tiles + 1> start{};  // tile t: entries start[t] .. start[t + 1] - 1
    std::array<uint16_t, MaxTileDraws> entries{};  // draw numbers, in drawing order
};

// What the last frame of the whole frame left (render/frame.h). From one tick
// to the next most of the frame is the same sky: the next frame puts back only
// the sky the last draws hid, and the presentation looks only at the tiles
// that may have changed.
struct FrameMemory {
    // Outside `drawn` the pixels are the sky with `tint` OR-ed in.
    bool known = false;
    uint32_t tint = 0;
    TileMask drawn;  // tiles the last frame's draws may have written
    // Tiles that may differ from what the frame was when last presented, to
    // `presentedTo`; all of them when `allChangedSincePresent`.
    TileMask changedSincePresent;
    bool allChangedSincePresent = true;
    const void* presentedTo = nullptr;
    // The last two frames' tile lists; `lastList` names the last one.
    std::array<TileDraws, 2> lists;
    uint8_t lastList = 0;
};

// Where a copy writes: the 800 x 500 pixels of a frame, and the bits OR-ed
// into every pixel it writes (the tints, when the draws are made over a
// background that already has them).
struct PixelTarget {
    uint32_t* pixels = nullptr;
    uint32_t tint = 0;
    bool rowEndsOnly = false;  // an unseen frame's: see FrameBuffer::unseen
    uint32_t& at(int32_t px, int32_t py) const { return pixels[size_t(py) * FrameWidth + size_t(px)]; }
};

// 800 x 500 pixels 0x00RRGGBB, row after row from the top, and what the
// renderer remembers of them (`held` only within a tick, `memory` from one
// frame to the next), which is not part of the picture. Code outside the
// renderer writes the pixels only through EditPixels, which makes the
// renderer forget what it knew of them: no writer can leave it trusting a
// picture that is no longer there. The renderer's own writes keep it.
class FrameBuffer {
public:
    const std::vector<uint32_t>& Pixels() const { return pixels_; }
    uint32_t at(int32_t px, int32_t py) const { return pixels_[size_t(py) * FrameWidth + size_t(px)]; }

    std::span<uint32_t> EditPixels() {
        memory.known = false;
        memory.allChangedSincePresent = true;
        return pixels_;
    }
    PixelTarget EditTarget() { return {EditPixels().data(), 0, unseen}; }

    HeldDraws held;
    FrameMemory memory;
    // A frame nobody looks at (the level fuzzer's): every draw lands at once
    // through the same blitters and clipping, with no sky laid under it, no
    // tint over it and nothing remembered for the next frame. A row of runs
    // writes only its first and last pixel, enough to show a row that runs
    // off the frame or off its sprite.
    bool unseen = false;

private:
    friend class FrameWriter;  // the renderer's own writes (render/frame.cpp)
    std::vector<uint32_t> pixels_ = std::vector<uint32_t>(size_t(FrameWidth) * FrameHeight);
};

// The frame and where the camera stands over the level. A canvas is a view
// of a few words and is passed by value; the frame it names is drawn on.
struct Canvas {
    FrameBuffer& frame;
    int32_t cameraLeft = 0;  // level x at the frame's left edge
    int32_t cameraTop = 0;   // level y at the frame's top edge
};
