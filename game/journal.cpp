// journal.cpp -- reading and writing journals.
#include "game/journal.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

#include "game/host.h"
#include "game/keys.h"
#include "game/level_file.h"
#include "game/number_text.h"
#include "game/posix_file.h"
#include "game/progression.h"
#include "game/sound.h"
#include "game/text_lines.h"
#include "game/world.h"
#include "input/key_bindings.h"

namespace {

struct NamedKey {
    std::string_view name;
    int32_t key;
};

// The keys the default bindings use, by the names journals know them by.
constexpr std::array<NamedKey, 6> NamedKeys{{
    {"left", VK_Left},
    {"right", VK_Right},
    {"up", VK_Up},
    {"down", VK_Down},
    {"control", VK_Control},
    {"shift", VK_Shift},
}};

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return out;
}

// Unsigned number in the given base, all of `digits`, at most `limit`.
bool ParseUnsigned(std::string_view digits, int base, uint64_t limit, uint64_t& value) {
    const std::optional<uint64_t> number = ParseNumber<uint64_t>(digits, base, 0, limit);
    if (number) value = *number;
    return number.has_value();
}

bool ParseAnswer(std::string_view rest, JournalAnswer& answer, std::string& what) {
    std::string_view afterKind = rest;
    std::string kind = Lower(NextWord(afterKind));
    if (kind == "name") {
        // Everything after the one separating space is the name, verbatim.
        std::string_view name = TrimLeft(rest).substr(4);
        if (!name.empty() && (name.front() == ' ' || name.front() == '\t')) name.remove_prefix(1);
        if (!name.empty() && name.back() == '\r') name.remove_suffix(1);
        answer = {JournalAnswer::Name, std::string(name)};
        return true;
    }
    // A comment may follow a plain answer.
    std::string_view tail = afterKind.substr(0, afterKind.find('#'));
    if (!TrimLeft(tail).empty()) {
        what = "unexpected text after answer " + kind;
        return false;
    }
    if (kind == "ok")
        answer = {JournalAnswer::Ok, {}};
    else if (kind == "yes")
        answer = {JournalAnswer::Yes, {}};
    else if (kind == "no")
        answer = {JournalAnswer::No, {}};
    else if (kind == "cancel")
        answer = {JournalAnswer::Cancel, {}};
    else {
        what = kind.empty() ? "answer needs ok, yes, no, cancel or name TEXT"
                            : "unknown answer '" + kind + "' (ok, yes, no, cancel, name TEXT)";
        return false;
    }
    return true;
}

// The six actions by the names the controls dialog's buttons give them, in
// the key capture's numbering.
constexpr std::array<std::string_view, 6> ActionNames{"left", "right", "up",
                                                      "down", "jump",  "fire"};

bool ParseAction(std::string_view word, uint8_t& action) {
    const std::string lower = Lower(word);
    for (size_t i = 0; i < ActionNames.size(); ++i)
        if (lower == ActionNames[i]) {
            action = uint8_t(i);
            return true;
        }
    return false;
}

bool ParseKeyWord(std::string_view keyWord, const std::string& after, int32_t& key,
                  std::string& what) {
    if (keyWord.empty()) {
        what = "missing key after '" + after + "'";
        return false;
    }
    if (!ParseKeyToken(keyWord, key)) {
        what = "unknown key '" + std::string(keyWord) +
               "' (a number, 0x-hex, or left right up down control shift)";
        return false;
    }
    return true;
}

