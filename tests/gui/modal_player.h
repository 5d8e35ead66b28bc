// modal_player.h -- plays the player's part in the game's real modal
// windows, each run with a nested event loop as on screen.
#pragma once

#include <QKeyEvent>
#include <QPointer>

#include "tests/gui/gui_support.h"

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
        if (QLatin1String(top->metaObject()->className()) !=
            QLatin1String(steps_.front().className))
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
inline void Type(QWidget* target, const QString& text) {
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(target, &release);
    }
}

inline void SendKey(QWidget* target, QEvent::Type type, int key,
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

    // Jump picked in the controls dialog; J pressed in the key capture.
    void PickJump() { app_->ControlsDialog().Button(CControlsDlg::IdJump)->click(); }
    static void PressJ(QWidget& capture) { QTest::keyClick(capture.windowHandle(), Qt::Key_J); }

    // The script so far, then a last capture and the controls dialog once
    // more, looked at with `note` and closed with OK, played from the menu.
    void PlayControlsScript(const ModalPlayer::Act& note) {
        player_.Then("CPressKeyDlg", PressJ);
        player_.Then("CControlsDlg", [&](QWidget& dialog) {
            note(dialog);
            app_->ControlsDialog().Button(CControlsDlg::IdOk)->click();
        });
        frame_->Command(ID_CONTROLS)->trigger();
        EXPECT_TRUE(player_.Finished());
    }

    ModalPlayer player_;
};
