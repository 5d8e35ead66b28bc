// image_surface.cpp -- painting the engine's picture, HUD and texts into a QImage.
#include "shell/image_surface.h"

#include <QFontMetrics>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <cstring>
#include <string>

#include "render/pixel_word.h"
#include "shell/language.h"

namespace {

// QImage's 32-bit RGB format wants the top byte set; the engine's pixels
// leave it 0.
constexpr uint32_t OpaqueAlpha = 0xFF000000u;

QColor ToQColor(uint32_t rgb) { return QColor::fromRgb(rgb | OpaqueAlpha); }

int64_t Clamp64(int64_t v, int64_t lo, int64_t hi) { return std::min(std::max(v, lo), hi); }

// Rows of the frame looked at as one band for the changed region: one
// rectangle per band keeps the region small.
constexpr int ChangeBandRows = 8;

// The frame's pixels are compared and copied in blocks of a fixed count:
// loops the compiler turns into vector instructions, with one test of the
// result per block.
constexpr int CopyBlock = 8;
constexpr int CompareBlock = 32;

constexpr int WordPixels = int(PixelWordPixels);

// The block is read as whole words, their differences OR-ed together and
// tested once: most of a frame is the same as the tick before, and this
// test is what every tick pays for all of it.
bool BlockDiffers(const uint32_t* src, const QRgb* dst) {
    const PixelWord alpha = {OpaqueAlpha, OpaqueAlpha, OpaqueAlpha, OpaqueAlpha};
    PixelWord differs = {0, 0, 0, 0};
    for (int i = 0; i < CompareBlock; i += WordPixels)
        differs |= (LoadPixelWord(src + i) | alpha) ^ LoadPixelWord(dst + i);
    uint64_t low, high;
    std::memcpy(&low, &differs, sizeof low);
    std::memcpy(&high, reinterpret_cast<const char*>(&differs) + sizeof low, sizeof high);
    return (low | high) != 0;
}

bool PixelDiffers(const uint32_t* src, const QRgb* dst, int col) {
    return (src[col] | OpaqueAlpha) != dst[col];
}

// Asks for a row's cache lines ahead of its compare: the rows of the frame
// and of the image are farther apart than the hardware looks ahead, and
// little of either is still in the cache a tick later.
void PrefetchRow(const uint32_t* row, int count) {
    constexpr int LinePixels = 64 / sizeof(uint32_t);
    for (int col = 0; col < count; col += LinePixels) __builtin_prefetch(row + col);
}

void CopyWithAlpha(const uint32_t* src, QRgb* dst, int count) {
    int col = 0;
    for (; col + CopyBlock <= count; col += CopyBlock) {
        uint32_t value[CopyBlock];
        std::memcpy(value, src + col, sizeof value);
        for (uint32_t& v : value) v |= OpaqueAlpha;
        std::memcpy(dst + col, value, sizeof value);
    }
    for (; col < count; ++col) dst[col] = src[col] | OpaqueAlpha;
}

// Copies the part of a row that differs; returns the first and last column
// copied, or first > last when the row was already the same. The row is
// read once: the blocks that differ are found first, the exact ends inside
// the outermost of them after.
std::pair<int, int> CopyChangedSpan(const uint32_t* src, QRgb* dst, int width) {
    int firstBlock = -1, lastBlock = -1;
    int col = 0;
    for (; col + CompareBlock <= width; col += CompareBlock) {
        if (!BlockDiffers(src + col, dst + col)) continue;
        if (firstBlock < 0) firstBlock = col;
        lastBlock = col;
    }
    int first = width, last = -1;
    if (firstBlock >= 0) {
        first = firstBlock;
        while (!PixelDiffers(src, dst, first)) ++first;
        last = lastBlock + CompareBlock - 1;
        while (!PixelDiffers(src, dst, last)) --last;
    }
    for (; col < width; ++col) {
        if (!PixelDiffers(src, dst, col)) continue;
        first = std::min(first, col);
        last = col;
    }
    if (first <= last) CopyWithAlpha(src + first, dst + first, last - first + 1);
    return {first, last};
}

QFont GameFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    // Crisp glyphs in exactly the text colour, like the classic system font.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

}  // namespace

ImageSurface::ImageSurface(int32_t width, int32_t height) : font_(GameFont()) {
    Resize(width, height);
}

void ImageSurface::Resize(int32_t width, int32_t height) {
    QImage resized(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
    resized.fill(ToQColor(SystemWindowColour));
    if (!image_.isNull() && !resized.isNull()) {
        QPainter painter(&resized);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, image_);
    }
    image_ = std::move(resized);
    changed_ = QRegion();  // the window repaints all of itself
    shown_.valid = false;
}

void ImageSurface::MarkChanged(const QRect& rect) {
    if (tracking_) changed_ += rect;
}

QRegion ImageSurface::TakeChanges() {
    QRegion changes;
    changes.swap(changed_);
    return changes;
}

