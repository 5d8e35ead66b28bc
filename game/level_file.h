// level_file.h -- Data.dat: six level records and the best player's record.
//
// Layout, little-endian and packed, 31164 bytes:
//   0      6 x 5190  level records 1..6
//   31140  4         best score, int32
//   31144  20        best name, Windows-1251, right-padded with spaces
#pragma once

#include <cstdint>
#include <optional>

#include "game/level_record.h"
#include "game/world.h"

class Host;

constexpr int32_t BestScoreOffset = LevelCount * LevelRecordSize;  // 31140
constexpr int32_t BestNameOffset = BestScoreOffset + 4;            // 31144
constexpr int32_t DataFileSize = BestNameOffset + BestNameLength;  // 31164

// Shows the sponsor message and loads level `level` (1..6) into the world.
// Returns false, after telling the player, when Data.dat is missing, is not
// a regular file, or ends before the end of the level's record; the world
// then holds no half-loaded level.
bool LoadLevel(GameWorld& world, Host& host, uint8_t level);

// The y below which a falling soldier dies: 100 px under the lowest
// platform slot, empty ones included.
int32_t DeathPlaneOf(const LevelRecord& level);

// The best-player command: shows the stored name and score, or says that
// the file holds no record. False when the file cannot be read at all.
bool ShowBestPlayer(GameWorld& world, Host& host);

// The stored best score: 0 when the file ends before it, nothing when the
// file cannot be read at all.
std::optional<int32_t> ReadBestScore(Host& host);

// Writes the current score and player name into a complete Data.dat; a
// shorter file is left as it is and the player is told.
bool WriteBestRecord(GameWorld& world, Host& host);
