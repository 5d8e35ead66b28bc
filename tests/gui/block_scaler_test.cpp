// The picture and HUD block fitted to real screens: the factor, the centring,
// exact blocks at whole factors and sharp edges below them.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdint>

#include "shell/block_scaler.h"

namespace {

const QSize kBlock(800, 538);

// A block whose neighbouring pixels all differ, so that any misplaced or
// blended device pixel shows.
QImage NoisyBlock() {
    QImage image(kBlock, QImage::Format_RGB32);
    uint32_t state = 12345;
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            state = state * 1664525u + 1013904223u;
            row[x] = 0xFF000000u | (state >> 8);
        }
    }
    return image;
}

QImage Painted(const QImage& source, QSize client, const BlockFit& fit) {
    QImage screen(client, QImage::Format_RGB32);
    screen.fill(Qt::white);
    BlockScaler scaler;
    QPainter painter(&screen);
    scaler.Paint(painter, 1.0, source, QRect(QPoint(0, 0), kBlock), fit);
    return screen;
}

TEST(FitBlockTest, TodaysScreensGetTheLargestFactorThatFitsCentred) {
    struct Case {
        QSize client;
        int whole;
        QRect target;
    };
    // Full-screen windows of 1920 x 1080, 2560 x 1440 and 3840 x 2160 less
    // the menu and the status bar.
    const Case cases[] = {
        {{1920, 1030}, 0, {194, 0, 1532, 1030}},   {{2560, 1390}, 2, {480, 157, 1600, 1076}},
        {{3840, 2110}, 3, {720, 248, 2400, 1614}}, {{800, 600}, 0, {0, 31, 800, 538}},
        {{1600, 1076}, 2, {0, 0, 1600, 1076}},
    };
    for (const Case& c : cases) {
        const BlockFit fit = FitBlock(c.client, kBlock);
        SCOPED_TRACE(testing::Message() << c.client.width() << "x" << c.client.height());
        EXPECT_EQ(fit.wholeFactor, c.whole);
        EXPECT_EQ(fit.target, c.target);
        if (c.whole > 0) {
            EXPECT_EQ(fit.factor, double(c.whole));
        }
        EXPECT_TRUE(QRect(QPoint(0, 0), c.client).contains(fit.target));
    }
    EXPECT_NEAR(FitBlock({1920, 1030}, kBlock).factor, 1030.0 / 538.0, 1e-9);
    // Wide screens are limited by their height, tall ones by their width.
    EXPECT_EQ(FitBlock({1200, 3000}, kBlock).target, QRect(0, 1096, 1200, 807));
    EXPECT_EQ(FitBlock({0, 1000}, kBlock).factor, 0.0);
    EXPECT_TRUE(FitBlock({1, 1}, kBlock).target.width() <= 1);
}

TEST(BlockScalerTest, AWholeFactorMakesEveryGamePixelAnExactBlock) {
    const QImage source = NoisyBlock();
    const QSize client(3840, 2110);
    const BlockFit fit = FitBlock(client, kBlock);
    ASSERT_EQ(fit.wholeFactor, 3);
    const QImage screen = Painted(source, client, fit);
    int wrong = 0;
    for (int y = 0; y < screen.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(screen.constScanLine(y));
        for (int x = 0; x < screen.width(); ++x) {
            QRgb expected = 0xFFFFFFFFu;  // the margin is left alone
            if (fit.target.contains(x, y))
                expected = source.pixel((x - fit.target.x()) / 3, (y - fit.target.y()) / 3);
            if ((row[x] | 0xFF000000u) != expected) ++wrong;
        }
    }
    EXPECT_EQ(wrong, 0);
}

