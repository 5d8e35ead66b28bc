// display_check.h -- whether the game has a screen to open its window on, asked before Qt starts.
//
// Qt aborts with a core dump when its platform plugin finds no display, so
// main() asks first and answers in words with exit status 1.
#pragma once

#include <functional>
#include <string>

// What the check reads of the process: its environment and whether a file
// exists (a Wayland compositor's default socket).
struct DisplayEnvironment {
    std::function<std::string(const char* name)> variable;  // "" when unset
    std::function<bool(const std::string& path)> exists;
};

DisplayEnvironment ProcessDisplayEnvironment();

// True when one of the platforms Qt would try can open a window, or needs
// no display at all (QT_QPA_PLATFORM=offscreen, minimal, vnc and the like).
bool DisplayAvailable(const DisplayEnvironment& environment);

constexpr int NoDisplayExitStatus = 1;

// Until the returned guard goes, a fatal Qt message (a display that is set
// but cannot be reached) prints `line` after Qt's own words and ends the
// program with NoDisplayExitStatus instead of an abort.
class PlatformFailureExit {
public:
    explicit PlatformFailureExit(std::string line);
    ~PlatformFailureExit();
    PlatformFailureExit(const PlatformFailureExit&) = delete;
    PlatformFailureExit& operator=(const PlatformFailureExit&) = delete;
};