// "T down KEY", "T up KEY", "T sound", "T new", "T best", "T select ACTION",
// "T bind ACTION KEY".
bool ParseEventLine(std::string_view tickWord, std::string_view rest, JournalEvent& event,
                    std::string& what) {
    if (!ParseUnsigned(tickWord, 10, UINT64_MAX, event.tick)) {
        what = "expected a tick number, 'answer' or 'check', got '" + std::string(tickWord) + "'";
        return false;
    }
    rest = rest.substr(0, rest.find('#'));
    const std::string verb = Lower(NextWord(rest));
    bool ok = true;
    if (verb == "down" || verb == "up") {
        event.kind = JournalEventKind::Key;
        event.down = verb == "down";
        ok = ParseKeyWord(NextWord(rest), verb, event.key, what);
    } else if (verb == "sound") {
        event.kind = JournalEventKind::Sound;
    } else if (verb == "new") {
        event.kind = JournalEventKind::NewGame;
    } else if (verb == "best") {
        event.kind = JournalEventKind::BestPlayer;
    } else if (verb == "select" || verb == "bind") {
        event.kind = verb == "select" ? JournalEventKind::Select : JournalEventKind::Bind;
        const std::string_view actionWord = NextWord(rest);
        if (!ParseAction(actionWord, event.action)) {
            what = "'" + verb + "' wants an action (left right up down jump fire), got '" +
                   std::string(actionWord) + "'";
            return false;
        }
        if (event.kind == JournalEventKind::Bind)
            ok = ParseKeyWord(NextWord(rest), "bind " + std::string(actionWord), event.key, what);
    } else {
        what = "expected down, up, sound, select, bind, new or best after the tick, got '" + verb +
               "'";
        return false;
    }
    if (ok && !TrimLeft(rest).empty()) {
        what = event.kind == JournalEventKind::Key ? std::string("unexpected text after the key")
                                                   : "unexpected text after '" + verb + "'";
        return false;
    }
    return ok;
}

bool ParseHash(std::string_view word, uint64_t& hash) {
    return word.size() == 16 && ParseUnsigned(word, 16, UINT64_MAX, hash);
}

// The line's own problem with its bytes, if any: too long, or not text.
bool LineIsText(std::string_view line, std::string& what) {
    if (line.size() > JournalLineLimit) {
        what = "line longer than " + std::to_string(JournalLineLimit) + " bytes (" +
               std::to_string(line.size()) + "); not a journal";
        return false;
    }
    for (size_t i = 0; i < line.size(); ++i) {
        const auto b = static_cast<unsigned char>(line[i]);
        if ((b < 0x20 && b != '\t' && b != '\r') || b == 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "0x%02x", unsigned(b));
            what = std::string("not text: byte ") + hex + " at column " + std::to_string(i + 1);
            return false;
        }
    }
    return true;
}

// Reads a journal line by line, holding what the order rules need.
class JournalParser {
public:
    explicit JournalParser(ReplayJournal& journal) : journal_(journal) {}

    bool Line(std::string_view line, bool first, std::string& what);
    bool Finish(std::string& what) const;

private:
    bool HeaderLine(const std::string& word, std::string_view rest, std::string& what);
    bool CheckLine(std::string_view rest, std::string& what);
    bool InTickOrder(uint64_t tick, bool isCheck, std::string& what);

    ReplayJournal& journal_;
    bool versioned_ = false;
    bool headerDone_ = false;
    std::vector<std::string> seen_;  // header lines read so far
    uint64_t lastTick_ = 0;          // of the last event or check
    bool lastWasCheck_ = false;
};

bool JournalParser::Line(std::string_view line, bool first, std::string& what) {
    if (!LineIsText(line, what)) return false;
    std::string_view rest = line;
    const std::string_view firstWord = NextWord(rest);
    if (firstWord.empty() || firstWord.front() == '#') return true;
    const std::string word = Lower(firstWord);
    if (firstWord == "zarnok-journal") {
        if (!first) {
            what = "'zarnok-journal' belongs on the first line";
            return false;
        }
        versioned_ = true;
        return HeaderLine(word, rest, what);
    }
    if (word == "game" || word == "levels" || word == "start" || word == "from" ||
        word == "record") {
        if (!versioned_) {
            what = "'" + word + "' is a header line; the first line must be 'zarnok-journal 1'";
            return false;
        }
        if (headerDone_) {
            what = "'" + word + "' belongs in the header, before the first event";
            return false;
        }
        return HeaderLine(word, rest, what);
    }
    if (versioned_ && !headerDone_) {
        if (!Finish(what)) return false;
        headerDone_ = true;
    }
    if (word == "answer") {
        JournalAnswer answer;
        if (!ParseAnswer(rest, answer, what)) return false;
        journal_.answers.push_back(std::move(answer));
        return true;
    }
    if (word == "check") return CheckLine(rest, what);
    JournalEvent event;
    if (!ParseEventLine(firstWord, rest, event, what)) return false;
    if (versioned_ && !InTickOrder(event.tick, false, what)) return false;
    journal_.keys.push_back(event);
    return true;
}

