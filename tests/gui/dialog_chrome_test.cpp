// What the window manager may draw around each dialog: a caption, a close
// box only where the dialog has one, never minimise or maximise; and a
// modal window minimised anyway comes straight back.
#include "tests/gui/gui_support.h"

#include "shell/about_dlg.h"
#include "shell/dialog_chrome.h"
#include "shell/message_box.h"

TEST(DialogChromeTest,
     EveryDialogHasACaptionAndACloseBoxOnlyWhereItShouldAndNeverMinimiseOrMaximise) {
    GameWorld world;
    CControlsDlg controls(world);
    CPressKeyDlg capture(world);
    CNameDlg name;
    CAboutDlg about;
    GameMessageBox info(QStringLiteral("i"), QStringLiteral("c"), MessageButtons::Ok,
                        MessageIcon::None);
    GameMessageBox question(QStringLiteral("q"), QStringLiteral("c"), MessageButtons::YesNo,
                            MessageIcon::None);
    const struct {
        QWidget* dialog;
        bool closeBox;
    } dialogs[] = {{&controls, true}, {&capture, false}, {&name, true},
                   {&about, true},    {&info, true},     {&question, false}};
    for (const auto& [dialog, closeBox] : dialogs) {
        SCOPED_TRACE(dialog->metaObject()->className() + std::string(" ") +
                     dialog->windowTitle().toStdString());
        const Qt::WindowFlags flags = dialog->windowFlags();
        EXPECT_EQ(flags & Qt::WindowType_Mask,
                  Qt::Dialog);  // a dialog's window type, not a normal one
        EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint))
            << "the window system would add buttons";
        EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
        EXPECT_EQ(flags.testFlag(Qt::WindowCloseButtonHint), closeBox);

        // What an X11 window manager is told: moving, and closing where
        // there is a close box; nothing else, and never "everything".
        const MotifHints hints = MotifHintsFor(flags);
        EXPECT_EQ(hints.flags, MwmHintsFunctions | MwmHintsDecorations);
        EXPECT_EQ(hints.functions, MwmFuncMove | (closeBox ? MwmFuncClose : 0u));
        // Qt gives a dialog with a close box its window menu too.
        EXPECT_EQ(hints.decorations,
                  MwmDecorBorder | MwmDecorTitle | (closeBox ? MwmDecorMenu : 0u));
    }

    // The resolution question has no caption and no decorations at all.
    CDisplayModeDlg resolution;
    const MotifHints bare = MotifHintsFor(resolution.windowFlags());
    EXPECT_EQ(bare.flags, MwmHintsDecorations);
    EXPECT_EQ(bare.decorations, 0u);
}

// Some window managers keep a minimise button on every window and iconify
// the game's frame along with the dialog: both come back at once, so the
// paused game is never left with nothing on screen.
TEST_F(GameWindowTest, AMinimisedMessageBoxComesBackWithTheGameWindow) {
    app_->Modal().SetHook(nullptr);
    bool boxBack = false, frameBack = false, frameWentDown = false;
    QTimer::singleShot(20, [&] {
        QWidget* box = nullptr;
        ASSERT_TRUE(
            WaitUntil([&] { return (box = QApplication::activeModalWidget()) != nullptr; }));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(box));
        frame_->setWindowState(frame_->windowState() | Qt::WindowMinimized);
        frameWentDown = frame_->isMinimized();
        box->setWindowState(box->windowState() | Qt::WindowMinimized);
        boxBack = WaitUntil([&] { return !box->isMinimized(); }, 1000);
        frameBack = WaitUntil([&] { return !frame_->isMinimized(); }, 1000);
        static_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
    });
    view_->ShowMessage("Пауза?", "Пауза!", MessageButtons::Ok, MessageIcon::None);
    EXPECT_TRUE(frameWentDown);
    EXPECT_TRUE(boxBack);
    EXPECT_TRUE(frameBack);
    EXPECT_TRUE(frame_->windowState().testFlag(Qt::WindowFullScreen))
        << "the frame keeps its state";
}
