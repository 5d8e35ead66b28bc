// sim_process.cpp -- runs the built programs from tests through the shell.
#include "tests/support/sim_process.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string Quote(const std::string& arg) {
    std::string q = "'";
    for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

}  // namespace

std::string ReadFileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                      const fs::path& scratch) {
    const fs::path out = scratch / (program + ".stdout");
    const fs::path err = scratch / (program + ".stderr");
    std::string command = Quote(std::string(ZARNOK_BIN_DIR) + "/" + program);
    for (const std::string& a : args) command += " " + Quote(a);
    command += " >" + Quote(out.string()) + " 2>" + Quote(err.string());
    ProgramRun run;
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = ReadFileBytes(out);
    run.err = ReadFileBytes(err);
    return run;
}

std::string SummaryField(const std::string& summary, const std::string& name) {
    std::istringstream in(summary);
    const std::string key = name + ": ";
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(key, 0) == 0) return line.substr(key.size());
    }
    return "<missing " + name + ">";
}

std::vector<std::string> SummaryMessages(const std::string& summary) {
    std::vector<std::string> messages;
    std::istringstream in(summary);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("message: ", 0) == 0) messages.push_back(line.substr(9));
    }
    return messages;
}
