// sim_process.h -- runs the built programs (zarnok-sim and friends) from a
// test and reads what they printed.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

struct ProgramRun {
    int status = -1;  // exit status, -1 when the program did not exit normally
    std::string out, err;
};

std::string ReadFileBytes(const std::filesystem::path& path);

// Runs `program` from the build's bin folder with `args`; its standard output
// and error pass through files in `scratch`.
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::filesystem::path& scratch);

// The value of the first "name: value" line of a runner summary.
std::string SummaryField(const std::string& summary, const std::string& name);

// The "CAPTION | TEXT" of every "message:" line, in order.
std::vector<std::string> SummaryMessages(const std::string& summary);
