// level_builder.cpp -- Data.dat files from level sketches, through the game's own codec.
#include "tests/support/level_builder.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <span>

#include "game/level_file.h"
#include "game/level_record.h"

namespace {

void PutInt32(std::vector<uint8_t>& out, size_t at, int32_t value) {
    const uint32_t v = static_cast<uint32_t>(value);
    for (size_t i = 0; i < 4; ++i) {
        out[at + i] = static_cast<uint8_t>(v >> (8 * i));
    }
}

// The listed elements in the first slots of a table, the rest left empty.
template <typename Element, size_t N, typename KindField>
void FillEntries(std::array<ElementEntry, N>& entries, const std::vector<Element>& elements,
                 KindField kind) {
    for (size_t i = 0; i < elements.size() && i < N; ++i) {
        entries[i] = ElementEntry{elements[i].*kind, elements[i].x, elements[i].y};
    }
}

LevelRecord RecordOf(const LevelSketch& level) {
    LevelRecord record;
    record.startX = level.startX;
    record.startY = level.startY;
    record.facing = level.facing;
    FillEntries(record.platforms, level.platforms, &Platform::type);
    FillEntries(record.decorations, level.decorations, &Decoration::type);
    FillEntries(record.pickups, level.pickups, &Pickup::type);
    FillEntries(record.nests, level.nests, &Nest::spawnTimer);
    for (size_t i = 0; i < level.mosquitoes.size() && i < record.mosquitoes.size(); ++i) {
        const Mosquito& m = level.mosquitoes[i];
        record.mosquitoes[i] = MosquitoEntry{m.alive, m.dir, m.x, m.y};
    }
    record.goalX = level.goal.x;
    record.goalY = level.goal.y;
    return record;
}

int folderCounter = 0;

}  // namespace

std::vector<uint8_t> BuildDataFile(const DataFileSketch& sketch) {
    std::vector<uint8_t> out(size_t(DataFileSize), 0);
    for (size_t k = 0; k < size_t(LevelCount); ++k) {
        EncodeLevel(RecordOf(sketch.levels[k]),
                    std::span<uint8_t, LevelRecordSize>(out.data() + k * size_t(LevelRecordSize),
                                                        size_t(LevelRecordSize)));
    }
    PutInt32(out, size_t(BestScoreOffset), sketch.bestScore);
    for (size_t i = 0; i < size_t(BestNameLength); ++i) {
        out[size_t(BestNameOffset) + i] = i < sketch.bestName.size()
                                              ? static_cast<uint8_t>(sketch.bestName[i])
                                              : uint8_t(' ');
    }
    return out;
}

TempDataFile::TempDataFile(const DataFileSketch& sketch) { Write(BuildDataFile(sketch)); }

TempDataFile::TempDataFile(const std::vector<uint8_t>& bytes) { Write(bytes); }

void TempDataFile::Write(const std::vector<uint8_t>& bytes) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("zarnok-test-" + std::to_string(getpid()) +
                                                      "-" + std::to_string(++folderCounter));
    fs::create_directories(dir);
    dir_ = dir.string();
    path_ = (dir / "Data.dat").string();
    std::ofstream file(path_, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

TempDataFile::~TempDataFile() {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
}

std::vector<uint8_t> TempDataFile::Bytes() const {
    std::ifstream file(path_, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file),
                                std::istreambuf_iterator<char>());
}

int32_t TempDataFile::StoredBestScore() const {
    const std::vector<uint8_t> bytes = Bytes();
    if (bytes.size() < size_t(BestScoreOffset) + 4) {
        return 0;
    }
    uint32_t v = 0;
    for (size_t i = 0; i < 4; ++i) {
        v |= uint32_t(bytes[size_t(BestScoreOffset) + i]) << (8 * i);
    }
    return static_cast<int32_t>(v);
}

std::string TempDataFile::StoredBestName() const {
    const std::vector<uint8_t> bytes = Bytes();
    if (bytes.size() < size_t(DataFileSize)) {
        return {};
    }
    return std::string(bytes.begin() + BestNameOffset, bytes.begin() + DataFileSize);
}

void TempDataFile::Remove() const {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
}
