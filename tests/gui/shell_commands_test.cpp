// The menu: its items and prompts, and what every command does.
#include "tests/gui/gui_support.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include <iterator>
#include <span>

#include "render/little_endian.h"
#include "shell/about_dlg.h"
#include "tests/support/expected_texts.h"

namespace {

// The items of a menu as the player reads them: texts, "-" for separators.
QStringList ItemTexts(const QMenu* menu) {
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

int32_t ReadInt32(const QByteArray& bytes, int offset) {
    const auto* raw = reinterpret_cast<const uint8_t*>(bytes.constData());
    return ReadI32(std::span(raw, size_t(bytes.size())), size_t(offset));
}

}  // namespace

TEST_F(GameWindowTest, TheMenuHasTheGamesItemsSeparatorsAndNoShortcuts) {
    const QList<QAction*> top = frame_->menuBar()->actions();
    ASSERT_EQ(top.size(), 3);
    EXPECT_EQ(top[0]->text(), Expected("GameMenuText"));
    EXPECT_EQ(top[1]->text(), Expected("SettingsMenuText"));
    EXPECT_EQ(top[2]->text(), Expected("HelpMenuText"));

    EXPECT_EQ(ItemTexts(frame_->Menu(0)),
              QStringList({Expected("NewItemText"), Expected("PauseText"), "-",
                           Expected("BestPlayerItemText"), "-", Expected("WatchItemText"),
                           Expected("WatchRecordItemText"), "-", Expected("ExitItemText")}));
    EXPECT_EQ(ItemTexts(frame_->Menu(1)),
              QStringList({Expected("ControlsItemText"), Expected("SoundsItemText"),
                           Expected("LanguageMenuText")}));
    EXPECT_EQ(ItemTexts(frame_->Menu(2)), QStringList({Expected("AboutItemText")}));

    for (int id : {ID_FILE_NEW, ID_GAME_PAUSE, ID_BEST_PLAYER, ID_APP_EXIT, ID_CONTROLS, ID_SOUNDS,
                   ID_APP_ABOUT, ID_WATCH, ID_WATCH_RECORD}) {
        ASSERT_NE(frame_->Command(id), nullptr) << id;
        EXPECT_TRUE(frame_->Command(id)->shortcut().isEmpty()) << id;
    }
    EXPECT_EQ(frame_->Command(ID_FILE_NEW)->statusTip(), Expected("NewPromptText"));
    EXPECT_EQ(frame_->Command(ID_SOUNDS)->statusTip(), Expected("SoundsPromptText"));
    EXPECT_EQ(frame_->Command(ID_APP_ABOUT)->statusTip(), Expected("AboutPromptText"));
}

// The menus are opened from the menu bar, as the player opens them: the bar
// is the widget whose window receives the prompts of its menus.
TEST_F(GameWindowTest, TheStatusBarShowsAnItemsPromptWhileItIsHighlightedAndReadyOtherwise) {
    EXPECT_EQ(frame_->MessagePaneText(), Expected("IdlePromptText"));
    QMenu* game = frame_->Menu(0);
    frame_->menuBar()->setActiveAction(game->menuAction());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(game));
    EXPECT_EQ(frame_->MessagePaneText(), Expected("IdlePromptText")) << "nothing highlighted yet";

    // The mouse resting on an item.
    QTest::mouseMove(game, game->actionGeometry(frame_->Command(ID_BEST_PLAYER)).center());
    EXPECT_TRUE(WaitUntil([&] {
        return frame_->MessagePaneText() == Expected("BestPlayerPromptText");
    })) << frame_->MessagePaneText().toStdString();

    // The keyboard walking every item of every menu; separators are skipped,
    // and so is the record's game while there is none.
    const QString prompts[] = {
        Expected("WatchPromptText"), Expected("ExitPromptText"),   Expected("NewPromptText"),
        Expected("PauseText"),       Expected("ControlsTitle"),    Expected("SoundsPromptText"),
        Expected("AboutPromptText"),
    };
    const Qt::Key moves[] = {Qt::Key_Down, Qt::Key_Down,  Qt::Key_Down, Qt::Key_Down,
                             Qt::Key_Right, Qt::Key_Down, Qt::Key_Right};
    for (size_t i = 0; i < std::size(moves); ++i) {
        auto* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(open, nullptr) << i;
        QTest::keyClick(open, moves[i]);
        EXPECT_EQ(frame_->MessagePaneText(), prompts[i]) << i;
    }