void ImageSurface::ResizeMovingBlock(int32_t width, int32_t height, const QRect& block,
                                     QPoint blockTo) {
    QImage resized(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
    resized.fill(ToQColor(SystemWindowColour));
    const QRect kept = block.intersected(image_.rect());
    if (!kept.isEmpty() && !resized.isNull()) {
        QPainter painter(&resized);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(blockTo + (kept.topLeft() - block.topLeft()), image_, kept);
    }
    image_ = std::move(resized);
    changed_ = QRegion();  // the window repaints all of itself
    shown_.valid = false;
}

void ImageSurface::SetOrigin(int32_t x, int32_t y) {
    originX_ = x;
    originY_ = y;
}

uint32_t ImageSurface::ClientPixel(int32_t x, int32_t y) const {
    if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height()) return 0;
    const auto* row = reinterpret_cast<const QRgb*>(image_.constScanLine(y));
    return row[x] & 0x00FFFFFFu;
}

bool ImageSurface::ClientRect(int64_t left, int64_t top, int64_t right, int64_t bottom,
                              QRect& out) const {
    const int64_t w = image_.width(), h = image_.height();
    left = Clamp64(left + originX_, 0, w);
    right = Clamp64(right + originX_, 0, w);
    top = Clamp64(top + originY_, 0, h);
    bottom = Clamp64(bottom + originY_, 0, h);
    if (left >= right || top >= bottom) return false;
    out = QRect(int(left), int(top), int(right - left), int(bottom - top));
    return true;
}

void ImageSurface::BeginPainter(QPainter& painter) {
    painter.begin(&image_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::Antialiasing, false);
}

// Pixels arrive as 0x00RRGGBB rows; QImage wants the alpha byte set, so the
// rows are copied straight into the image with it, cut to the client area.
void ImageSurface::DrawPixels(int32_t x, int32_t y, const uint32_t* pixels, int32_t w, int32_t h) {
    if (pixels == nullptr || w <= 0 || h <= 0) return;
    QRect target;
    if (!ClientRect(x, y, int64_t(x) + w, int64_t(y) + h, target)) return;
    NoteDrawnOver(target);
    CopyFramePart(pixels, w, QPoint(int(int64_t(x) + originX_), int(int64_t(y) + originY_)),
                  target);
}

// Only the boxes the engine names, and what else was drawn over the picture
// since the last frame, can differ from what the image holds; the rest is
// not even read.
void ImageSurface::DrawFrameChanges(int32_t x, int32_t y, const uint32_t* pixels, int32_t w,
                                    int32_t h, std::span<const PixelBox> changed) {
    if (pixels == nullptr || w <= 0 || h <= 0) return;
    const int64_t left = int64_t(x) + originX_, top = int64_t(y) + originY_;
    const bool same = shown_.valid && shown_.left == left && shown_.top == top &&
                      shown_.width == w && shown_.height == h;
    shown_ = {true, left, top, w, h};
    QRegion compare = drawnOver_;
    drawnOver_ = QRegion();
    QRect target;
    if (!ClientRect(x, y, int64_t(x) + w, int64_t(y) + h, target)) return;
    if (!same) compare = target;
    for (const PixelBox& box : changed) {
        QRect part;
        if (same && ClientRect(int64_t(x) + box.left, int64_t(y) + box.top, int64_t(x) + box.right,
                               int64_t(y) + box.bottom, part))
            compare += part;
    }
    const QPoint corner{int(left), int(top)};
    for (const QRect& part : compare.intersected(target)) CopyFramePart(pixels, w, corner, part);
}

// The frame's pixels under `part` (client pixels, inside the frame's place
// and the image), the frame's pixel (0, 0) being at client `frameCorner`.
// When the changes are tracked, only what differs from what the last tick
// showed is written, and noted as changed; most of a frame is the same.
void ImageSurface::CopyFramePart(const uint32_t* pixels, int32_t w, QPoint frameCorner,
                                 const QRect& part) {
    const int64_t firstCol = int64_t(part.left()) - frameCorner.x();
    const int64_t firstRow = int64_t(part.top()) - frameCorner.y();
    const size_t stride = size_t(image_.bytesPerLine()) / sizeof(QRgb);
    QRgb* const firstDst = reinterpret_cast<QRgb*>(image_.scanLine(part.top())) + part.left();
    for (int bandTop = 0; bandTop < part.height(); bandTop += ChangeBandRows) {
        const int bandRows = std::min(ChangeBandRows, part.height() - bandTop);
        int first = part.width(), last = -1;
        for (int row = bandTop; row < bandTop + bandRows; ++row) {
            const uint32_t* src = pixels + size_t(firstRow + row) * size_t(w) + size_t(firstCol);
            QRgb* dst = firstDst + size_t(row) * stride;
            if (row + 1 < part.height()) {
                PrefetchRow(src + w, part.width());
                PrefetchRow(dst + stride, part.width());
            }
            if (!tracking_) {
                CopyWithAlpha(src, dst, part.width());
                continue;
            }
            const auto [from, to] = CopyChangedSpan(src, dst, part.width());
            first = std::min(first, from);
            last = std::max(last, to);
        }
        if (last >= first)
            MarkChanged(
                QRect(part.left() + first, part.top() + bandTop, last - first + 1, bandRows));
    }
}

