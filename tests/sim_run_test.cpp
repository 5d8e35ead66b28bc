// sim_run_test.cpp -- the headless runner as a program: arguments, replays,
// pictures, the summary, and runs that must come out the same.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "game/journal.h"
#include "tests/support/expected_texts.h"
#include "tests/support/level_builder.h"
#include "tests/support/sim_process.h"
#include "tools/common/replay.h"

namespace fs = std::filesystem;

namespace {

// A scratch folder per test, removed afterwards.
class SimTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() /
               ("zarnok-sim-" + std::to_string(getpid()) + "-" + info->name());
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    std::string WriteText(const std::string& name, const std::string& text) const {
        std::ofstream(Path(name), std::ios::binary) << text;
        return Path(name);
    }

    ProgramRun Run(const std::vector<std::string>& args) const {
        return RunProgram("zarnok-sim", args, dir_);
    }

    // A run of `replay` that records its journal into rec.txt.
    ProgramRun RunRecording(const std::string& dataDir, const std::string& ticks,
                            const std::string& replay, const std::string& more = {}) const {
        std::vector<std::string> args = {"--data",   dataDir, "--ticks",  ticks,
                                         "--replay", replay,  "--record", Path("rec.txt")};
        if (!more.empty()) args.push_back(more);
        return Run(args);
    }

    // The journal a run recorded into rec.txt.
    ::testing::AssertionResult LoadRecorded(ReplayJournal& journal) const {
        std::string error;
        if (LoadReplayFile(Path("rec.txt"), journal, error)) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << error;
    }

    fs::path dir_;
};

// "name: value" lines of a summary, in order.
std::vector<std::pair<std::string, std::string>> SummaryLines(const std::string& out) {
    std::vector<std::pair<std::string, std::string>> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) {
        size_t colon = line.find(": ");
        if (colon != std::string::npos)
            lines.emplace_back(line.substr(0, colon), line.substr(colon + 2));
    }
    return lines;
}

// A long row of ledges at y = 400 with the soldier standing on it.
DataFileSketch GroundLevel() {
    DataFileSketch sketch;
    for (LevelSketch& level : sketch.levels) {
        level.startX = 200;
        level.startY = 400;
        level.facing = 1;
        for (int32_t i = 0; i < 20; ++i) level.platforms.push_back({i * 120, 400, PlatformLedge});
        level.goal = {5000, 0};
    }
    return sketch;
}

// Nothing to stand on: the soldier falls to his death on the first tick.
DataFileSketch PitLevel() {
    DataFileSketch sketch;
    sketch.levels[0].startX = 123;
    sketch.levels[0].startY = 100;
    sketch.levels[0].goal = {5000, 0};
    sketch.bestScore = 0;
    sketch.bestName = "Nobody";
    return sketch;
}

std::string DataDir(const TempDataFile& data) {
    return fs::path(data.Path()).parent_path().string();
}

// Width and height from a PNG's header chunk.
bool PngSize(const std::string& bytes, uint32_t& width, uint32_t& height) {
    static const char signature[] = "\x89PNG\r\n\x1a\n";
    if (bytes.size() < 24 || bytes.compare(0, 8, signature, 8) != 0 ||
        bytes.compare(12, 4, "IHDR") != 0)
        return false;
    auto be32 = [&bytes](size_t at) {
        return uint32_t(uint8_t(bytes[at])) << 24 | uint32_t(uint8_t(bytes[at + 1])) << 16 |
               uint32_t(uint8_t(bytes[at + 2])) << 8 | uint32_t(uint8_t(bytes[at + 3]));
    };
    width = be32(16);
    height = be32(20);
    return true;
}

const char* WalkAndShoot =
    "# walk right, shoot a burst, aim up, jump\n"
    "1 down right\n"
    "2 down control\n"
    "6 up control\n"
    "9 down up\n"
    "12 up up\n"
    "14 down shift\n"
    "25 up right\n";

