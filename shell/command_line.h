// command_line.h -- what zarnok accepts on its command line. Read before any
// window or platform plugin exists, so --help and --version need no display.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "shell/language.h"

// The options that reach the running game. Every default is the game as it
// plays without options.
struct CommandLineOptions {
    // Choosing "800x600" really switches the screen through XRandR instead
    // of only sizing the window.
    bool switchDisplayMode = false;
    // --lang ru|en: the language, over the remembered and the desktop's.
    std::optional<Language> language;
    // --play FILE: watch this journal once the window is up. UTF-8.
    std::string playPath;
};

// What main() does after reading the command line.
struct CommandLineOutcome {
    bool runGame = false;        // false: print and exit with exitStatus
    int exitStatus = 0;          // 0 answered, 2 bad command line
    std::string standardOutput;  // printed on stdout before exiting
    std::string standardError;   // printed on stderr before exiting
    CommandLineOptions options;
};

constexpr int CommandLineUsageError = 2;

// `arguments` are argv[1..], UTF-8. `programName` is argv[0] as given.
// Answers and refusals are in the language --lang names, else in `speak`.
CommandLineOutcome ParseCommandLine(const std::string& programName,
                                    const std::vector<std::string>& arguments,
                                    Language speak = Language::Russian);

// The version line: "Zarnok 1.4".
std::string VersionLine();
