// The level record's layout, checked against bytes written out by hand.
#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <vector>

#include "game/level_record.h"
#include "game/world.h"

namespace {

// Puts the little-endian bytes of `v` at `at`, the way the file holds them.
void Put(std::vector<uint8_t>& bytes, size_t at, uint32_t v) {
    for (size_t i = 0; i < 4; ++i) bytes[at + i] = uint8_t(v >> (8 * i));
}

// One record with a value in the first and the last slot of every table,
// at offsets counted out by hand: 12 bytes of start, 200 + 100 + 100 + 30
// entries of 9 bytes, 100 of 13, then the goal.
std::vector<uint8_t> HandWrittenRecord() {
    std::vector<uint8_t> bytes(5190, 0);
    Put(bytes, 0, 0x01020304u);  // start x
    Put(bytes, 4, 0xFFFFFFFEu);  // start y -2
    Put(bytes, 8, 0xFFFFFFFFu);  // facing -1
    bytes[12] = 2;               // platform 0: a block
    Put(bytes, 13, 0x11223344u);
    Put(bytes, 17, 500u);
    bytes[1803] = 1;  // platform 199: a ledge
    Put(bytes, 1804, 7u);
    Put(bytes, 1808, 0x80000000u);
    bytes[1812] = 7;  // decoration 0: a tree
    Put(bytes, 1813, 130u);
    bytes[3603] = 6;  // pickup 99: a strawberry
    Put(bytes, 3608, 390u);
    bytes[3873] = 100;  // nest 29
    Put(bytes, 3874, 60u);
    bytes[3882] = 100;              // mosquito 0
    Put(bytes, 3883, 0xFFFFFFFFu);  //   dir -1
    Put(bytes, 3887, 900u);
    Put(bytes, 3891, 200u);
    bytes[5169] = 1;  // mosquito 99
    Put(bytes, 5170, 1u);
    Put(bytes, 5178, 0xFFFFFF9Cu);  //   y -100
    Put(bytes, 5182, 3180u);        // goal
    Put(bytes, 5186, 360u);
    return bytes;
}

TEST(LevelRecord, EveryFieldSitsWhereTheFileKeepsIt) {
    const std::vector<uint8_t> bytes = HandWrittenRecord();
    const LevelRecord level = DecodeLevel(
        std::span<const uint8_t, LevelRecordSize>(bytes.data(), bytes.size()));
    EXPECT_EQ(level.startX, 0x01020304);
    EXPECT_EQ(level.startY, -2);
    EXPECT_EQ(level.facing, -1);
    EXPECT_EQ(level.platforms[0], (ElementEntry{2, 0x11223344, 500}));
    EXPECT_EQ(level.platforms[199], (ElementEntry{1, 7, INT32_MIN}));
    EXPECT_EQ(level.platforms[1], ElementEntry{});
    EXPECT_EQ(level.decorations[0], (ElementEntry{7, 130, 0}));
    EXPECT_EQ(level.pickups[99], (ElementEntry{6, 0, 390}));
    EXPECT_EQ(level.nests[29], (ElementEntry{100, 60, 0}));
    EXPECT_EQ(level.mosquitoes[0], (MosquitoEntry{100, -1, 900, 200}));
    EXPECT_EQ(level.mosquitoes[99], (MosquitoEntry{1, 1, 0, -100}));
    EXPECT_EQ(level.goalX, 3180);
    EXPECT_EQ(level.goalY, 360);

    std::vector<uint8_t> again(5190, 0xEE);
    EncodeLevel(level, std::span<uint8_t, LevelRecordSize>(again.data(), again.size()));
    EXPECT_EQ(again, bytes);
}

TEST(LevelRecord, PlacingALevelKeepsEachMosquitosHeadingAndChase) {
    const std::vector<uint8_t> bytes = HandWrittenRecord();
    const LevelRecord level = DecodeLevel(
        std::span<const uint8_t, LevelRecordSize>(bytes.data(), bytes.size()));
    GameWorld world;
    world.mosquitoes[0].heading = 1.25f;
    world.mosquitoes[0].chasing = 1;
    world.platforms[5] = Platform{1, 2, PlatformLedge};  // an older level's slot
    PlaceLevel(level, world);
    EXPECT_EQ(world.player.x, 0x01020304);
    EXPECT_EQ(world.player.y, -2);
    EXPECT_EQ(world.player.facing, -1);
    EXPECT_EQ(world.platforms[0].type, PlatformBlock);
    EXPECT_EQ(world.platforms[199].y, INT32_MIN);
    EXPECT_EQ(world.platforms[5].type, PlatformNone);
    EXPECT_EQ(world.decorations[0].type, 7);
    EXPECT_EQ(world.pickups[99].y, 390);
    EXPECT_EQ(world.nests[29].spawnTimer, 100);
    EXPECT_EQ(world.mosquitoes[0].alive, 100);
    EXPECT_EQ(world.mosquitoes[0].dir, -1);
    EXPECT_EQ(world.mosquitoes[0].x, 900);
    EXPECT_EQ(world.mosquitoes[0].heading, 1.25f);
    EXPECT_EQ(world.mosquitoes[0].chasing, 1);
    EXPECT_EQ(world.mosquitoes[99].y, -100);
    EXPECT_EQ(world.goal.x, 3180);
    EXPECT_EQ(world.goal.y, 360);
}

}  // namespace
