// level_source_test.cpp -- the level source text, its round trip to Data.dat, the checker and the tool.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "render/renderer.h"
#include "game/level_file.h"
#include "game/progression.h"
#include "game/tick.h"
#include "game/world.h"
#include "tests/support/level_builder.h"
#include "tests/support/sim_process.h"
#include "tools/common/scripted_host.h"
#include "tools/level/level_check.h"
#include "tools/level/level_source.h"
#include "tests/support/fresh_data.h"

using namespace levelsource;

namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> RandomFile(uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<uint8_t> bytes(static_cast<size_t>(DataFileSize));
    for (uint8_t& b : bytes) {
        b = uint8_t(random());
    }
    return bytes;
}

// Mostly empty slots, some holding only a y or only a kind, names with
// awkward bytes: the cases where a writer is tempted to leave things out.
std::vector<uint8_t> SparseFile(uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<uint8_t> bytes(size_t(DataFileSize), 0);
    for (uint8_t& b : bytes) {
        if (random() % 23 == 0) {
            b = uint8_t(random());
        }
    }
    const std::string names[] = {
        "  leading spaces",
        "#hash",
        "x #comment-like",
        "tab\there",
        "\x98\xC0",
        "Имя",
        "trailing  ",
        std::string("nul\0inside", 10),
        "best",
        "\xFF\xFF\xFF",
    };
    const std::string& name = names[seed % std::size(names)];
    for (size_t i = 0; i < size_t(BestNameLength); ++i) {
        bytes[size_t(BestNameOffset) + i] = i < name.size() ? uint8_t(name[i]) : uint8_t(' ');
    }
    return bytes;
}

// Data.dat -> seven texts -> Data.dat, through the text form only.
std::vector<uint8_t> ThroughText(const std::vector<uint8_t>& bytes) {
    DataFile data;
    EXPECT_TRUE(DecodeDataFile(bytes, data));
    DataFile back;
    std::vector<Diagnostic> errors;
    for (size_t k = 0; k < size_t(LevelCount); ++k) {
        const std::string text = FormatLevel(data.levels[k], int(k + 1));
        EXPECT_TRUE(ParseLevel(text, "level", back.levels[k], errors)) << text;
    }
    const std::string best = FormatBest(data.best);
    EXPECT_TRUE(ParseBest(best, "best", back.best, errors)) << best;
    for (const Diagnostic& d : errors) {
        ADD_FAILURE() << d.ToString();
    }
    return EncodeDataFile(back);
}

LevelRecord MustParse(const std::string& text, SourceLines* lines = nullptr) {
    LevelRecord level;
    std::vector<Diagnostic> errors;
    EXPECT_TRUE(ParseLevel(text, "t.txt", level, errors, lines));
    for (const Diagnostic& d : errors) {
        ADD_FAILURE() << d.ToString();
    }
    return level;
}

// The first error's "file:line: message", or "" when the text parsed.
std::string FirstError(const std::string& text) {
    LevelRecord level;
    std::vector<Diagnostic> errors;
    ParseLevel(text, "bad.txt", level, errors);
    return errors.empty() ? std::string() : errors.front().ToString();
}

std::string FirstBestError(const std::string& text) {
    BestRecord best;
    std::vector<Diagnostic> errors;
    ParseBest(text, "best.txt", best, errors);
    return errors.empty() ? std::string() : errors.front().ToString();
}

const char MinimalLevel[] = "start 60 410 right\ngoal 300 360\nledge 0 400\nledge 120 400\n";

}  // namespace

// ---------------------------------------------------------------------------
// Round trip
// ---------------------------------------------------------------------------

TEST(LevelSourceRoundTrip, AnyCompleteFileComesBackByteForByte) {
    for (uint32_t seed = 1; seed <= 6; ++seed) {
        const std::vector<uint8_t> random = RandomFile(seed);
        ASSERT_EQ(ThroughText(random), random) << "random file, seed " << seed;
    }
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        const std::vector<uint8_t> sparse = SparseFile(seed);
        ASSERT_EQ(ThroughText(sparse), sparse) << "sparse file, seed " << seed;
    }
}

