// block_scaler.cpp -- fitting and scaling the picture and HUD block.
#include "shell/block_scaler.h"

#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#include "render/pixel_word.h"

namespace {

// At this factor and above the factor is rounded down to a whole number.
constexpr int SmallestWholeFactor = 2;

bool IsPixelFormat32(const QImage& image) {
    switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied: return true;
    default: return false;
    }
}

// The 32-bit image the painter writes into, when it paints into one (a
// window's backing store, a pixmap, an image); null otherwise.
QImage* PainterImage(QPainter& painter) {
    QPaintEngine* engine = painter.paintEngine();
    QPaintDevice* device = engine != nullptr ? engine->paintDevice() : nullptr;
    if (device == nullptr || device->devType() != QInternal::Image) return nullptr;
    auto* image = static_cast<QImage*>(device);
    return IsPixelFormat32(*image) ? image : nullptr;
}

// Writes `count` copies of `pixel` from `dst` on.
inline QRgb* Spread(QRgb* dst, QRgb pixel, int count) {
    for (int i = 0; i < count; ++i) dst[i] = pixel;
    return dst + count;
}

// The source is read four pixels at a time and each word written is a
// shuffle of them.
constexpr int WordPixels = int(PixelWordPixels);
static_assert(sizeof(QRgb) == sizeof(uint32_t));

// Word `W` of the `Factor` words that four source pixels spread to: its
// lane j is source pixel (4 W + j) / Factor.
template <int Factor, int W>
PixelWord SpreadWord(PixelWord v) {
    constexpr int first = W * WordPixels;
    return __builtin_shufflevector(v, v, first / Factor, (first + 1) / Factor, (first + 2) / Factor,
                                   (first + 3) / Factor);
}

template <int Factor, int... W>
void StoreSpreadWords(QRgb* dst, PixelWord v, std::integer_sequence<int, W...>) {
    (StorePixelWord(dst + W * WordPixels, SpreadWord<Factor, W>(v)), ...);
}

// `count` source pixels spread to `Factor` copies each, `Factor` a constant
// for the common screens, so that the shuffles are known when compiled.
template <int Factor>
QRgb* SpreadWords(QRgb* dst, const QRgb* src, int count) {
    for (int i = 0; i + WordPixels <= count; i += WordPixels, dst += Factor * WordPixels)
        StoreSpreadWords<Factor>(dst, LoadPixelWord(src + i),
                                 std::make_integer_sequence<int, Factor>{});
    return dst;
}

// Four copies or more: each pixel's copies as whole words, the last word
// ending where its copies end (it may overlap the one before).
QRgb* SpreadWide(QRgb* dst, const QRgb* src, int count, int factor) {
    for (int i = 0; i < count; ++i, dst += factor) {
        const PixelWord v = {src[i], src[i], src[i], src[i]};
        for (int at = 0; at + WordPixels < factor; at += WordPixels) StorePixelWord(dst + at, v);
        StorePixelWord(dst + factor - WordPixels, v);
    }
    return dst;
}

// `count` whole source pixels spread to `factor` copies each.
QRgb* SpreadPixels(QRgb* dst, const QRgb* src, int count, int factor) {
    int done = 0;
    if (factor == 2) {
        done = count / WordPixels * WordPixels;
        dst = SpreadWords<2>(dst, src, done);
    } else if (factor == 3) {
        done = count / WordPixels * WordPixels;
        dst = SpreadWords<3>(dst, src, done);
    } else if (factor >= WordPixels) {
        return SpreadWide(dst, src, count, factor);
    }
    for (; done < count; ++done) dst = Spread(dst, src[done], factor);
    return dst;
}

}  // namespace

void ScaleWhole(const QImage& source, const QRect& block, int factor, QImage& dest, QPoint at,
                const QRect& clip) {
    if (factor <= 0 || !IsPixelFormat32(source) || !IsPixelFormat32(dest)) return;
    const QRect from = block.intersected(source.rect());
    if (from != block) return;  // a block the source does not hold
    const QRect area = QRect(at, block.size() * factor).intersected(clip).intersected(dest.rect());
    if (area.isEmpty()) return;

    const int firstColumn = area.left() - at.x();  // in scaled pixels from the block's left
    const int width = area.width();
    const size_t rowBytes = size_t(width) * sizeof(QRgb);
    int spreadRow = -1;  // source row last spread, and where
    const QRgb* spread = nullptr;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const int sourceRow = block.top() + (y - at.y()) / factor;
        QRgb* dst = reinterpret_cast<QRgb*>(dest.scanLine(y)) + area.left();
        if (sourceRow == spreadRow) {
            std::memcpy(dst, spread, rowBytes);
            continue;
        }
        const QRgb* src = reinterpret_cast<const QRgb*>(source.constScanLine(sourceRow)) +
                          block.left();
        // The first source pixel may be cut on the left, the last on the
        // right; the ones between are spread whole.
        int column = firstColumn / factor;
        QRgb* out = Spread(dst, src[column], std::min(factor - firstColumn % factor, width));
        QRgb* const end = dst + width;
        const int whole = int(end - out) / factor;
        out = SpreadPixels(out, src + column + 1, whole, factor);
        column += whole;
        if (out < end) Spread(out, src[column + 1], int(end - out));
        spreadRow = sourceRow;
        spread = dst;
    }
}

