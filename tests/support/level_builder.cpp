// level_builder.cpp -- writes the little-endian, packed records of Data.dat.
#include "tests/support/level_builder.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "game/level_file.h"

namespace {

void PutInt32(std::vector<uint8_t>& out, size_t at, int32_t value) {
    const uint32_t v = static_cast<uint32_t>(value);
    for (size_t i = 0; i < 4; ++i) {
        out[at + i] = static_cast<uint8_t>(v >> (8 * i));
    }
}

template <typename Element, typename KindField>
void PutElements(std::vector<uint8_t>& out, size_t at, const std::vector<Element>& elements,
                 size_t capacity, KindField kind) {
    for (size_t i = 0; i < elements.size() && i < capacity; ++i) {
        const size_t entry = at + i * size_t(ElementEntrySize);
        out[entry] = elements[i].*kind;
        PutInt32(out, entry + 1, elements[i].x);
        PutInt32(out, entry + 5, elements[i].y);
    }
}

void PutLevel(std::vector<uint8_t>& out, size_t at, const LevelSketch& level) {
    PutInt32(out, at + 0, level.startX);
    PutInt32(out, at + 4, level.startY);
    PutInt32(out, at + 8, level.facing);
    PutElements(out, at + size_t(PlatformsOffset), level.platforms, MaxPlatforms, &Platform::type);
    PutElements(out, at + size_t(DecorationsOffset), level.decorations, MaxDecorations,
                &Decoration::type);
    PutElements(out, at + size_t(PickupsOffset), level.pickups, MaxPickups, &Pickup::type);
    PutElements(out, at + size_t(NestsOffset), level.nests, MaxNests, &Nest::spawnTimer);
    for (size_t i = 0; i < level.mosquitoes.size() && i < size_t(MaxMosquitoes); ++i) {
        const size_t entry = at + size_t(MosquitoesOffset) + i * size_t(MosquitoEntrySize);
        out[entry] = level.mosquitoes[i].alive;
        PutInt32(out, entry + 1, level.mosquitoes[i].dir);
        PutInt32(out, entry + 5, level.mosquitoes[i].x);
        PutInt32(out, entry + 9, level.mosquitoes[i].y);
    }
    PutInt32(out, at + size_t(GoalOffset), level.goal.x);
    PutInt32(out, at + size_t(GoalOffset) + 4, level.goal.y);
}

int folderCounter = 0;

}  // namespace

std::vector<uint8_t> BuildDataFile(const DataFileSketch& sketch) {
    std::vector<uint8_t> out(size_t(DataFileSize), 0);
    for (size_t k = 0; k < size_t(LevelCount); ++k) {
        PutLevel(out, k * size_t(LevelRecordSize), sketch.levels[k]);
    }
    PutInt32(out, size_t(BestScoreOffset), sketch.bestScore);
    for (size_t i = 0; i < size_t(BestNameLength); ++i) {
        out[size_t(BestNameOffset) + i] =
            i < sketch.bestName.size() ? static_cast<uint8_t>(sketch.bestName[i]) : uint8_t(' ');
    }
    return out;
}

TempDataFile::TempDataFile(const DataFileSketch& sketch) { Write(BuildDataFile(sketch)); }

TempDataFile::TempDataFile(const std::vector<uint8_t>& bytes) { Write(bytes); }

void TempDataFile::Write(const std::vector<uint8_t>& bytes) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() /
                         ("zarnok-test-" + std::to_string(getpid()) + "-" +
                          std::to_string(++folderCounter));
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
