// draw_list.h -- the sprite draws of one frame, in drawing order, as the rules hand them over.
#pragma once

#include <cstdint>
#include <vector>

#include "render/sprite_id.h"

// Sprite draws a frame works out tile by tile: enough for every decoration,
// platform, pickup, nest and mosquito of a level once, the exit, the falling
// magazine and the soldier's four pieces. A frame with more is made from
// scratch.
constexpr int MaxFrameDraws = 540;

// One sprite draw, with the camera already applied.
struct SpriteDraw {
    enum class Kind : uint8_t { Plain, Mirrored, Rotated };
    Kind kind = Kind::Plain;
    SpriteId sprite{};
    int32_t sx = 0, sy = 0;  // px, frame position of the sprite's anchor
    float angle = 0.0f;      // rad, Rotated only
    int32_t facing = 1;      // Mirrored: the column step; Rotated: the facing
};

// The draws since the frame began. Nothing is drawn while they are
// recorded; the renderer makes them when the frame is finished.
class DrawList {
public:
    DrawList() { draws_.reserve(MaxFrameDraws); }

    void Add(const SpriteDraw& draw) { draws_.push_back(draw); }
    void Clear() { draws_.clear(); }

    const std::vector<SpriteDraw>& Draws() const { return draws_; }
    uint32_t Count() const { return uint32_t(draws_.size()); }

private:
    std::vector<SpriteDraw> draws_;
};