void ImageSurface::NoteDrawnOver(const QRect& rect) {
    if (!shown_.valid) return;
    const QRect frame(int(shown_.left), int(shown_.top), shown_.width, shown_.height);
    const QRect over = rect.intersected(frame);
    if (!over.isEmpty()) drawnOver_ += over;
}

// Solid colour written straight into the rows: what a painter filling with
// an opaque colour in Source mode writes, without setting one up.
void ImageSurface::Fill(const QRect& rect, uint32_t colour) {
    const QRect cut = rect.intersected(image_.rect());
    const QRgb pixel = colour | OpaqueAlpha;
    for (int y = cut.top(); y <= cut.bottom(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image_.scanLine(y)) + cut.left();
        std::fill_n(row, cut.width(), pixel);
    }
}

void ImageSurface::FillRect(int32_t left, int32_t top, int32_t right, int32_t bottom,
                            uint32_t colour) {
    QRect target;
    if (!ClientRect(left, top, right, bottom, target)) return;
    MarkChanged(target);
    NoteDrawnOver(target);
    Fill(target, colour);
}

// The default pen and brush of a fresh drawing context: black outline, white inside.
void ImageSurface::DrawOutlinedBox(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    QRect outline;
    if (!ClientRect(left, top, right, bottom, outline)) return;
    MarkChanged(outline);
    NoteDrawnOver(outline);
    Fill(outline, 0x000000);
    QRect inside;
    if (ClientRect(int64_t(left) + 1, int64_t(top) + 1, int64_t(right) - 1, int64_t(bottom) - 1,
                   inside))
        Fill(inside, 0xFFFFFF);
}

// A text the stamps know is written run by run; one they cannot repeat
// exactly (none in the game's font) is painted through QPainter.
void ImageSurface::DrawText(int32_t x, int32_t baselineY, std::string_view source,
                            const TextStyle& style) {
    if (source.empty()) return;
    // The engine's labels are drawn in the language in use; numbers stay.
    const std::string shown = GameText(source).toStdString();
    const std::string_view utf8 = shown;
    const TextStamp* stamp = stamps_.Find(utf8, style.colour);
    const QString text = stamp == nullptr ? QString::fromUtf8(utf8.data(), qsizetype(utf8.size()))
                                          : QString();
    const int64_t advance = stamp != nullptr ? stamp->advance
                                             : QFontMetrics(font_).horizontalAdvance(text);
    MeasureFont();
    const int64_t ascent = ascent_, descent = descent_;

    // The text's own cell: from the ascent above the baseline to the descent below.
    QRect cell;
    if (!ClientRect(x, int64_t(baselineY) - ascent, int64_t(x) + advance,
                    int64_t(baselineY) + descent, cell))
        return;
    QRect clip = image_.rect();
    if (style.clip &&
        !ClientRect(style.clipLeft, style.clipTop, style.clipRight, style.clipBottom, clip))
        return;

    // The cell is on screen, so its corner fits an int comfortably.
    const QPoint pen(int(int64_t(x) + originX_), int(int64_t(baselineY) + originY_));

    // A glyph may reach a pixel or two past its advance.
    MarkChanged(cell.adjusted(-2, 0, 2, 0).intersected(clip));
    if (style.opaqueBackground) {
        const QRect box = QRect(pen.x(), pen.y() - int(ascent), int(advance), int(ascent + descent))
                              .intersected(clip);
        NoteDrawnOver(box);
        Fill(box, style.background);
    }
    if (stamp != nullptr) {
        const QRect ink = stamp->inkBounds.translated(pen).intersected(clip);
        MarkChanged(ink);
        NoteDrawnOver(ink);
        Stamp(*stamp, pen, clip);
    } else {
        // Where a painted glyph may reach is not known exactly: the next
        // frame is compared whole.
        shown_.valid = false;
        PaintText(text, pen, clip, style.colour);
    }
}

void ImageSurface::MeasureFont() {
    if (ascent_ >= 0) return;
    const QFontMetrics metrics(font_);
    ascent_ = metrics.ascent();
    descent_ = metrics.descent();
}

void ImageSurface::Stamp(const TextStamp& stamp, QPoint pen, const QRect& clip) {
    const QRgb pixel = stamp.colour | OpaqueAlpha;
    for (const InkRun& run : stamp.ink) {
        const int y = pen.y() + run.y;
        if (y < clip.top() || y > clip.bottom()) continue;
        const int from = std::max(pen.x() + run.x, clip.left());
        const int to = std::min(pen.x() + run.x + run.length - 1, clip.right());
        if (from > to) continue;
        std::fill_n(reinterpret_cast<QRgb*>(image_.scanLine(y)) + from, to - from + 1, pixel);
    }
}

void ImageSurface::PaintText(const QString& text, QPoint pen, const QRect& clip, uint32_t colour) {
    QPainter painter;
    BeginPainter(painter);
    painter.setClipRect(clip);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setFont(font_);
    painter.setPen(ToQColor(colour));
    painter.drawText(pen, text);
}
