// frame_buffer.h -- the 800 x 500 pixels the level is drawn into, and who may write them.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

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

// Where a copy writes: the 800 x 500 pixels of a frame, and the bits OR-ed
// into every pixel it writes (the tints, when the draws are made over a
// background that already has them).
struct PixelTarget {
    uint32_t* pixels = nullptr;
    uint32_t tint = 0;
    // A frame nobody looks at (render/renderer.h): a row of sprite runs
    // writes only its first and last pixel, enough to show a row that runs
    // off the frame or off its sprite.
    bool rowEndsOnly = false;
    uint32_t& at(int32_t px, int32_t py) const { return pixels[size_t(py) * FrameWidth + size_t(px)]; }
};

// 800 x 500 pixels 0x00RRGGBB, row after row from the top. A renderer
// (render/renderer.h) remembers what it last made of a frame so that the
// next frame redoes only what changed; it trusts that memory only while the
// frame's write count is the one it left. Every other writer goes through
// EditPixels, which counts a write, and so does every copy, so no writer can
// leave a renderer trusting a picture that is no longer there. The write
// count is not part of the picture.
class FrameBuffer {
public:
    FrameBuffer() = default;
    FrameBuffer(const FrameBuffer& other) : pixels_(other.pixels_), writes_(other.writes_ + 1) {}
    FrameBuffer& operator=(const FrameBuffer& other) {
        pixels_ = other.pixels_;
        writes_ = std::max(writes_, other.writes_) + 1;
        return *this;
    }

    const std::vector<uint32_t>& Pixels() const { return pixels_; }
    uint32_t at(int32_t px, int32_t py) const { return pixels_[size_t(py) * FrameWidth + size_t(px)]; }

    std::span<uint32_t> EditPixels() {
        ++writes_;
        return pixels_;
    }
    PixelTarget EditTarget() { return {EditPixels().data(), 0}; }

    uint64_t Writes() const { return writes_; }

private:
    friend class FrameWriter;  // the renderer's own writes (render/renderer.cpp)
    std::vector<uint32_t> pixels_ = std::vector<uint32_t>(size_t(FrameWidth) * FrameHeight);
    uint64_t writes_ = 0;
};
