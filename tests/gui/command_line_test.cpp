// The command line: answers that need no display, refusals, the one option.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "shell/command_line.h"

namespace {

CommandLineOutcome Parse(std::vector<std::string> arguments) {
    return ParseCommandLine("zarnok", arguments);
}

// Runs the built game with the display variables removed; stdout captured.
struct GameRun {
    int status = -1;
    std::string out;
};

GameRun RunGameWithoutDisplay(const std::string& arguments) {
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '" +
                                std::string(ZARNOK_BIN_DIR) + "/zarnok' " + arguments +
                                " 2>/dev/null";
    GameRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[512];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return run;
}

}  // namespace

TEST(CommandLine, NoArgumentsRunsTheGameAsItAlwaysPlays) {
    const CommandLineOutcome outcome = Parse({});
    EXPECT_TRUE(outcome.runGame);
    EXPECT_FALSE(outcome.options.switchDisplayMode);
    EXPECT_TRUE(outcome.standardOutput.empty());
    EXPECT_TRUE(outcome.standardError.empty());
}

TEST(CommandLine, HelpAndVersionAnswerOnStandardOutputAndExitZero) {
    for (const char* option : {"--help", "-h"}) {
        const CommandLineOutcome help = Parse({option});
        EXPECT_FALSE(help.runGame) << option;
        EXPECT_EQ(help.exitStatus, 0) << option;
        EXPECT_NE(help.standardOutput.find("--switch-display-mode"), std::string::npos);
        EXPECT_NE(help.standardOutput.find("--version"), std::string::npos);
        EXPECT_TRUE(help.standardError.empty());
    }
    const CommandLineOutcome version = Parse({"--version"});
    EXPECT_FALSE(version.runGame);
    EXPECT_EQ(version.exitStatus, 0);
    EXPECT_EQ(version.standardOutput.rfind("Zarnok 1.4\n", 0), 0u) << version.standardOutput;
    EXPECT_NE(version.standardOutput.find("MIT"), std::string::npos);
    EXPECT_EQ(VersionLine(), "Zarnok 1.4");
}

TEST(CommandLine, SwitchDisplayModeIsStoredAndChangesNothingElse) {
    const CommandLineOutcome outcome = Parse({"--switch-display-mode"});
    EXPECT_TRUE(outcome.runGame);
    EXPECT_TRUE(outcome.options.switchDisplayMode);
    // Asking for help still only answers.
    EXPECT_FALSE(Parse({"--switch-display-mode", "--help"}).runGame);
}

TEST(CommandLine, PlayTakesTheJournalThatFollowsIt) {
    EXPECT_EQ(Parse({"--play", "replays/a b.txt"}).options.playPath, "replays/a b.txt");
    EXPECT_EQ(Parse({"--play=x.txt", "--switch-display-mode"}).options.playPath, "x.txt");
    for (const std::vector<std::string>& bad :
         std::vector<std::vector<std::string>>{{"--play"}, {"--play="}, {"--play", "a", "b"}}) {
        const CommandLineOutcome outcome = Parse(bad);
        EXPECT_FALSE(outcome.runGame) << bad.size();
        EXPECT_EQ(outcome.exitStatus, CommandLineUsageError);
    }
}

TEST(CommandLine, UnknownOptionsAndStrayArgumentsAreRefusedWithStatusTwo) {
    for (const char* argument : {"--fullscreen", "-x", "--help=1", "Data.dat", "-platform"}) {
        const CommandLineOutcome outcome = Parse({"--switch-display-mode", argument});
        EXPECT_FALSE(outcome.runGame) << argument;
        EXPECT_EQ(outcome.exitStatus, CommandLineUsageError) << argument;
        EXPECT_NE(outcome.standardError.find(argument), std::string::npos) << outcome.standardError;
        EXPECT_NE(outcome.standardError.find("--help"), std::string::npos);
        EXPECT_TRUE(outcome.standardOutput.empty());
    }
}

TEST(CommandLine, TheBuiltGameAnswersWithoutAnyDisplay) {
    const GameRun version = RunGameWithoutDisplay("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("Zarnok 1.4\n", 0), 0u) << version.out;

    const GameRun help = RunGameWithoutDisplay("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--switch-display-mode"), std::string::npos);

    const GameRun refused = RunGameWithoutDisplay("--no-such-option");
    EXPECT_EQ(refused.status, CommandLineUsageError);
    EXPECT_TRUE(refused.out.empty());
}
