// The command line: answers that need no display, refusals, the one option.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "shell/command_line.h"
#include "shell/display_check.h"

#include <map>

namespace {

CommandLineOutcome Parse(std::vector<std::string> arguments) {
    return ParseCommandLine("zarnok", arguments);
}

// Runs the built game with the display variables removed; stdout captured.
struct GameRun {
    int status = -1;
    std::string out;
};

// `environment` is given to env(1) before the program; "2>&1" in
// `arguments` captures the error stream as well.
GameRun RunGameWithoutDisplay(const std::string& arguments, const std::string& environment = "") {
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " +
                                environment + " '" + std::string(ZARNOK_BIN_DIR) +
                                "/zarnok' 2>/dev/null " + arguments;
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

// --lang is kept for the game and speaks the answers; without it they come
// in the language the caller says the desktop speaks.
TEST(CommandLine, LangChoosesTheGamesLanguageAndTheAnswers) {
    const CommandLineOutcome english = Parse({"--lang", "en"});
    EXPECT_TRUE(english.runGame);
    EXPECT_EQ(english.options.language, std::optional<Language>(Language::English));
    EXPECT_EQ(Parse({"--lang=ru"}).options.language, std::optional<Language>(Language::Russian));
    EXPECT_FALSE(Parse({}).options.language.has_value());

    EXPECT_EQ(Parse({"--help", "--lang", "en"}).standardOutput.rfind("Usage: zarnok", 0), 0u);
    EXPECT_EQ(ParseCommandLine("zarnok", {"--help"}, Language::English)
                  .standardOutput.rfind("Usage: zarnok", 0),
              0u);
    EXPECT_EQ(ParseCommandLine("zarnok", {"--lang", "ru", "-h"}, Language::English)
                  .standardOutput.rfind("Использование: zarnok", 0),
              0u);
    for (const std::vector<std::string>& wrong :
         std::vector<std::vector<std::string>>{{"--lang", "de"}, {"--lang"}, {"--lang="}}) {
        const CommandLineOutcome refused = Parse(wrong);
        EXPECT_FALSE(refused.runGame);
        EXPECT_EQ(refused.exitStatus, CommandLineUsageError);
    }
    EXPECT_NE(ParseCommandLine("zarnok", {"-x"}, Language::English)
                  .standardError.find("unknown option \"-x\""),
              std::string::npos);
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

TEST(CommandLine, WithNoDisplayTheGameSaysSoInOneLineAndExitsOne) {
    // XDG_RUNTIME_DIR points where no compositor's socket can be.
    const GameRun none = RunGameWithoutDisplay("2>&1", "XDG_RUNTIME_DIR=/nonexistent");
    EXPECT_EQ(none.status, NoDisplayExitStatus) << none.out;
    EXPECT_EQ(std::count(none.out.begin(), none.out.end(), '\n'), 1) << none.out;
    EXPECT_NE(none.out.find("QT_QPA_PLATFORM"), std::string::npos) << none.out;

    // A display that is named but not there: Qt's words, then ours, no abort.
    const GameRun gone = RunGameWithoutDisplay("2>&1", "DISPLAY=:9999 QT_QPA_PLATFORM=xcb");
    EXPECT_EQ(gone.status, NoDisplayExitStatus) << gone.out;
    EXPECT_NE(gone.out.find("QT_QPA_PLATFORM"), std::string::npos) << gone.out;
}

TEST(CommandLine, ADisplayIsLookedForOnlyWhereThePlatformNeedsOne) {
    const auto available = [](std::map<std::string, std::string> variables,
                              std::string socket = "") {
        return DisplayAvailable(DisplayEnvironment{
            [variables](const char* name) {
                const auto found = variables.find(name);
                return found == variables.end() ? std::string() : found->second;
            },
            [socket](const std::string& path) { return path == socket; }});
    };
    EXPECT_FALSE(available({}));
    EXPECT_FALSE(available({{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}}));
    EXPECT_TRUE(available({{"DISPLAY", ":0"}}));
    EXPECT_TRUE(available({{"WAYLAND_DISPLAY", "wayland-1"}}));
    EXPECT_TRUE(available({{"QT_QPA_PLATFORM", "offscreen"}}));
    EXPECT_TRUE(available({{"QT_QPA_PLATFORM", "vnc:size=800x600"}}));
    EXPECT_FALSE(available({{"QT_QPA_PLATFORM", "xcb"}, {"WAYLAND_DISPLAY", "wayland-0"}}));
    EXPECT_FALSE(available({{"QT_QPA_PLATFORM", "wayland"}, {"DISPLAY", ":0"}}));
    EXPECT_TRUE(available({{"QT_QPA_PLATFORM", "wayland;xcb"}, {"DISPLAY", ":0"}}));
    EXPECT_TRUE(available({{"QT_QPA_PLATFORM", "wayland"}, {"XDG_RUNTIME_DIR", "/run/user/5"}},
                          "/run/user/5/wayland-0"));
    EXPECT_FALSE(available({{"QT_QPA_PLATFORM", "wayland"}, {"XDG_RUNTIME_DIR", "/run/user/5"}}));
}