    // Closing the menu leaves nothing highlighted.
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    EXPECT_TRUE(WaitUntil([&] { return frame_->MessagePaneText() == Expected("IdlePromptText"); }))
        << frame_->MessagePaneText().toStdString();
}

TEST_F(GameWindowTest, LockLampsAreDimmedWhereTheKeyboardCannotBeAsked) {
    // The offscreen platform has no keyboard lamps to read.
    const QStringList names = {Expected("CapsLampText"), Expected("NumLampText"),
                               Expected("ScrollLampText")};
    for (int i = 0; i < 3; ++i) {
        ASSERT_NE(frame_->Indicator(i), nullptr);
        EXPECT_EQ(frame_->Indicator(i)->text(), names[i]);
        EXPECT_FALSE(frame_->Indicator(i)->isEnabled());
    }
}

TEST_F(GameWindowTest, NewRestartsTheGameAtLevelOneOnTheNextTick) {
    ASSERT_TRUE(WaitTicks(2));
    World().score = 1234;
    World().levelNumber = 3;
    const size_t shownBefore = script_.seen.size();

    frame_->Command(ID_FILE_NEW)->trigger();
    EXPECT_EQ(World().newGameRequested, 1);
    EXPECT_EQ(World().gameRunning, 0);
    EXPECT_EQ(frame_->windowTitle(), QStringLiteral("Игра - Zarnok"));

    ASSERT_TRUE(WaitTicks(1));
    EXPECT_EQ(World().newGameRequested, 0);
    EXPECT_EQ(World().gameRunning, 1);
    EXPECT_EQ(World().levelNumber, 1);
    EXPECT_EQ(World().score, 0);
    // The sponsor's word comes with it.
    ASSERT_GT(script_.seen.size(), shownBefore);
    EXPECT_EQ(script_.seen[shownBefore].title,
              QString::fromStdString(ExpectedText("AdvertCaption")));
}

TEST_F(GameWindowTest, PauseShowsItsBoxAndTheGameWaitsForIt) {
    ASSERT_TRUE(WaitTicks(2));
    int ticksUnderBox = -1;
    script_.Then([&](QDialog&) {
        ticksUnderBox = TicksDuring(250);
        return int(QMessageBox::Ok);
    });
    frame_->Command(ID_GAME_PAUSE)->trigger();

    const SeenModal& box = script_.seen.back();
    EXPECT_EQ(box.kind, QStringLiteral("GameMessageBox"));
    EXPECT_EQ(box.title, Expected("PauseText"));
    EXPECT_EQ(box.text, Expected("PausedText"));
    EXPECT_EQ(box.icon, QMessageBox::NoIcon);
    EXPECT_EQ(box.buttons, int(QMessageBox::Ok));
    EXPECT_FALSE(box.tickTimerActive);
    EXPECT_EQ(ticksUnderBox, 0);
    // Over when the box closes.
    EXPECT_TRUE(WaitTicks(2));
}

TEST_F(GameWindowTest, BestPlayerShowsTheRecordFromTheDataFile) {
    QFile data(QStringLiteral("Data.dat"));
    ASSERT_TRUE(data.open(QIODevice::ReadOnly));
    const QByteArray bytes = data.readAll();
    ASSERT_EQ(bytes.size(), 31164);
    const int32_t best = ReadInt32(bytes, 31140);

    frame_->Command(ID_BEST_PLAYER)->trigger();
    const SeenModal& box = script_.seen.back();
    EXPECT_EQ(box.title, QString::fromStdString(ExpectedText("BestPlayerCaption")));
    EXPECT_TRUE(box.text.endsWith(QString::fromStdString(ExpectedText("ScoredText")) +
                                  QString::number(best)))
        << box.text.toStdString();
    EXPECT_FALSE(box.tickTimerActive);
}

