// block_scaler.h -- the picture and HUD block blown up to fill a real screen.
//
// With "800x600" the game draws on a surface of 800 x 600 game pixels, as if
// the screen had that size. Only its picture and HUD block (800 x 538) is
// shown, scaled by the largest factor that fits the client area: a whole
// factor of 2 or more by nearest neighbour, so that every game pixel is an
// exact k x k block of device pixels; anything smaller by the exact factor,
// nearest neighbour up to the next whole factor and a smooth reduction from
// there, which keeps pixel art sharp without uneven blocks.
// It needs QtGui only, so the benchmark can use it without a window.
#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>
#include <QSize>

class QPainter;

// Where and how big the block lands in the client area.
struct BlockFit {
    double factor = 0.0;  // device pixels per game pixel; 0: nothing fits
    int wholeFactor = 0;  // the factor when every game pixel is a k x k block, else 0
    QRect target;         // device pixels of the client area
};

// The largest fit of a `block` into `client`, centred; both in device pixels.
BlockFit FitBlock(QSize client, QSize block);

class BlockScaler {
public:
    // Paints the `block` of `source` to fit.target, as far as the painter's
    // clip and the region being repainted reach. The painter's device has
    // `devicePixelRatio` device pixels per logical unit; fit.target is in
    // device pixels from the painted widget's corner. The buffer is kept
    // between calls and made anew only when the factor changes.
    void Paint(QPainter& painter, double devicePixelRatio, const QImage& source, const QRect& block,
               const BlockFit& fit);

private:
    QImage prescaled_;  // the block by nearest neighbour at the next whole factor
};

// Nearest neighbour by a whole `factor` straight into a 32-bit image: the
// `block` of `source` lands with its top-left at `at`, cut to `clip`. Each
// source row is spread once and copied to the other rows of its block.
void ScaleWhole(const QImage& source, const QRect& block, int factor, QImage& dest, QPoint at,
                const QRect& clip);

// The logical rectangle of a device rectangle: `outer` covers every device
// pixel of it, `inner` only logical pixels that lie wholly inside.
QRect OuterLogicalRect(const QRect& device, double devicePixelRatio);
QRect InnerLogicalRect(const QRect& device, double devicePixelRatio);
