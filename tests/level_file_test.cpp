// level_file_test.cpp -- loading levels from Data.dat, showing, reading and writing the best record.
//
// The files are put together here byte by byte at their fixed offsets, not
// with the game's own constants, so that a wrong offset in the game shows.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "game/level_file.h"
#include "game/text.h"
#include "game/world.h"
#include "tests/support/expected_texts.h"
#include "tests/support/game_fixtures.h"
#include "tests/support/level_builder.h"
#include "tools/common/scripted_host.h"

namespace {

constexpr size_t FileSize = 31164;
constexpr size_t RecordSize = 5190;
constexpr size_t ScoreAt = 31140;
constexpr size_t NameAt = 31144;

const std::string SponsorText = ExpectedText("SponsorText");
const std::string Scored = ExpectedText("ScoredText");  // between the name and the score

size_t RecordAt(int level) { return size_t(level - 1) * RecordSize; }
size_t PlatformAt(int level, size_t slot) { return RecordAt(level) + 12 + 9 * slot; }
size_t DecorationAt(int level, size_t slot) { return RecordAt(level) + 1812 + 9 * slot; }
size_t PickupAt(int level, size_t slot) { return RecordAt(level) + 2712 + 9 * slot; }
size_t NestAt(int level, size_t slot) { return RecordAt(level) + 3612 + 9 * slot; }
size_t MosquitoAt(int level, size_t slot) { return RecordAt(level) + 3882 + 13 * slot; }
size_t GoalAt(int level) { return RecordAt(level) + 5182; }

void Put(std::vector<uint8_t>& bytes, size_t at, int32_t value) {
    const uint32_t v = static_cast<uint32_t>(value);
    for (size_t i = 0; i < 4; ++i) {
        bytes[at + i] = uint8_t(v >> (8 * i));
    }
}

int32_t Get(const std::vector<uint8_t>& bytes, size_t at) {
    uint32_t v = 0;
    for (size_t i = 0; i < 4; ++i) {
        v |= uint32_t(bytes[at + i]) << (8 * i);
    }
    return static_cast<int32_t>(v);
}

std::vector<uint8_t> RandomBytes(size_t size, uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<uint8_t> bytes(size);
    for (uint8_t& b : bytes) {
        b = uint8_t(random());
    }
    return bytes;
}

// A file whose level platforms all sit at y 0 (kind 0), and a best record.
std::vector<uint8_t> QuietFile(int32_t score, const std::string& name) {
    std::vector<uint8_t> bytes(FileSize, 0);
    Put(bytes, ScoreAt, score);
    for (size_t i = 0; i < 20; ++i) {
        bytes[NameAt + i] = i < name.size() ? uint8_t(name[i]) : uint8_t(' ');
    }
    return bytes;
}

struct LevelFileTest : ::testing::Test {
    GameWorld world;
    ScriptedHost host;

