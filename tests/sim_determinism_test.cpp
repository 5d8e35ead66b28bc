// sim_determinism_test.cpp -- one replay, the same game in every build.
//
// The tour of the first level (tests/replays/level1_tour.txt) runs in the
// optimised runner and in zarnok-sim-O0, whose engine is built without
// optimisation: the summaries, worldHash included, and the pictures must be
// the same byte for byte. Both must also give the hash stored in
// level1_tour.hash, so that a build with other flags (the sanitizer build
// runs this same test) is held to the same game.
//
// When a game rule changes on purpose the stored hash changes with it:
// check the tour still does what its header says (--shot T:FILE.png), then
// write the new hash into the file with the command in that header.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/sim_process.h"
#include "tests/support/fresh_data.h"

namespace fs = std::filesystem;

namespace {

constexpr int TourTicks = 320;

class DeterminismTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("zarnok-determinism-" + std::to_string(getpid()));
        fs::create_directories(dir_);
        WriteFreshDataFile(dir_ / "Data.dat");
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }

    // Runs one runner on the tour with two pictures; returns its summary.
    std::string Tour(const std::string& program, const std::string& tag) {
        const fs::path replay = fs::path(ZARNOK_SOURCE_DIR) / "tests/replays/level1_tour.txt";
        const std::vector<std::string> args = {
            "--data",   dir_.string(),
            "--ticks",  std::to_string(TourTicks),
            "--replay", replay.string(),
            "--shot",   "55:" + (dir_ / (tag + "-55.png")).string(),
            "--shot",   "319:" + (dir_ / (tag + "-319.png")).string()};
        const ProgramRun run = RunProgram(program, args, dir_);
        EXPECT_EQ(run.status, 0) << program << ": " << run.err;
        return run.out;
    }

    fs::path dir_;
};

TEST_F(DeterminismTest, OptimisedAndUnoptimisedRunnersPlayTheTourAlike) {
    const std::string optimised = Tour("zarnok-sim", "O2");
    const std::string unoptimised = Tour("zarnok-sim-O0", "O0");

    // The tour still goes where its header says: alive, past the pit, with points.
    EXPECT_EQ(SummaryField(optimised, "gameRunning"), "1") << optimised;
    EXPECT_EQ(SummaryField(optimised, "deathCode"), "0") << optimised;
    EXPECT_GT(std::stoi(SummaryField(optimised, "player.x")), 2000) << optimised;
    EXPECT_GT(std::stoi(SummaryField(optimised, "score")), 0) << optimised;

    EXPECT_EQ(unoptimised, optimised);
    for (const char* tick : {"-55.png", "-319.png"}) {
        const std::string a = ReadFileBytes(dir_ / (std::string("O2") + tick));
        EXPECT_FALSE(a.empty()) << tick;
        EXPECT_TRUE(a == ReadFileBytes(dir_ / (std::string("O0") + tick)))
            << "pictures differ after tick " << tick;
    }

    // The hash is the first word of the stored file.
    std::string stored = ReadFileBytes(fs::path(ZARNOK_SOURCE_DIR) /
                                       "tests/replays/level1_tour.hash");
    stored = stored.substr(0, stored.find_first_of(" \t\r\n"));
    EXPECT_EQ(SummaryField(optimised, "worldHash"), stored)
        << "the tour's world differs from tests/replays/level1_tour.hash; if a rule changed on "
           "purpose, refresh the file as tests/replays/level1_tour.txt explains";
}

}  // namespace