TEST(LevelSourceRoundTrip, WrittenTextIsReadableWhereItCanBe) {
    DataFile data;
    LevelRecord& level = data.levels[0];
    level.startX = 60;
    level.startY = 410;
    level.facing = 1;
    level.platforms[0] = {1, 0, 400};
    level.platforms[3] = {0, 0, 480};  // an empty slot that still carries a y
    level.decorations[0] = {9, 5, 6};  // no such decoration
    level.mosquitoes[1] = {100, -1, 900, 200};
    data.best.score = 5000;
    const std::string name = "\xC7\xE0\xF0\xED\xEE\xEA\xEE\xE2";  // Зарноков
    std::copy(name.begin(), name.end(), data.best.name.begin());

    const std::string text = FormatLevel(level, 1);
    EXPECT_NE(text.find("start 60 410 right\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nledge 0 400\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n@3 platform 0 0 480\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\ndecoration 9 5 6\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n@1 mosquito 100 left 900 200\n"), std::string::npos) << text;
    EXPECT_NE(FormatBest(data.best).find("\nbest 5000 Зарноков\n"), std::string::npos);

    data.best.name[0] = 0x01;  // not plain text: falls back to the raw bytes
    EXPECT_NE(FormatBest(data.best).find("\nbest-raw 5000 01E0F0EDEEEAEEE2202020"),
              std::string::npos)
        << FormatBest(data.best);
}

// ---------------------------------------------------------------------------
// Reading the text
// ---------------------------------------------------------------------------

TEST(LevelSourceText, NamedElementsCarryTheGamesKindBytes) {
    const LevelRecord level = MustParse(
        "start 1 2 left\ngoal 3 4\n"
        "ledge 0 0\nblock 0 0\nraptor 0 0\nraptor-on 0 0\nplatform 77 0 0\n"
        "flower 0 0\nshrub 0 0\nconifer 0 0\nbulrush 0 0\nvine 0 0\nhanging-vines 0 0\n"
        "tree 0 0\n"
        "circuit 0 0\ncrystal 0 0\ntulip 0 0\ncoin 0 0\nrepellent 0 0\nstrawberry 0 0\n"
        "nest 60 -5 7\nmosquito 100 right 8 9\nmosquito 3 -7 0 0\n");
    EXPECT_EQ(level.facing, -1);
    EXPECT_EQ(level.goalY, 4);
    const uint8_t platforms[] = {PlatformLedge, PlatformBlock, PlatformRaptorOff, PlatformRaptorOn,
                                 77};
    for (size_t i = 0; i < std::size(platforms); ++i) {
        EXPECT_EQ(level.platforms[i].kind, platforms[i]) << i;
    }
    for (size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(level.decorations[i].kind, i + 1) << i;
    }
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(level.pickups[i].kind, i + 1) << i;
    }
    EXPECT_EQ(level.nests[0].kind, 60);
    EXPECT_EQ(level.nests[0].x, -5);
    EXPECT_EQ(level.mosquitoes[0].dir, 1);
    EXPECT_EQ(level.mosquitoes[0].y, 9);
    EXPECT_EQ(level.mosquitoes[1].alive, 3);
    EXPECT_EQ(level.mosquitoes[1].dir, -7);
}

TEST(LevelSourceText, ElementsTakeTheFirstFreeSlotUnlessNumbered) {
    SourceLines lines;
    const LevelRecord level = MustParse(
        "start 0 0 right\r\n"  // CRLF line ends are fine
        "goal 0 0   # trailing comment\n"
        "\n"
        "   # an indented comment\n"
        "@2 ledge 20 0\n"
        "ledge 0 0\n"
        "ledge 10 0\n"
        "ledge 30 0\n"
        "@199 block -1 -2\n",
        &lines);
    EXPECT_EQ(level.platforms[0].x, 0);
    EXPECT_EQ(level.platforms[1].x, 10);
    EXPECT_EQ(level.platforms[2].x, 20);
    EXPECT_EQ(level.platforms[3].x, 30);
    EXPECT_EQ(level.platforms[4].kind, 0);
    EXPECT_EQ(level.platforms[199].kind, PlatformBlock);
    EXPECT_EQ(lines.slots[size_t(Table::Platforms)][2], 5);
    EXPECT_EQ(lines.slots[size_t(Table::Platforms)][199], 9);
}

