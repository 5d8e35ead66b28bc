// gui_support.h -- what every window test needs: a QApplication on the
// offscreen platform, a game folder of its own, and a script that answers
// the game's modal windows instead of a player.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/world.h"
#include "shell/controls_dlg.h"
#include "shell/display_mode.h"
#include "shell/main_frame.h"
#include "shell/name_dlg.h"
#include "shell/zarnok_app.h"
#include "shell/zarnok_view.h"
#include "tests/support/expected_texts.h"
#include "tests/support/fresh_data.h"

// Runs the event loop until `done` holds or the time is up; true if it held.
// (QTest's QTRY macros report to QTest, not to this test framework.)
template <typename Predicate>
bool WaitUntil(Predicate done, int timeoutMs = 3000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs) return false;
        QTest::qWait(5);
    }
    return true;
}

// The tests' own copy of a text the game shows, by its name in the table.
inline QString Expected(std::string_view name) {
    return QString::fromStdString(ExpectedText(name));
}

// One QApplication for the test program, made before the first test.
class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        // The game's sounds go nowhere unless a test listens to them.
        if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
        static int argc = 1;
        static char name[] = "zarnok-gui-test";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QApplication> app_;
};

inline ::testing::Environment* const kQtEnvironment = ::testing::AddGlobalTestEnvironment(
    new QtEnvironment);

// A modal window as the script saw it.
struct SeenModal {
    QString kind;  // class name: "GameMessageBox", "CNameDlg", ...
    QString title;
    QString text;  // message boxes only
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;               // message boxes: QMessageBox::StandardButtons
    bool tickTimerActive = false;  // the game's timer while the window was up
};

// Answers the game's modal windows from a queue of handlers; with the
// queue empty, every window gets the answer a cautious player would give:
// OK, "Нет", keep the resolution, leave the name dialog.
class ModalScript {
public:
    using Handler = std::function<int(QDialog&)>;

    void Attach(ModalRunner& runner, CZarnokView* const* view) {
        view_ = view;
        runner.SetHook([this](QDialog& dialog) { return Answer(dialog); });
    }

    void Then(Handler handler) { handlers_.push_back(std::move(handler)); }

    std::vector<SeenModal> seen;

    // Texts of the message boxes seen, in order.
    std::vector<QString> MessageTexts() const {
        std::vector<QString> texts;
        for (const SeenModal& modal : seen)
            if (modal.kind == QLatin1String("GameMessageBox")) texts.push_back(modal.text);
        return texts;
    }

private:
    int Answer(QDialog& dialog) {
        SeenModal modal;
        modal.kind = QString::fromLatin1(dialog.metaObject()->className());
        modal.title = dialog.windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
            modal.text = box->text();
            modal.icon = box->icon();
            modal.buttons = int(box->standardButtons());
        }
        modal.tickTimerActive = view_ != nullptr && *view_ != nullptr &&
                                (*view_)->TickTimerActive();
        seen.push_back(modal);

        if (!handlers_.empty()) {
            Handler handler = std::move(handlers_.front());
            handlers_.pop_front();
            return handler(dialog);
        }
        return DefaultAnswer(dialog);
    }

    static int DefaultAnswer(QDialog& dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(&dialog))
            return box->standardButtons().testFlag(QMessageBox::No) ? QMessageBox::No
                                                                    : QMessageBox::Ok;
        if (qobject_cast<CDisplayModeDlg*>(&dialog)) return KeepResolution;
        if (qobject_cast<CControlsDlg*>(&dialog)) return CControlsDlg::IdOk;
        return QDialog::Rejected;
    }

    CZarnokView* const* view_ = nullptr;
    std::deque<Handler> handlers_;
};

// The whole game in a window, started the way the program starts it, in a
// folder of its own holding a fresh copy of Data.dat.
class GameWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        const QString data = folder_.filePath(QStringLiteral("Data.dat"));
        WriteFreshDataFile(QFile::encodeName(data).toStdString());
        QFile::setPermissions(data, QFile::ReadOwner | QFile::WriteOwner);
        previousDir_ = QDir::currentPath();
        QDir::setCurrent(folder_.path());

        app_ = std::make_unique<CZarnokApp>();
        script_.Attach(app_->Modal(), &view_);
        BeforeStart();
        ASSERT_TRUE(app_->InitInstance());
        frame_ = app_->Frame();
        view_ = &frame_->View();
        ActivateFrame();
    }

    void TearDown() override {
        app_.reset();
        QDir::setCurrent(previousDir_);
    }

    // Tests that must answer the start-up question differently say so here.
    virtual void BeforeStart() {}

    // What a window manager does when the game window is clicked or when a
    // modal window closes: the frame becomes active and the view has focus.
    void ActivateFrame() {
        frame_->activateWindow();
        view_->setFocus(Qt::ActiveWindowFocusReason);
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame_));
        ASSERT_TRUE(WaitUntil([this] { return view_->hasFocus(); }));
    }

    // Runs the event loop until the game has ticked `count` more times.
    bool WaitTicks(int count, int timeoutMs = 3000) {
        int ticks = 0;
        uint8_t last = World().tickCounter;
        QElapsedTimer clock;
        clock.start();
        while (ticks < count && clock.elapsed() < timeoutMs) {
            QTest::qWait(5);
            ticks += uint8_t(World().tickCounter - last);
            last = World().tickCounter;
        }
        return ticks >= count;
    }

    // Ticks the game ran during `ms` milliseconds of event loop.
    int TicksDuring(int ms) {
        const uint8_t before = World().tickCounter;
        QTest::qWait(ms);
        return uint8_t(World().tickCounter - before);
    }

    GameWorld& World() { return app_->World(); }

    QTemporaryDir folder_;
    QString previousDir_;
    ModalScript script_;
    std::unique_ptr<CZarnokApp> app_;
    CMainFrame* frame_ = nullptr;
    CZarnokView* view_ = nullptr;
};