TEST_F(SimTest, RejectsBadArgumentsWithAMessage) {
    const std::vector<std::vector<std::string>> bad = {
        {"--tick", "3"},
        {"--ticks"},
        {"--ticks", "three"},
        {"--ticks", "-1"},
        {"--ticks", "3", "--shot", "2"},
        {"--ticks", "3", "--shot", "x:a.png"},
        {"--ticks", "3", "--shot", "2:"},
        {"--ticks", "3", "--shot", "3:a.png"},
        {"--ticks", "3", "--data", Path("no-such-folder")},
        {"--ticks", "1", "--replay", Path("missing.txt")},
        {"--dump-world=yes"},
        {"stray"},
    };
    for (const auto& args : bad) {
        ProgramRun r = Run(args);
        std::string joined;
        for (const auto& a : args) joined += a + " ";
        EXPECT_EQ(r.status, 2) << joined;
        EXPECT_NE(r.err.find("zarnok-sim: "), std::string::npos) << joined << "\n" << r.err;
        EXPECT_EQ(r.out.find("worldHash"), std::string::npos) << joined;
    }
    // The message names what is wrong.
    EXPECT_NE(Run({"--tick", "3"}).err.find("--tick"), std::string::npos);
    EXPECT_NE(Run({"--ticks", "1", "--replay", Path("missing.txt")}).err.find(Path("missing.txt")),
              std::string::npos);
}

TEST_F(SimTest, HelpListsEveryOption) {
    ProgramRun r = Run({"--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* option :
         {"--data", "--ticks", "--replay", "--record", "--shot", "--dump-world", "--help"})
        EXPECT_NE(r.out.find(option), std::string::npos) << option;
}

TEST_F(SimTest, ReplayErrorNamesFileAndLine) {
    std::string replay = WriteText("bad.txt", "# fine\n1 down left\n\n2 jump left\n");
    TempDataFile data(GroundLevel());
    ProgramRun r = Run({"--data", DataDir(data), "--ticks", "5", "--replay", replay});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find(replay + ":4:"), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
}

TEST_F(SimTest, SummaryHasEveryFieldInOrder) {
    TempDataFile data(GroundLevel());
    ProgramRun r = Run({"--data", DataDir(data), "--ticks", "4", "--dump-world"});
    ASSERT_EQ(r.status, 0) << r.err;
    // clang-format off
    const std::vector<std::string> expected = {
        "tick", "levelNumber", "gameRunning", "score", "deathCode", "player.x", "player.y",
        "player.facing", "player.health", "player.rounds", "player.spareMagazines",
        "player.fireState", "player.aimAngle", "player.jumpTicksLeft", "player.invulnerableTicks",
        "player.damageTint", "cameraLeft", "cameraTop", "mosquitoes", "bullets", "worldHash"};
    // clang-format on
    auto lines = SummaryLines(r.out);
    ASSERT_GE(lines.size(), expected.size()) << r.out;
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(lines[i].first, expected[i]) << r.out;

    EXPECT_EQ(SummaryField(r.out, "tick"), "4");
    EXPECT_EQ(SummaryField(r.out, "levelNumber"), "1");
    EXPECT_EQ(SummaryField(r.out, "gameRunning"), "1");
    EXPECT_EQ(SummaryField(r.out, "player.x"), "200");
    EXPECT_EQ(SummaryField(r.out, "player.spareMagazines"), "10");
    EXPECT_EQ(SummaryField(r.out, "worldHash").size(), 16u);
    EXPECT_EQ(SummaryField(r.out, "worldHash").find_first_not_of("0123456789abcdef"),
              std::string::npos);
    // The dump lists the level's platforms, and only occupied slots.
    EXPECT_NE(r.out.find("platforms[19]: x=2280 y=400 type=1\n"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("platforms[20]"), std::string::npos);
    EXPECT_EQ(r.out.find("mosquitoes["), std::string::npos);
}

TEST_F(SimTest, FirstTickStartsAGameFromTheDataFolder) {
    TempDataFile data(PitLevel());
    ProgramRun none = Run({"--data", DataDir(data), "--ticks", "0"});
    EXPECT_EQ(SummaryField(none.out, "tick"), "0");
    EXPECT_EQ(SummaryField(none.out, "gameRunning"), "0");  // the fresh start's new-game request
    EXPECT_EQ(SummaryField(none.out, "player.x"), "0");
    EXPECT_TRUE(SummaryMessages(none.out).empty());

    ProgramRun one = Run({"--data", DataDir(data), "--ticks", "1"});
    EXPECT_EQ(SummaryField(one.out, "player.x"), "123");
    EXPECT_EQ(SummaryField(one.out, "player.health"), "100");

    // Without Data.dat in the folder the game says so and does not start.
    fs::create_directories(Path("empty"));
    ProgramRun missing = Run({"--data", Path("empty"), "--ticks", "2"});
    EXPECT_EQ(missing.status, 0) << missing.err;
    EXPECT_EQ(SummaryField(missing.out, "gameRunning"), "0");
    auto messages = SummaryMessages(missing.out);
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back(),
              ExpectedText("ErrorCaption") + " | " + ExpectedText("OpenFailedText"));
}

TEST_F(SimTest, ShotsAreTheTopOfTheClientArea) {
    TempDataFile data(GroundLevel());
    ProgramRun r = Run({"--data", DataDir(data), "--ticks", "3", "--shot", "1:" + Path("a.png"),
                        "--shot", "2:" + Path("b.png")});
    ASSERT_EQ(r.status, 0) << r.err;
    for (const char* name : {"a.png", "b.png"}) {
        uint32_t width = 0, height = 0;
        ASSERT_TRUE(PngSize(ReadFileBytes(Path(name)), width, height)) << name;
        EXPECT_EQ(width, 800u);
        EXPECT_EQ(height, 540u);
    }
    // The first tick only starts the game; the second presents a frame.
    EXPECT_NE(ReadFileBytes(Path("a.png")), ReadFileBytes(Path("b.png")));

    ProgramRun unwritable = Run(
        {"--data", DataDir(data), "--ticks", "2", "--shot", "1:" + Path("no/dir/c.png")});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.err.find(Path("no/dir/c.png")), std::string::npos) << unwritable.err;
    EXPECT_EQ(SummaryField(unwritable.out, "tick"), "2");
}

