// text_stamp.cpp -- painting a text once and keeping its ink.
#include "shell/text_stamp.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdint>

namespace {

// Labels, the score and the score texts of a busy moment fit many times
// over; a text pushed out is simply made again when it comes back.
constexpr size_t MaxStamps = 64;

constexpr QRgb Opaque = 0xFF000000u;

// The text painted as ImageSurface::DrawText paints it, on a plain
// background, with the pen at `pen`.
QImage Painted(const QFont& font, const QString& text, QRgb colour, QRgb background, QSize size,
               QPoint pen) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(colour));
    painter.drawText(pen, text);
    return image;
}

}  // namespace

const TextStamp* TextStamps::Find(std::string_view utf8, uint32_t colour) {
    const auto found = std::find_if(stamps_.begin(), stamps_.end(), [&](const TextStamp& s) {
        return s.colour == colour && s.utf8 == utf8;
    });
    if (found != stamps_.end()) return found->exact ? &*found : nullptr;
    if (stamps_.size() >= MaxStamps) stamps_.erase(stamps_.begin());
    TextStamp& stamp = stamps_.emplace_back();
    stamp.utf8 = std::string(utf8);
    stamp.colour = colour;
    Make(stamp);
    return stamp.exact ? &stamp : nullptr;
}

// The text is painted on two backgrounds that differ from the pen and from
// each other in every channel: a pixel that is the pen colour on both is ink,
// one that kept both backgrounds is not, and anything else is a blend, which
// only QPainter can repeat on another background.
void TextStamps::Make(TextStamp& stamp) const {
    const QString text = QString::fromUtf8(stamp.utf8.data(), qsizetype(stamp.utf8.size()));
    const QFontMetrics metrics(font_);
    stamp.advance = metrics.horizontalAdvance(text);
    // Room for glyphs that reach past their cell on every side.
    const int pad = 2 * std::max(font_.pixelSize(), metrics.height());
    const QSize size(stamp.advance + 2 * pad, metrics.height() + 2 * pad);
    if (size.width() > INT16_MAX || size.height() > INT16_MAX) return;  // runs keep 16 bits
    const QPoint pen(pad, pad + metrics.ascent());
    const QRgb ink = stamp.colour | Opaque;
    const QRgb first = (stamp.colour ^ 0xFFFFFFu) | Opaque;
    const QRgb second = (stamp.colour ^ 0x808080u) | Opaque;
    const QImage onFirst = Painted(font_, text, ink, first, size, pen);
    const QImage onSecond = Painted(font_, text, ink, second, size, pen);

    for (int y = 0; y < size.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(onFirst.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(onSecond.constScanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            if (a[x] == first && b[x] == second) continue;
            const bool edge = x == 0 || y == 0 || x == size.width() - 1 || y == size.height() - 1;
            if (a[x] != ink || b[x] != ink || edge) {
                stamp.ink.clear();
                return;  // not exact
            }
            int end = x + 1;
            while (end < size.width() && a[end] == ink && b[end] == ink) ++end;
            if (end == size.width()) {
                stamp.ink.clear();
                return;
            }
            stamp.ink.push_back({int16_t(x - pen.x()), int16_t(y - pen.y()), int16_t(end - x)});
            stamp.inkBounds |= QRect(x - pen.x(), y - pen.y(), end - x, 1);
            x = end - 1;
        }
    }
    stamp.exact = true;
}
