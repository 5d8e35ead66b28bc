// The game view: its timer follows the keyboard focus, modal windows stop
// the game, keys reach the soldier as virtual-key codes, and the picture
// lands on the view.
#include "tests/gui/disk_audio.h"
#include "tests/gui/gui_support.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>

#include "shell/message_box.h"
#include "tests/support/expected_texts.h"

namespace {

// A key event as the window system delivers it, auto-repeat flag included.
void SendKey(QWidget* target, QEvent::Type type, int key, bool autoRepeat,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent event(type, key, modifiers, QString(), autoRepeat);
    QApplication::sendEvent(target, &event);
}

}  // namespace

// ---------------------------------------------------------------------------
// Start-up, focus and the tick timer
// ---------------------------------------------------------------------------

TEST_F(GameWindowTest, StartsMaximisedWithTheGameTitleAndTheFirstTickStartsLevelOne) {
    EXPECT_TRUE(frame_->isVisible());
    EXPECT_TRUE(frame_->windowState().testFlag(Qt::WindowMaximized));
    EXPECT_EQ(frame_->windowTitle(), QStringLiteral("Игра - Zarnok"));
    EXPECT_TRUE(view_->hasFocus());
    EXPECT_TRUE(view_->TickTimerActive());

    // Before the first tick: a new game is asked for and nothing runs yet.
    EXPECT_EQ(World().newGameRequested, 1);
    EXPECT_EQ(World().gameRunning, 0);

    ASSERT_TRUE(WaitTicks(2));
    EXPECT_EQ(World().newGameRequested, 0);
    EXPECT_EQ(World().gameRunning, 1);
    EXPECT_EQ(World().levelNumber, 1);
    // The sponsor message of level 1 came first, and the game stood still under it.
    ASSERT_FALSE(script_.seen.empty());
    const SeenModal& sponsor = script_.seen.back();
    EXPECT_EQ(sponsor.kind, QStringLiteral("GameMessageBox"));
    EXPECT_EQ(sponsor.title, QString::fromStdString(ExpectedText("AdvertCaption")));
    EXPECT_FALSE(sponsor.tickTimerActive);
}

TEST_F(GameWindowTest, LosingTheFocusStopsTheGameAndRegainingItRestartsIt) {
    ASSERT_TRUE(WaitTicks(3));

    // Another window of the desktop takes the keyboard.
    QLineEdit other;
    other.show();
    other.activateWindow();
    other.setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_FALSE(view_->hasFocus());
    EXPECT_FALSE(view_->TickTimerActive());
    EXPECT_EQ(TicksDuring(300), 0);

    // Back to the game.
    ActivateFrame();
    EXPECT_TRUE(view_->TickTimerActive());
    EXPECT_TRUE(WaitTicks(3));
}

TEST_F(GameWindowTest, AnOpenMenuHoldsTheGame) {
    ASSERT_TRUE(WaitTicks(2));
    QMenu* game = frame_->Menu(0);
    frame_->menuBar()->setActiveAction(game->menuAction());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(game));
    EXPECT_FALSE(view_->TickTimerActive());
    EXPECT_EQ(TicksDuring(300), 0);

    QTest::keyClick(game, Qt::Key_Escape);
    QTest::keyClick(frame_->menuBar(), Qt::Key_Escape);
    EXPECT_TRUE(WaitUntil([this] { return view_->hasFocus(); }));
    EXPECT_TRUE(WaitTicks(2));
}

TEST_F(GameWindowTest, TheTimerRunsAboutTwentyTicksASecond) {
    ASSERT_TRUE(WaitTicks(2));
    const int ticks = TicksDuring(500);
    // 10 at 50 ms; generous bounds for a busy machine, but never a runaway.
    EXPECT_GE(ticks, 4);
    EXPECT_LE(ticks, 11);
}

// ---------------------------------------------------------------------------
// Modal windows pause the game
// ---------------------------------------------------------------------------

TEST_F(GameWindowTest, NoTickRunsWhileAModalBoxIsOpen) {
    ASSERT_TRUE(WaitTicks(2));
    int ticksUnderBox = -1;
    bool timerUnderBox = true;
    script_.Then([&](QDialog&) {
        timerUnderBox = view_->TickTimerActive();
        // The event loop goes on while the box is up, as it does on screen.
        ticksUnderBox = TicksDuring(300);
        return int(QMessageBox::Ok);
    });
    view_->ShowMessage("Комары ждут.", "Проверка", MessageButtons::Ok, MessageIcon::None);
    EXPECT_FALSE(timerUnderBox);
    EXPECT_EQ(ticksUnderBox, 0);
    // The box is gone and the view has the focus again: the game goes on.
    EXPECT_TRUE(view_->TickTimerActive());
    EXPECT_TRUE(WaitTicks(2));
}

