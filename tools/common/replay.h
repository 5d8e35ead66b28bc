// replay.h -- journal files for the tools: read whole and bounded, written at once.
//
// The journal's lines are game/journal.h's.
#pragma once

#include <string>

#include "game/journal.h"
#include "tools/common/scripted_host.h"

// Reads and parses a journal file; errors are "PATH: cannot read ..." or
// "PATH:N: what is wrong".
bool LoadReplayFile(const std::string& path, ReplayJournal& journal, std::string& error);

// Writes FormatReplay to a file; false with an error message on failure.
bool SaveReplayFile(const std::string& path, const ReplayJournal& journal, std::string& error);
