// journal_window_test.cpp -- the window journals every game, and plays journals back:
// the runner proves what the window wrote, the window proves what the runner plays.
#include "tests/gui/gui_support.h"

#include <QAction>
#include <QDirIterator>
#include <QLineEdit>

#include <filesystem>
#include <fstream>

#include "game/journal.h"
#include "game/world_hash.h"
#include "shell/journal_recorder.h"
#include "shell/replay_player.h"
#include "shell/shell_texts.h"
#include "tests/support/level_builder.h"
#include "tests/support/sim_process.h"

namespace {

// Four ledges and then nothing: walking right, the soldier falls off the
// end at about x 480 and dies there.
DataFileSketch ShortWalk() {
    DataFileSketch sketch;
    for (LevelSketch& level : sketch.levels) {
        level.startX = 200;
        level.startY = 400;
        for (int32_t i = 0; i < 4; ++i) level.platforms.push_back({i * 120, 400, PlatformLedge});
        level.goal = {5000, 0};
    }
    return sketch;
}

QStringList Journals(const QString& folder) {
    return QDir(folder + QStringLiteral("/replays"))
        .entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
}

std::string ReadAll(const QString& path) {
    return ReadFileBytes(std::filesystem::path(path.toStdString()));
}

class JournalWindowTest : public GameWindowTest {
protected:
    void BeforeStart() override {
        DataFileSketch sketch = ShortWalk();
        sketch.bestScore = bestScore_;
        const std::vector<uint8_t> bytes = BuildDataFile(sketch);
        QFile data(folder_.filePath(QStringLiteral("Data.dat")));
        ASSERT_TRUE(data.open(QIODevice::WriteOnly | QIODevice::Truncate));
        data.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
    }

