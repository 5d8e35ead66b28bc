// write_failures_test.cpp -- the system refusing what the game asks: writes
// cut short, a full disk, a sync, close or rename that fails, a read that
// stops early. Each is reported as a failure, no descriptor stays open, and
// the file is either exactly as it was or exactly as intended.
//
// The system calls are stood in for by tests/support/shim/file_faults.h.
#include <gtest/gtest.h>

#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "game/level_file.h"
#include "shell/game_folder.h"
#include "tests/support/expected_texts.h"
#include "tests/support/shim/file_faults.h"
#include "tests/support/fresh_data.h"
#include "tests/support/level_builder.h"
#include "tools/common/scripted_host.h"

namespace fs = std::filesystem;

namespace {

struct Refusal {
    const char* what;
    Call call;
    int error;
    long bytesFirst;
};

// Each way a write can fail; the short write stops in the middle of the record.
constexpr Refusal WriteRefusals[] = {
    {"a write refused", Call::Write, EIO, 0},
    {"a full disk after ten bytes", Call::Write, ENOSPC, 10},
    {"a sync refused", Call::Sync, EIO, 0},
    {"a close refused", Call::Close, EIO, 0},
};

class WriteFailuresTest : public ::testing::Test {
protected:
    void Arm(const std::string& folder, const Refusal& refusal) {
        faults = Faults{folder, refusal.call, refusal.error, refusal.bytesFirst};
    }
    void TearDown() override { faults = Faults{}; }
};

std::vector<uint8_t> WithRecord(std::vector<uint8_t> bytes, int32_t score, const std::string& name) {
    for (int i = 0; i < 4; ++i) bytes[size_t(BestScoreOffset + i)] = uint8_t(uint32_t(score) >> (8 * i));
    for (size_t i = 0; i < size_t(BestNameLength); ++i)
        bytes[size_t(BestNameOffset) + i] = i < name.size() ? uint8_t(name[i]) : uint8_t(' ');
    return bytes;
}

void WriteBytes(const fs::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

std::vector<uint8_t> ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

TEST_F(WriteFailuresTest, ABestRecordThatCannotBeWrittenWholeLeavesTheOldOneAndSaysSo) {
    for (const Refusal& refusal : WriteRefusals) {
        SCOPED_TRACE(refusal.what);
        TempDataFile data(FreshDataFile());
        const std::vector<uint8_t> before = data.Bytes();
        GameWorld world;
        world.score = 77777;
        world.playerName = "Longer than twenty bytes";
        ScriptedHost host;
        host.dataFilePath = data.Path();
        const int descriptors = OpenDescriptors();
        Arm(fs::path(data.Path()).parent_path().string(), refusal);
        EXPECT_FALSE(WriteBestRecord(world, host));
        faults = Faults{};

        EXPECT_EQ(OpenDescriptors(), descriptors);
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].text, ExpectedText("WriteFailedText"));
        // A close fails only after the record reached the disk.
        const std::vector<uint8_t> intended = WithRecord(before, 77777, "Longer than twenty b");
        EXPECT_TRUE(data.Bytes() == (refusal.call == Call::Close ? intended : before));
    }
}

TEST_F(WriteFailuresTest, NamesOfOneAndOfTwentyOneBytesAreWrittenPaddedAndCut) {
    for (const std::string& name : {std::string("\xDF"), std::string(BestNameLength + 1, 'x')}) {
        TempDataFile data(FreshDataFile());
        const std::vector<uint8_t> before = data.Bytes();
        GameWorld world;
        world.score = -1;
        world.playerName = name;
        ScriptedHost host;
        host.dataFilePath = data.Path();
        EXPECT_TRUE(WriteBestRecord(world, host));
        EXPECT_TRUE(host.messages.empty());
        EXPECT_TRUE(data.Bytes() == WithRecord(before, -1, name.substr(0, size_t(BestNameLength))));
    }
}

TEST_F(WriteFailuresTest, AReadCutShortIsAFileThatEndsThereAndAFailedOneCannotBeOpened) {
    TempDataFile data(FreshDataFile());
    const std::string folder = fs::path(data.Path()).parent_path().string();
    const auto load = [&](uint8_t level, const Refusal& refusal) {
        GameWorld world;
        ScriptedHost host;
        host.dataFilePath = data.Path();
        Arm(folder, refusal);
        const bool loaded = LoadLevel(world, host, level);
        faults = Faults{};
        return std::make_pair(loaded, host.messages.empty() ? "" : host.messages.back().text);
    };
    // The first five records and a byte of the sixth arrive, then the end.
    const long cut = 5 * LevelRecordSize + 1;
    EXPECT_EQ(load(5, {"", Call::Read, 0, cut}).first, true);
    const auto sixth = load(6, {"", Call::Read, 0, cut});
    EXPECT_FALSE(sixth.first);
    EXPECT_NE(sixth.second.find('6'), std::string::npos) << sixth.second;
    const auto broken = load(1, {"", Call::Read, EIO, 100});
    EXPECT_FALSE(broken.first);
    EXPECT_EQ(broken.second, ExpectedText("OpenFailedText"));
}

TEST_F(WriteFailuresTest, AGameFolderThatCannotBeRefreshedKeepsItsFileAndNoTemporaryOne) {
    std::vector<Refusal> refusals(std::begin(WriteRefusals), std::end(WriteRefusals));
    refusals.push_back({"a rename refused", Call::Rename, EXDEV, 0});
    for (const Refusal& refusal : refusals) {
        for (const bool seeding : {true, false}) {
            SCOPED_TRACE(std::string(refusal.what) + (seeding ? ", seeding" : ", refreshing"));
            TempDataFile shipped(FreshDataFile());
            const fs::path folder = fs::path(shipped.Path()).parent_path() / "player";
            fs::create_directories(folder);
            std::vector<uint8_t> old = WithRecord(FreshDataFile(), 500, "Old");
            old[0] ^= 1;  // levels of an older package, to be refreshed
            if (!seeding) WriteBytes(folder / "Data.dat", old);
            const int descriptors = OpenDescriptors();
            Arm(folder.string(), refusal);
            const FolderOutcome outcome = UpdateGameFolder(folder, shipped.Path());
            faults = Faults{};

            EXPECT_EQ(outcome.update, FolderUpdate::Failed);
            EXPECT_NE(outcome.problem.find(std::strerror(refusal.error)), std::string::npos)
                << outcome.problem;
            EXPECT_EQ(OpenDescriptors(), descriptors);
            std::vector<std::string> left;
            for (const auto& entry : fs::directory_iterator(folder))
                left.push_back(entry.path().filename().string());
            EXPECT_EQ(left, seeding ? std::vector<std::string>{}
                                    : std::vector<std::string>{"Data.dat"});
            if (!seeding) {
                EXPECT_TRUE(ReadBytes(folder / "Data.dat") == old);
            }
        }
    }
}