TEST_F(GameWindowTest, NestedModalsKeepTheGamePausedUntilTheLastOneCloses) {
    ASSERT_TRUE(WaitTicks(1));
    bool timerAfterInner = true;
    script_.Then([&](QDialog&) {
        view_->ShowMessage("внутри", "Вложенное", MessageButtons::Ok, MessageIcon::None);
        timerAfterInner = view_->TickTimerActive();
        return int(QMessageBox::Ok);
    });
    view_->ShowMessage("снаружи", "Внешнее", MessageButtons::Ok, MessageIcon::None);
    EXPECT_FALSE(timerAfterInner);
    EXPECT_TRUE(view_->TickTimerActive());
}

TEST_F(GameWindowTest, ARealMessageBoxStopsTheGameAndFocusComesBackAfterIt) {
    ASSERT_TRUE(WaitTicks(2));
    app_->Modal().SetHook(nullptr);  // a real nested event loop this time
    int ticksUnderBox = -1;
    bool timerUnderBox = true;
    QTimer::singleShot(0, [&] {
        const uint8_t before = World().tickCounter;
        QTest::qWait(300);
        ticksUnderBox = uint8_t(World().tickCounter - before);
        timerUnderBox = view_->TickTimerActive();
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        box->button(QMessageBox::Ok)->click();
    });
    const MessageAnswer answer = view_->ShowMessage(ExpectedText("PausedText"),
                                                    ExpectedText("PauseText"), MessageButtons::Ok,
                                                    MessageIcon::None);
    EXPECT_EQ(answer, MessageAnswer::Ok);
    EXPECT_EQ(ticksUnderBox, 0);
    EXPECT_FALSE(timerUnderBox);
    EXPECT_TRUE(WaitUntil([this] { return view_->hasFocus(); }));
    EXPECT_TRUE(WaitTicks(2));
}

TEST_F(GameWindowTest, MessageBoxesCarryTheGamesButtonsIconsAndAnswers) {
    script_.Then([](QDialog& dialog) {
        auto& box = static_cast<QMessageBox&>(dialog);
        EXPECT_EQ(box.button(QMessageBox::Yes)->text(), Expected("YesText"));
        EXPECT_EQ(box.button(QMessageBox::No)->text(), Expected("NoText"));
        // A question cannot be escaped.
        QTest::keyClick(&box, Qt::Key_Escape);
        EXPECT_NE(box.result(), int(QMessageBox::No));
        return int(QMessageBox::Yes);
    });
    const std::string question = ExpectedText("PlayAgainCaption"),
                      error = ExpectedText("ErrorCaption");
    EXPECT_EQ(view_->ShowMessage("Хотите?", question, MessageButtons::YesNo, MessageIcon::None),
              MessageAnswer::Yes);
    script_.Then([](QDialog&) { return int(QMessageBox::No); });
    EXPECT_EQ(view_->ShowMessage("Хотите?", question, MessageButtons::YesNo, MessageIcon::Stop),
              MessageAnswer::No);
    EXPECT_EQ(view_->ShowMessage("Файл", error, MessageButtons::Ok, MessageIcon::Warning),
              MessageAnswer::Ok);

    ASSERT_GE(script_.seen.size(), 3u);
    const auto n = script_.seen.size();
    EXPECT_EQ(script_.seen[n - 3].buttons, int(QMessageBox::Yes | QMessageBox::No));
    EXPECT_EQ(script_.seen[n - 3].icon, QMessageBox::NoIcon);
    EXPECT_EQ(script_.seen[n - 2].icon, QMessageBox::Critical);
    EXPECT_EQ(script_.seen[n - 1].icon, QMessageBox::Warning);
    EXPECT_EQ(script_.seen[n - 1].buttons, int(QMessageBox::Ok));
    EXPECT_EQ(script_.seen[n - 1].title, QString::fromStdString(error));
    EXPECT_EQ(script_.seen[n - 1].text, QStringLiteral("Файл"));
}

// ---------------------------------------------------------------------------
// Keys
// ---------------------------------------------------------------------------

class GameKeysTest : public GameWindowTest {
protected:
    void SetUp() override {
        GameWindowTest::SetUp();
        ASSERT_TRUE(WaitTicks(2));  // level 1 is running
        ASSERT_EQ(World().gameRunning, 1);
    }
};

