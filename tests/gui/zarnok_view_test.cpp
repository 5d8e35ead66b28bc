// How the view shows the picture and HUD block: one game pixel per logical
// pixel, or the virtual 800 x 600 display scaled to today's screens; and
// nothing of an earlier picture is left beside it after a resize.
#include "tests/gui/lone_view.h"

#include <QMessageBox>

#include <algorithm>
#include <cmath>

#include "game/tick.h"
#include "render/hud.h"
#include "tests/support/expected_texts.h"

namespace {

constexpr QRgb kWindow = 0xFFFFFFu;

// A view on its own, drawn by ticks run by hand: no level, no timer.
class ViewPresentationTest : public LoneViewTest {
protected:
    void SetUp() override {
        world_.player.health = 37;
        world_.player.spareMagazines = 3;
        world_.score = 4711;
        MakeView();
    }

    void ShowAt(QSize size) {
        ASSERT_NO_FATAL_FAILURE(Show(size));
        ASSERT_EQ(view_->size(), size);
    }

    void Tick() { RunTimerTick(world_, *view_, view_->FrameRenderer()); }

    // Client pixels outside `block` that are not the window colour.
    static int64_t StrayPixels(const QImage& shown, const QRect& block) {
        int64_t stray = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                if (!block.contains(x, y) && (shown.pixel(x, y) & 0xFFFFFFu) != kWindow) ++stray;
        return stray;
    }
};

// The device pixel whose middle is nearest the middle of game pixel (gx, gy).
QPoint ScaledPixel(const BlockFit& fit, int gx, int gy) {
    return {fit.target.x() + int(std::lround((gx + 0.5) * fit.factor - 0.5)),
            fit.target.y() + int(std::lround((gy + 0.5) * fit.factor - 0.5))};
}

// Largest difference of the three colour channels.
int ChannelDistance(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

struct ScreenCase {
    QSize client;
    int wholeFactor;  // 0: sharp bilinear
    double minFactor;
};

class VirtualDisplayTest : public ViewPresentationTest,
                           public ::testing::WithParamInterface<ScreenCase> {};

TEST_P(VirtualDisplayTest, TheBlockIsScaledCentredAndTheHudSitsBelowThePicture) {
    const ScreenCase screen = GetParam();
    view_->SetVirtualDisplay(true);
    ShowAt(screen.client);
    Tick();
    ASSERT_EQ(view_->Surface().ClientWidth(), 800);
    ASSERT_EQ(view_->Surface().ClientHeight(), 600);
    // The virtual screen puts the picture at its top-left corner.
    ASSERT_EQ(view_->Surface().OriginX(), 0);
    ASSERT_EQ(view_->Surface().OriginY(), 0);

    const BlockFit fit = view_->ScaledFit();
    EXPECT_EQ(fit.wholeFactor, screen.wholeFactor);
    EXPECT_GE(fit.factor, screen.minFactor);
    // Centred: the margins left and right, above and below, differ by at most a pixel.
    const QRect t = fit.target;
    EXPECT_LE(std::abs(t.left() - (screen.client.width() - 1 - t.right())), 1);
    EXPECT_LE(std::abs(t.top() - (screen.client.height() - 1 - t.bottom())), 1);
    EXPECT_NEAR(t.width(), 800 * fit.factor, 1.0);
    EXPECT_NEAR(t.height(), 538 * fit.factor, 1.0);

    const QImage shown = Shown();
    ASSERT_EQ(shown.size(), screen.client);
    EXPECT_EQ(StrayPixels(shown, t), 0);

    // The HUD where the layout puts it, scaled with the picture: three
    // magazines, an empty box, the red part of the health bar, its empty part.
    // Below a whole factor the middle of a game pixel may take a trace of
    // its neighbour (a tenth at most), never more.
    const int tolerance = screen.wholeFactor > 0 ? 0 : 25;
    const auto near = [&](int gx, int gy, QRgb expected) {
        return ChannelDistance(shown.pixel(ScaledPixel(fit, gx, gy)), expected) <= tolerance;
    };
    EXPECT_TRUE(near(40, HudTop, 0x000000u));       // the fourth box's outline
    EXPECT_TRUE(near(43, HudTop + 3, 0xFFFFFFu));   // its white inside
    EXPECT_TRUE(near(310, HudTop + 3, 0xC80000u));  // health 37: red up to 336
    EXPECT_TRUE(near(336, HudTop + 3, 0xC80000u));
    EXPECT_TRUE(near(337, HudTop + 3, 0x000000u));  // the empty part's outline
    EXPECT_TRUE(near(350, HudTop + 3, 0xFFFFFFu));  // and its inside
    EXPECT_TRUE(near(399, HudTop + 3, 0x000000u));  // its right edge
    // The picture itself is the swamp's, not the window colour.
    EXPECT_TRUE(near(400, 250, view_->Surface().ClientPixel(400, 250)));
    EXPECT_NE(view_->Surface().ClientPixel(400, 250), kWindow);

    if (screen.wholeFactor == 0) return;
    // Every game pixel of the block is a uniform k x k block of its colour.
    const int k = screen.wholeFactor;
    int64_t wrong = 0;
    for (int gy = 0; gy < 538; ++gy)
        for (int gx = 0; gx < 800; ++gx) {
            const QRgb expected = view_->Surface().ClientPixel(gx, gy);
            for (int dy = 0; dy < k; ++dy)
                for (int dx = 0; dx < k; ++dx)
                    if ((shown.pixel(t.x() + gx * k + dx, t.y() + gy * k + dy) & 0xFFFFFFu) !=
                        expected)
                        ++wrong;
        }
    EXPECT_EQ(wrong, 0);
}

// Full-screen windows of 1920 x 1080, 2560 x 1440 and 3840 x 2160 less the
// menu and the status bar.
INSTANTIATE_TEST_SUITE_P(TodaysScreens, VirtualDisplayTest,
                         ::testing::Values(ScreenCase{{1920, 1030}, 0, 1.9},
                                           ScreenCase{{2560, 1390}, 2, 2.0},
                                           ScreenCase{{3840, 2110}, 3, 3.0}),
                         [](const ::testing::TestParamInfo<ScreenCase>& screen) {
                             return std::to_string(screen.param.client.width()) + "x" +
                                    std::to_string(screen.param.client.height());
                         });

TEST_F(ViewPresentationTest, WithoutTheVirtualDisplayEveryGamePixelIsOneLogicalPixel) {
    ShowAt({1920, 1030});
    Tick();
    EXPECT_EQ(view_->Surface().ClientWidth(), 1920);
    const QRect block = view_->ShownBlock();
    EXPECT_EQ(block, QRect(560, 215, 800, 538));  // (1920/2 - 400, 1030/2 - 250 - 50)
    const QImage shown = Shown();
    int64_t wrong = 0;
    for (int y = 0; y < 538; ++y)
        for (int x = 0; x < 800; ++x)
            if ((shown.pixel(block.x() + x, block.y() + y) & 0xFFFFFFu) !=
                view_->Surface().ClientPixel(block.x() + x, block.y() + y))
                ++wrong;
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(StrayPixels(shown, block), 0);
}

// A window taken out of full screen, made smaller and then larger: no strip
// of an earlier frame and no second HUD stays beside the picture, and while
// the game stands still its last picture moves to the new place at once.
TEST_F(ViewPresentationTest, AfterAResizeOnlyThePictureAndHudAreLeftAndTheyMoveWithTheOrigin) {
    ShowAt({1000, 700});
    Tick();
    const QRect first = view_->ShownBlock();
    const QImage before = Shown().copy(first);

    // Smaller, larger, smaller, then so small that the block is cut, and larger again.
    bool wholeSoFar = true;
    for (const QSize size :
         {QSize(900, 640), QSize(1300, 960), QSize(1100, 800), QSize(620, 420), QSize(1200, 900)}) {
        SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height());
        view_->resize(size);
        QCoreApplication::processEvents();
        const QRect block = view_->ShownBlock();
        const QImage shown = Shown();
        EXPECT_EQ(StrayPixels(shown, block), 0);
        // No tick since: the paused game's picture, as long as no resize cut it.
        wholeSoFar = wholeSoFar && QRect(QPoint(0, 0), size).contains(block);
        if (wholeSoFar) {
            EXPECT_EQ(shown.copy(block), before);
        }
    }
    // The next tick draws at the new place and leaves the rest alone.
    Tick();
    EXPECT_EQ(StrayPixels(Shown(), view_->ShownBlock()), 0);
}

TEST_F(ViewPresentationTest, SwitchingToTheVirtualDisplayKeepsThePictureAndClearsTheRest) {
    ShowAt({1000, 700});
    Tick();
    const QImage before = Shown().copy(view_->ShownBlock());
    view_->SetVirtualDisplay(true);
    EXPECT_EQ(view_->Surface().ClientPixel(400, 250), uint32_t(before.pixel(400, 250) & 0xFFFFFFu));
    const QImage shown = Shown();
    EXPECT_EQ(StrayPixels(shown, view_->ScaledFit().target), 0);
}

// "800x600" without --switch-display-mode never touches the screen.
struct CountingScreen {
    static inline int sets = 0;
    static ScreenSizeResult Set(int, int, SavedScreenSize&) {
        ++sets;
        return ScreenSizeResult::Done;
    }
};

TEST(DisplayModeUntouchedTest, EightHundredBySixHundredChangesNoModeUnlessAllowed) {
    CountingScreen::sets = 0;
    DisplayModeSwitch display;
    display.SetSizeSetter(&CountingScreen::Set);
    EXPECT_TRUE(display.Apply(Resolution800x600).isEmpty());
    EXPECT_TRUE(display.FullScreen());
    EXPECT_EQ(CountingScreen::sets, 0);
    display.AllowModeChange(true);
    EXPECT_TRUE(display.Apply(Resolution800x600).isEmpty());
    EXPECT_EQ(CountingScreen::sets, 1);
}

class VirtualDisplayGameTest : public GameWindowTest {
protected:
    void BeforeStart() override {
        script_.Then([](QDialog&) { return int(Resolution800x600); });
    }
};

TEST_F(VirtualDisplayGameTest, ChoosingIt800x600FillsTheScreenWithNoMessageAndNoSwitch) {
    ASSERT_TRUE(WaitTicks(2));
    ASSERT_GE(script_.seen.size(), 2u);
    EXPECT_EQ(script_.seen[0].kind, QStringLiteral("CDisplayModeDlg"));
    // Next comes the sponsor of level 1: nothing is said about the screen.
    EXPECT_EQ(script_.seen[1].title, QString::fromStdString(ExpectedText("AdvertCaption")));
    EXPECT_TRUE(frame_->windowState().testFlag(Qt::WindowFullScreen));
    EXPECT_TRUE(view_->VirtualDisplay());
    EXPECT_EQ(view_->Surface().ClientWidth(), 800);
    EXPECT_EQ(view_->Surface().ClientHeight(), 600);
    EXPECT_EQ(World().gameRunning, 1);
}

TEST_F(GameWindowTest, KeepingTheResolutionShowsThePictureOneToOne) {
    EXPECT_FALSE(view_->VirtualDisplay());
    EXPECT_EQ(view_->Surface().ClientWidth(), view_->width());
}

}  // namespace