TEST(LevelSourceText, MistakesAreReportedWithFileAndLine) {
    const std::string head = "start 0 410 right\ngoal 0 0\n";  // lines 1 and 2
    EXPECT_EQ(FirstError(head + "ledge 0 400\nledgee 1 2\n"),
              "bad.txt:4: unknown element 'ledgee'");
    EXPECT_EQ(FirstError(head + "ledge 0\n"), "bad.txt:3: 'ledge' takes X Y (2 values), found 1");
    EXPECT_EQ(FirstError(head + "flower 0 2147483648\n").rfind("bad.txt:3: Y must be", 0), 0u);
    EXPECT_EQ(FirstError(head + "platform 256 0 0\n").rfind("bad.txt:3: KIND must be", 0), 0u);
    EXPECT_EQ(FirstError(head + "mosquito 1 up 0 0\n").rfind("bad.txt:3: DIR must be", 0), 0u);
    EXPECT_EQ(FirstError(head + "@4 coin 0 0\n\n@4 tulip 0 0\n"),
              "bad.txt:5: pickup slot 4 is already taken by line 3");
    EXPECT_EQ(
        FirstError(head + "@30 nest 1 0 0\n").rfind("bad.txt:3: nest slot 30 does not exist", 0),
        0u);
    EXPECT_EQ(FirstError(head + "@x ledge 0 0\n").rfind("bad.txt:3: slot '@x'", 0), 0u);
    EXPECT_EQ(FirstError(head + "@3 goal 1 1\n").rfind("bad.txt:3: 'goal' has no slot", 0), 0u);
    EXPECT_EQ(FirstError(head + "goal 5 5\n"),
              "bad.txt:3: a second 'goal'; the first is on line 2");
    EXPECT_EQ(FirstError(head + "best 10 Ivan\n").rfind("bad.txt:3: the best record", 0), 0u);
    EXPECT_EQ(FirstError("goal 0 0\nledge 0 0\n"),
              "bad.txt: the level has no 'start X Y FACING' line");

    std::string full = head;
    for (int i = 0; i < 31; ++i) {
        full += "nest 1 0 0\n";
    }
    EXPECT_EQ(FirstError(full), "bad.txt:33: no free nest slot: the table holds 30");

    // Every mistake is reported, not only the first.
    LevelRecord level;
    std::vector<Diagnostic> errors;
    EXPECT_FALSE(ParseLevel(head + "x\ny\nledge a b\n", "bad.txt", level, errors));
    EXPECT_EQ(errors.size(), 4u);
}

TEST(LevelSourceText, BestRecordNamesAreWindows1251AndAtMostTwentyLetters) {
    BestRecord best;
    std::vector<Diagnostic> errors;
    ASSERT_TRUE(
        ParseBest("# who holds the record\nbest -7   Ёж  Ёжиков   # comment\n", "b", best, errors));
    EXPECT_EQ(best.score, -7);
    EXPECT_EQ(std::string(best.name.begin(), best.name.end()),
              "\xA8\xE6  \xA8\xE6\xE8\xEA\xEE\xE2" + std::string(10, ' '));

    ASSERT_TRUE(
        ParseBest("best-raw 1 000102030405060708090a0b0c0d0e0f10111213\n", "b", best, errors));
    for (size_t i = 0; i < best.name.size(); ++i) {
        EXPECT_EQ(best.name[i], i);
    }

    EXPECT_EQ(FirstBestError("best 1 ABCDEFGHIJKLMNOPQRSTU\n"),
              "best.txt:1: the name is 21 characters long; at most 20 fit");
    EXPECT_EQ(FirstBestError("\nbest 1 Ωmega\n").rfind("best.txt:2: the name 'Ωmega' has", 0), 0u);
    EXPECT_EQ(FirstBestError("best-raw 1 00zz\n").rfind("best.txt:1: 'best-raw' takes", 0), 0u);
    EXPECT_EQ(FirstBestError("best 1 A\nbest 2 B\n"),
              "best.txt:2: a second best record; the first is on line 1");
    EXPECT_EQ(FirstBestError("ledge 0 0\n").rfind("best.txt:1: a best-record file", 0), 0u);
    EXPECT_EQ(FirstBestError("# nothing\n"), "best.txt: no 'best SCORE NAME' line");
}

