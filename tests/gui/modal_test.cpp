// The door every modal window goes through: a termination signal closes
// whatever is open.
#include "tests/gui/gui_support.h"

#include <csignal>

// A signal may come while a question waits for its answer, one that neither
// Escape nor the close box ends: the question goes and every event loop ends.
TEST_F(GameWindowTest, ATerminationSignalEndsTheProgramEvenUnderAModalBox) {
    app_->Modal().SetHook(nullptr);
    QuitEventLoopOnSignals([this] { app_->Modal().CloseAll(); });
    bool questionAnswered = false;
    QTimer::singleShot(20, [&] {
        QTimer::singleShot(100, [] { std::raise(SIGTERM); });
        view_->ShowMessage(ExpectedText("PlayAgainText"), ExpectedText("PlayAgainCaption"),
                           MessageButtons::YesNo, MessageIcon::None);
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
