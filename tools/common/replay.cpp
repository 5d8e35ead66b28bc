// replay.cpp -- reading and writing journal files.
#include "tools/common/replay.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "tools/common/input_file.h"

bool LoadReplayFile(const std::string& path, ReplayJournal& journal, std::string& error) {
    std::string content;
    if (!ReadInputFile(path, content, error)) {
        return false;
    }
    std::string what;
    if (!ParseReplay(content, journal, what)) {
        // "line N: ..." becomes "PATH:N: ..."
        error = path + ":" + what.substr(5);
        return false;
    }
    return true;
}

bool SaveReplayFile(const std::string& path, const ReplayJournal& journal, std::string& error) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        error = path + ": cannot write the replay (" + std::strerror(errno) + ")";
        return false;
    }
    out << FormatReplay(journal);
    out.flush();
    if (!out) {
        error = path + ": cannot write the replay";
        return false;
    }
    return true;
}