    bool Load(const TempDataFile& file, uint8_t level) {
        host.dataFilePath = file.Path();
        return LoadLevel(world, host, level);
    }
};

// ---------------------------------------------------------------------------
// LoadLevel
// ---------------------------------------------------------------------------

TEST_F(LevelFileTest, LevelFourTakesEveryFieldFromRecordFourWhateverComesBefore) {
    const std::vector<uint8_t> bytes = RandomBytes(FileSize, 4);
    TempDataFile file(bytes);
    ASSERT_TRUE(Load(file, 4));

    const int k = 4;
    EXPECT_EQ(world.player.x, Get(bytes, RecordAt(k)));
    EXPECT_EQ(world.player.y, Get(bytes, RecordAt(k) + 4));
    EXPECT_EQ(world.player.facing, Get(bytes, RecordAt(k) + 8));
    for (size_t i = 0; i < 200; ++i) {
        const size_t at = PlatformAt(k, i);
        ASSERT_EQ(world.platforms[i].type, bytes[at]) << "platform " << i;
        ASSERT_EQ(world.platforms[i].x, Get(bytes, at + 1)) << "platform " << i;
        ASSERT_EQ(world.platforms[i].y, Get(bytes, at + 5)) << "platform " << i;
    }
    for (size_t i = 0; i < 100; ++i) {
        ASSERT_EQ(world.decorations[i].type, bytes[DecorationAt(k, i)]);
        ASSERT_EQ(world.decorations[i].x, Get(bytes, DecorationAt(k, i) + 1));
        ASSERT_EQ(world.decorations[i].y, Get(bytes, DecorationAt(k, i) + 5));
        ASSERT_EQ(world.pickups[i].type, bytes[PickupAt(k, i)]);
        ASSERT_EQ(world.pickups[i].x, Get(bytes, PickupAt(k, i) + 1));
        ASSERT_EQ(world.pickups[i].y, Get(bytes, PickupAt(k, i) + 5));
    }
    for (size_t i = 0; i < 30; ++i) {
        ASSERT_EQ(world.nests[i].spawnTimer, bytes[NestAt(k, i)]);
        ASSERT_EQ(world.nests[i].x, Get(bytes, NestAt(k, i) + 1));
        ASSERT_EQ(world.nests[i].y, Get(bytes, NestAt(k, i) + 5));
    }
    for (size_t i = 0; i < 100; ++i) {
        const size_t at = MosquitoAt(k, i);
        ASSERT_EQ(world.mosquitoes[i].alive, bytes[at]) << "mosquito " << i;
        ASSERT_EQ(world.mosquitoes[i].dir, Get(bytes, at + 1)) << "mosquito " << i;
        ASSERT_EQ(world.mosquitoes[i].x, Get(bytes, at + 5)) << "mosquito " << i;
        ASSERT_EQ(world.mosquitoes[i].y, Get(bytes, at + 9)) << "mosquito " << i;
    }
    EXPECT_EQ(world.goal.x, Get(bytes, GoalAt(k)));
    EXPECT_EQ(world.goal.y, Get(bytes, GoalAt(k) + 4));
}

TEST_F(LevelFileTest, LoadShowsTheSponsorAndResetsOnlyWhatALoadResets) {
    std::vector<uint8_t> bytes = QuietFile(0, "");
    Put(bytes, RecordAt(1), 70);
    Put(bytes, RecordAt(1) + 4, 410);
    Put(bytes, RecordAt(1) + 8, -1);
    TempDataFile file(bytes);

    for (size_t i = 0; i < world.mosquitoes.size(); ++i) {
        world.mosquitoes[i].chasing = 1;
        world.mosquitoes[i].heading = 0.25f * float(i);
    }
    world.deathCode = DeathFell;
    world.player.spareMagazines = 7;
    world.player.moveDir = 1;
    world.player.aimDir = -1;
    world.player.fireState = 9;
    world.player.health = 40;
    world.player.aimAngle = 0.5f;
    world.score = 1234;
    world.bullets[3].active = 1;

    ASSERT_TRUE(Load(file, 1));

    ASSERT_EQ(host.messages.size(), 1u);
    ExpectMessage(host.messages[0], ExpectedText("AdvertCaption"), SponsorText, MessageButtons::Ok,
                  MessageIcon::None);

    EXPECT_EQ(world.player.x, 70);
    EXPECT_EQ(world.player.y, 410);
    EXPECT_EQ(world.player.facing, -1);
    for (size_t i = 0; i < world.mosquitoes.size(); ++i) {
        ASSERT_EQ(world.mosquitoes[i].chasing, 0) << i;
        ASSERT_EQ(world.mosquitoes[i].heading, 0.25f * float(i)) << i;
    }
    EXPECT_EQ(world.deathCode, DeathNone);
    EXPECT_EQ(world.player.spareMagazines, 0);
    EXPECT_EQ(world.player.moveDir, 0);
    EXPECT_EQ(world.player.aimDir, 0);
    EXPECT_EQ(world.player.fireState, 0);
    // Not the loader's to touch.
    EXPECT_EQ(world.player.health, 40);
    EXPECT_EQ(world.player.aimAngle, 0.5f);
    EXPECT_EQ(world.score, 1234);
    EXPECT_EQ(world.bullets[3].active, 1);
}

TEST_F(LevelFileTest, DeathPlaneLiesBelowTheLowestPlatformSlotEmptyOnesIncluded) {
    std::vector<uint8_t> bytes = QuietFile(0, "");
    // Level 1: real platforms down to 380, empty slots at 0.
    bytes[PlatformAt(1, 0)] = 1;
    Put(bytes, PlatformAt(1, 0) + 5, 200);
    bytes[PlatformAt(1, 7)] = 2;
    Put(bytes, PlatformAt(1, 7) + 5, 380);
    // Level 2: the same, plus an empty slot lower than any platform.
    bytes[PlatformAt(2, 0)] = 1;
    Put(bytes, PlatformAt(2, 0) + 5, 380);
    Put(bytes, PlatformAt(2, 150) + 5, 900);
    // Level 3: everything above 0; the search starts from slot 0's y.
    for (size_t i = 0; i < 200; ++i) {
        Put(bytes, PlatformAt(3, i) + 5, -300);
    }
    Put(bytes, PlatformAt(3, 0) + 5, -50);
    // Level 4: a hostile y that wraps when 100 is added.
    Put(bytes, PlatformAt(4, 199) + 5, INT32_MAX);
    TempDataFile file(bytes);

    ASSERT_TRUE(Load(file, 1));
    EXPECT_EQ(world.deathPlaneY, 480);
    ASSERT_TRUE(Load(file, 2));
    EXPECT_EQ(world.deathPlaneY, 1000);
    ASSERT_TRUE(Load(file, 3));
    EXPECT_EQ(world.deathPlaneY, 50);
    ASSERT_TRUE(Load(file, 4));
    EXPECT_EQ(world.deathPlaneY, INT32_MIN + 99);
}

TEST_F(LevelFileTest, MissingFileIsReportedAndLoadsNothing) {
    TempDataFile file(QuietFile(0, ""));
    file.Remove();
    world.player.x = 555;
    world.player.spareMagazines = 10;
    world.player.moveDir = 1;
    world.deathCode = DeathBitten;
    world.deathPlaneY = 777;
    world.mosquitoes[42].chasing = 1;

    EXPECT_FALSE(Load(file, 1));

    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[0].caption, ExpectedText("AdvertCaption"));
    EXPECT_EQ(host.messages[1].text, ExpectedText("OpenFailedText"));
    EXPECT_EQ(host.messages[1].caption, ExpectedText("ErrorCaption"));
    EXPECT_EQ(host.messages[1].icon, MessageIcon::Stop);
    EXPECT_EQ(host.messages[1].buttons, MessageButtons::Ok);
    EXPECT_EQ(world.player.spareMagazines, 0);
    EXPECT_EQ(world.mosquitoes[42].chasing, 0);
    EXPECT_EQ(world.player.x, 555);
    EXPECT_EQ(world.player.moveDir, 1);
    EXPECT_EQ(world.deathCode, DeathBitten);
    EXPECT_EQ(world.deathPlaneY, 777);
}