// ---------------------------------------------------------------------------
// The compiled level in the game
// ---------------------------------------------------------------------------

TEST(LevelSourceInGame, CompiledSourceLoadsIntoTheWorld) {
    DataFile data;
    std::vector<Diagnostic> errors;
    ASSERT_TRUE(
        ParseLevel("start 60 410 right\ngoal 3180 360\nledge 0 400\n@5 block 600 310\n"
                   "tree 130 124\ntulip 800 300\nnest 60 1640 380\n"
                   "mosquito 100 left 900 200\n",
                   "x", data.levels[2], errors));
    TempDataFile file(EncodeDataFile(data));
    GameWorld world;
    ScriptedHost host;
    host.dataFilePath = file.Path();
    ASSERT_TRUE(LoadLevel(world, host, 3));
    EXPECT_EQ(world.player.x, 60);
    EXPECT_EQ(world.player.y, 410);
    EXPECT_EQ(world.player.facing, 1);
    EXPECT_EQ(world.platforms[0].type, PlatformLedge);
    EXPECT_EQ(world.platforms[5].type, PlatformBlock);
    EXPECT_EQ(world.platforms[5].x, 600);
    EXPECT_EQ(world.decorations[0].type, 7);
    EXPECT_EQ(world.pickups[0].type, 3);
    EXPECT_EQ(world.nests[0].spawnTimer, 60);
    EXPECT_EQ(world.nests[0].y, 380);
    EXPECT_EQ(world.mosquitoes[0].alive, 100);
    EXPECT_EQ(world.mosquitoes[0].dir, -1);
    EXPECT_EQ(world.goal.x, 3180);
    EXPECT_EQ(world.deathPlaneY, 500);
}

// ---------------------------------------------------------------------------
// The checker
// ---------------------------------------------------------------------------

TEST(LevelCheck, ShippedLevelsAreClean) {
    for (const char* name :
         {"level1.txt", "level2.txt", "level3.txt", "level4.txt", "level5.txt", "level6.txt"}) {
        const std::string text = ReadFileBytes(fs::path(ZARNOK_SOURCE_DIR) / "resources/levels" /
                                               name);
        ASSERT_FALSE(text.empty()) << name;
        SourceLines lines;
        const LevelRecord level = MustParse(text, &lines);
        for (const Finding& f : CheckLevel(level, &lines)) {
            ADD_FAILURE() << name << ":" << f.line << ": " << f.where << ": " << f.message;
        }
    }
}

TEST(LevelCheck, ReportsLikelyMistakesBySlotAndLine) {
    SourceLines lines;
    const LevelRecord level = MustParse(
        "start 65 420 0\n"         // 1: below the ledge's rest line, no facing
        "goal 100 2000\n"          // 2: below the death plane
        "ledge 0 400\n"            // 3
        "ledge 120 403\n"          // 4: off the 10 px grid
        "platform 9 0 0\n"         // 5: no such platform
        "platform 0 0 900\n"       // 6: empty slot lowering the death plane
        "decoration 8 0 0\n"       // 7
        "pickup 7 0 0\n"           // 8
        "coin 50000 380\n"         // 9: far away
        "nest 0 10 20\n"           // 10: timer 0, never appears
        "nest 255 10 20\n"         // 11: wraps to 0
        "mosquito 100 0 10 20\n",  // 12: dir neither way
        &lines);
    const std::vector<Finding> findings = CheckLevel(level, &lines);
    auto has = [&](int line, const std::string& where, const std::string& words) {
        for (const Finding& f : findings) {
            if (f.line == line && f.where == where && f.message.find(words) != std::string::npos) {
                return true;
            }
        }
        return false;
    };
    // Each finding as it is printed: the line, then "where: words of the message".
    const std::pair<int, std::string_view> expected[] = {
        {1, "start: neither left nor right"},
        {1, "start: inside his platform"},
        {2, "goal: below the death plane (1000)"},
        {4, "platform slot 1: off the soldier's 10 px grid"},
        {5, "platform slot 2: kind 9"},
        {6, "platform slot 3: death plane down to 1000"},
        {7, "decoration slot 0: kind 8"},
        {8, "pickup slot 0: kind 7"},
        {9, "pickup slot 1: far outside"},
        {10, "nest slot 0: never appears"},
        {11, "nest slot 1: vanishes"},
        {12, "mosquito slot 0: dir 0"},
    };
    for (const auto& [line, finding] : expected) {
        const size_t colon = finding.find(": ");
        EXPECT_TRUE(has(line, std::string(finding.substr(0, colon)),
                        std::string(finding.substr(colon + 2))))
            << line << ": " << finding;
    }
    EXPECT_EQ(findings.size(), 12u);

    const LevelRecord floating = MustParse("start 500 410 right\ngoal 0 0\nledge 0 400\n");
    const std::vector<Finding> falls = CheckLevel(floating, nullptr);
    ASSERT_EQ(falls.size(), 1u);
    EXPECT_EQ(falls[0].where, "start");
    EXPECT_NE(falls[0].message.find("does not stand"), std::string::npos);
    EXPECT_TRUE(CheckLevel(MustParse(MinimalLevel), nullptr).empty());
}

