// recording_surface.cpp -- the in-memory client area used by tests and the runner.
#include "tools/common/recording_surface.h"

#include <algorithm>

RecordingSurface::RecordingSurface(int32_t width, int32_t height) : width_(0), height_(0) {
    Resize(width, height);
}

void RecordingSurface::Resize(int32_t width, int32_t height) {
    width_ = width > 0 ? width : 0;
    height_ = height > 0 ? height : 0;
    image_.assign(size_t(width_) * size_t(height_), SystemWindowColour);
}

void RecordingSurface::SetOrigin(int32_t x, int32_t y) {
    originX_ = x;
    originY_ = y;
}

void RecordingSurface::Plot(int32_t cx, int32_t cy, uint32_t colour) {
    if (cx < 0 || cy < 0 || cx >= width_ || cy >= height_) return;
    image_[size_t(cy) * size_t(width_) + size_t(cx)] = colour;
}

uint32_t RecordingSurface::ClientPixel(int32_t x, int32_t y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return image_[size_t(y) * size_t(width_) + size_t(x)];
}

// Every tick presents a whole frame here: the rows are cut to the client
// area once and copied as they are, which is what plotting each pixel gives.
void RecordingSurface::DrawPixels(int32_t x, int32_t y, const uint32_t* pixels, int32_t w,
                                  int32_t h) {
    calls.push_back({SurfaceCall::Pixels, x, y, x + w, y + h, 0, {}, {}});
    const int64_t left = int64_t(originX_) + x, top = int64_t(originY_) + y;
    const int64_t firstCol = std::max<int64_t>(0, -left),
                  endCol = std::min<int64_t>(w, width_ - left);
    const int64_t firstRow = std::max<int64_t>(0, -top),
                  endRow = std::min<int64_t>(h, height_ - top);
    for (int64_t row = firstRow; row < endRow && firstCol < endCol; ++row)
        std::copy_n(pixels + (row * w + firstCol), endCol - firstCol,
                    image_.begin() + ((top + row) * width_ + left + firstCol));
}

void RecordingSurface::FillRect(int32_t left, int32_t top, int32_t right, int32_t bottom,
                                uint32_t colour) {
    calls.push_back({SurfaceCall::Fill, left, top, right, bottom, colour, {}, {}});
    for (int32_t y = top; y < bottom; ++y)
        for (int32_t x = left; x < right; ++x) Plot(originX_ + x, originY_ + y, colour);
}

void RecordingSurface::DrawOutlinedBox(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    calls.push_back({SurfaceCall::Box, left, top, right, bottom, 0, {}, {}});
    for (int32_t y = top; y < bottom; ++y)
        for (int32_t x = left; x < right; ++x) {
            bool edge = x == left || x == right - 1 || y == top || y == bottom - 1;
            Plot(originX_ + x, originY_ + y, edge ? 0x000000u : 0xFFFFFFu);
        }
}

void RecordingSurface::DrawText(int32_t x, int32_t baselineY, std::string_view utf8,
                                const TextStyle& style) {
    calls.push_back(
        {SurfaceCall::Text, x, baselineY, x, baselineY, style.colour, std::string(utf8), style});
}