BlockFit FitBlock(QSize client, QSize block) {
    BlockFit fit;
    if (client.isEmpty() || block.isEmpty()) return fit;
    const int64_t cw = client.width(), ch = client.height();
    const int64_t bw = block.width(), bh = block.height();
    const int whole = int(std::min(cw / bw, ch / bh));
    int64_t w = 0, h = 0;
    if (whole >= SmallestWholeFactor) {
        fit.wholeFactor = whole;
        fit.factor = whole;
        w = bw * whole;
        h = bh * whole;
    } else if (cw * bh <= ch * bw) {
        // The width decides: the block spans it, its height follows rounded.
        fit.factor = double(cw) / double(bw);
        w = cw;
        h = (bh * cw + bw / 2) / bw;
    } else {
        fit.factor = double(ch) / double(bh);
        h = ch;
        w = (bw * ch + bh / 2) / bh;
    }
    if (w <= 0 || h <= 0) return BlockFit{};
    fit.target = QRect(int((cw - w) / 2), int((ch - h) / 2), int(w), int(h));
    return fit;
}

QRect OuterLogicalRect(const QRect& device, double devicePixelRatio) {
    const int left = int(std::floor(device.left() / devicePixelRatio));
    const int top = int(std::floor(device.top() / devicePixelRatio));
    const int right = int(std::ceil((device.left() + device.width()) / devicePixelRatio));
    const int bottom = int(std::ceil((device.top() + device.height()) / devicePixelRatio));
    return QRect(left, top, right - left, bottom - top);
}

QRect InnerLogicalRect(const QRect& device, double devicePixelRatio) {
    const int left = int(std::ceil(device.left() / devicePixelRatio));
    const int top = int(std::ceil(device.top() / devicePixelRatio));
    const int right = int(std::floor((device.left() + device.width()) / devicePixelRatio));
    const int bottom = int(std::floor((device.top() + device.height()) / devicePixelRatio));
    return QRect(left, top, std::max(right - left, 0), std::max(bottom - top, 0));
}

// The device rectangles the painter may change: its device cut to the
// region being repainted and to its own clip.
QRegion DeviceClip(QPainter& painter, const QRect& deviceRect) {
    QRegion clip(deviceRect);
    const QRegion system = painter.paintEngine()->systemClip();
    if (!system.isEmpty()) clip &= system;
    if (painter.hasClipping())
        clip &= painter.deviceTransform().mapRect(painter.clipBoundingRect()).toAlignedRect();
    return clip;
}

void BlockScaler::Paint(QPainter& painter, double devicePixelRatio, const QImage& source,
                        const QRect& block, const BlockFit& fit) {
    if (fit.target.isEmpty() || block.isEmpty() || devicePixelRatio <= 0.0) return;
    if (!block.intersected(source.rect()).contains(block) || !IsPixelFormat32(source)) return;
    const QTransform toDevice = painter.deviceTransform();
    const QPoint origin = toDevice.map(QPointF(0, 0)).toPoint();  // the painted widget's corner

    // A whole factor straight into the painter's own pixels when it has them
    // and nothing but a move and the device pixel ratio lies between: one
    // pass over what is repainted, no copy.
    QImage* direct = fit.wholeFactor > 0 ? PainterImage(painter) : nullptr;
    if (direct != nullptr && toDevice.type() <= QTransform::TxScale) {
        for (const QRect& clip : DeviceClip(painter, direct->rect()))
            ScaleWhole(source, block, fit.wholeFactor, *direct, origin + fit.target.topLeft(),
                       clip);
        return;
    }

    const QRectF target(fit.target.x() / devicePixelRatio, fit.target.y() / devicePixelRatio,
                        fit.target.width() / devicePixelRatio,
                        fit.target.height() / devicePixelRatio);
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    if (fit.wholeFactor > 0) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(target, source, QRectF(block));
        painter.restore();
        return;
    }

    // Nearest neighbour up to the next whole factor, then a smooth reduction:
    // only the device pixels on a game pixel's edge are blends of two. Only
    // the game pixels under the repainted area, and one more around them for
    // the blend, are spread.
    const int prescale = std::max(1, int(std::ceil(fit.factor)));
    const QSize prescaledSize = block.size() * prescale;
    if (prescaled_.size() != prescaledSize)
        prescaled_ = QImage(prescaledSize, QImage::Format_RGB32);
    const QRect repainted = DeviceClip(painter,
                                       QRect(origin + fit.target.topLeft(), fit.target.size()))
                                .boundingRect()
                                .translated(-origin - fit.target.topLeft());
    const int left = int(std::floor(repainted.left() / fit.factor)) - 1;
    const int top = int(std::floor(repainted.top() / fit.factor)) - 1;
    const int right = int(std::ceil((repainted.left() + repainted.width()) / fit.factor)) + 1;
    const int bottom = int(std::ceil((repainted.top() + repainted.height()) / fit.factor)) + 1;
    const QRect spread =
        QRect(left, top, right - left, bottom - top).intersected(QRect(QPoint(0, 0), block.size()));
    if (spread.isEmpty()) {
        painter.restore();
        return;
    }
    ScaleWhole(source, spread.translated(block.topLeft()), prescale, prescaled_,
               spread.topLeft() * prescale, prescaled_.rect());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(target, prescaled_);
    painter.restore();
}
