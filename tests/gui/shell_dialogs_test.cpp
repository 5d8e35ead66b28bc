// The dialogs run for real, with a nested event loop as on screen: rebinding
// a key, the record holder's name, the resolution question and its switch;
// then the key codes.
#include "tests/gui/gui_support.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

#include <csignal>

#include "shell/virtual_keys.h"

namespace {

// Plays the player's part in the real modal windows: each step waits until a
// window of the named class is the modal window on top, then acts on it. A
// game message box that comes up meanwhile gets OK or "Нет".
class ModalPlayer {
public:
    using Act = std::function<void(QWidget& window)>;

    void Then(const char* className, Act act) { steps_.push_back({className, std::move(act)}); }

    // Starts watching; the steps run as the windows come up.
    void Start() {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start(5);
    }

    bool Finished() const { return steps_.empty(); }

private:
    struct Step {
        const char* className;
        Act act;
    };

    void Poll() {
        QWidget* top = QApplication::activeModalWidget();
        // A window acted on must go away before the next step looks.
        if (lastActedOn_ != nullptr && lastActedOn_ == top && top->isVisible()) return;
        lastActedOn_ = nullptr;
        if (top == nullptr || !top->isVisible()) return;
        if (auto* box = qobject_cast<QMessageBox*>(top)) {
            lastActedOn_ = top;
            box->button(box->standardButtons().testFlag(QMessageBox::No) ? QMessageBox::No
                                                                       : QMessageBox::Ok)
                ->click();
            return;
        }
        if (steps_.empty()) return;
        if (QLatin1String(top->metaObject()->className()) != QLatin1String(steps_.front().className))
            return;
        Step step = std::move(steps_.front());
        steps_.pop_front();
        lastActedOn_ = top;
        step.act(*top);
    }

    std::deque<Step> steps_;
    QTimer timer_;
    QPointer<QWidget> lastActedOn_;
};

// Types text the way the keyboard delivers it: a press with the character.
void Type(QWidget* target, const QString& text) {
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(target, &release);
    }
}

void SendKey(QWidget* target, QEvent::Type type, int key,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent event(type, key, modifiers, QString(), false);
    QApplication::sendEvent(target, &event);
}

// A game whose modal windows are real ones, once the start is behind it.
class ShellDialogTest : public GameWindowTest {
protected:
    void SetUp() override {
        GameWindowTest::SetUp();
        ASSERT_TRUE(WaitTicks(2));  // level 1 runs, its sponsor message answered
        ASSERT_EQ(World().gameRunning, 1);
        app_->Modal().SetHook(nullptr);
        player_.Start();
    }

    ModalPlayer player_;
};

}  // namespace

// ---------------------------------------------------------------------------
// Controls: the controls dialog, the key capture, the controls dialog again
// ---------------------------------------------------------------------------

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

// ---------------------------------------------------------------------------
// The record holder's name
// ---------------------------------------------------------------------------

TEST_F(ShellDialogTest, TheNameTakesTwentyCharactersTheRecordCanStoreAndEnterConfirmsIt) {
    QString typed;
    bool timerUnderDialog = true;
    player_.Then("CNameDlg", [&](QWidget& dialog) {
        timerUnderDialog = view_->TickTimerActive();
        auto& name = static_cast<CNameDlg&>(dialog);
        EXPECT_TRUE(name.Edit()->text().isEmpty());
        Type(name.Edit(), QStringLiteral("Ä中"));  // no byte for them in the file
        EXPECT_TRUE(name.Edit()->text().isEmpty()) << name.Edit()->text().toStdString();
        Type(name.Edit(), QStringLiteral("Иван «Комаробой» Сидоров-Задунайский"));
        typed = name.Edit()->text();
        QTest::keyClick(name.Edit(), Qt::Key_Return);
    });
    std::string utf8Name = "прежнее";
    EXPECT_TRUE(view_->AskPlayerName(utf8Name));
    EXPECT_TRUE(player_.Finished());
    EXPECT_FALSE(timerUnderDialog);
    EXPECT_EQ(typed, QStringLiteral("Иван «Комаробой» Сид"));
    EXPECT_EQ(QString::fromStdString(utf8Name), typed);
}