TEST_F(SimTest, FireReleaseStopsTheSoundOneTickLater) {
    TempDataFile data(GroundLevel());
    std::string replay = WriteText("fire.txt", "2 down control\n4 up control\n");
    auto host = [&](const char* ticks) {
        ProgramRun r = Run(
            {"--data", DataDir(data), "--ticks", ticks, "--replay", replay, "--dump-world"});
        size_t at = r.out.find("host: ");
        return at == std::string::npos ? std::string() : r.out.substr(at);
    };
    // The release before tick 4 starts timer 2 ...
    EXPECT_NE(host("4").find("stopTimerStarts=0 "), std::string::npos);
    // ... and it expires right after tick 4.
    std::string after = host("5");
    EXPECT_NE(after.find("stopTimerStarts=1 stopTimerStops=1 stopTimerRunning=0"),
              std::string::npos)
        << after;
    EXPECT_NE(after.find("firingLoopStarts=1 "), std::string::npos) << after;
}

TEST_F(SimTest, SameReplaySameWorld) {
    TempDataFile data(GroundLevel());
    std::string replay = WriteText("walk.txt", WalkAndShoot);
    ProgramRun first = Run({"--data", DataDir(data), "--ticks", "40", "--replay", replay});
    ProgramRun second = Run({"--data", DataDir(data), "--ticks", "40", "--replay", replay});
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out, second.out);

    // The hash does see the difference the keys make.
    ProgramRun idle = Run({"--data", DataDir(data), "--ticks", "40"});
    EXPECT_NE(SummaryField(idle.out, "worldHash"), SummaryField(first.out, "worldHash"));
    EXPECT_NE(SummaryField(idle.out, "player.x"), SummaryField(first.out, "player.x"));
}