TEST_F(GameKeysTest, ArrowsMoveAndAimTheSoldier) {
    SendKey(view_, QEvent::KeyPress, Qt::Key_Left, false);
    EXPECT_EQ(World().player.moveDir, -1);
    EXPECT_EQ(World().player.facing, -1);
    SendKey(view_, QEvent::KeyRelease, Qt::Key_Left, false);
    EXPECT_EQ(World().player.moveDir, 0);

    SendKey(view_, QEvent::KeyPress, Qt::Key_Up, false);
    EXPECT_EQ(World().player.aimDir, 1);
    SendKey(view_, QEvent::KeyRelease, Qt::Key_Up, false);
    EXPECT_EQ(World().player.aimDir, 0);
    SendKey(view_, QEvent::KeyPress, Qt::Key_Down, false);
    EXPECT_EQ(World().player.aimDir, -1);
    SendKey(view_, QEvent::KeyRelease, Qt::Key_Down, false);
}

TEST_F(GameKeysTest, AHeldKeyRepeatsItsPressAndIsReleasedOnlyOnce) {
    SendKey(view_, QEvent::KeyPress, Qt::Key_Right, false);
    ASSERT_EQ(World().player.moveDir, 1);
    // The window system's auto-repeat: a release and a press, both marked.
    for (int i = 0; i < 3; ++i) {
        SendKey(view_, QEvent::KeyRelease, Qt::Key_Right, true);
        EXPECT_EQ(World().player.moveDir, 1) << "an auto-repeat release let go of the key";
        World().player.moveDir = 0;  // the repeated press must set it again
        SendKey(view_, QEvent::KeyPress, Qt::Key_Right, true);
        EXPECT_EQ(World().player.moveDir, 1) << "an auto-repeat press was dropped";
    }
    SendKey(view_, QEvent::KeyRelease, Qt::Key_Right, false);
    EXPECT_EQ(World().player.moveDir, 0);
}

TEST_F(GameKeysTest, FireStartsTheLoopOnceAndItsReleaseStopsItFiftyMillisecondsLater) {
    using namespace disk_audio;
    ASSERT_TRUE(CopyGameSounds(folder_.path()));
    const Capture capture(folder_.filePath(QStringLiteral("out.raw")));
    World().player.rounds = 30;
    SendKey(view_, QEvent::KeyPress, Qt::Key_Control, false, Qt::ControlModifier);
    EXPECT_EQ(World().player.fireState, 1);
    EXPECT_EQ(view_->Sound().FiringLoopStarts(), 1);
    SendKey(view_, QEvent::KeyPress, Qt::Key_Control, true, Qt::ControlModifier);
    SendKey(view_, QEvent::KeyPress, Qt::Key_Control, true, Qt::ControlModifier);
    EXPECT_EQ(view_->Sound().FiringLoopStarts(), 1) << "a running loop was restarted";
    EXPECT_TRUE(view_->Sound().FiringLoopRequested());
    // Held on: the key repeats every 30 ms, through more than one round of the loop.
    ASSERT_TRUE(
        WaitUntil([this] { return view_->Sound().DeviceState() == SoundPlayer::Device::Open; }));
    for (int i = 0; i < 20; ++i) {
        QTest::qWait(30);
        SendKey(view_, QEvent::KeyPress, Qt::Key_Control, true, Qt::ControlModifier);
    }
    EXPECT_EQ(view_->Sound().FiringLoopStarts(), 1) << "a running loop was restarted";

    const int64_t released = capture.Played();
    SendKey(view_, QEvent::KeyRelease, Qt::Key_Control, false);
    EXPECT_EQ(World().player.fireState, 0);
    EXPECT_TRUE(view_->SoundStopTimerActive());
    EXPECT_TRUE(view_->Sound().FiringLoopRequested());  // not yet: 50 ms later
    EXPECT_TRUE(WaitUntil([this] { return !view_->SoundStopTimerActive(); }, 1000));
    EXPECT_FALSE(view_->Sound().FiringLoopRequested());

    // What came out: the loop, unbroken from the press to the release, then
    // silence within the stop's 50 ms and the device's latency.
    ASSERT_TRUE(capture.WaitPlayed(Frames(300)));
    const std::vector<int16_t> out = capture.Left(), loop = GameSound("ZARNOKF.wav");
    const std::vector<Sound> sounds = Sounds(out);
    ASSERT_EQ(sounds.size(), 1u);
    const int64_t begin = sounds.front().begin - LeadIn(loop);
    EXPECT_GT(Ms(released - begin), 500.0);
    EXPECT_TRUE(PlaysFrom(out, begin, loop, 0, released - begin));
    EXPECT_LT(Ms(sounds.front().end - released), 150.0);
}

