// The player's game folder: first start, a new level set, the record kept, failures left harmless.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "game/level_file.h"
#include "shell/game_folder.h"

namespace fs = std::filesystem;

namespace {

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Spill(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Levels all `levels`, the record all `record`.
std::string DataFile(char levels, char record) {
    return std::string(size_t(BestScoreOffset), levels) +
           std::string(size_t(DataFileSize - BestScoreOffset), record);
}

class GameFolderTest : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "zarnok-folder-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        shipped_ = root_ / "Data.dat.shipped";
        folder_ = root_ / "data" / "zarnok";
        Spill(shipped_, DataFile('L', 'S'));
    }
    void TearDown() override { fs::remove_all(root_); }

    fs::path PlayerFile() const { return folder_ / "Data.dat"; }
    // Nothing but Data.dat and the memo of the levels the game brought: a
    // temporary file left behind would be litter.
    size_t FilesInFolder() const {
        return size_t(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
    }

    fs::path root_, shipped_, folder_;
};

TEST_F(GameFolderTest, FirstStartCreatesTheFolderAndCopiesTheShippedFile) {
    const FolderOutcome first = UpdateGameFolder(folder_, shipped_);
    EXPECT_EQ(first.update, FolderUpdate::Seeded) << first.problem;
    EXPECT_EQ(Slurp(PlayerFile()), DataFile('L', 'S'));
    EXPECT_EQ(FilesInFolder(), 2u);
    EXPECT_EQ(UpdateGameFolder(folder_, shipped_).update, FolderUpdate::Unchanged);
}

TEST_F(GameFolderTest, NewLevelsReplaceTheOldOnesAndKeepThePlayersRecord) {
    fs::create_directories(folder_);
    Spill(PlayerFile(), DataFile('o', 'P'));
    EXPECT_EQ(UpdateGameFolder(folder_, shipped_).update, FolderUpdate::LevelsRefreshed);
    EXPECT_EQ(Slurp(PlayerFile()), DataFile('L', 'P'));
    EXPECT_EQ(FilesInFolder(), 2u);

    // A file too short to hold a record gets the shipped one; bytes past
    // the record are no part of the game and go.
    Spill(PlayerFile(), DataFile('o', 'P').substr(0, size_t(BestScoreOffset) + 10));
    EXPECT_EQ(UpdateGameFolder(folder_, shipped_).update, FolderUpdate::LevelsRefreshed);
    EXPECT_EQ(Slurp(PlayerFile()), DataFile('L', 'S'));
    Spill(PlayerFile(), DataFile('L', 'P') + "tail");
    EXPECT_EQ(UpdateGameFolder(folder_, shipped_).update, FolderUpdate::LevelsRefreshed);
    EXPECT_EQ(Slurp(PlayerFile()), DataFile('L', 'P'));
}

// Levels a maker installed outlive the game's next starts, even one that
// brings a new level set; levels the game brought are still refreshed.
TEST_F(GameFolderTest, AMakersLevelsStayWhereTheGamesOwnAreRefreshed) {
    const fs::path own = root_ / "own.dat";
    Spill(own, DataFile('M', 'X'));
    for (const bool seededFirst : {true, false}) {
        fs::remove_all(folder_);
        if (seededFirst) {
            ASSERT_EQ(UpdateGameFolder(folder_, shipped_).update, FolderUpdate::Seeded);
        }
        const FolderUpdate installed = InstallLevels(folder_, own).update;
        EXPECT_EQ(installed, seededFirst ? FolderUpdate::LevelsRefreshed : FolderUpdate::Seeded);
        EXPECT_EQ(UpdateGameFolder(folder_, shipped_).update, FolderUpdate::OwnLevelsKept);
        Spill(shipped_, DataFile('N', 'S'));
        EXPECT_EQ(UpdateGameFolder(folder_, shipped_).update, FolderUpdate::OwnLevelsKept);
        EXPECT_EQ(Slurp(PlayerFile()), seededFirst ? DataFile('M', 'S') : DataFile('M', 'X'));
        Spill(shipped_, DataFile('L', 'S'));
    }
    // The shipped levels installed again are the game's once more.
    ASSERT_EQ(InstallLevels(folder_, shipped_).update, FolderUpdate::LevelsRefreshed);
    ASSERT_EQ(UpdateGameFolder(folder_, shipped_).update, FolderUpdate::Unchanged);
    Spill(shipped_, DataFile('N', 'S'));
    EXPECT_EQ(UpdateGameFolder(folder_, shipped_).update, FolderUpdate::LevelsRefreshed);
    EXPECT_EQ(Slurp(PlayerFile()), DataFile('N', 'X'));
}

TEST_F(GameFolderTest, ProblemsAreReportedAndLeaveThePlayersFileAlone) {
    // A folder that cannot be made: a plain file stands where it should go.
    Spill(root_ / "data", "not a folder");
    const FolderOutcome blocked = UpdateGameFolder(folder_, shipped_);
    EXPECT_EQ(blocked.update, FolderUpdate::Failed);
    EXPECT_NE(blocked.problem.find(folder_.string()), std::string::npos) << blocked.problem;
    fs::remove(root_ / "data");

    // A damaged shipped file never reaches the player's file.
    fs::create_directories(folder_);
    Spill(PlayerFile(), DataFile('o', 'P'));
    Spill(shipped_, DataFile('L', 'S').substr(0, 1000));
    const FolderOutcome damaged = UpdateGameFolder(folder_, shipped_);
    EXPECT_EQ(damaged.update, FolderUpdate::Failed);
    EXPECT_NE(damaged.problem.find(shipped_.string()), std::string::npos) << damaged.problem;
    EXPECT_EQ(Slurp(PlayerFile()), DataFile('o', 'P'));

    // Something other than a file under the name is not replaced.
    Spill(shipped_, DataFile('L', 'S'));
    fs::remove(PlayerFile());
    fs::create_directory(PlayerFile());
    EXPECT_EQ(UpdateGameFolder(folder_, shipped_).update, FolderUpdate::Failed);
    EXPECT_TRUE(fs::is_directory(PlayerFile()));
}

TEST_F(GameFolderTest, ADataFileInTheCurrentDirectoryIsPlayedWhereItIs) {
    const fs::path before = fs::current_path();
    const fs::path xdg = root_ / "data";
    fs::current_path(root_);
    Spill(root_ / "Data.dat", DataFile('c', 'C'));
    const GameFolder here = ChooseGameFolder(shipped_, xdg.c_str(), "/nonexistent");
    fs::remove(root_ / "Data.dat");
    const GameFolder own = ChooseGameFolder(shipped_, xdg.c_str(), "/nonexistent");
    fs::current_path(before);

    EXPECT_TRUE(here.folder.empty());
    EXPECT_EQ(own.folder, folder_);
    EXPECT_EQ(own.outcome.update, FolderUpdate::Seeded) << own.outcome.problem;
}

TEST(PlayerGameFolder, FollowsXdgDataHomeThenHome) {
    EXPECT_EQ(PlayerGameFolder("/x/data", "/home/p"), fs::path("/x/data/zarnok"));
    EXPECT_EQ(PlayerGameFolder(nullptr, "/home/p"), fs::path("/home/p/.local/share/zarnok"));
    // Empty or relative XDG_DATA_HOME counts as unset.
    EXPECT_EQ(PlayerGameFolder("", "/home/p"), fs::path("/home/p/.local/share/zarnok"));
    EXPECT_EQ(PlayerGameFolder("rel", "/home/p"), fs::path("/home/p/.local/share/zarnok"));
    EXPECT_TRUE(PlayerGameFolder(nullptr, nullptr).empty());
}

TEST(FileInFolderOrShipped, PrefersTheGameFoldersOwnFile) {
    const fs::path folder = fs::temp_directory_path();
    const std::string name = "zarnok-sound-" + std::to_string(getpid()) + ".wav";
    EXPECT_EQ(FileInFolderOrShipped(folder, "/shipped", name.c_str()), "/shipped/" + name);
    Spill(folder / name, "RIFF");
    EXPECT_EQ(FileInFolderOrShipped(folder, "/shipped", name.c_str()), folder / name);
    fs::remove(folder / name);
}

}  // namespace
