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

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "game/text.h"
#include "game/world.h"

namespace fs = std::filesystem;

namespace {

constexpr size_t LevelRecordBytes = 5190;
constexpr size_t DataFileBytes = 31164;
constexpr size_t BestScoreOffset = 31140;

const char SponsorMessage[] =
    "Реклама | Спонсор игры - автомат Зарнокова. Автомат Зарнокова - лучшее средство от "
    "современных комаров.";
const char VictoryMessage[] = "Победа | Поздравляю победителя!";
const char RestartQuestion[] = "Вопрос | Хотите начать игру заново?";
const char DeathCaption[] = "Zarnok | ";

fs::path ProofDir() { return fs::path(ZARNOK_SOURCE_DIR) / "tests/replays/proofs"; }

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Quote(const std::string& arg) {
    std::string q = "'";
    for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// What a replay's header says about its run.
struct Proof {
    std::string name;          // file name without .txt
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
    std::istringstream in(ReadFile(path));
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
    std::sort(proofs.begin(), proofs.end(), [](const Proof& a, const Proof& b) { return a.name < b.name; });
    return proofs;
}

// The shipped file with `first` moved to the front, the others following it
// round; the autopilot that recorded the runs built its files the same way.
std::string RotateLevels(const std::string& data, int first) {
    std::string out = data;
    for (size_t slot = 0; slot < size_t(LevelCount); ++slot) {
        const size_t from = (size_t(first - 1) + slot) % size_t(LevelCount) * LevelRecordBytes;
        out.replace(slot * LevelRecordBytes, LevelRecordBytes, data, from, LevelRecordBytes);
    }
    return out;
}

std::string Field(const std::string& summary, const std::string& name) {
    const std::string key = "\n" + name + ": ";
    const size_t at = ("\n" + summary).find(key);
    if (at == std::string::npos) return "<missing " + name + ">";
    const size_t start = at + key.size() - 1;
    return summary.substr(start, summary.find('\n', start) - start);
}

std::vector<std::string> Messages(const std::string& summary) {
    std::vector<std::string> messages;
    std::istringstream in(summary);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("message: ", 0) == 0) messages.push_back(line.substr(9));
    }
    return messages;
}

class LevelProof : public ::testing::TestWithParam<Proof> {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("zarnok-proof-" + std::to_string(getpid()) + "-" + GetParam().name);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }

    // Plays the replay in the runner; returns its summary.
    std::string Play(const Proof& proof) {
        const std::string shipped = ReadFile(fs::path(ZARNOK_BIN_DIR) / "Data.dat");
        EXPECT_EQ(shipped.size(), DataFileBytes);
        std::ofstream(dir_ / "Data.dat", std::ios::binary) << RotateLevels(shipped, proof.firstLevel);
        const std::string replay = (ProofDir() / (proof.name + ".txt")).string();
        std::string command = Quote(std::string(ZARNOK_BIN_DIR) + "/zarnok-sim");
        for (const std::string& arg : {std::string("--data"), dir_.string(), std::string("--ticks"),
                                       std::to_string(proof.ticks), std::string("--replay"), replay,
                                       std::string("--dump-world")}) {
            command += " " + Quote(arg);
        }
        command += " >" + Quote((dir_ / "summary.txt").string()) + " 2>&1";
        const int raw = std::system(command.c_str());
        EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 0) << command;
        return ReadFile(dir_ / "summary.txt");
    }

    fs::path dir_;
};

TEST_P(LevelProof, ReachesItsGoal) {
    const Proof& proof = GetParam();
    ASSERT_GE(proof.firstLevel, 1) << proof.name << ": no '# first-level:' line";
    ASSERT_LE(proof.firstLevel, LevelCount) << proof.name;
    ASSERT_GT(proof.ticks, 0) << proof.name << ": no '# ticks:' line";
    ASSERT_TRUE(proof.goal == "advance" || proof.goal == "victory") << proof.name << ": goal " << proof.goal;

    const std::string summary = Play(proof);
    const std::vector<std::string> messages = Messages(summary);
    for (const std::string& m : messages) {
        EXPECT_NE(m.rfind(DeathCaption, 0), 0u) << "the soldier died: " << m;
    }
    EXPECT_EQ(Field(summary, "deathCode"), "0") << summary;
    const auto sponsors = std::count(messages.begin(), messages.end(), SponsorMessage);

    if (proof.goal == "advance") {
        // The goal loads the next level: its sponsor message is the run's last box.
        EXPECT_EQ(Field(summary, "levelNumber"), "2") << summary;
        EXPECT_EQ(Field(summary, "gameRunning"), "1") << summary;
        EXPECT_EQ(sponsors, 2) << summary;
        ASSERT_FALSE(messages.empty());
        EXPECT_EQ(messages.back(), SponsorMessage);
        return;
    }

    // Six levels, the victory, the best-score check with its name dialog, the
    // record written, and No to a new game.
    EXPECT_EQ(Field(summary, "levelNumber"), "7") << summary;
    EXPECT_EQ(Field(summary, "gameRunning"), "0") << summary;
    EXPECT_EQ(sponsors, LevelCount) << summary;
    ASSERT_GE(messages.size(), 2u);
    EXPECT_EQ(messages[messages.size() - 2], VictoryMessage);
    EXPECT_EQ(messages.back(), RestartQuestion);
    EXPECT_NE(summary.find(" nameDialogs=1 "), std::string::npos) << summary;

    const std::string written = ReadFile(dir_ / "Data.dat");
    ASSERT_EQ(written.size(), DataFileBytes);
    uint32_t bestScore = 0;  // little-endian in the file
    for (size_t i = 4; i-- > 0;) bestScore = bestScore << 8 | uint8_t(written[BestScoreOffset + i]);
    EXPECT_EQ(std::to_string(int32_t(bestScore)), Field(summary, "score"));
    std::string name;
    ASSERT_TRUE(Utf8ToCp1251(proof.answeredName, name)) << proof.answeredName;
    name.resize(BestNameLength, ' ');
    EXPECT_EQ(written.substr(BestScoreOffset + 4), name);
}

std::string ProofName(const ::testing::TestParamInfo<Proof>& info) {
    std::string name = info.param.name;
    std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
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
        EXPECT_NE(std::find(levels.begin(), levels.end(), level), levels.end()) << "no proof for level " << level;
    }
    EXPECT_EQ(wholeGames, 1);
}

}  // namespace