TEST_F(LevelFileTest, FileCutInsideALevelsRecordIsReportedAndLoadsNothingOfThatLevel) {
    std::vector<uint8_t> bytes = RandomBytes(RecordAt(3) - 1, 7);  // level 2 one byte short
    TempDataFile file(bytes);
    world.player.x = 555;
    world.player.spareMagazines = 10;
    world.mosquitoes[0].chasing = 1;
    world.platforms[3].type = 2;

    EXPECT_FALSE(Load(file, 2));

    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[1].caption, ExpectedText("ErrorCaption"));
    EXPECT_EQ(host.messages[1].icon, MessageIcon::Stop);
    EXPECT_EQ(host.messages[1].text,
              ExpectedText("LevelCutTextStart") + "2" + ExpectedText("LevelCutTextEnd"));
    EXPECT_EQ(world.player.spareMagazines, 0);
    EXPECT_EQ(world.mosquitoes[0].chasing, 0);
    EXPECT_EQ(world.player.x, 555);
    EXPECT_EQ(world.platforms[3].type, 2);
}

TEST_F(LevelFileTest, ALongerFileLoadsFromItsFirstBytes) {
    std::vector<uint8_t> bytes = QuietFile(0, "");
    Put(bytes, GoalAt(6), 3180);
    bytes.resize(FileSize + 100, 0xEE);
    TempDataFile file(bytes);
    ASSERT_TRUE(Load(file, 6));
    EXPECT_EQ(world.goal.x, 3180);
}