TEST(LevelCheck, ShippedFirstLevelCanBeFinished) {
    // The route noted in level1.txt: hold right, jump at these x. The level
    // and the soldier's rules must keep agreeing on it.
    const std::set<int32_t> takeOffs = {460, 1150, 1600, 2180, 2420};
    GameWorld world;
    ScriptedHost host;
    Renderer renderer;
    // On a copy: a game over may write the best record.
    const std::vector<uint8_t> shipped = FreshDataFile();
    ASSERT_EQ(shipped.size(), size_t(DataFileSize));
    TempDataFile copy(shipped);
    host.dataFilePath = copy.Path();
    RequestNewGame(world);
    RunTimerTick(world, host, renderer);
    ASSERT_EQ(world.levelNumber, 1);
    ASSERT_EQ(world.gameRunning, 1);
    int ticks = 0;
    for (; ticks < 400 && world.levelNumber == 1 && world.deathCode == DeathNone; ++ticks) {
        world.player.moveDir = 1;
        world.player.facing = 1;
        if (takeOffs.count(world.player.x) != 0 && world.player.jumpTicksLeft == 0) {
            world.player.jumpTicksLeft = JumpLength;
        }
        RunTimerTick(world, host, renderer);
    }
    EXPECT_EQ(world.levelNumber, 2) << "stopped after " << ticks << " ticks at x " << world.player.x
                                    << ", y " << world.player.y;
    EXPECT_EQ(world.gameRunning, 1);
}

// ---------------------------------------------------------------------------
// The command-line tool
// ---------------------------------------------------------------------------

