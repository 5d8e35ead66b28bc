// sim_options.h -- the command line of the headless runner.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A picture to save after a tick.
struct ShotRequest {
    uint64_t tick = 0;
    std::string path;
};

struct SimOptions {
    std::string dataDir = ".";  // holds Data.dat
    uint64_t ticks = 0;         // ticks to run
    bool ticksGiven = false;    // else a versioned replay runs to its last check
    std::string replayPath;     // empty: no replay
    std::string recordPath;     // empty: no journal written
    std::vector<ShotRequest> shots;
    bool dumpWorld = false;
    bool saveRecord = false;  // a new best record goes into --data's Data.dat
    std::string language = "ru";  // --lang: the texts the messages and shots show
};

enum class ParseOutcome { Run, Help, Error };

// Reads the arguments after the program name. On Error, `error` says what
// is wrong in one line.
ParseOutcome ParseSimOptions(const std::vector<std::string>& args, SimOptions& options,
                             std::string& error);

// The --help text.
const char* SimUsage();
