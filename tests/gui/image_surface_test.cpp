// image_surface_test.cpp -- the QImage client area paints exactly where and what
// the engine asks, keeps it, and cuts whatever falls outside.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>

#include <climits>
#include <vector>

#include "shell/image_surface.h"
#include "tools/common/recording_surface.h"

namespace {

void EnsureGuiApplication() {
    static int argc = 1;
    static char name[] = "image_surface_test";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance() == nullptr) {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        new QGuiApplication(argc, argv);
    }
}

class ImageSurfaceTest : public ::testing::Test {
protected:
    void SetUp() override { EnsureGuiApplication(); }
};

// Pixels of a client rectangle that are not `colour`.
int CountOther(const ImageSurface& s, int left, int top, int right, int bottom, uint32_t colour) {
    int n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) n += s.ClientPixel(x, y) != colour;
    return n;
}

TEST_F(ImageSurfaceTest, StartsWhiteAndOpaque) {
    ImageSurface s(40, 30);
    EXPECT_EQ(s.ClientWidth(), 40);
    EXPECT_EQ(s.ClientHeight(), 30);
    EXPECT_EQ(s.Image().format(), QImage::Format_RGB32);
    EXPECT_EQ(CountOther(s, 0, 0, 40, 30, SystemWindowColour), 0);
}

TEST_F(ImageSurfaceTest, PixelsLandAtTheOriginAndAreCut) {
    ImageSurface s(50, 40);
    std::vector<uint32_t> block(6 * 4);
    for (size_t i = 0; i < block.size(); ++i) block[i] = 0x00010203u * uint32_t(i + 1);

    s.SetOrigin(10, 5);
    s.DrawPixels(2, 3, block.data(), 6, 4);
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 6; ++col)
            EXPECT_EQ(s.ClientPixel(12 + col, 8 + row), block[size_t(row * 6 + col)])
                << col << "," << row;
    EXPECT_EQ(CountOther(s, 0, 0, 50, 40, 0xFFFFFF), 24);
    // The engine's 0x00RRGGBB becomes an opaque image pixel.
    // (QImage::pixel would hide a missing alpha byte; read the raw word.)
    EXPECT_EQ(reinterpret_cast<const QRgb*>(s.Image().constScanLine(8))[12], 0xFF010203u);

    // Partly outside on every side: only the inside part is copied, unshifted.
    ImageSurface cut(4, 3);
    cut.DrawPixels(-1, -1, block.data(), 6, 4);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(cut.ClientPixel(x, y), block[size_t((y + 1) * 6 + x + 1)]);

    // Hostile positions draw nothing and do not crash.
    ImageSurface far(20, 20);
    far.SetOrigin(INT32_MAX, INT32_MIN);
    far.DrawPixels(INT32_MAX, INT32_MAX, block.data(), 6, 4);
    far.FillRect(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, 0);
    far.DrawOutlinedBox(INT32_MAX - 3, 0, INT32_MAX, 5);
    far.DrawText(INT32_MAX, INT32_MAX, "0", TextStyle{});
    EXPECT_EQ(CountOther(far, 0, 0, 20, 20, 0xFFFFFF), 0);
}

// Fills and boxes must match the in-memory surface the engine's tests use.
TEST_F(ImageSurfaceTest, FillsAndBoxesMatchTheRecordingSurface) {
    ImageSurface image(120, 60);
    RecordingSurface recorded(120, 60);
    for (ClientSurface* s :
         {static_cast<ClientSurface*>(&image), static_cast<ClientSurface*>(&recorded)}) {
        s->SetOrigin(-3, 2);
        s->FillRect(0, 0, 20, 10, 0xC80000);
        s->FillRect(30, 5, 30, 9, 0x0000FF);    // empty
        s->DrawOutlinedBox(10, 30, 17, 37);     // a HUD magazine slot
        s->DrawOutlinedBox(40, 30, 41, 31);     // 1 x 1: outline only
        s->DrawOutlinedBox(50, 30, 52, 32);     // 2 x 2: outline only
        s->DrawOutlinedBox(60, 30, 60, 40);     // empty
        s->DrawOutlinedBox(100, 40, 140, 70);   // cut by the corner
        s->FillRect(15, 33, 18, 35, 0x123456);  // over a box edge
    }
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 120; ++x)
            ASSERT_EQ(image.ClientPixel(x, y), recorded.ClientPixel(x, y)) << x << "," << y;
    EXPECT_EQ(image.ClientPixel(7, 32), 0x000000u);  // box corner at picture (10, 30)
    EXPECT_EQ(image.ClientPixel(8, 33), 0xFFFFFFu);
}