struct LevelToolTest : ::testing::Test {
    fs::path dir;
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("zarnok-level-tool-" + std::to_string(getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    void Write(const std::string& name, const std::string& text) {
        std::ofstream(dir / name, std::ios::binary) << text;
    }
    // Runs zarnok-level with its output in dir/out.txt; returns the exit code.
    int Run(const std::string& args) {
        const std::string command = std::string("\"") + ZARNOK_BIN_DIR + "/zarnok-level\" " + args +
                                    " >\"" + (dir / "out.txt").string() + "\" 2>&1";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string Output() { return ReadFileBytes(dir / "out.txt"); }
    std::string Path(const std::string& name) { return "\"" + (dir / name).string() + "\""; }
};

TEST_F(LevelToolTest, DecompileThenCompileGivesTheSameFile) {
    const std::vector<uint8_t> original = SparseFile(77);
    std::ofstream(dir / "in.dat", std::ios::binary)
        .write(reinterpret_cast<const char*>(original.data()), std::streamsize(original.size()));

    ASSERT_EQ(Run("decompile " + Path("in.dat") + " " + Path("src")), 0) << Output();
    std::string sources;
    for (int k = 1; k <= 6; ++k) {
        sources += " " + Path("src/level" + std::to_string(k) + ".txt");
    }
    ASSERT_EQ(Run("compile -o " + Path("out.dat") + sources + " " + Path("src/best.txt")), 0)
        << Output();
    const std::string rebuilt = ReadFileBytes(dir / "out.dat");
    EXPECT_EQ(std::vector<uint8_t>(rebuilt.begin(), rebuilt.end()), original);
}

TEST_F(LevelToolTest, BadSourceFailsWithItsLineAndWritesNothing) {
    Write("good.txt", MinimalLevel);
    Write("bad.txt", std::string(MinimalLevel) + "\nledge 1\n");
    Write("best.txt", "best 5000 Зарноков\n");
    const std::string good = Path("good.txt");
    EXPECT_EQ(Run("compile -o " + Path("out.dat") + " " + good + " " + good + " " +
                  Path("bad.txt") + " " + good + " " + good + " " + good + " " + Path("best.txt")),
              1);
    EXPECT_NE(Output().find("bad.txt:6: 'ledge' takes X Y"), std::string::npos) << Output();
    EXPECT_FALSE(fs::exists(dir / "out.dat"));

    EXPECT_EQ(Run("compile -o " + Path("out.dat") + " " + good), 2);
    EXPECT_NE(Output().find("six level sources"), std::string::npos) << Output();
    EXPECT_EQ(Run("frobnicate"), 2);
    EXPECT_EQ(Run("--help"), 0);
    EXPECT_NE(Output().find("decompile DATA [OUTDIR]"), std::string::npos);
}

// The help speaks the desktop's language, English under the C locale as it
// always has; --lang before it names one.
TEST_F(LevelToolTest, HelpInRussianOrEnglish) {
    const std::string russian = "использование:", english = "usage:";
    EXPECT_EQ(Run("--lang ru --help"), 0);
    EXPECT_EQ(Output().rfind(russian, 0), 0u) << Output();
    EXPECT_EQ(Run("--lang en --help"), 0);
    EXPECT_EQ(Output().rfind(english, 0), 0u) << Output();
    EXPECT_EQ(Run("--lang de --help"), 2);

    const char* const names[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    std::vector<std::optional<std::string>> saved;
    for (const char* name : names) {
        const char* value = std::getenv(name);
        saved.push_back(value ? std::optional<std::string>(value) : std::nullopt);
        unsetenv(name);
    }
    const std::pair<const char*, const char*> desktops[] = {
        {"ru_RU.UTF-8", ""}, {"en_US.UTF-8", "ru"}, {"C.UTF-8", "ru"}, {"de_DE.UTF-8", "de"}};
    const std::string expected[] = {russian, russian, english, english};
    for (size_t i = 0; i < std::size(desktops); ++i) {
        setenv("LANG", desktops[i].first, 1);
        setenv("LANGUAGE", desktops[i].second, 1);
        EXPECT_EQ(Run("--help"), 0);
        EXPECT_EQ(Output().rfind(expected[i], 0), 0u) << desktops[i].first;
    }
    for (size_t i = 0; i < std::size(names); ++i)
        if (saved[i])
            setenv(names[i], saved[i]->c_str(), 1);
        else
            unsetenv(names[i]);
}

TEST_F(LevelToolTest, ShippedDataFilePassesTheCheck) {
    EXPECT_EQ(Run("check \"" + std::string(ZARNOK_BIN_DIR) + "/Data.dat\""), 0) << Output();
}

TEST_F(LevelToolTest, CheckNamesTheLevelAndSlotInADataFile) {
    DataFile data;
    std::vector<Diagnostic> errors;
    for (LevelRecord& level : data.levels) {
        ASSERT_TRUE(ParseLevel(MinimalLevel, "m", level, errors));
    }
    data.levels[4].pickups[6] = {200, 0, 400};
    const std::vector<uint8_t> bytes = EncodeDataFile(data);
    std::ofstream(dir / "Data.dat", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));

    EXPECT_EQ(Run("check " + Path("Data.dat")), 1);
    EXPECT_NE(Output().find("Data.dat: level 5, pickup slot 6: kind 200"), std::string::npos)
        << Output();
}