bool JournalParser::HeaderLine(const std::string& word, std::string_view rest, std::string& what) {
    for (const std::string& seen : seen_)
        if (seen == word) {
            what = "a second '" + word + "' line";
            return false;
        }
    seen_.push_back(word);
    JournalHeader& h = journal_.header;
    rest = rest.substr(0, rest.find('#'));
    const std::string_view value = NextWord(rest);
    uint64_t number = 0;
    bool ok = true;
    if (word == "zarnok-journal") {
        ok = ParseUnsigned(value, 10, UINT32_MAX, number) && number > 0;
        if (ok && number > JournalFormatVersion) {
            what = "journal format " + std::to_string(number) + " is newer than this game reads (" +
                   std::to_string(JournalFormatVersion) + ")";
            return false;
        }
        h.version = uint32_t(number);
    } else if (word == "game") {
        ok = !value.empty() && value.size() <= 32;
        h.gameVersion = std::string(value);
    } else if (word == "levels") {
        ok = ParseHash(value, h.levelsHash);
    } else if (word == "start") {
        ok = ParseUnsigned(value, 10, 255, number) && number == 1;
        if (!ok) {
            what = "every game starts on level 1, not '" + std::string(value) + "'";
            return false;
        }
    } else if (word == "from") {
        ok = ParseUnsigned(value, 10, UINT64_MAX, h.fromTick);
    } else {
        std::array<uint8_t, JournalRecordBytes> bytes{};
        ok = value.size() == 2 * bytes.size();
        for (size_t i = 0; ok && i < bytes.size(); ++i) {
            ok = ParseUnsigned(value.substr(2 * i, 2), 16, 255, number);
            bytes[i] = uint8_t(number);
        }
        if (ok) h.record = bytes;
    }
    if (ok && !TrimLeft(rest).empty()) {
        what = "unexpected text after '" + word + " " + std::string(value) + "'";
        return false;
    }
    if (!ok) {
        what = "bad '" + word + "' line: '" + std::string(value) + "'";
        return false;
    }
    return true;
}

// The header must name the levels it was played on: nothing else can tell
// that a journal does not fit the Data.dat it is played against.
bool JournalParser::Finish(std::string& what) const {
    if (!versioned_ || headerDone_) return true;
    for (const char* needed : {"game", "levels"}) {
        bool found = false;
        for (const std::string& seen : seen_) found = found || seen == needed;
        if (!found) {
            what = std::string("the header has no '") + needed + "' line";
            return false;
        }
    }
    return true;
}

bool JournalParser::CheckLine(std::string_view rest, std::string& what) {
    rest = rest.substr(0, rest.find('#'));
    JournalCheck check;
    const std::string_view tickWord = NextWord(rest);
    const std::string_view hashWord = NextWord(rest);
    if (!ParseUnsigned(tickWord, 10, UINT64_MAX, check.tick) || !ParseHash(hashWord, check.hash) ||
        !TrimLeft(rest).empty()) {
        what = "a check is 'check TICK HASH' with 16 hex digits";
        return false;
    }
    if (!versioned_) {
        what = "a check needs the header's first line 'zarnok-journal 1'";
        return false;
    }
    if (!InTickOrder(check.tick, true, what)) return false;
    check.eventsBefore = journal_.keys.size();
    journal_.checks.push_back(check);
    return true;
}