TEST_F(ImageSurfaceTest, TextUsesTheGameFont) {
    ImageSurface s;
    QFontInfo info(s.TextFont());
    EXPECT_EQ(info.family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(info.pixelSize(), 12);
}

// An opaque text paints its own cell: from the ascent above the baseline to
// the descent below it, as wide as the text advances; the glyphs inside it.
TEST_F(ImageSurfaceTest, OpaqueTextCoversItsOwnCell) {
    ImageSurface s(200, 60);
    s.FillRect(0, 0, 200, 60, 0x808080);
    s.SetOrigin(5, 10);
    TextStyle style;
    style.colour = 0x0000C8;
    style.opaqueBackground = true;
    style.background = 0xFFFFFF;
    s.DrawText(20, 30, "Очки: 120", style);

    QFontMetrics m(s.TextFont());
    const int left = 25, right = left + m.horizontalAdvance(QString::fromUtf8("Очки: 120"));
    const int top = 40 - m.ascent(), bottom = 40 + m.descent();
    int ink = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 200; ++x) {
            uint32_t p = s.ClientPixel(x, y);
            bool inCell = x >= left && x < right && y >= top && y < bottom;
            if (!inCell) {
                ASSERT_EQ(p, 0x808080u) << "outside the cell at " << x << "," << y;
            } else {
                ASSERT_TRUE(p == 0xFFFFFFu || p == 0x0000C8u)
                    << "blended pixel at " << x << "," << y;
                ink += p == 0x0000C8u;
                if (p == 0x0000C8u) {
                    ASSERT_LT(y, 40) << "digits and letters sit on the baseline";
                }
            }
        }
    EXPECT_GT(ink, 20);
}

TEST_F(ImageSurfaceTest, TransparentTextIsClipped) {
    ImageSurface s(100, 40);
    s.FillRect(0, 0, 100, 40, 0x336699);
    TextStyle style;
    style.colour = 0x000000;
    style.clip = true;
    style.clipLeft = 0;
    style.clipTop = 0;
    style.clipRight = 30;
    style.clipBottom = 20;
    s.DrawText(20, 25, "5000", style);  // baseline below the clip: only the tops show

    int inside = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 100; ++x) {
            uint32_t p = s.ClientPixel(x, y);
            ASSERT_TRUE(p == 0x336699u || p == 0x000000u) << x << "," << y;
            if (p == 0x000000u) {
                ASSERT_TRUE(x < 30 && y < 20) << "ink outside the clip at " << x << "," << y;
                ++inside;
            }
        }
    EXPECT_GT(inside, 0);
}

// Texts are stamped from ink kept at their first drawing: pixel for pixel
// what QPainter paints, wherever the pen lands and wherever a clip cuts.
TEST_F(ImageSurfaceTest, StampedTextsAreWhatQPainterPaints) {
    ImageSurface s(160, 50);
    QImage expected(160, 50, QImage::Format_RGB32);
    std::vector<uint32_t> pattern(size_t(160) * 50);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 160; ++x) {
            pattern[size_t(y * 160 + x)] = uint32_t(x * 1597 + y * 811) & 0xFFFFFFu;
            expected.setPixel(x, y, 0xFF000000u | pattern[size_t(y * 160 + x)]);
        }
    s.DrawPixels(0, 0, pattern.data(), 160, 50);
    const QFontMetrics metrics(s.TextFont());
    const struct {
        const char* text;
        int x, y;
        bool opaque, clip;
    } cases[] = {{"Жизнь:", 3, 14, true, false},
                 {"Очки: 120", 50, 14, false, false},
                 {"Очки: 120", 51, 30, true, true},
                 {"+250", -4, 47, false, true},
                 {"9876543210", 90, 44, true, true}};
    for (const auto& c : cases)
        for (uint32_t colour : {0x0000C8u, 0x102030u}) {
            TextStyle style;
            style.colour = colour;
            style.opaqueBackground = c.opaque;
            style.background = 0xFFFF00;
            style.clip = c.clip;
            style.clipLeft = c.x + 5;
            style.clipTop = c.y - 6;
            style.clipRight = c.x + 40;
            style.clipBottom = c.y - 2;
            s.DrawText(c.x, c.y, c.text, style);

            const QString text = QString::fromUtf8(c.text);
            QPainter painter(&expected);
            if (c.clip)
                painter.setClipRect(QRect(QPoint(style.clipLeft, style.clipTop),
                                          QPoint(style.clipRight - 1, style.clipBottom - 1)));
            if (c.opaque)
                painter.fillRect(QRect(c.x, c.y - metrics.ascent(), metrics.horizontalAdvance(text),
                                       metrics.height()),
                                 QColor(0xFFFF00));
            painter.setFont(s.TextFont());
            painter.setPen(QColor::fromRgb(style.colour));
            painter.drawText(QPoint(c.x, c.y), text);
        }
    int wrong = 0;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 160; ++x)
            wrong += s.ClientPixel(x, y) != (expected.pixel(x, y) & 0xFFFFFFu);
    EXPECT_EQ(wrong, 0);
}

TEST_F(ImageSurfaceTest, ResizeKeepsWhatFits) {
    ImageSurface s(30, 20);
    s.FillRect(0, 0, 30, 20, 0x00AA00);
    s.Resize(20, 30);
    EXPECT_EQ(CountOther(s, 0, 0, 20, 20, 0x00AA00), 0);
    EXPECT_EQ(CountOther(s, 0, 20, 20, 30, 0xFFFFFF), 0);
    s.Resize(40, 30);
    EXPECT_EQ(CountOther(s, 0, 0, 20, 20, 0x00AA00), 0);
    EXPECT_EQ(CountOther(s, 20, 0, 40, 30, 0xFFFFFF), 0);
    s.Resize(0, 0);
    EXPECT_EQ(s.ClientWidth(), 0);
    s.FillRect(0, 0, 10, 10, 0);  // nothing to paint on, nothing breaks
}

