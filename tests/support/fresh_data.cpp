// fresh_data.cpp -- compiling the shipped level sources in the test itself.
#include "tests/support/fresh_data.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "tests/support/sim_process.h"
#include "tools/level/level_source.h"

using namespace levelsource;

namespace {

const std::filesystem::path LevelSources = std::filesystem::path(ZARNOK_SOURCE_DIR) / "resources/levels";

}  // namespace

std::vector<uint8_t> FreshDataFile() {
    DataFile data;
    std::vector<Diagnostic> errors;
    for (int level = 0; level < LevelCount; ++level) {
        const std::string name = "level" + std::to_string(level + 1) + ".txt";
        EXPECT_TRUE(ParseLevel(ReadFileBytes(LevelSources / name), name, data.levels[size_t(level)],
                               errors))
            << name;
    }
    EXPECT_TRUE(ParseBest(ReadFileBytes(LevelSources / "best.txt"), "best.txt", data.best, errors));
    for (const Diagnostic& error : errors) ADD_FAILURE() << error.ToString();
    return EncodeDataFile(data);
}

void WriteFreshDataFile(const std::filesystem::path& path) {
    const std::vector<uint8_t> bytes = FreshDataFile();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    ASSERT_TRUE(out.good()) << path;
}