TEST_F(SimTest, RecordedRunReplaysIdentically) {
    TempDataFile data(GroundLevel());
    // Events past the end of the run are not part of it.
    std::string replay = WriteText("walk.txt",
                                   std::string(WalkAndShoot) + "500 down left\nanswer yes\n");
    ProgramRun original = RunRecording(DataDir(data), "40", replay);
    ASSERT_EQ(original.status, 0) << original.err;

    ReplayJournal recorded;
    ASSERT_TRUE(LoadRecorded(recorded));
    EXPECT_EQ(recorded.keys.size(), 7u);
    EXPECT_EQ(recorded.answers.size(), SummaryMessages(original.out).size());

    ProgramRun replayed = Run(
        {"--data", DataDir(data), "--ticks", "40", "--replay", Path("rec.txt")});
    EXPECT_EQ(replayed.out, original.out);
}

// A death, the game-over sequence with its name dialog, and the restart
// question: every modal answer is recorded and played back in order.
TEST_F(SimTest, RecordsTheAnswersOfAGameOver) {
    TempDataFile first(PitLevel());
    TempDataFile second(PitLevel());
    std::string replay = WriteText("answers.txt",
                                   "answer ok\nanswer ok\nanswer name Тест Тестович\nanswer no\n");
    ProgramRun original = RunRecording(DataDir(first), "6", replay, "--save-record");
    ASSERT_EQ(original.status, 0) << original.err;
    EXPECT_EQ(SummaryField(original.out, "gameRunning"), "0");
    EXPECT_EQ(SummaryField(original.out, "deathCode"), "3");
    auto messages = SummaryMessages(original.out);
    ASSERT_GE(messages.size(), 3u);
    EXPECT_EQ(messages[1], ExpectedText("GameTitle") + " | " + ExpectedText("DeathFellText"));

    std::string recorded = ReadFileBytes(Path("rec.txt"));
    EXPECT_NE(recorded.find("answer name Тест Тестович\n"), std::string::npos) << recorded;
    EXPECT_NE(first.StoredBestName(), second.StoredBestName());

    ProgramRun replayed = Run(
        {"--data", DataDir(second), "--ticks", "6", "--replay", Path("rec.txt"), "--save-record"});
    EXPECT_EQ(replayed.out, original.out);
    EXPECT_EQ(first.StoredBestName(), second.StoredBestName());
}

// Without --save-record the same game over leaves its Data.dat byte for byte
// as it was, and says the same things.
TEST_F(SimTest, ARecordIsWrittenIntoTheDataFolderOnlyWhenAskedFor) {
    TempDataFile kept(PitLevel());
    TempDataFile saved(PitLevel());
    const std::string before = ReadFileBytes(kept.Path());
    const std::string replay = WriteText("answers.txt",
                                         "answer ok\nanswer ok\nanswer name Я\nanswer no\n");
    const ProgramRun plain = Run({"--data", DataDir(kept), "--ticks", "6", "--replay", replay});
    ASSERT_EQ(plain.status, 0) << plain.err;
    EXPECT_TRUE(ReadFileBytes(kept.Path()) == before) << "the runner wrote into its input";

    const ProgramRun asked = Run(
        {"--data", DataDir(saved), "--ticks", "6", "--replay", replay, "--save-record"});
    EXPECT_EQ(asked.out, plain.out);
    EXPECT_FALSE(ReadFileBytes(saved.Path()) == before);
}