TEST_F(ShellDialogTest, EscapeAndTheCloseBoxLeaveTheNameAsItWas) {
    player_.Then("CNameDlg", [](QWidget& dialog) {
        Type(static_cast<CNameDlg&>(dialog).Edit(), QStringLiteral("Пётр"));
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    player_.Then("CNameDlg", [](QWidget& dialog) {
        Type(static_cast<CNameDlg&>(dialog).Edit(), QStringLiteral("Пётр"));
        dialog.close();
    });
    std::string utf8Name = "прежнее";
    EXPECT_FALSE(view_->AskPlayerName(utf8Name));
    EXPECT_FALSE(view_->AskPlayerName(utf8Name));
    EXPECT_TRUE(player_.Finished());
    EXPECT_EQ(utf8Name, "прежнее");
}

// ---------------------------------------------------------------------------
// The resolution question and the switch
// ---------------------------------------------------------------------------

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
    EXPECT_EQ(run([&](CDisplayModeDlg& d) { button(d, "keepResolution")->click(); }), KeepResolution);
    EXPECT_EQ(run([&](CDisplayModeDlg& d) { button(d, "resolution800x600")->click(); }),
              Resolution800x600);
    EXPECT_EQ(run([](CDisplayModeDlg& d) { QTest::keyClick(&d, Qt::Key_Escape); }), DisplayModeCancelled);

    CDisplayModeDlg dialog;
    EXPECT_TRUE(dialog.windowTitle().isEmpty());
    EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(button(dialog, "keepResolution")->text(), QStringLiteral("Не менять разрешение экрана"));
    EXPECT_EQ(button(dialog, "resolution800x600")->text(), QStringLiteral("800x600"));
    for (const QPushButton* each : dialog.findChildren<QPushButton*>()) {
        EXPECT_FALSE(each->isDefault()) << each->text().toStdString();
        EXPECT_TRUE(dialog.rect().contains(each->geometry())) << each->text().toStdString();
    }
}

TEST(DisplayErrorTextTest, DriverCodesAreToldInTheirOwnWords) {
    const auto text = [](uint32_t code) {
        std::string out = "";
        EXPECT_EQ(DirectDrawErrorText(out, code), 1);
        return out;
    };
    EXPECT_EQ(text(0x80070057), " One or more of the parameters passed to the method are incorrect.  ");
    EXPECT_EQ(text(0x88760078), "??????????? ??????.");  // not in the table
    const std::string zBuffer = text(0x88760154);
    EXPECT_EQ(zBuffer.size(), 238u);
    EXPECT_TRUE(zBuffer.ends_with("there is no hardware support for z-buffers. "
                                  "DirectDraw does not have enough display memory to perform the "
                                  "operation. "));
    std::string appended = "Ошибка: ";
    DirectDrawErrorText(appended, 0x8876024E);
    EXPECT_EQ(appended,
              "Ошибка: Access to the surface is refused because the surface is locked by another thread. ");
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
};

}  // namespace

