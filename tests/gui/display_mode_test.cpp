// The resolution question at start-up, the switch and its undoing, and the
// display driver's error texts.
#include "tests/gui/gui_support.h"

TEST(DisplayModeDialogTest, TwoChoicesNoDefaultAndEscapeIsNeither) {
    const auto run = [](const std::function<void(CDisplayModeDlg&)>& act) {
        CDisplayModeDlg dialog;
        QTimer::singleShot(0, [&] {
            EXPECT_TRUE(WaitUntil([&] { return dialog.isVisible(); }));
            act(dialog);
        });
        return dialog.exec();
    };
    const auto button = [](CDisplayModeDlg& dialog, const char* name) {
        return dialog.findChild<QPushButton*>(QLatin1String(name));
    };
    EXPECT_EQ(run([&](CDisplayModeDlg& d) { button(d, "keepResolution")->click(); }),
              KeepResolution);
    EXPECT_EQ(run([&](CDisplayModeDlg& d) { button(d, "resolution800x600")->click(); }),
              Resolution800x600);
    EXPECT_EQ(run([](CDisplayModeDlg& d) { QTest::keyClick(&d, Qt::Key_Escape); }),
              DisplayModeCancelled);

    CDisplayModeDlg dialog;
    EXPECT_TRUE(dialog.windowTitle().isEmpty());
    EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(button(dialog, "keepResolution")->text(), Expected("KeepResolutionText"));
    EXPECT_EQ(button(dialog, "resolution800x600")->text(), Expected("SmallResolutionText"));
    for (const QPushButton* each : dialog.findChildren<QPushButton*>()) {
        EXPECT_FALSE(each->isDefault()) << each->text().toStdString();
        EXPECT_TRUE(dialog.rect().contains(each->geometry())) << each->text().toStdString();
    }
}

TEST(DisplayErrorTextTest, DriverCodesAreExplainedInTheirOwnWords) {
    const auto text = [](uint32_t code) {
        std::string out = "";
        EXPECT_EQ(DirectDrawErrorText(out, code), 1);
        return out;
    };
    EXPECT_EQ(text(0x80070057),
              " One or more of the parameters passed to the method are incorrect.  ");
    EXPECT_EQ(text(0x88760078), "??????????? ??????.");  // not in the table
    const std::string zBuffer = text(0x88760154);
    EXPECT_EQ(zBuffer.size(), 238u);
    EXPECT_TRUE(
        zBuffer.ends_with("there is no hardware support for z-buffers. "
                          "DirectDraw does not have enough display memory to perform the "
                          "operation. "));
    std::string appended = "Ошибка: ";
    DirectDrawErrorText(appended, 0x8876024E);
    EXPECT_EQ(appended,
              "Ошибка: Access to the surface is refused because the surface is locked by another "
              "thread. ");
}

namespace {

struct FakeScreen {
    static inline int sets = 0, restores = 0, width = 0, height = 0, restoredIndex = -1;
    static inline ScreenSizeResult answer = ScreenSizeResult::Done;

    static ScreenSizeResult Set(int w, int h, SavedScreenSize& saved) {
        ++sets;
        width = w;
        height = h;
        if (answer == ScreenSizeResult::Done) saved = {true, 3, 1};
        return answer;
    }
    static void Restore(SavedScreenSize& saved) {
        ++restores;
        restoredIndex = saved.sizeIndex;
        saved.valid = false;
    }
    static void Reset(ScreenSizeResult next) {
        sets = restores = width = height = 0;
        restoredIndex = -1;
        answer = next;
    }
    // A switch that may change the mode, of this screen.
    static void Drive(DisplayModeSwitch& display) {
        display.SetSizeSetter(&Set);
        display.SetSizeRestorer(&Restore);
        display.AllowModeChange(true);
    }
};

}  // namespace

TEST(DisplaySwitchTest, EightHundredBySixHundredIsAskedForAndTheScreenComesBackOnce) {
    // 800 x 600 is asked for once and given back once, however often the
    // switch restores. Keeping the resolution, or choosing nothing, switches
    // nothing but the window still takes the whole screen; the way out
    // restores nothing.
    struct Case {
        int choice;
        int sets, width, height;  // size requests, and the last one asked for
        int restores, restoredIndex;
    };
    const Case cases[] = {
        {Resolution800x600, 1, 800, 600, 1, 3},
        {KeepResolution, 0, 0, 0, 0, -1},
        {DisplayModeCancelled, 0, 0, 0, 0, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.choice);
        FakeScreen::Reset(ScreenSizeResult::Done);
        {
            DisplayModeSwitch display;
            FakeScreen::Drive(display);
            EXPECT_TRUE(display.Apply(c.choice).isEmpty());
            EXPECT_TRUE(display.FullScreen());
            EXPECT_EQ(FakeScreen::sets, c.sets);
            EXPECT_EQ(FakeScreen::width, c.width);
            EXPECT_EQ(FakeScreen::height, c.height);
            display.Restore();
            display.Restore();
            EXPECT_EQ(FakeScreen::restores, c.restores);
            EXPECT_EQ(FakeScreen::restoredIndex, c.restoredIndex);
        }
        EXPECT_EQ(FakeScreen::restores, c.restores) << "restored again on the way out";
    }

    // The window system said no: the player is told why, nothing to restore.
    FakeScreen::Reset(ScreenSizeResult::Refused);
    {
        DisplayModeSwitch display;
        FakeScreen::Drive(display);
        const QString why = display.Apply(Resolution800x600);
        EXPECT_TRUE(why.contains(QStringLiteral("отказался"))) << why.toStdString();
    }
    EXPECT_EQ(FakeScreen::restores, 0);
    EXPECT_TRUE(ScreenSizeFailureText(ScreenSizeResult::NoX11, QStringLiteral("wayland"))
                    .contains(QStringLiteral("Wayland")));
}

// On the offscreen platform, as on Wayland, no program may change the screen;
// only a player who asked for a real switch hears about it.
class DisplaySwitchRefusedTest : public GameWindowTest {
protected:
    void BeforeStart() override {
        app_->AllowDisplayModeSwitch(true);
        script_.Then([](QDialog&) { return int(Resolution800x600); });
    }
};

TEST_F(DisplaySwitchRefusedTest, APlayerWhoAsksFor800x600LearnsWhyNotAndTheGameGoesOn) {
    ASSERT_GE(script_.seen.size(), 2u);
    EXPECT_EQ(script_.seen[0].kind, QStringLiteral("CDisplayModeDlg"));
    const SeenModal& message = script_.seen[1];
    EXPECT_EQ(message.kind, QStringLiteral("GameMessageBox"));
    EXPECT_EQ(message.text, message.title);
    EXPECT_TRUE(message.text.contains(Expected("SmallResolutionText")))
        << message.text.toStdString();
    EXPECT_EQ(message.icon, QMessageBox::Critical);
    EXPECT_EQ(message.buttons, int(QMessageBox::Ok));

    EXPECT_TRUE(frame_->windowState().testFlag(Qt::WindowFullScreen));
    ASSERT_TRUE(WaitTicks(2));
    EXPECT_EQ(World().gameRunning, 1);
}