TEST_F(GameKeysTest, BothShiftKeysJumpAndAltNeverReachesTheGame) {
    World().player.jumpTicksLeft = 0;
    SendKey(view_, QEvent::KeyPress, Qt::Key_Shift, false, Qt::ShiftModifier);
    EXPECT_EQ(World().player.jumpTicksLeft, JumpLength);
    SendKey(view_, QEvent::KeyRelease, Qt::Key_Shift, false);

    // Alt is the menu's key; a key pressed with it belongs to the menu too.
    World().keyBindings.left = 0x12;
    SendKey(view_, QEvent::KeyPress, Qt::Key_Alt, false, Qt::AltModifier);
    EXPECT_EQ(World().player.moveDir, 0);
    World().keyBindings.left = 'A';
    SendKey(view_, QEvent::KeyPress, Qt::Key_A, false, Qt::AltModifier);
    EXPECT_EQ(World().player.moveDir, 0);
    SendKey(view_, QEvent::KeyPress, Qt::Key_A, false);
    EXPECT_EQ(World().player.moveDir, -1);
}

TEST_F(GameKeysTest, MouseClicksChangeNothing) {
    const int32_t x = World().player.x, moveDir = World().player.moveDir;
    const uint8_t fireState = World().player.fireState;
    QTest::mouseClick(view_, Qt::LeftButton, Qt::NoModifier, QPoint(400, 300));
    QTest::mouseClick(view_, Qt::RightButton, Qt::NoModifier, QPoint(100, 100));
    EXPECT_EQ(World().player.x, x);
    EXPECT_EQ(World().player.moveDir, moveDir);
    EXPECT_EQ(World().player.fireState, fireState);
    EXPECT_TRUE(view_->hasFocus());
}

TEST_F(GameKeysTest, TabIsAGameKeyNotAWayOutOfTheView) {
    World().keyBindings.jump = 0x09;
    World().player.jumpTicksLeft = 0;
    QTest::keyClick(view_, Qt::Key_Tab);
    EXPECT_TRUE(view_->hasFocus());
    EXPECT_EQ(World().player.jumpTicksLeft, JumpLength);
}

// ---------------------------------------------------------------------------
// Drawing
// ---------------------------------------------------------------------------

TEST_F(GameWindowTest, TheSurfaceFollowsTheViewsSizeAndShowsThePicture) {
    ASSERT_TRUE(WaitTicks(3));
    EXPECT_EQ(view_->Surface().ClientWidth(), view_->width());
    EXPECT_EQ(view_->Surface().ClientHeight(), view_->height());

    // The picture is centred; its middle is not the window colour.
    const QImage shown = view_->grab().toImage();
    const QPoint middle(view_->width() / 2, view_->height() / 2 - 50);
    EXPECT_NE(shown.pixel(middle) & 0xFFFFFFu, 0xFFFFFFu);
    EXPECT_EQ(shown.pixel(middle) & 0xFFFFFFu,
              view_->Surface().ClientPixel(middle.x(), middle.y()));
}

TEST_F(GameWindowTest, NestedDrawingContextsEachStartAtTheClientOrigin) {
    ClientSurface& outer = view_->BeginDrawing();
    outer.SetOrigin(100, 50);
    ClientSurface& inner = view_->BeginDrawing();
    EXPECT_EQ(view_->Surface().OriginX(), 0);
    EXPECT_EQ(view_->Surface().OriginY(), 0);
    inner.SetOrigin(7, 7);
    view_->EndDrawing();
    // The outer context goes on where it was.
    EXPECT_EQ(view_->Surface().OriginX(), 100);
    EXPECT_EQ(view_->Surface().OriginY(), 50);
    view_->EndDrawing();
}

TEST(PresentableDepthTest, TheThirtyTwoBitPictureCanBeShownOnAnyScreenThereIs) {
    EXPECT_EQ(PresentableBitsPerPixel(32), 32);
    EXPECT_EQ(PresentableBitsPerPixel(24), 32);
    EXPECT_EQ(PresentableBitsPerPixel(16), 32);
    EXPECT_EQ(PresentableBitsPerPixel(0), 0);
}