// Without a script every box takes its default; the journal writes those
// defaults down, so that it replays the run even where the defaults differ
// from the answers the next reader would guess.
TEST_F(SimTest, RecordsTheDefaultsOfAnUnscriptedRun) {
    TempDataFile first(PitLevel());
    TempDataFile second(PitLevel());
    ProgramRun original = Run(
        {"--data", DataDir(first), "--ticks", "6", "--record", Path("rec.txt"), "--save-record"});
    ASSERT_EQ(original.status, 0) << original.err;
    EXPECT_EQ(SummaryField(original.out, "deathCode"), "3");

    ReplayJournal recorded;
    ASSERT_TRUE(LoadRecorded(recorded));
    EXPECT_TRUE(recorded.keys.empty());
    // Every box once, plus the name dialog (its default: the empty name confirmed).
    ASSERT_EQ(recorded.answers.size(), SummaryMessages(original.out).size() + 1)
        << ReadFileBytes(Path("rec.txt"));
    size_t names = 0;
    for (const ScriptedAnswer& a : recorded.answers)
        if (a.kind == ScriptedAnswer::Name) {
            ++names;
            EXPECT_EQ(a.name, "");
        }
    EXPECT_EQ(names, 1u);
    EXPECT_EQ(recorded.answers.back().kind, ScriptedAnswer::No);  // the restart question

    ProgramRun replayed = Run(
        {"--data", DataDir(second), "--ticks", "6", "--replay", Path("rec.txt"), "--save-record"});
    EXPECT_EQ(replayed.out, original.out);
    EXPECT_EQ(first.StoredBestName(), second.StoredBestName());
    EXPECT_EQ(first.StoredBestName(), std::string(20, ' '));
}

// A recorded journal carries its checks; played back every one matches, a
// changed key is named at the first check after it, and other levels are
// refused before the first tick.
TEST_F(SimTest, JournalChecksProveTheRun) {
    TempDataFile data(GroundLevel());
    std::string replay = WriteText("walk.txt", WalkAndShoot);
    ProgramRun original = RunRecording(DataDir(data), "250", replay);
    ASSERT_EQ(original.status, 0) << original.err;
    ReplayJournal recorded;
    ASSERT_TRUE(LoadRecorded(recorded));
    ASSERT_EQ(recorded.checks.size(), 3u);
    EXPECT_EQ(recorded.checks.back().tick, 250u);

    ProgramRun replayed = Run({"--data", DataDir(data), "--replay", Path("rec.txt")});
    EXPECT_EQ(replayed.status, 0) << replayed.err;
    EXPECT_EQ(replayed.out, original.out);

    std::string text = ReadFileBytes(Path("rec.txt"));
    const size_t at = text.find("1 down right\n");
    ASSERT_NE(at, std::string::npos) << text;
    text.replace(at, 13, "2 down right\n");
    WriteText("changed.txt", text);
    ProgramRun changed = Run({"--data", DataDir(data), "--replay", Path("changed.txt")});
    EXPECT_EQ(changed.status, 3);
    EXPECT_NE(changed.err.find("the world differs at tick 100: the journal has " +
                               JournalHex(recorded.checks[0].hash)),
              std::string::npos)
        << changed.err;
    EXPECT_EQ(SummaryField(changed.out, "tick"), "100");

    TempDataFile other(PitLevel());
    ProgramRun refused = Run({"--data", DataDir(other), "--replay", Path("rec.txt")});
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("was played on other levels"), std::string::npos) << refused.err;
    EXPECT_EQ(refused.out, "");
}

// A journal plays on the best record it was recorded with, whatever the
// file holds now, and leaves the file alone.
TEST_F(SimTest, JournalPlaysOnItsOwnRecord) {
    TempDataFile first(PitLevel());
    std::string replay = WriteText("answers.txt",
                                   "answer ok\nanswer ok\nanswer name Аня\nanswer no\n");
    ProgramRun original = RunRecording(DataDir(first), "6", replay);
    ASSERT_EQ(original.status, 0) << original.err;
    {
        // A better record since: the game over would no longer ask for a name.
        std::fstream file(first.Path(), std::ios::in | std::ios::out | std::ios::binary);
        file.seekp(31140);
        file.write("\x7f\x7f\x7f\x00", 4);
    }
    const std::vector<uint8_t> after = first.Bytes();
    ProgramRun replayed = Run({"--data", DataDir(first), "--replay", Path("rec.txt")});
    EXPECT_EQ(replayed.status, 0) << replayed.err;
    EXPECT_EQ(replayed.out, original.out);
    EXPECT_EQ(first.Bytes(), after);
}

}  // namespace
