// replay.h -- the replay journal: key events by tick and the answers to modal boxes.
//
// A journal is a small text file, one event a line:
//
//   # comment                   blank lines and '#' comments are ignored
//   12 down left                key event delivered just before tick 12
//   40 up 0x11                  key: decimal, 0x-hex, or left right up down
//                               control shift
//   answer yes                  next modal box or dialog: ok, yes, no, cancel
//   answer name Иван Петров     the name dialog confirms the rest of the line
//
// Ticks count from 0. Key events keep their file order within a tick; the
// answers are used in file order by the boxes as they come up, whatever the
// ticks of the key lines around them. On a name line everything after
// "name " belongs to the name, '#' included.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tools/common/scripted_host.h"

struct ReplayKeyEvent {
    uint64_t tick = 0;  // delivered before this tick runs
    bool down = true;   // key-down, or key-up
    int32_t key = 0;    // virtual-key code
};

struct ReplayJournal {
    std::vector<ReplayKeyEvent> keys;     // in file order
    std::vector<ScriptedAnswer> answers;  // in file order
};

// Parses a journal. On failure returns false and sets error to
// "line N: what is wrong"; the journal is then left partly filled.
bool ParseReplay(std::string_view text, ReplayJournal& journal, std::string& error);

// Reads and parses a journal file; errors are "PATH: cannot read ..." or
// "PATH:N: what is wrong".
bool LoadReplayFile(const std::string& path, ReplayJournal& journal, std::string& error);

// The journal as text that ParseReplay reads back to the same journal. A name
// cannot hold a line break: any CR or LF in it is written as a space.
std::string FormatReplay(const ReplayJournal& journal);

// Writes FormatReplay to a file; false with an error message on failure.
bool SaveReplayFile(const std::string& path, const ReplayJournal& journal, std::string& error);

// "left", "control", ... for the keys that have a name in journals, else decimal.
std::string KeyName(int32_t key);

// Parses one KEY token; false when it is none of the accepted forms.
bool ParseKeyToken(std::string_view token, int32_t& key);