// Events and checks come in tick order; a check follows the events before
// its tick and comes before those at it, and no two checks share a tick.
bool JournalParser::InTickOrder(uint64_t tick, bool isCheck, std::string& what) {
    const bool hadAny = !journal_.keys.empty() || !journal_.checks.empty();
    if (hadAny && tick < lastTick_) {
        what = "tick " + std::to_string(tick) + " after tick " + std::to_string(lastTick_) +
               ": ticks must not go back";
        return false;
    }
    if (isCheck && lastWasCheck_ && tick == lastTick_) {
        what = "a second check for tick " + std::to_string(tick);
        return false;
    }
    lastTick_ = tick;
    lastWasCheck_ = isCheck;
    return true;
}

static_assert(DataFileSize - BestScoreOffset == JournalRecordBytes);

uint64_t Fnv1a(const uint8_t* bytes, size_t count) {
    uint64_t hash = 0xCBF29CE484222325ull;
    for (size_t i = 0; i < count; ++i) {
        hash ^= bytes[i];
        hash *= 0x100000001B3ull;
    }
    return hash;
}

}  // namespace

bool ParseKeyToken(std::string_view token, int32_t& key) {
    std::string lower = Lower(token);
    for (const NamedKey& named : NamedKeys)
        if (lower == named.name) {
            key = named.key;
            return true;
        }
    uint64_t value = 0;
    bool ok = lower.size() > 2 && lower[0] == '0' && lower[1] == 'x'
                  ? ParseUnsigned(std::string_view(lower).substr(2), 16, INT32_MAX, value)
                  : ParseUnsigned(lower, 10, INT32_MAX, value);
    if (ok) key = int32_t(value);
    return ok;
}

std::string KeyName(int32_t key) {
    for (const NamedKey& named : NamedKeys)
        if (named.key == key) return std::string(named.name);
    return std::to_string(key);
}

bool ParseReplay(std::string_view text, ReplayJournal& journal, std::string& error) {
    JournalParser parser(journal);
    size_t lineNumber = 0;
    const bool versioned = text.substr(0, 14) == "zarnok-journal";
    std::string what;
    TextLines lines(text);
    for (TextLine line; lines.Next(line);) {
        lineNumber = line.number;
        if (!line.ended && versioned) {
            what = "cut off: the journal ends inside this line";
            break;
        }
        if (!parser.Line(line.text, line.number == 1, what)) break;
    }
    if (what.empty() && !parser.Finish(what)) ++lineNumber;  // the header ran to the end
    if (what.empty()) return true;
    error = "line " + std::to_string(lineNumber) + ": " + what;
    return false;
}

std::string JournalHex(uint64_t value) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

std::string FormatJournalHeader(const JournalHeader& h) {
    std::string out = "zarnok-journal " + std::to_string(JournalFormatVersion) + "\n";
    out += "game " + (h.gameVersion.empty() ? std::string("?") : h.gameVersion) + "\n";
    out += "levels " + JournalHex(h.levelsHash) + "\n";
    out += "start " + std::to_string(h.startLevel) + "\n";
    out += "from " + std::to_string(h.fromTick) + "\n";
    if (h.record) {
        out += "record ";
        for (uint8_t b : *h.record) {
            char hex[3];
            std::snprintf(hex, sizeof hex, "%02x", unsigned(b));
            out += hex;
        }
        out += "\n";
    }
    return out;
}

std::string FormatJournalEvent(const JournalEvent& event) {
    std::string out = std::to_string(event.tick);
    const std::string action(ActionNames[event.action % ActionNames.size()]);
    switch (event.kind) {
    case JournalEventKind::Key: out += (event.down ? " down " : " up ") + KeyName(event.key); break;
    case JournalEventKind::Sound: out += " sound"; break;
    case JournalEventKind::Select: out += " select " + action; break;
    case JournalEventKind::Bind: out += " bind " + action + " " + KeyName(event.key); break;
    case JournalEventKind::NewGame: out += " new"; break;
    case JournalEventKind::BestPlayer: out += " best"; break;
    }
    return out + "\n";
}

