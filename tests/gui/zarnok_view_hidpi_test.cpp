// The view on a screen of two device pixels per logical pixel: one to one
// stays crisp, and the virtual display counts the real device pixels.
#include "tests/gui/lone_view.h"

#include <QMessageBox>

#include <cstdlib>

#include "game/tick.h"

namespace {

// Before the test program's QApplication exists.
const bool kScaledScreen = [] {
    setenv("QT_SCALE_FACTOR", "2", 1);
    return true;
}();

class HiDpiViewTest : public LoneViewTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(kScaledScreen);
        world_.player.health = 50;
        MakeView();
    }

    void ShowAt(QSize size) {
        ASSERT_NO_FATAL_FAILURE(Show(size));
        ASSERT_EQ(view_->devicePixelRatioF(), 2.0);
        RunTimerTick(world_, *view_, view_->FrameRenderer());
    }

    // Game pixels of the block that are not a uniform k x k square of their
    // colour at device pixel `at`, and device pixels outside it that are
    // not the window colour.
    int64_t Misdrawn(const QImage& shown, QPoint at, int k, QPoint surfaceCorner) {
        int64_t wrong = 0;
        const QRect block(at, QSize(800, 538) * k);
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x) {
                QRgb expected = 0xFFFFFFu;
                if (block.contains(x, y))
                    expected = view_->Surface().ClientPixel(surfaceCorner.x() + (x - at.x()) / k,
                                                            surfaceCorner.y() + (y - at.y()) / k);
                wrong += (shown.pixel(x, y) & 0xFFFFFFu) != expected ? 1 : 0;
            }
        return wrong;
    }
};

TEST_F(HiDpiViewTest, OneToOneIsOneGamePixelPerLogicalPixelDrawnAsSharpSquares) {
    ShowAt({1000, 700});
    const QRect block = view_->ShownBlock();
    EXPECT_EQ(block, QRect(100, 50, 800, 538));  // logical pixels, as at ratio 1
    const QImage shown = Shown();
    ASSERT_EQ(shown.size(), QSize(2000, 1400));
    EXPECT_EQ(Misdrawn(shown, block.topLeft() * 2, 2, block.topLeft()), 0);
}

// 1280 x 970 logical pixels are 2560 x 1940 device pixels: room for 3 x 3
// device pixels per game pixel, where logical pixels alone would give 1.6.
TEST_F(HiDpiViewTest, TheVirtualDisplayScalesByTheDevicePixelsThereAre) {
    view_->SetVirtualDisplay(true);
    ShowAt({1280, 970});
    const BlockFit fit = view_->ScaledFit();
    EXPECT_EQ(fit.wholeFactor, 3);
    EXPECT_EQ(fit.target, QRect(80, 163, 2400, 1614));
    const QImage shown = Shown();
    ASSERT_EQ(shown.size(), QSize(2560, 1940));
    EXPECT_EQ(Misdrawn(shown, fit.target.topLeft(), 3, QPoint(0, 0)), 0);
}

// A screen of 1280 x 1024 at ratio 2 is 640 x 512 logical pixels: too small
// for one to one, but "800x600" still shows the whole picture and HUD.
TEST_F(HiDpiViewTest, ASmallLogicalScreenStillShowsTheWholeBlockOnTheVirtualDisplay) {
    view_->SetVirtualDisplay(true);
    ShowAt({640, 487});  // 1280 x 1024 less the menu and the status bar
    const BlockFit fit = view_->ScaledFit();
    EXPECT_EQ(fit.wholeFactor, 0);
    EXPECT_GE(fit.factor, 1.5);
    EXPECT_TRUE(QRect(0, 0, 1280, 974).contains(fit.target));
    EXPECT_TRUE(QRect(0, 0, 640, 487).contains(view_->ShownBlock()));
}

}  // namespace