// ---------------------------------------------------------------------------
// The best record
// ---------------------------------------------------------------------------

TEST_F(LevelFileTest, BestRecordIsShownWithAllTwentyNameBytesAndReadAsSigned) {
    struct Case {
        int32_t score;
        std::string name;  // Windows-1251 bytes
        std::string expected;
    } cases[] = {
        {1500, "Ivan", "Ivan                " + Scored + "1500"},
        {0, "", std::string(20, ' ') + Scored + "0"},
        {-42, "ABCDEFGHIJKLMNOPQRST", "ABCDEFGHIJKLMNOPQRST" + Scored + "-42"},
        {INT32_MIN, "\xC7\xE0\xF0\xED\xEE\xEA\xEE\xE2",
         "Зарноков            " + Scored + "-2147483648"},
    };
    for (const Case& c : cases) {
        ScriptedHost caseHost;
        TempDataFile file(QuietFile(c.score, c.name));
        caseHost.dataFilePath = file.Path();
        EXPECT_TRUE(ShowBestPlayer(world, caseHost));
        ASSERT_EQ(caseHost.messages.size(), 1u);
        EXPECT_EQ(caseHost.messages[0].text, c.expected);
        EXPECT_EQ(caseHost.messages[0].caption, ExpectedText("BestPlayerCaption"));
        EXPECT_EQ(caseHost.messages[0].icon, MessageIcon::None);
        EXPECT_EQ(caseHost.messages[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(ReadBestScore(caseHost), std::optional<int32_t>(c.score));
        EXPECT_EQ(caseHost.messages.size(), 1u);
    }
}

TEST_F(LevelFileTest, BestRecordOfAMissingFileCannotBeRead) {
    TempDataFile missing(QuietFile(9, "x"));
    missing.Remove();
    ScriptedHost quiet;
    quiet.dataFilePath = missing.Path();
    EXPECT_FALSE(ReadBestScore(quiet).has_value());
    EXPECT_TRUE(quiet.messages.empty());

    ScriptedHost shown;
    shown.dataFilePath = missing.Path();
    EXPECT_FALSE(ShowBestPlayer(world, shown));
    ASSERT_EQ(shown.messages.size(), 1u);
    EXPECT_EQ(shown.messages[0].caption, ExpectedText("ErrorCaption"));
    EXPECT_EQ(shown.messages[0].icon, MessageIcon::Stop);
}

TEST_F(LevelFileTest, WritePadsShortNamesCutsLongOnesAndTouchesNothingElse) {
    struct Case {
        std::string name;
        std::string stored;
    } cases[] = {
        {"", std::string(20, ' ')},
        {"Petrov", "Petrov              "},
        {"ABCDEFGHIJKLMNOPQRSTUVWXY", "ABCDEFGHIJKLMNOPQRST"},
    };
    uint32_t seed = 100;
    for (const Case& c : cases) {
        const std::vector<uint8_t> before = RandomBytes(FileSize, ++seed);
        TempDataFile file(before);
        host.dataFilePath = file.Path();
        world.score = -123456;
        world.playerName = c.name;

        EXPECT_TRUE(WriteBestRecord(world, host));

        const std::vector<uint8_t> after = file.Bytes();
        ASSERT_EQ(after.size(), FileSize);
        EXPECT_TRUE(std::equal(before.begin(), before.begin() + ScoreAt, after.begin()));
        EXPECT_EQ(Get(after, ScoreAt), -123456);
        EXPECT_EQ(std::string(after.begin() + NameAt, after.end()), c.stored);
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(LevelFileTest, WriteIntoALongerFileKeepsItsLengthAndTail) {
    std::vector<uint8_t> before = RandomBytes(FileSize + 37, 5);
    TempDataFile file(before);
    host.dataFilePath = file.Path();
    world.score = 77;
    world.playerName = "Q";
    ASSERT_TRUE(WriteBestRecord(world, host));

    std::vector<uint8_t> after = file.Bytes();
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(Get(after, ScoreAt), 77);
    for (size_t i = ScoreAt; i < FileSize; ++i) {
        before[i] = after[i];  // only the record may differ
    }
    EXPECT_EQ(after, before);
}

TEST_F(LevelFileTest, WriteNeverCreatesNorGrowsAFile) {
    world.score = 10;
    world.playerName = "Z";

    TempDataFile missing(QuietFile(0, ""));
    missing.Remove();
    host.dataFilePath = missing.Path();
    EXPECT_FALSE(WriteBestRecord(world, host));
    EXPECT_TRUE(missing.Bytes().empty());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, ExpectedText("WriteOpenFailedText"));
    EXPECT_EQ(host.messages[0].caption, ExpectedText("ErrorCaption"));
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Warning);

    for (size_t size : {size_t(0), ScoreAt, FileSize - 1}) {
        const std::vector<uint8_t> before = RandomBytes(size, uint32_t(size));
        TempDataFile shortFile(before);
        ScriptedHost warned;
        warned.dataFilePath = shortFile.Path();
        EXPECT_FALSE(WriteBestRecord(world, warned)) << size;
        EXPECT_EQ(shortFile.Bytes(), before) << size;
        ASSERT_EQ(warned.messages.size(), 1u);
        EXPECT_EQ(warned.messages[0].caption, ExpectedText("ErrorCaption"));
        EXPECT_EQ(warned.messages[0].icon, MessageIcon::Warning);
    }
}

TEST_F(LevelFileTest, CyrillicNameSurvivesWriteAndShow) {
    TempDataFile file(QuietFile(0, ""));
    host.dataFilePath = file.Path();
    ASSERT_TRUE(Utf8ToCp1251("Ёжик Зарноков", world.playerName));
    world.score = 31337;
    ASSERT_TRUE(WriteBestRecord(world, host));
    EXPECT_EQ(file.StoredBestName(), "\xA8\xE6\xE8\xEA \xC7\xE0\xF0\xED\xEE\xEA\xEE\xE2       ");

    ASSERT_TRUE(ShowBestPlayer(world, host));
    EXPECT_EQ(host.messages.back().text, "Ёжик Зарноков       " + Scored + "31337");
}

// ---------------------------------------------------------------------------
// Windows-1251
// ---------------------------------------------------------------------------

TEST(Cp1251Text, EveryByteComesBackThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += char(b);
    }
    const std::string utf8 = Cp1251ToUtf8(all);
    std::string back;
    ASSERT_TRUE(Utf8ToCp1251(utf8, back));
    EXPECT_EQ(back, all);
    EXPECT_EQ(Cp1251ToUtf8("\xC0\xFF\xA8\xB8\xB9"), "АяЁё№");
}

TEST(Cp1251Text, CharactersWithoutAByteAreRefused) {
    std::string bytes;
    EXPECT_TRUE(Utf8ToCp1251("Abc Где", bytes));
    EXPECT_EQ(bytes, "Abc \xC3\xE4\xE5");
    EXPECT_FALSE(Utf8ToCp1251("Ω", bytes));       // Greek
    EXPECT_FALSE(Utf8ToCp1251("ä", bytes));       // not in the Cyrillic page
    EXPECT_FALSE(Utf8ToCp1251("\xD0", bytes));    // cut-off sequence
    EXPECT_FALSE(Utf8ToCp1251("a\xFFz", bytes));  // not UTF-8 at all
}

}  // namespace
