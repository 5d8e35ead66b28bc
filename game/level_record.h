// level_record.h -- one level of Data.dat as a record, and its 5190 bytes.
//
// The one codec of the level layout: the game's loader, the level compiler
// and the tests' level files all encode and decode through it. Fields are
// little-endian and packed, in this order:
//   0      start x, start y, facing              3 x int32
//   12     200 platforms, 100 decorations,       9 bytes each: kind, x, y
//          100 pickups, 30 nests
//   3882   100 mosquitoes                        13 bytes each: alive, dir, x, y
//   5182   goal x, goal y                        2 x int32
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "game/world.h"

constexpr int32_t LevelRecordSize = 5190;

// Offsets inside one level record.
constexpr int32_t ElementEntrySize = 9;    // kind byte, x, y
constexpr int32_t MosquitoEntrySize = 13;  // alive, dir, x, y
constexpr int32_t PlatformsOffset = 12;
constexpr int32_t DecorationsOffset = PlatformsOffset + MaxPlatforms * ElementEntrySize;
constexpr int32_t PickupsOffset = DecorationsOffset + MaxDecorations * ElementEntrySize;
constexpr int32_t NestsOffset = PickupsOffset + MaxPickups * ElementEntrySize;
constexpr int32_t MosquitoesOffset = NestsOffset + MaxNests * ElementEntrySize;
constexpr int32_t GoalOffset = MosquitoesOffset + MaxMosquitoes * MosquitoEntrySize;
static_assert(GoalOffset + 8 == LevelRecordSize);

// One 9-byte entry of the platform, decoration, pickup or nest table.
struct ElementEntry {
    uint8_t kind = 0;  // type, or a nest's spawn timer; 0 empty slot
    int32_t x = 0;
    int32_t y = 0;

    bool operator==(const ElementEntry&) const = default;
};

// One 13-byte mosquito entry.
struct MosquitoEntry {
    uint8_t alive = 0;
    int32_t dir = 0;
    int32_t x = 0;
    int32_t y = 0;

    bool operator==(const MosquitoEntry&) const = default;
};

struct LevelRecord {
    int32_t startX = 0;  // soles of the soldier
    int32_t startY = 0;
    int32_t facing = 0;  // -1 left, 1 right
    std::array<ElementEntry, MaxPlatforms> platforms{};
    std::array<ElementEntry, MaxDecorations> decorations{};
    std::array<ElementEntry, MaxPickups> pickups{};
    std::array<ElementEntry, MaxNests> nests{};
    std::array<MosquitoEntry, MaxMosquitoes> mosquitoes{};
    int32_t goalX = 0;  // top-left corner of the exit
    int32_t goalY = 0;

    bool operator==(const LevelRecord&) const = default;
};

void EncodeLevel(const LevelRecord& level, std::span<uint8_t, LevelRecordSize> out);
LevelRecord DecodeLevel(std::span<const uint8_t, LevelRecordSize> in);

// Puts a level into the world: the soldier's start, every table slot, the
// goal. Each mosquito keeps its heading and chase flag; the file has none.
void PlaceLevel(const LevelRecord& level, GameWorld& world);
