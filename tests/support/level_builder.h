// level_builder.h -- small Data.dat files for the tests, built in memory and
// written to a private temporary folder.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/world.h"

// One level as the tests describe it: the listed elements go into the first
// slots of their tables, every other slot stays empty (kind byte 0, x = y = 0).
struct LevelSketch {
    int32_t startX = 0, startY = 0, facing = 1;
    std::vector<Platform> platforms;
    std::vector<Decoration> decorations;
    std::vector<Pickup> pickups;
    std::vector<Nest> nests;
    std::vector<Mosquito> mosquitoes;  // alive, dir, x, y are stored
    Goal goal{};
};

struct DataFileSketch {
    std::array<LevelSketch, LevelCount> levels{};
    int32_t bestScore = 0;
    std::string bestName;  // Windows-1251 bytes, padded with spaces to 20
};

// The complete 31164-byte file.
std::vector<uint8_t> BuildDataFile(const DataFileSketch& sketch);

// A folder of its own holding "Data.dat"; removed with the object.
class TempDataFile {
public:
    explicit TempDataFile(const DataFileSketch& sketch);
    explicit TempDataFile(const std::vector<uint8_t>& bytes);
    ~TempDataFile();
    TempDataFile(const TempDataFile&) = delete;
    TempDataFile& operator=(const TempDataFile&) = delete;

    // Path of Data.dat (it may have been removed by the test).
    const std::string& Path() const { return path_; }
    // The file as it is now; empty when it does not exist.
    std::vector<uint8_t> Bytes() const;
    int32_t StoredBestScore() const;
    std::string StoredBestName() const;  // all 20 bytes
    void Remove() const;

private:
    void Write(const std::vector<uint8_t>& bytes);

    std::string dir_;
    std::string path_;
};