// The window repaints only what a drawing changed: a frame only where it
// differs from what is there, in bands of eight rows.
TEST_F(ImageSurfaceTest, TracksWhatTheDrawingsChanged) {
    ImageSurface s(200, 100);
    std::vector<uint32_t> frame(size_t(100) * 50, 0x336699u);
    s.DrawPixels(10, 10, frame.data(), 100, 50);
    EXPECT_TRUE(s.TakeChanges().isEmpty()) << "tracked while off";

    s.TrackChanges(true);
    s.SetOrigin(10, 10);
    s.DrawPixels(0, 0, frame.data(), 100, 50);
    EXPECT_TRUE(s.TakeChanges().isEmpty()) << "the same frame again changed something";

    frame[size_t(20) * 100 + 30] = 0x000001u;  // one pixel, row 20, column 30
    frame[size_t(21) * 100 + 95] = 0x000001u;
    s.DrawPixels(0, 0, frame.data(), 100, 50);
    // Rows 16..23 of the frame (its third band), columns 30..95, at the origin.
    EXPECT_EQ(s.TakeChanges(), QRegion(40, 26, 66, 8));
    EXPECT_EQ(s.ClientPixel(40, 30), 0x000001u);
    EXPECT_EQ(s.ClientPixel(105, 31), 0x000001u);
    EXPECT_EQ(s.ClientPixel(41, 30), 0x336699u);
    EXPECT_TRUE(s.TakeChanges().isEmpty()) << "taken twice";

    // A pixel in the last column of a frame that is no multiple of the chunk wide.
    std::vector<uint32_t> narrow(size_t(13) * 3, 0x010203u);
    s.DrawPixels(0, 0, narrow.data(), 13, 3);
    s.TakeChanges();
    narrow[size_t(2) * 13 + 12] = 0x040506u;
    s.DrawPixels(0, 0, narrow.data(), 13, 3);
    EXPECT_EQ(s.TakeChanges(), QRegion(22, 10, 1, 3));
    EXPECT_EQ(s.ClientPixel(22, 12), 0x040506u);

    // Fills, boxes and texts count as changed wherever they paint.
    s.FillRect(0, 0, 5, 5, 0x00AA00);
    s.DrawOutlinedBox(100, 0, 110, 5);
    EXPECT_EQ(s.TakeChanges(), QRegion(10, 10, 5, 5) + QRegion(110, 10, 10, 5));
    TextStyle style;
    s.DrawText(20, 40, "12", style);
    const QRegion text = s.TakeChanges();
    EXPECT_FALSE(text.isEmpty());
    EXPECT_TRUE(text.boundingRect().contains(QPoint(32, 45)));
    // A resize is repainted whole by the window; nothing is left to take.
    s.FillRect(0, 0, 5, 5, 0x0000AA);
    s.Resize(150, 80);
    EXPECT_TRUE(s.TakeChanges().isEmpty());
}

// A frame given with its changed boxes looks only there, and wherever
// anything else was drawn over the last frame since; moved, it is copied whole.
TEST_F(ImageSurfaceTest, AFrameWithItsChangesStillCoversWhatWasDrawnOverIt) {
    ImageSurface s(120, 90);
    s.SetOrigin(10, 10);
    std::vector<uint32_t> frame(size_t(100) * 60, 0x336699u);
    const PixelBox whole[] = {{0, 0, 100, 60}};
    s.DrawFrameChanges(0, 0, frame.data(), 100, 60, whole);

    // Drawn over the picture: a fill, a text, a small picture (the HUD's
    // magazine). A change outside the named box is taken on trust.
    s.FillRect(5, 5, 15, 12, 0x00AA00);
    s.DrawText(40, 30, "12", TextStyle{});
    const std::vector<uint32_t> icon(size_t(7) * 7, 0x000001u);
    s.DrawPixels(60, 40, icon.data(), 7, 7);
    frame[size_t(2) * 100 + 90] = 0x0000FFu;  // outside the box
    frame[size_t(50) * 100 + 20] = 0x00FF00u;  // inside it
    const PixelBox bottomLeft[] = {{16, 48, 32, 56}};
    s.DrawFrameChanges(0, 0, frame.data(), 100, 60, bottomLeft);
    EXPECT_EQ(CountOther(s, 10, 10, 110, 70, 0x336699u), 1);
    EXPECT_EQ(s.ClientPixel(30, 60), 0x00FF00u);
    EXPECT_EQ(s.ClientPixel(100, 12), 0x336699u) << "an unnamed change was looked for";

    // Somewhere else the image holds nothing of the frame yet.
    s.SetOrigin(15, 20);
    s.DrawFrameChanges(0, 0, frame.data(), 100, 60, bottomLeft);
    EXPECT_EQ(s.ClientPixel(105, 22), 0x0000FFu);
}

}  // namespace
