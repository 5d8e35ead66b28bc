// sim_level_proofs_test.cpp -- every shipped level can be finished: the runs
// in tests/replays/proofs, played by the runner, reach their goals.
//
// Each replay starts a game on a copy of the built Data.dat whose levels are
// turned round so that the replay's level comes first, and must leave that
// level through its exit without a death; full-game.txt plays all six and
// must end in the victory, the new best record and the question about a new
// game. When a rule change breaks a run, play the routes again with
// tests/replays/proofs/record.sh; never ease the checks here.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "game/level_file.h"
#include "game/text.h"
#include "game/world.h"
#include "render/little_endian.h"
#include "tests/support/expected_texts.h"
#include "tests/support/fresh_data.h"
#include "tests/support/sim_process.h"
#include "tools/common/level_rotation.h"

namespace fs = std::filesystem;

namespace {

constexpr size_t DataFileBytes = size_t(DataFileSize);
constexpr size_t BestScoreBytes = size_t(BestScoreOffset);

const std::string SponsorMessage = ExpectedText("AdvertCaption") + " | " +
                                   ExpectedText("SponsorText");
const std::string VictoryMessage = ExpectedText("VictoryCaption") + " | " +
                                   ExpectedText("VictoryText");
const std::string RestartQuestion = ExpectedText("PlayAgainCaption") + " | " +
                                    ExpectedText("PlayAgainText");
const std::string DeathCaption = ExpectedText("GameTitle") + " | ";

fs::path ProofDir() { return fs::path(ZARNOK_SOURCE_DIR) / "tests/replays/proofs"; }

// What a replay's header says about its run.
struct Proof {
    std::string name;  // file name without .txt
    int firstLevel = 0;
    long ticks = 0;
    std::string goal;          // "advance" or "victory"
    std::string answeredName;  // UTF-8, from its "answer name" line
};

void PrintTo(const Proof& proof, std::ostream* out) { *out << proof.name; }

// "# key: value" lines of the header, and the name the run enters.
Proof ReadProof(const fs::path& path) {
    Proof proof;
    proof.name = path.stem().string();
    std::istringstream in(ReadFileBytes(path));
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string hash, key;
        words >> hash >> key;
        if (hash == "#" && key == "first-level:") words >> proof.firstLevel;
        if (hash == "#" && key == "ticks:") words >> proof.ticks;
        if (hash == "#" && key == "goal:") words >> proof.goal;
        if (line.rfind("answer name ", 0) == 0) proof.answeredName = line.substr(12);
    }
    return proof;
}

std::vector<Proof> AllProofs() {
    std::vector<Proof> proofs;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(ProofDir(), error)) {
        if (entry.path().extension() == ".txt") proofs.push_back(ReadProof(entry.path()));
    }
    std::sort(proofs.begin(), proofs.end(),
              [](const Proof& a, const Proof& b) { return a.name < b.name; });
    return proofs;
}

class LevelProof : public ::testing::TestWithParam<Proof> {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("zarnok-proof-" + std::to_string(getpid()) + "-" + GetParam().name);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }

    // Plays the replay in the runner; returns its summary.
    std::string Play(const Proof& proof) {
        const std::vector<uint8_t> fresh = FreshDataFile();
        const std::string shipped(fresh.begin(), fresh.end());
        EXPECT_EQ(shipped.size(), DataFileBytes);
        std::ofstream(dir_ / "Data.dat", std::ios::binary)
            << RotateLevels(shipped, proof.firstLevel);
        const std::string replay = (ProofDir() / (proof.name + ".txt")).string();
        const ProgramRun run = RunProgram(
            "zarnok-sim",
            {std::string("--data"), dir_.string(), std::string("--ticks"),
             std::to_string(proof.ticks), std::string("--replay"), replay,
             std::string("--dump-world"), std::string("--save-record")},
            dir_);
        EXPECT_EQ(run.status, 0) << run.err;
        return run.out;
    }

    fs::path dir_;
};

TEST_P(LevelProof, ReachesItsGoal) {
    const Proof& proof = GetParam();
    ASSERT_GE(proof.firstLevel, 1) << proof.name << ": no '# first-level:' line";
    ASSERT_LE(proof.firstLevel, LevelCount) << proof.name;
    ASSERT_GT(proof.ticks, 0) << proof.name << ": no '# ticks:' line";
    ASSERT_TRUE(proof.goal == "advance" || proof.goal == "victory")
        << proof.name << ": goal " << proof.goal;

    const std::string summary = Play(proof);
    const std::vector<std::string> messages = SummaryMessages(summary);
    for (const std::string& m : messages) {
        EXPECT_NE(m.rfind(DeathCaption, 0), 0u) << "the soldier died: " << m;
    }
    EXPECT_EQ(SummaryField(summary, "deathCode"), "0") << summary;
    const auto sponsors = std::count(messages.begin(), messages.end(), SponsorMessage);

    if (proof.goal == "advance") {
        // The goal loads the next level: its sponsor message is the run's last box.
        EXPECT_EQ(SummaryField(summary, "levelNumber"), "2") << summary;
        EXPECT_EQ(SummaryField(summary, "gameRunning"), "1") << summary;
        EXPECT_EQ(sponsors, 2) << summary;
        ASSERT_FALSE(messages.empty());
        EXPECT_EQ(messages.back(), SponsorMessage);
        return;
    }

    // Six levels, the victory, the best-score check with its name dialog, the
    // record written, and No to a new game.
    EXPECT_EQ(SummaryField(summary, "levelNumber"), "7") << summary;
    EXPECT_EQ(SummaryField(summary, "gameRunning"), "0") << summary;
    EXPECT_EQ(sponsors, LevelCount) << summary;
    ASSERT_GE(messages.size(), 2u);
    EXPECT_EQ(messages[messages.size() - 2], VictoryMessage);
    EXPECT_EQ(messages.back(), RestartQuestion);
    EXPECT_NE(summary.find(" nameDialogs=1 "), std::string::npos) << summary;

    const std::string written = ReadFileBytes(dir_ / "Data.dat");
    ASSERT_EQ(written.size(), DataFileBytes);
    const auto* raw = reinterpret_cast<const uint8_t*>(written.data());
    const int32_t bestScore = ReadI32(std::span(raw, written.size()), BestScoreBytes);
    EXPECT_EQ(std::to_string(bestScore), SummaryField(summary, "score"));
    std::string name;
    ASSERT_TRUE(Utf8ToCp1251(proof.answeredName, name)) << proof.answeredName;
    name.resize(BestNameLength, ' ');
    EXPECT_EQ(written.substr(BestScoreBytes + 4), name);
}

std::string ProofName(const ::testing::TestParamInfo<Proof>& info) {
    std::string name = info.param.name;
    std::replace_if(
        name.begin(), name.end(),
        [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(Replays, LevelProof, ::testing::ValuesIn(AllProofs()), ProofName);

// Every level has its proof, and the whole game has one.
TEST(LevelProofSet, CoversEveryLevelAndTheWholeGame) {
    std::vector<int> levels;
    int wholeGames = 0;
    for (const Proof& proof : AllProofs()) {
        if (proof.goal == "advance") levels.push_back(proof.firstLevel);
        if (proof.goal == "victory" && proof.firstLevel == 1) ++wholeGames;
    }
    for (int level = 1; level <= LevelCount; ++level) {
        EXPECT_NE(std::find(levels.begin(), levels.end(), level), levels.end())
            << "no proof for level " << level;
    }
    EXPECT_EQ(wholeGames, 1);
}

}  // namespace