    JournalRecorder& Recorder() { return *app_->Recorder(); }
    int32_t bestScore_ = 0;
    uint64_t Ticks() { return Recorder().TicksRun(); }
    bool WaitForTick(uint64_t tick) {
        return WaitUntil([&] { return Ticks() >= tick; }, 20000);
    }
    // A key as the keyboard gives it; returns the tick it came before.
    uint64_t Key(QEvent::Type type, int key) {
        const uint64_t tick = Ticks();
        QKeyEvent event(type, key, Qt::NoModifier);
        QApplication::sendEvent(view_, &event);
        return tick;
    }
    ProgramRun Sim(const std::vector<std::string>& args) {
        return RunProgram("zarnok-sim", args, folder_.path().toStdString());
    }
    std::string Dir() const { return folder_.path().toStdString(); }
    std::string PathOf(const QString& name) const { return folder_.filePath(name).toStdString(); }
    // Plays the view's playback steps, as its timer would, to the end.
    void PlayToTheEnd() {
        for (int i = 0; i < 100000 && app_->Player() != nullptr && !app_->Player()->Over(); ++i)
            view_->StepPlayback();
    }
};

// A whole game in the window: keys at chosen ticks, a pause, fire bound to
// another key, a death, the name and "yes" to play again. Its journal, and
// the next game's, replay in the runner with every check matching.
TEST_F(JournalWindowTest, EveryGameIsJournaledAndReplaysInTheRunner) {
    ASSERT_TRUE(WaitForTick(3));
    const uint64_t aimDown = Key(QEvent::KeyPress, Qt::Key_Up);
    ASSERT_TRUE(WaitForTick(aimDown + 2));
    const uint64_t aimUp = Key(QEvent::KeyRelease, Qt::Key_Up);

    // A pause leaves no gap in the ticks.
    const uint64_t beforePause = Ticks();
    script_.Then([&](QDialog&) {
        QTest::qWait(300);
        return int(QMessageBox::Ok);
    });
    frame_->Command(ID_GAME_PAUSE)->trigger();
    EXPECT_EQ(Ticks(), beforePause);

    // Fire goes to A.
    script_.Then([](QDialog& dialog) {
        static_cast<CControlsDlg&>(dialog).Button(CControlsDlg::IdFire)->click();
        return 0;
    });
    script_.Then([](QDialog& dialog) {
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(&dialog, &release);
        return 0;
    });
    const uint64_t bound = Ticks();
    frame_->Command(ID_CONTROLS)->trigger();
    ASSERT_EQ(World().keyBindings.fire, 0x41);

    ASSERT_TRUE(WaitForTick(bound + 1));
    const uint64_t fire = Key(QEvent::KeyPress, Qt::Key_A);
    const uint64_t walk = Key(QEvent::KeyPress, Qt::Key_Right);
    // The fall's box, the name dialog, then yes to a new game.
    script_.Then([](QDialog&) { return int(QMessageBox::Ok); });
    script_.Then([](QDialog& dialog) {
        static_cast<CNameDlg&>(dialog).Edit()->setText(QStringLiteral("Тест"));
        dialog.accept();
        return int(QDialog::Accepted);
    });
    script_.Then([](QDialog&) { return int(QMessageBox::Yes); });
    ASSERT_TRUE(WaitUntil([&] { return Journals(folder_.path()).size() == 2; }, 15000));
    Key(QEvent::KeyRelease, Qt::Key_Right);
    Key(QEvent::KeyRelease, Qt::Key_A);
    ASSERT_TRUE(WaitForTick(Ticks() + 110));
    // The sound off, and "Новая": the second game ends, a third begins.
    const uint64_t silence = Ticks();
    frame_->Command(ID_SOUNDS)->trigger();
    ASSERT_TRUE(WaitForTick(silence + 2));
    frame_->Command(ID_FILE_NEW)->trigger();
    ASSERT_TRUE(WaitUntil([&] { return Journals(folder_.path()).size() == 3; }, 5000));
    ASSERT_TRUE(WaitForTick(Ticks() + 5));
    const uint64_t endTick = Ticks();
    const std::string endHash = JournalHex(WorldHash(World()));
    const QStringList journals = Journals(folder_.path());
    app_.reset();  // closing the window ends the third game

    const std::string first = ReadAll(folder_.filePath("replays/" + journals[0]));
    for (const std::string& line :
         {std::to_string(aimDown) + " down up\n", std::to_string(aimUp) + " up up\n",
          std::to_string(fire) + " down 65\n", std::to_string(walk) + " down right\n",
          std::to_string(bound) + " bind fire 65\n", std::string("answer name Тест\n"),
          std::string("answer yes\n"), std::string("from 0\n")})
        EXPECT_NE(first.find(line), std::string::npos) << line << "in:\n" << first;

    ProgramRun one = Sim({"--data", Dir(), "--replay", "replays/" + journals[0].toStdString()});
    EXPECT_EQ(one.status, 0) << one.err;
    const std::string third = ReadAll(folder_.filePath("replays/" + journals[2]));
    EXPECT_NE(third.find(std::to_string(silence) + " sound\n"), std::string::npos) << third;
    ProgramRun all = Sim({"--data", Dir(), "--replay", "replays/" + journals[2].toStdString()});
    EXPECT_EQ(all.status, 0) << all.err;
    EXPECT_EQ(SummaryField(all.out, "tick"), std::to_string(endTick));
    EXPECT_EQ(SummaryField(all.out, "worldHash"), endHash);

    // The record was written: its journal is the first game's.
    EXPECT_EQ(ReadAll(folder_.filePath(QString::fromUtf8(RecordJournalFileName))), first);

    // One key changed: the runner names the first check after it.
    std::string changed = first;
    const std::string line = std::to_string(walk) + " down right\n";
    changed.replace(changed.find(line), line.size(), std::to_string(walk + 1) + " down right\n");
    std::ofstream(PathOf("changed.txt"), std::ios::binary) << changed;
    ProgramRun desync = Sim({"--data", Dir(), "--replay", "changed.txt"});
    EXPECT_EQ(desync.status, 3);
    ReplayJournal parsed;
    std::string error;
    ASSERT_TRUE(ParseReplay(first, parsed, error)) << error;
    uint64_t firstCheckAfter = 0;
    for (const JournalCheck& check : parsed.checks)
        if (firstCheckAfter == 0 && check.tick > walk) firstCheckAfter = check.tick;
    EXPECT_NE(desync.err.find("differs at tick " + std::to_string(firstCheckAfter) + ":"),
              std::string::npos)
        << desync.err;
}

// What a killed game leaves is its journal as written at the last check:
// it plays to that check.
TEST_F(JournalWindowTest, AJournalCutAtACheckPlaysToIt) {
    ASSERT_TRUE(WaitForTick(2));
    Key(QEvent::KeyPress, Qt::Key_Up);
    ASSERT_TRUE(WaitForTick(150));
    const QStringList journals = Journals(folder_.path());
    ASSERT_EQ(journals.size(), 1);
    const std::string left = ReadAll(folder_.filePath("replays/" + journals[0]));
    std::ofstream(PathOf("killed.txt"), std::ios::binary) << left;
    ASSERT_GT(left.size(), 27u);
    EXPECT_EQ(left.substr(left.size() - 27, 10), "check 100 ") << left;
    ProgramRun run = Sim({"--data", Dir(), "--replay", "killed.txt"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(SummaryField(run.out, "tick"), "100");
}

// No record, no record's journal: a game over that beats no record keeps
// none.
class UnbeatenRecordTest : public JournalWindowTest {
    void BeforeStart() override {
        bestScore_ = 1000;
        JournalWindowTest::BeforeStart();
    }
};

TEST_F(UnbeatenRecordTest, NoRecordJournalWithoutARecord) {
    ASSERT_TRUE(WaitForTick(2));
    Key(QEvent::KeyPress, Qt::Key_Right);
    ASSERT_TRUE(WaitUntil([&] { return World().gameRunning == 0 && Ticks() > 10; }, 8000));
    app_.reset();
    EXPECT_FALSE(QFile::exists(folder_.filePath(QString::fromUtf8(RecordJournalFileName))));
    EXPECT_EQ(Journals(folder_.path()).size(), 1);
    for (const SeenModal& modal : script_.seen) EXPECT_NE(modal.kind, QStringLiteral("CNameDlg"));
}

// A folder that cannot be made costs the journal, not the game, and the
// status bar says so once.
class NoJournalFolderTest : public JournalWindowTest {
    void BeforeStart() override {
        JournalWindowTest::BeforeStart();
        QFile blocker(folder_.filePath(QStringLiteral("replays")));
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
};

TEST_F(NoJournalFolderTest, TheGameGoesOnWithoutItsJournal) {
    ASSERT_TRUE(WaitForTick(3));
    EXPECT_TRUE(frame_->MessagePaneText().startsWith(QString::fromUtf8(JournalFolderFailedText).remove(QStringLiteral("%1"))))
        << frame_->MessagePaneText().toStdString();
    EXPECT_EQ(World().gameRunning, 1);
    frame_->ShowStatus(QStringLiteral("Ready"));
    frame_->Command(ID_FILE_NEW)->trigger();
    ASSERT_TRUE(WaitForTick(Ticks() + 3));
    EXPECT_EQ(frame_->MessagePaneText(), QStringLiteral("Ready"));
    EXPECT_FALSE(Recorder().GameOpen());
}

// The shipped proof of the whole game, through the window's playback: it
// ends where the runner ends, and the player's Data.dat is left as it was.
class ProofPlaybackTest : public GameWindowTest {};

TEST_F(ProofPlaybackTest, TheFullGameProofPlaysInTheWindow) {
    ASSERT_TRUE(WaitTicks(2));
    const std::string dataBefore = ReadAll(folder_.filePath("Data.dat"));
    ASSERT_TRUE(app_->StartPlayback(QStringLiteral(ZARNOK_SOURCE_DIR "/tests/replays/proofs/full-game.txt")));
    // Keys during playback only hurry it: none reaches the game.
    view_->StepPlayback();
    QTest::keyPress(view_, Qt::Key_Left);
    view_->StepPlayback();
    QTest::keyRelease(view_, Qt::Key_Left);
    while (app_->Player() != nullptr && !app_->Player()->Over()) view_->StepPlayback();
    const uint64_t ticks = app_->Player()->TicksRun();
    EXPECT_EQ(World().levelNumber, 7);
    EXPECT_NE(frame_->MessagePaneText().indexOf(QStringLiteral("окончена")), -1);
    const std::string hash = JournalHex(WorldHash(World()));
    EXPECT_EQ(ReadAll(folder_.filePath("Data.dat")), dataBefore);
    app_.reset();

    std::filesystem::create_directories(folder_.filePath("copy").toStdString());
    std::filesystem::copy_file(folder_.filePath("Data.dat").toStdString(),
                               folder_.filePath("copy/Data.dat").toStdString());
    ProgramRun run = RunProgram(
        "zarnok-sim",
        {"--data", folder_.filePath("copy").toStdString(), "--ticks", std::to_string(ticks),
         "--replay", ZARNOK_SOURCE_DIR "/tests/replays/proofs/full-game.txt"},
        folder_.path().toStdString());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(SummaryField(run.out, "worldHash"), hash);
}

// A journal of other levels is refused in words before its first tick; a
// changed one plays and names its first differing check.
TEST_F(ProofPlaybackTest, OtherLevelsAreRefusedAndADesyncIsNamed) {
    ASSERT_TRUE(WaitTicks(2));
    const std::string journal = folder_.filePath("j.txt").toStdString();
    ProgramRun rec = RunProgram("zarnok-sim",
                                {"--data", folder_.path().toStdString(), "--ticks", "240",
                                 "--replay", ZARNOK_SOURCE_DIR "/tests/replays/level1_tour.txt",
                                 "--record", journal},
                                folder_.path().toStdString());
    ASSERT_EQ(rec.status, 0) << rec.err;
    std::string text = ReadAll(QString::fromStdString(journal));

    std::string other = text;
    other.replace(other.find("levels "), 23, "levels 0123456789abcdef");
    std::ofstream(folder_.filePath("other.txt").toStdString(), std::ios::binary) << other;
    EXPECT_FALSE(app_->StartPlayback(folder_.filePath("other.txt")));
    ASSERT_FALSE(script_.seen.empty());
    EXPECT_NE(script_.seen.back().text.indexOf(QStringLiteral("других уровнях")), -1)
        << script_.seen.back().text.toStdString();
    EXPECT_EQ(app_->Player(), nullptr);

    // The first walk starts a tick later.
    const size_t walk = text.find("\n1 down right\n");
    ASSERT_NE(walk, std::string::npos) << text;
    text.replace(walk, 14, "\n2 down right\n");
    std::ofstream(journal, std::ios::binary) << text;
    ASSERT_TRUE(app_->StartPlayback(QString::fromStdString(journal)));
    while (!app_->Player()->Over()) view_->StepPlayback();
    ASSERT_TRUE(app_->Player()->FirstMismatch().has_value());
    EXPECT_EQ(*app_->Player()->FirstMismatch(), 100u);
    EXPECT_NE(frame_->MessagePaneText().indexOf(QStringLiteral("такте 100")), -1)
        << frame_->MessagePaneText().toStdString();

    // "Новая" gives the game back.
    frame_->Command(ID_FILE_NEW)->trigger();
    EXPECT_EQ(app_->Player(), nullptr);
    EXPECT_TRUE(WaitTicks(2));
}

}  // namespace