// A repaint of part of the window: the cut may fall inside a game pixel's
// block, on any side; nothing outside it is written.
TEST(BlockScalerTest, AWholeFactorScaleCutToAClipKeepsItsBlocksInPlace) {
    const QImage source = NoisyBlock();
    const QRect block(5, 7, 40, 30);
    for (int factor : {1, 2, 3, 4, 5, 7}) {
        const QPoint at(11, 13);
        const QRect clip(at.x() + 5, at.y() + 1, 3 * factor * 4 + 1, 50);
        QImage dest(200, 200, QImage::Format_ARGB32_Premultiplied);
        dest.fill(0xFF123456u);
        ScaleWhole(source, block, factor, dest, at, clip);
        int wrong = 0;
        for (int y = 0; y < dest.height(); ++y)
            for (int x = 0; x < dest.width(); ++x) {
                const QRect scaled(at, block.size() * factor);
                QRgb expected = 0xFF123456u;
                if (clip.contains(x, y) && scaled.contains(x, y))
                    expected = source.pixel(block.x() + (x - at.x()) / factor,
                                            block.y() + (y - at.y()) / factor);
                wrong += dest.pixel(x, y) != expected ? 1 : 0;
            }
        EXPECT_EQ(wrong, 0) << "factor " << factor;
    }
    // A block the source does not hold is not drawn at all.
    QImage dest(50, 50, QImage::Format_RGB32);
    dest.fill(0xFF123456u);
    ScaleWhole(source, QRect(790, 0, 20, 10), 2, dest, QPoint(0, 0), dest.rect());
    EXPECT_EQ(dest.pixel(0, 0), 0xFF123456u);
}

// Sharp bilinear at 1.91: a one-pixel black line on white stays a line at
// most three device pixels wide with a black core; only the device pixels on
// its edges blend. A plain bilinear scale would smear it grey over four.
TEST(BlockScalerTest, BelowTwoALinePixelStaysSharpWithBlendsOnlyAtItsEdges) {
    QImage source(kBlock, QImage::Format_RGB32);
    source.fill(Qt::white);
    for (int x = 3; x < kBlock.width(); x += 7)
        for (int y = 0; y < kBlock.height(); ++y) source.setPixel(x, y, 0xFF000000u);
    const QSize client(1920, 1030);
    const BlockFit fit = FitBlock(client, kBlock);
    ASSERT_EQ(fit.wholeFactor, 0);
    const QImage screen = Painted(source, client, fit);

    const int y = fit.target.top() + fit.target.height() / 2;
    int blends = 0;
    for (int line = 3; line < kBlock.width(); line += 7) {
        SCOPED_TRACE(line);
        // The device columns that can touch game column `line`.
        const int from = fit.target.x() + int((line - 1) * fit.factor);
        const int to = fit.target.x() + int((line + 2) * fit.factor);
        int darkest = 255, touched = 0;
        for (int x = from; x <= to; ++x) {
            const int grey = qGreen(screen.pixel(x, y));
            darkest = std::min(darkest, grey);
            touched += grey < 255 ? 1 : 0;
            blends += (grey > 0 && grey < 255) ? 1 : 0;
        }
        EXPECT_LE(darkest, 8);
        EXPECT_GE(touched, 1);
        EXPECT_LE(touched, 3);
    }
    EXPECT_GT(blends, 0) << "no smooth edge at all: uneven nearest-neighbour blocks";
    EXPECT_EQ(screen.pixel(fit.target.left() - 1, y), 0xFFFFFFFFu);
    EXPECT_EQ(screen.pixel(fit.target.right() + 1, y), 0xFFFFFFFFu);
}

TEST(LogicalRectTest, OuterCoversEveryDevicePixelAndInnerOnlyWholeOnes) {
    const QRect device(3, 5, 11, 10);  // device pixels 3..13 x 5..14
    EXPECT_EQ(OuterLogicalRect(device, 2.0), QRect(1, 2, 6, 6));
    EXPECT_EQ(InnerLogicalRect(device, 2.0), QRect(2, 3, 5, 4));
    EXPECT_EQ(OuterLogicalRect(device, 1.0), device);
    EXPECT_EQ(InnerLogicalRect(device, 1.0), device);
}

}  // namespace
