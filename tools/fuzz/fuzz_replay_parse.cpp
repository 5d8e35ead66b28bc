// fuzz_replay_parse.cpp -- reads any text as a journal, old or versioned, header
// and checks included. Whatever the parser accepts must come back unchanged
// through writing and reading again, and every refusal names its line.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "tools/common/replay.h"

namespace {

// A written name holds no line break: CR and LF come back as spaces.
std::string AsWritten(std::string name) {
    for (char& c : name)
        if (c == '\r' || c == '\n') c = ' ';
    return name;
}

bool SameJournal(const ReplayJournal& read, const ReplayJournal& reread) {
    if (read.keys.size() != reread.keys.size() || read.answers.size() != reread.answers.size())
        return false;
    for (size_t i = 0; i < read.keys.size(); ++i) {
        const ReplayKeyEvent& a = read.keys[i];
        const ReplayKeyEvent& b = reread.keys[i];
        if (a.tick != b.tick || a.kind != b.kind) return false;
        if (a.kind == JournalEventKind::Key && (a.down != b.down || a.key != b.key)) return false;
        if (a.kind == JournalEventKind::Bind && a.key != b.key) return false;
        if ((a.kind == JournalEventKind::Bind || a.kind == JournalEventKind::Select) &&
            a.action != b.action)
            return false;
    }
    if (read.checks.size() != reread.checks.size()) return false;
    for (size_t i = 0; i < read.checks.size(); ++i)
        if (read.checks[i].tick != reread.checks[i].tick ||
            read.checks[i].hash != reread.checks[i].hash ||
            read.checks[i].eventsBefore != reread.checks[i].eventsBefore)
            return false;
    const JournalHeader& h = read.header;
    const JournalHeader& g = reread.header;
    if (h.version != g.version) return false;
    if (h.version > 0 && (h.gameVersion != g.gameVersion || h.levelsHash != g.levelsHash ||
                          h.fromTick != g.fromTick || h.record != g.record))
        return false;
    for (size_t i = 0; i < read.answers.size(); ++i) {
        const ScriptedAnswer& a = read.answers[i];
        const ScriptedAnswer& b = reread.answers[i];
        if (a.kind != b.kind || AsWritten(a.name) != b.name) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    // Every word as a key token too: the parser's number reader on its own.
    int32_t key = 0;
    if (ParseKeyToken(text, key) && key < 0) std::abort();

    ReplayJournal journal;
    std::string error;
    if (!ParseReplay(text, journal, error)) {
        if (error.rfind("line ", 0) != 0) std::abort();  // every message names its line
        return 0;
    }
    const std::string written = FormatReplay(journal);
    ReplayJournal reread;
    if (!ParseReplay(written, reread, error)) std::abort();
    if (!SameJournal(journal, reread)) std::abort();
    return 0;
}
