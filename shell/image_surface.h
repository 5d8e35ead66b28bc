// image_surface.h -- the view's client area as a QImage that keeps its content.
//
// The window shows this image and the headless runner saves it; both let the
// engine draw on it through ClientSurface. Like a window's client area it is
// never cleared between ticks: what the HUD painted stays until painted over.
// It needs QtGui only (a QGuiApplication for fonts), never a widget.
#pragma once

#include <QFont>
#include <QImage>
#include <QRegion>

#include "game/host.h"
#include "shell/text_stamp.h"

class QPainter;

class ImageSurface : public ClientSurface {
public:
    explicit ImageSurface(int32_t width = 800, int32_t height = 600);

    int32_t ClientWidth() const override { return image_.width(); }
    int32_t ClientHeight() const override { return image_.height(); }
    void SetOrigin(int32_t x, int32_t y) override;
    void DrawPixels(int32_t x, int32_t y, const uint32_t* pixels, int32_t w, int32_t h) override;
    void DrawFrameChanges(int32_t x, int32_t y, const uint32_t* pixels, int32_t w, int32_t h,
                          std::span<const PixelBox> changed) override;
    void FillRect(int32_t left, int32_t top, int32_t right, int32_t bottom,
                  uint32_t colour) override;
    void DrawOutlinedBox(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
    void DrawText(int32_t x, int32_t baselineY, std::string_view utf8,
                  const TextStyle& style) override;

    // A resize of the view: what still fits stays, new area is window colour.
    void Resize(int32_t width, int32_t height);

    // A resize of the window, as its background brush sees it: all is window
    // colour but the client rectangle `block`, which moves to `blockTo`.
    void ResizeMovingBlock(int32_t width, int32_t height, const QRect& block, QPoint blockTo);

    // With tracking on, every client pixel a drawing changes is collected
    // (the frame's pixels only where they differ from what was there), so
    // that the window repaints just that; TakeChanges hands it over.
    void TrackChanges(bool on) { tracking_ = on; }
    QRegion TakeChanges();

    int32_t OriginX() const { return originX_; }
    int32_t OriginY() const { return originY_; }

    // The client area, Format_RGB32, client pixel (0, 0) at its top-left.
    const QImage& Image() const { return image_; }

    // Client pixel as 0x00RRGGBB; 0 outside the client area.
    uint32_t ClientPixel(int32_t x, int32_t y) const;

    // The font every text is drawn with: DejaVu Sans, 12 pixels, no smoothing.
    const QFont& TextFont() const { return font_; }

private:
    // Picture rectangle left..right-1 x top..bottom-1 moved to client pixels
    // and cut to the image; false when nothing of it is left.
    bool ClientRect(int64_t left, int64_t top, int64_t right, int64_t bottom, QRect& out) const;
    void BeginPainter(QPainter& painter);
    void MarkChanged(const QRect& rect);
    void NoteDrawnOver(const QRect& rect);
    void CopyFramePart(const uint32_t* pixels, int32_t w, QPoint frameCorner, const QRect& part);
    void Fill(const QRect& rect, uint32_t colour);
    void Stamp(const TextStamp& stamp, QPoint pen, const QRect& clip);
    void PaintText(const QString& text, QPoint pen, const QRect& clip, uint32_t colour);
    void MeasureFont();

    QImage image_;
    QFont font_;
    TextStamps stamps_{font_};
    int32_t ascent_ = -1, descent_ = 0;  // px of the font; measured at the first text
    int32_t originX_ = 0, originY_ = 0;
    bool tracking_ = false;
    QRegion changed_;

    // Where the last frame was copied, in client pixels, and what other
    // drawing has touched it since: a frame that comes with its changed
    // boxes compares only those, and these.
    struct ShownFrame {
        bool valid = false;
        int64_t left = 0, top = 0;
        int32_t width = 0, height = 0;
    };
    ShownFrame shown_;
    QRegion drawnOver_;
};
