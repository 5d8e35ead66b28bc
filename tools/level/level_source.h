// level_source.h -- Data.dat as records, as bytes and as the text level makers write.
//
// The level tool, its checker and the tests share these. A level record here
// mirrors the file, field for field, so that any 5190 bytes survive a trip
// through text and back unchanged. The text form is described in
// level_source.cpp and in resources/levels/README.md.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "game/level_file.h"

namespace levelsource {

// The level record and its bytes are the game's own (game/level_record.h).
using ::ElementEntry;
using ::LevelRecord;
using ::MosquitoEntry;

struct BestRecord {
    int32_t score = 0;
    std::array<uint8_t, BestNameLength> name = Blank();  // Windows-1251

    static std::array<uint8_t, BestNameLength> Blank() {
        std::array<uint8_t, BestNameLength> spaces{};
        spaces.fill(' ');
        return spaces;
    }
    bool operator==(const BestRecord&) const = default;
};

struct DataFile {
    std::array<LevelRecord, LevelCount> levels{};
    BestRecord best;

    bool operator==(const DataFile&) const = default;
};

// The five element tables of a level, in file order.
enum class Table { Platforms, Decorations, Pickups, Nests, Mosquitoes };
constexpr int TableCount = 5;
int TableCapacity(Table table);
const char* TableName(Table table);  // "platform", "decoration", ...

// --- bytes -------------------------------------------------------------------
using ::DecodeLevel;
using ::EncodeLevel;
std::vector<uint8_t> EncodeDataFile(const DataFile& data);
// False when there are fewer than DataFileSize bytes; extra bytes are ignored.
bool DecodeDataFile(std::span<const uint8_t> bytes, DataFile& data);

// --- text ----------------------------------------------------------------------
struct Diagnostic {
    std::string file;
    int line = 0;  // 1-based; 0 for the file as a whole
    std::string message;

    std::string ToString() const;  // "file:line: message"
};

// Where in a source each slot was written, for messages about the slot.
struct SourceLines {
    int start = 0;
    int goal = 0;
    std::array<std::vector<int>, TableCount> slots;  // line per slot, 0 if unwritten
};

bool ParseLevel(std::string_view text, const std::string& fileName, LevelRecord& level,
                std::vector<Diagnostic>& errors, SourceLines* lines = nullptr);
bool ParseBest(std::string_view text, const std::string& fileName, BestRecord& best,
               std::vector<Diagnostic>& errors);

// Text that ParseLevel / ParseBest turn back into exactly the same record.
std::string FormatLevel(const LevelRecord& level, int levelNumber);
std::string FormatBest(const BestRecord& best);

}  // namespace levelsource
