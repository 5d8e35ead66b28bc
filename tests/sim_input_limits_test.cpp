// sim_input_limits_test.cpp -- every tool refuses an endless or oversized input file with status 2.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/fresh_data.h"
#include "tests/support/sim_process.h"

namespace fs = std::filesystem;

namespace {

constexpr char NotAFile[] = "/dev/zero: not a regular file or a pipe";

struct InputLimitsTest : ::testing::Test {
    fs::path dir = fs::temp_directory_path() / ("zarnok-limits-" + std::to_string(getpid()));
    std::string huge;  // one byte over the tools' 64 MiB, as a hole

    void SetUp() override {
        fs::create_directories(dir);
        huge = (dir / "huge.txt").string();
        std::ofstream(huge).close();
        fs::resize_file(huge, (size_t(64) << 20) + 1);
    }
    void TearDown() override { fs::remove_all(dir); }

    void ExpectRefused(const std::string& program, const std::vector<std::string>& args,
                       const std::string& reason) {
        const ProgramRun run = RunProgram(program, args, dir);
        EXPECT_EQ(run.status, 2) << program << " " << args.back() << "\n" << run.err;
        EXPECT_NE(run.err.find(reason), std::string::npos) << run.err;
    }
};

TEST_F(InputLimitsTest, TheRunnerRefusesAnEndlessOrOversizedReplay) {
    const std::string data = ZARNOK_BIN_DIR;
    ExpectRefused("zarnok-sim", {"--data", data, "--ticks", "1", "--replay", "/dev/zero"},
                  NotAFile);
    ExpectRefused("zarnok-sim", {"--data", data, "--ticks", "1", "--replay", huge},
                  huge + ": larger than 64 MiB");
}

TEST_F(InputLimitsTest, TheLevelToolRefusesThemAsSourcesAndAsDataFiles) {
    ExpectRefused("zarnok-level", {"check", "/dev/zero"}, NotAFile);
    ExpectRefused("zarnok-level", {"check", huge}, "larger than 64 MiB");
    fs::create_symlink("/dev/zero", dir / "zero.dat");
    ExpectRefused("zarnok-level", {"check", (dir / "zero.dat").string()},
                  "zero.dat: not a regular file or a pipe");
}

TEST_F(InputLimitsTest, TheAutopilotRefusesThemAsRoutesAndAsDataFiles) {
    const std::string out = (dir / "out.txt").string();
    const std::string data = (dir / "Data.dat").string();
    WriteFreshDataFile(data);
    const std::string route = std::string(ZARNOK_SOURCE_DIR) + "/tests/replays/proofs/level1.route";
    ExpectRefused("zarnok-autoplay", {"--data", "/dev/zero", "--out", out, route}, NotAFile);
    ExpectRefused("zarnok-autoplay", {"--data", data, "--out", out, "/dev/zero"}, NotAFile);
    ExpectRefused("zarnok-autoplay", {"--data", data, "--out", out, huge}, "larger than 64 MiB");
    // Its numbers are read whole and in range, not as far as they look like one.
    ExpectRefused("zarnok-autoplay", {"--data", data, "--out", out, "--first-level", "2x", route},
                  "--first-level must be a whole number from 1 to 6, not '2x'");
    ExpectRefused("zarnok-autoplay", {"--data", data, "--out", out, "--ticks", "-1", route},
                  "--ticks must be a whole number from 1 to");
}

}  // namespace
