// level_file_short_test.cpp -- a Data.dat that ends early plays the levels it holds whole.
//
// Offsets are spelled out here rather than taken from the game's constants,
// so that a wrong boundary in the game shows.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "game/level_file.h"
#include "game/world.h"
#include "tests/support/expected_texts.h"
#include "tests/support/level_builder.h"
#include "tools/common/scripted_host.h"
#include "game/world_hash.h"

namespace {

constexpr size_t FileSize = 31164;
constexpr size_t RecordSize = 5190;

// Level k starts at x = 100 k, so the loaded record shows; best 1500 "Ivan".
std::vector<uint8_t> MarkedFile(size_t size) {
    DataFileSketch sketch;
    for (int k = 0; k < LevelCount; ++k) {
        sketch.levels[size_t(k)].startX = 100 * (k + 1);
        sketch.levels[size_t(k)].platforms.push_back(Platform{10, 20, 1});
    }
    sketch.bestScore = 1500;
    sketch.bestName = "Ivan";
    std::vector<uint8_t> bytes = BuildDataFile(sketch);
    bytes.resize(size);
    return bytes;
}

std::string RefusedLevelText(int level) {
    return ExpectedText("LevelCutTextStart") + std::to_string(level) +
           ExpectedText("LevelCutTextEnd");
}

// A world whose every loaded field differs from what any record holds.
GameWorld MarkedWorld() {
    GameWorld world;
    world.player.x = -7;
    world.player.spareMagazines = 9;
    world.player.moveDir = 1;
    world.deathCode = DeathBitten;
    world.deathPlaneY = 4242;
    world.platforms[5] = Platform{99, 98, 3};
    world.mosquitoes[3].alive = 1;
    world.mosquitoes[3].chasing = 1;
    world.goal = Goal{11, 12};
    return world;
}

// What a refused load still does: it takes the spare magazines and calls off
// the chase, and nothing more.
GameWorld AsRefused(GameWorld world) {
    world.player.spareMagazines = 0;
    for (Mosquito& m : world.mosquitoes) {
        m.chasing = 0;
    }
    return world;
}

struct ShortCase {
    size_t size;
    int wholeLevels;          // levels 1..wholeLevels load
    int32_t bestScore;        // as ReadBestScore gives it
    std::string bestMessage;  // what the best-player command shows
};

const ShortCase ShortCases[] = {
    {RecordSize, 1, 0, ExpectedText("NoBestRecordText")},
    {2 * RecordSize, 2, 0, ExpectedText("NoBestRecordText")},
    {6 * RecordSize, 6, 0, ExpectedText("NoBestRecordText")},
    {31150, 6, 1500,
     "Ivan" + std::string(2, ' ') + ExpectedText("ScoredText") + "1500"},  // six name bytes
    {FileSize - 1, 6, 1500,
     "Ivan" + std::string(15, ' ') + ExpectedText("ScoredText") + "1500"},  // nineteen
};

TEST(LevelFileShort, EachLevelHeldWholeLoadsAndTheOthersAreRefusedUntouched) {
    for (const ShortCase& c : ShortCases) {
        TempDataFile file(MarkedFile(c.size));
        for (int level = 1; level <= LevelCount; ++level) {
            SCOPED_TRACE("size " + std::to_string(c.size) + ", level " + std::to_string(level));
            ScriptedHost host;
            host.dataFilePath = file.Path();
            GameWorld world = MarkedWorld();
            const uint64_t refusedHash = WorldHash(AsRefused(world));

            const bool loaded = LoadLevel(world, host, uint8_t(level));

            ASSERT_EQ(loaded, level <= c.wholeLevels);
            if (loaded) {
                EXPECT_EQ(world.player.x, 100 * level);
                EXPECT_EQ(world.platforms[5].type, 0);
                EXPECT_EQ(world.deathPlaneY, 120);
                EXPECT_EQ(host.messages.size(), 1u);  // the sponsor only
            } else {
                EXPECT_EQ(WorldHash(world), refusedHash);
                ASSERT_EQ(host.messages.size(), 2u);
                EXPECT_EQ(host.messages[1].text, RefusedLevelText(level));
                EXPECT_EQ(host.messages[1].caption, ExpectedText("ErrorCaption"));
                EXPECT_EQ(host.messages[1].icon, MessageIcon::Stop);
            }
        }
    }
}

TEST(LevelFileShort, BestRecordReadsWhatIsThereAndIsNeverWritten) {
    for (const ShortCase& c : ShortCases) {
        SCOPED_TRACE("size " + std::to_string(c.size));
        const std::vector<uint8_t> before = MarkedFile(c.size);
        TempDataFile file(before);
        ScriptedHost host;
        host.dataFilePath = file.Path();
        GameWorld world;

        EXPECT_EQ(ReadBestScore(host), std::optional<int32_t>(c.bestScore));
        EXPECT_TRUE(host.messages.empty());

        EXPECT_TRUE(ShowBestPlayer(world, host));
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].text, c.bestMessage);
        EXPECT_EQ(host.messages[0].caption, ExpectedText("BestPlayerCaption"));
        EXPECT_EQ(host.messages[0].icon, MessageIcon::None);

        world.score = 9000;
        world.playerName = "Petrov";
        EXPECT_FALSE(WriteBestRecord(world, host));
        EXPECT_EQ(file.Bytes(), before);
        ASSERT_EQ(host.messages.size(), 2u);
        EXPECT_EQ(host.messages[1].text, ExpectedText("WriteShortFileText"));
        EXPECT_EQ(host.messages[1].icon, MessageIcon::Warning);
    }
}

TEST(LevelFileShort, AFileCutInsideLevelTwoPlaysLevelOneOnly) {
    for (size_t size : {RecordSize + 1, RecordSize + 2000, 2 * RecordSize - 1}) {
        SCOPED_TRACE("size " + std::to_string(size));
        TempDataFile file(MarkedFile(size));
        ScriptedHost host;
        host.dataFilePath = file.Path();
        GameWorld world = MarkedWorld();

        ASSERT_TRUE(LoadLevel(world, host, 1));
        EXPECT_EQ(world.player.x, 100);

        // Level 2's first fields are in the file, but not the whole record.
        const uint64_t refusedHash = WorldHash(AsRefused(world));
        EXPECT_FALSE(LoadLevel(world, host, 2));
        EXPECT_EQ(WorldHash(world), refusedHash);
        ASSERT_EQ(host.messages.size(), 3u);
        EXPECT_EQ(host.messages[2].text, RefusedLevelText(2));
    }
}

TEST(LevelFileShort, AnEmptyFileHoldsNoLevelAndNoRecord) {
    TempDataFile file(std::vector<uint8_t>{});
    ScriptedHost host;
    host.dataFilePath = file.Path();
    GameWorld world;
    EXPECT_FALSE(LoadLevel(world, host, 1));
    EXPECT_EQ(host.messages.back().text, RefusedLevelText(1));
    EXPECT_EQ(ReadBestScore(host), std::optional<int32_t>(0));
}

}  // namespace