std::string FormatJournalAnswer(const JournalAnswer& answer) {
    switch (answer.kind) {
    case JournalAnswer::Ok: return "answer ok\n";
    case JournalAnswer::Yes: return "answer yes\n";
    case JournalAnswer::No: return "answer no\n";
    case JournalAnswer::Cancel: return "answer cancel\n";
    case JournalAnswer::Name: break;
    }
    std::string name = answer.name;
    for (char& c : name)
        if (c == '\n' || c == '\r') c = ' ';
    return "answer name " + name + "\n";
}

std::string FormatJournalCheck(const JournalCheck& check) {
    return "check " + std::to_string(check.tick) + " " + JournalHex(check.hash) + "\n";
}

std::string FormatReplay(const ReplayJournal& journal) {
    std::string out;
    if (journal.header.version > 0) out += FormatJournalHeader(journal.header);
    size_t next = 0;
    for (const JournalCheck& check : journal.checks) {
        for (; next < journal.keys.size() && next < check.eventsBefore; ++next)
            out += FormatJournalEvent(journal.keys[next]);
        out += FormatJournalCheck(check);
    }
    for (; next < journal.keys.size(); ++next) out += FormatJournalEvent(journal.keys[next]);
    for (const JournalAnswer& answer : journal.answers) out += FormatJournalAnswer(answer);
    return out;
}

DataFileFacts DataFileFactsOf(const std::vector<uint8_t>& bytes) {
    DataFileFacts facts;
    const size_t levels = std::min(bytes.size(), size_t(BestScoreOffset));
    facts.levelsHash = Fnv1a(bytes.data(), levels);
    if (bytes.size() >= size_t(DataFileSize)) {
        std::array<uint8_t, JournalRecordBytes> record{};
        std::copy_n(bytes.begin() + BestScoreOffset, record.size(), record.begin());
        facts.record = record;
    }
    return facts;
}

std::optional<DataFileFacts> ReadDataFileFacts(const std::string& path) {
    std::optional<PosixFile> file = PosixFile::Open(path, FileAccess::Read);
    if (!file) return std::nullopt;
    std::vector<uint8_t> bytes;
    if (!file->ReadUpTo(size_t(DataFileSize), bytes)) return std::nullopt;
    return DataFileFactsOf(bytes);
}

void ApplyJournalEvent(GameWorld& world, Host& host, const JournalEvent& event) {
    switch (event.kind) {
    case JournalEventKind::Key:
        if (event.down)
            DispatchKeyDown(world, host, event.key);
        else
            DispatchKeyUp(world, host, event.key);
        break;
    case JournalEventKind::Sound: ToggleSound(world); break;
    case JournalEventKind::Select: world.selectedAction = event.action; break;
    case JournalEventKind::Bind:
        world.selectedAction = event.action;
        StoreCapturedKey(world, event.key);
        break;
    case JournalEventKind::NewGame: RequestNewGame(world); break;
    case JournalEventKind::BestPlayer: ShowBestPlayer(world, host); break;
    }
}

bool JournalCursor::Boundary(uint64_t ticksRun, bool last, const EventSink& apply,
                             const CheckSink& check) {
    const std::vector<JournalEvent>& events = journal_.keys;
    const std::vector<JournalCheck>& checks = journal_.checks;
    while (nextCheck_ < checks.size() && checks[nextCheck_].tick < ticksRun) ++nextCheck_;
    for (; nextCheck_ < checks.size() && checks[nextCheck_].tick == ticksRun; ++nextCheck_) {
        for (; nextEvent_ < events.size() && nextEvent_ < checks[nextCheck_].eventsBefore &&
               events[nextEvent_].tick <= ticksRun;
             ++nextEvent_)
            apply(events[nextEvent_]);
        if (!check(checks[nextCheck_])) {
            ++nextCheck_;
            return false;
        }
    }
    if (!last)
        for (; nextEvent_ < events.size() && events[nextEvent_].tick <= ticksRun; ++nextEvent_)
            apply(events[nextEvent_]);
    return true;
}
