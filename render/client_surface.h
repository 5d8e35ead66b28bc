// client_surface.h -- the view's client area as the engine draws on it.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "render/tile_mask.h"

// How DrawText paints: colour 0x00RRGGBB, an opaque background box or none,
// and an optional clip rectangle in picture coordinates (right and bottom
// edges excluded). Text is anchored at its left end on the baseline.
struct TextStyle {
    uint32_t colour = 0x000000;
    bool opaqueBackground = false;
    uint32_t background = 0xFFFFFF;
    bool clip = false;
    int32_t clipLeft = 0, clipTop = 0, clipRight = 0, clipBottom = 0;
};

// The colours of the desktop theme the game borrows for its HUD and for the
// new-game fill: the window background and the window text.
constexpr uint32_t SystemWindowColour = 0xFFFFFF;
constexpr uint32_t SystemWindowTextColour = 0x000000;

// The view's client area. It keeps what was drawn on it between ticks: the
// HUD and the new-game fill rely on that. Coordinates are picture
// coordinates: client pixels shifted by the origin set with SetOrigin.
class ClientSurface {
public:
    virtual ~ClientSurface() = default;

    // Client size in pixels as last reported by the view's resize event.
    virtual int32_t ClientWidth() const = 0;
    virtual int32_t ClientHeight() const = 0;

    // Client pixel at which picture coordinate (0, 0) lies.
    virtual void SetOrigin(int32_t x, int32_t y) = 0;

    // Copies w x h opaque pixels (0x00RRGGBB, top row first) to (x, y).
    virtual void DrawPixels(int32_t x, int32_t y, const uint32_t* pixels, int32_t w, int32_t h) = 0;

    // A frame of the picture: the same copy as DrawPixels, with the promise
    // that only the pixels inside `changed` (boxes of the w x h frame) differ
    // from the last frame given here. A surface that cannot tell what it still
    // shows of that frame (moved, resized or drawn over) copies it whole.
    virtual void DrawFrameChanges(int32_t x, int32_t y, const uint32_t* pixels, int32_t w,
                                  int32_t h, std::span<const PixelBox> changed) {
        (void)changed;
        DrawPixels(x, y, pixels, w, h);
    }

    // Solid fill of left..right-1 x top..bottom-1.
    virtual void FillRect(int32_t left, int32_t top, int32_t right, int32_t bottom,
                          uint32_t colour) = 0;

    // The default pen and brush: a one-pixel black outline around a white
    // inside, covering left..right-1 x top..bottom-1.
    virtual void DrawOutlinedBox(int32_t left, int32_t top, int32_t right, int32_t bottom) = 0;

    // UTF-8 text, left end on the baseline at (x, baselineY).
    virtual void DrawText(int32_t x, int32_t baselineY, std::string_view utf8,
                          const TextStyle& style) = 0;
};