TEST(DisplaySwitchTest, EightHundredBySixHundredIsAskedForAndTheScreenComesBackOnce) {
    FakeScreen::Reset(ScreenSizeResult::Done);
    {
        DisplayModeSwitch display;
        display.SetSizeSetter(&FakeScreen::Set);
        display.SetSizeRestorer(&FakeScreen::Restore);
        display.AllowModeChange(true);
        EXPECT_TRUE(display.Apply(Resolution800x600).isEmpty());
        EXPECT_TRUE(display.FullScreen());
        EXPECT_EQ(FakeScreen::sets, 1);
        EXPECT_EQ(FakeScreen::width, 800);
        EXPECT_EQ(FakeScreen::height, 600);
        display.Restore();
        display.Restore();
        EXPECT_EQ(FakeScreen::restores, 1);
        EXPECT_EQ(FakeScreen::restoredIndex, 3);
    }
    EXPECT_EQ(FakeScreen::restores, 1) << "restored again on the way out";

    // Keeping the resolution, or choosing nothing, switches nothing but the
    // window still takes the whole screen; the way out restores nothing.
    for (int choice : {int(KeepResolution), int(DisplayModeCancelled)}) {
        FakeScreen::Reset(ScreenSizeResult::Done);
        {
            DisplayModeSwitch display;
            display.SetSizeSetter(&FakeScreen::Set);
            display.SetSizeRestorer(&FakeScreen::Restore);
            display.AllowModeChange(true);
            EXPECT_TRUE(display.Apply(choice).isEmpty());
            EXPECT_TRUE(display.FullScreen());
        }
        EXPECT_EQ(FakeScreen::sets, 0);
        EXPECT_EQ(FakeScreen::restores, 0);
    }

    // The window system said no: the player is told why, nothing to restore.
    FakeScreen::Reset(ScreenSizeResult::Refused);
    {
        DisplayModeSwitch display;
        display.SetSizeSetter(&FakeScreen::Set);
        display.SetSizeRestorer(&FakeScreen::Restore);
        display.AllowModeChange(true);
        const QString told = display.Apply(Resolution800x600);
        EXPECT_TRUE(told.contains(QStringLiteral("отказался"))) << told.toStdString();
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

TEST_F(DisplaySwitchRefusedTest, APlayerWhoAsksFor800x600IsToldWhyNotAndTheGameGoesOn) {
    ASSERT_GE(script_.seen.size(), 2u);
    EXPECT_EQ(script_.seen[0].kind, QStringLiteral("CDisplayModeDlg"));
    const SeenModal& told = script_.seen[1];
    EXPECT_EQ(told.kind, QStringLiteral("GameMessageBox"));
    EXPECT_EQ(told.text, told.title);
    EXPECT_TRUE(told.text.contains(QStringLiteral("800x600"))) << told.text.toStdString();
    EXPECT_EQ(told.icon, QMessageBox::Critical);
    EXPECT_EQ(told.buttons, int(QMessageBox::Ok));

    EXPECT_TRUE(frame_->windowState().testFlag(Qt::WindowFullScreen));
    ASSERT_TRUE(WaitTicks(2));
    EXPECT_EQ(World().gameRunning, 1);
}

// A signal may come while a question waits for its answer, one that neither
// Escape nor the close box ends: the question goes and every event loop ends.
TEST_F(GameWindowTest, ATerminationSignalEndsTheProgramEvenUnderAModalBox) {
    app_->Modal().SetHook(nullptr);
    QuitEventLoopOnSignals([this] { app_->Modal().CloseAll(); });
    bool questionAnswered = false;
    QTimer::singleShot(20, [&] {
        QTimer::singleShot(100, [] { std::raise(SIGTERM); });
        view_->ShowMessage("Хотите начать игру заново?", "Вопрос", MessageButtons::YesNo,
                           MessageIcon::None);
        questionAnswered = true;
    });
    QTimer::singleShot(5000, [] { QApplication::exit(99); });  // the signal was lost
    EXPECT_EQ(QApplication::exec(), 0);
    QuitEventLoopOnSignals();
    EXPECT_TRUE(QuitSignalReceived());
    EXPECT_TRUE(questionAnswered);
    EXPECT_TRUE(app_->Modal().Closing());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// ---------------------------------------------------------------------------
// Key codes
// ---------------------------------------------------------------------------

TEST(GameKeysMapTest, QtKeysBecomeWindowsVirtualKeyCodes) {
    const auto vk = [](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        return VirtualKeyFromQt(key, modifiers, 0, false);
    };
    EXPECT_EQ(vk(Qt::Key_Left), 0x25);
    EXPECT_EQ(vk(Qt::Key_Down), 0x28);
    EXPECT_EQ(vk(Qt::Key_Control, Qt::ControlModifier), 0x11);
    EXPECT_EQ(vk(Qt::Key_Shift, Qt::ShiftModifier), 0x10);
    EXPECT_EQ(vk(Qt::Key_Return), 0x0D);
    EXPECT_EQ(vk(Qt::Key_Enter, Qt::KeypadModifier), 0x0D);
    EXPECT_EQ(vk(Qt::Key_Space), 0x20);
    EXPECT_EQ(vk(Qt::Key_Escape), 0x1B);
    EXPECT_EQ(vk(Qt::Key_Q), 'Q');
    EXPECT_EQ(vk(Qt::Key_7), '7');
    EXPECT_EQ(vk(Qt::Key_F1), 0x70);
    EXPECT_EQ(vk(Qt::Key_F12), 0x7B);
    // The keypad has codes of its own, and its arrows are the arrows.
    EXPECT_EQ(vk(Qt::Key_7, Qt::KeypadModifier), 0x67);
    EXPECT_EQ(vk(Qt::Key_Minus, Qt::KeypadModifier), 0x6D);
    EXPECT_EQ(vk(Qt::Key_Minus), 0xBD);
    EXPECT_EQ(vk(Qt::Key_Left, Qt::KeypadModifier), 0x25);
    // Shifted punctuation names the same key.
    EXPECT_EQ(vk(Qt::Key_Semicolon), vk(Qt::Key_Colon));
    EXPECT_EQ(vk(Qt::Key_ParenRight, Qt::ShiftModifier), '0');
    // A Cyrillic letter is the key it sits on, where the scan code is known.
    EXPECT_EQ(VirtualKeyFromQt(0x0444, Qt::NoModifier, 38, true), 'A');  // ф
    EXPECT_EQ(VirtualKeyFromQt(0x0444, Qt::NoModifier, 38, false), 0);

    EXPECT_TRUE(IsSystemKey(0x12, Qt::NoModifier));
    EXPECT_TRUE(IsSystemKey(0x79, Qt::NoModifier));  // F10
    EXPECT_TRUE(IsSystemKey('A', Qt::AltModifier));
    EXPECT_FALSE(IsSystemKey(0x7A, Qt::NoModifier));  // F11
}
