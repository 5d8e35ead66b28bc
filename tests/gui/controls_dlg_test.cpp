// The controls dialog and the key capture, run for real as on screen:
// rebinding a key, and where the controls dialog comes back.
#include "tests/gui/modal_player.h"

TEST_F(ShellDialogTest, RebindingFireThroughTheControlsDialogsMakesTheNewKeyFire) {
    bool hintAfterLeft = false, hintOnReopen = true, hintAfterFire = true;
    bool captureHadTheKeyboard = false, captureHasCloseBox = true;
    bool altClosedTheCapture = true;
    CControlsDlg* controls = &app_->ControlsDialog();

    player_.Then("CControlsDlg", [&](QWidget& dialog) {
        EXPECT_EQ(&dialog, controls) << "the one controls dialog of the process";
        controls->Button(CControlsDlg::IdLeft)->click();
        hintAfterLeft = controls->HintVisible();
    });
    player_.Then("CPressKeyDlg", [&](QWidget& dialog) {
        captureHadTheKeyboard = WaitUntil([&] { return dialog.isActiveWindow(); }, 1000);
        captureHasCloseBox = dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint);
        // Keys come through the window system. Alt belongs to the menu, a
        // press alone stores nothing, Escape leaves.
        QTest::keyClick(dialog.windowHandle(), Qt::Key_Alt, Qt::AltModifier);
        QTest::keyPress(dialog.windowHandle(), Qt::Key_G);
        altClosedTheCapture = !dialog.isVisible();
        QTest::keyClick(dialog.windowHandle(), Qt::Key_Escape);
    });
    player_.Then("CControlsDlg", [&](QWidget&) {
        hintOnReopen = controls->HintVisible();
        controls->Button(CControlsDlg::IdFire)->click();
        hintAfterFire = controls->HintVisible();
    });
    player_.Then("CPressKeyDlg", [&](QWidget& dialog) {
        EXPECT_TRUE(WaitUntil([&] { return dialog.isActiveWindow(); }, 1000));
        QTest::keyClick(dialog.windowHandle(), Qt::Key_F);
    });
    player_.Then("CControlsDlg", [&](QWidget&) { controls->Button(CControlsDlg::IdOk)->click(); });

    const uint8_t ticksBefore = World().tickCounter;
    frame_->Command(ID_CONTROLS)->trigger();
    EXPECT_TRUE(player_.Finished());
    EXPECT_EQ(World().tickCounter, ticksBefore) << "the game ticked under the dialogs";

    EXPECT_TRUE(hintAfterLeft);
    EXPECT_FALSE(hintOnReopen);
    EXPECT_FALSE(hintAfterFire) << "only \"Влево\" shows the hint";
    EXPECT_TRUE(captureHadTheKeyboard);
    EXPECT_FALSE(captureHasCloseBox);
    EXPECT_FALSE(altClosedTheCapture);
    EXPECT_EQ(World().keyBindings.left, 0x25) << "Escape bound nothing";
    EXPECT_EQ(World().keyBindings.fire, 'F');
    EXPECT_EQ(World().selectedAction, 5);

    // Back in the game, F fires and Control no longer does.
    ActivateFrame();
    World().player.rounds = 30;
    SendKey(view_, QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier);
    EXPECT_EQ(World().player.fireState, 0);
    SendKey(view_, QEvent::KeyRelease, Qt::Key_Control);
    SendKey(view_, QEvent::KeyPress, Qt::Key_F);
    EXPECT_EQ(World().player.fireState, 1);
    SendKey(view_, QEvent::KeyRelease, Qt::Key_F);
    EXPECT_EQ(World().player.fireState, 0);
}

// The controls dialog comes back after each capture exactly where it was,
// even when the game's window changed meanwhile, and where the player
// dragged it.
TEST_F(ShellDialogTest, TheControlsDialogComesBackWhereItWasAfterEachCapture) {
    std::vector<QRect> frames, clients;
    const auto note = [&](QWidget& dialog) {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        frames.push_back(dialog.frameGeometry());
        clients.push_back(dialog.geometry());
    };

    player_.Then("CControlsDlg", [&](QWidget& dialog) { note(dialog), PickJump(); });
    player_.Then("CPressKeyDlg", [&](QWidget& dialog) {
        // The game's window leaves full screen under the capture.
        frame_->setWindowState(Qt::WindowNoState);
        frame_->setGeometry(QRect(40, 60, 700, 500));
        PressJ(dialog);
    });
    player_.Then("CControlsDlg", [&](QWidget& dialog) { note(dialog), PickJump(); });
    player_.Then("CPressKeyDlg", PressJ);
    player_.Then("CControlsDlg", [&](QWidget& dialog) {
        note(dialog);
        dialog.move(dialog.pos() + QPoint(37, 23));  // the player drags it away
        clients.push_back(dialog.geometry());
        PickJump();
    });
    PlayControlsScript(note);
    ASSERT_EQ(clients.size(), 5u);
    EXPECT_EQ(frames[1], frames[0]);
    EXPECT_EQ(frames[2], frames[0]);
    EXPECT_EQ(clients[1], clients[0]);
    EXPECT_EQ(clients[2], clients[0]);
    EXPECT_EQ(clients[4], clients[3]) << "not where the player left it";
    EXPECT_EQ(World().keyBindings.jump, 'J');
}
