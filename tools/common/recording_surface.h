// recording_surface.h -- a client area in memory that remembers what was drawn.
//
// Tests and the headless runner draw on it instead of a window. Pixels,
// fills and boxes land in an image that keeps its content between ticks, as
// a real window does; text is logged (it needs fonts, which only Qt has).
#pragma once

#include <string>
#include <vector>

#include "game/host.h"

struct SurfaceCall {
    enum Kind { Pixels, Fill, Box, Text } kind;
    int32_t x = 0, y = 0, right = 0, bottom = 0;  // picture coordinates
    uint32_t colour = 0;
    std::string text;   // Text only
    TextStyle style{};  // Text only
};

class RecordingSurface : public ClientSurface {
public:
    explicit RecordingSurface(int32_t width = 800, int32_t height = 600);

    int32_t ClientWidth() const override { return width_; }
    int32_t ClientHeight() const override { return height_; }
    void SetOrigin(int32_t x, int32_t y) override;
    void DrawPixels(int32_t x, int32_t y, const uint32_t* pixels, int32_t w, int32_t h) override;
    void FillRect(int32_t left, int32_t top, int32_t right, int32_t bottom,
                  uint32_t colour) override;
    void DrawOutlinedBox(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
    void DrawText(int32_t x, int32_t baselineY, std::string_view utf8,
                  const TextStyle& style) override;

    // A resize of the view: the image is cleared to the window colour.
    void Resize(int32_t width, int32_t height);
    void ResetOrigin() { originX_ = originY_ = 0; }

    int32_t OriginX() const { return originX_; }
    int32_t OriginY() const { return originY_; }

    // Pixel of the client area (client coordinates), 0x00RRGGBB.
    uint32_t ClientPixel(int32_t x, int32_t y) const;
    // Pixel at picture coordinates under the current origin.
    uint32_t PicturePixel(int32_t x, int32_t y) const {
        return ClientPixel(x + originX_, y + originY_);
    }

    std::vector<SurfaceCall> calls;  // every call since the last ClearCalls

    void ClearCalls() { calls.clear(); }

private:
    void Plot(int32_t cx, int32_t cy, uint32_t colour);

    int32_t width_, height_;
    int32_t originX_ = 0, originY_ = 0;
    std::vector<uint32_t> image_;
};