TEST_F(GameWindowTest, ControlsOpensTheOneControlsDialogOfTheProcess) {
    frame_->Command(ID_CONTROLS)->trigger();
    frame_->Command(ID_CONTROLS)->trigger();
    std::vector<const SeenModal*> controls;
    for (const SeenModal& modal : script_.seen)
        if (modal.kind == QLatin1String("CControlsDlg")) controls.push_back(&modal);
    ASSERT_EQ(controls.size(), 2u);
    EXPECT_EQ(controls[0]->title, Expected("ControlsTitle"));
    EXPECT_FALSE(controls[0]->tickTimerActive);
    // OK left it: no capture followed, and the game runs again.
    EXPECT_EQ(script_.seen.back().kind, QStringLiteral("CControlsDlg"));
    EXPECT_TRUE(view_->TickTimerActive());
}

TEST_F(GameWindowTest, SoundsFlipsTheFlagAndTheCheckMarkFollowsIt) {
    QAction* sounds = frame_->Command(ID_SOUNDS);
    ASSERT_TRUE(sounds->isCheckable());
    EXPECT_EQ(World().soundOn, 1);
    EXPECT_TRUE(sounds->isChecked());

    sounds->trigger();
    EXPECT_EQ(World().soundOn, 0);
    EXPECT_FALSE(sounds->isChecked());

    sounds->trigger();
    EXPECT_EQ(World().soundOn, 1);
    EXPECT_TRUE(sounds->isChecked());

    // The mark is read from the flag whenever the menu opens.
    World().soundOn = 0;
    QMenu* settings = frame_->Menu(1);
    settings->popup(frame_->mapToGlobal(QPoint(60, 10)));
    EXPECT_FALSE(sounds->isChecked());
    settings->hide();
}

TEST_F(GameWindowTest, AboutShowsTheIconTheVersionAndOk) {
    QString version, credit;
    bool iconShown = false;
    script_.Then([&](QDialog& dialog) {
        version = dialog.findChild<QLabel*>(QStringLiteral("version"))->text();
        credit = dialog.findChild<QLabel*>(QStringLiteral("credit"))->text();
        const QLabel* icon = dialog.findChild<QLabel*>(QStringLiteral("icon"));
        iconShown = icon != nullptr && !icon->pixmap().isNull();
        auto* ok = dialog.findChild<QPushButton*>();
        EXPECT_EQ(ok->text(), Expected("OkText"));
        ok->click();
        return dialog.result();
    });
    frame_->Command(ID_APP_ABOUT)->trigger();
    ASSERT_EQ(script_.seen.back().kind, QStringLiteral("CAboutDlg"));
    EXPECT_EQ(script_.seen.back().title, Expected("AboutTitle"));
    EXPECT_EQ(version, Expected("VersionText"));
    EXPECT_FALSE(credit.isEmpty());
    EXPECT_TRUE(iconShown);
    EXPECT_FALSE(script_.seen.back().tickTimerActive);
}

// The program's event loop ends when the window goes, by the menu or by the
// window's close box; a loop still running after 5 s is a failure.
namespace {
int RunProgramWhile(const std::function<void()>& action) {
    QTimer::singleShot(20, action);
    QTimer::singleShot(5000, [] { QApplication::exit(99); });
    return QApplication::exec();
}
}  // namespace

TEST_F(GameWindowTest, ExitEndsTheProgram) {
    EXPECT_EQ(RunProgramWhile([this] { frame_->Command(ID_APP_EXIT)->trigger(); }), 0);
    EXPECT_FALSE(frame_->isVisible());
    EXPECT_FALSE(view_->TickTimerActive());
}

TEST_F(GameWindowTest, ClosingTheWindowEndsTheProgram) {
    EXPECT_EQ(RunProgramWhile([this] { frame_->close(); }), 0);
    EXPECT_FALSE(frame_->isVisible());
    EXPECT_FALSE(view_->TickTimerActive());
}
