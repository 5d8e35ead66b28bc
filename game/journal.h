// journal.h -- the game's journal: what reached the game tick by tick, and the world's hash along the way.
//
// A journal is a small text file, one line each:
//
//   zarnok-journal 1            first line of a versioned journal: format, version
//   game 1.4                    the game that recorded it
//   levels 0123456789abcdef     FNV-1a of the level records of its Data.dat
//   start 1                     the level the game starts on
//   from 0                      the game's first tick (earlier ticks: the window's
//                               earlier games, played again to reach its start)
//   record 48-HEX-DIGITS        the 24 record bytes of Data.dat when play began
//   # comment                   blank lines and '#' comments are ignored
//   12 down left                key event delivered just before tick 12
//   40 up 0x11                  key: decimal, 0x-hex, or left right up down
//                               control shift
//   40 sound                    "Звуки" before tick 40
//   41 select fire              the controls dialog picked an action
//   41 bind fire 0x41           ... and the key capture stored a key in it
//   90 new                      "Новая"
//   95 best                     "Лучший игрок" (its box takes the next answer)
//   answer yes                  next modal box or dialog: ok, yes, no, cancel
//   answer name Иван Петров     the name dialog confirms the rest of the line
//   check 100 0123456789abcdef  the world's hash once 100 ticks have run and the
//                               events above it at tick 100 have reached it
//
// Ticks count from 0. Events keep their file order within a tick; the
// answers are used in file order by the boxes as they come up, whatever the
// ticks of the lines around them. On a name line everything after "name "
// belongs to the name, '#' included.
//
// A journal without the first line is an old one: keys and answers only, in
// any tick order. A versioned journal keeps its ticks in order, ends every
// line with a line break and holds each header line once, before the rest.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

constexpr uint32_t JournalFormatVersion = 1;
constexpr uint64_t JournalCheckInterval = 100;  // ticks between two checks
constexpr size_t JournalLineLimit = 4096;       // bytes of one line
constexpr size_t JournalRecordBytes = 24;       // best score and name in Data.dat

// One answer to a modal box or dialog.
struct JournalAnswer {
    enum Kind { Ok, Yes, No, Cancel, Name } kind = Ok;
    std::string name;  // Name only: UTF-8
};

enum class JournalEventKind : uint8_t { Key, Sound, Select, Bind, NewGame, BestPlayer };

struct JournalEvent {
    uint64_t tick = 0;  // delivered before this tick runs
    bool down = true;   // Key: key-down, or key-up
    int32_t key = 0;    // Key, Bind: virtual-key code
    JournalEventKind kind = JournalEventKind::Key;
    uint8_t action = 0;  // Select, Bind: SelectedAction
};

// The world's hash once `tick` ticks have run and the events before it in
// the journal have been delivered.
struct JournalCheck {
    uint64_t tick = 0;
    uint64_t hash = 0;
    size_t eventsBefore = 0;  // events that come before it in the file
};

struct JournalHeader {
    uint32_t version = 0;  // 0: an old journal without a header
    std::string gameVersion;
    uint64_t levelsHash = 0;
    uint8_t startLevel = 1;
    uint64_t fromTick = 0;
    std::optional<std::array<uint8_t, JournalRecordBytes>> record;
};

struct ReplayJournal {
    std::vector<JournalEvent> keys;      // every event, in file order
    std::vector<JournalAnswer> answers;  // in file order
    JournalHeader header;
    std::vector<JournalCheck> checks;  // in tick order
};

using ReplayKeyEvent = JournalEvent;

// Parses a journal. On failure returns false and sets error to
// "line N: what is wrong"; the journal is then left partly filled.
bool ParseReplay(std::string_view text, ReplayJournal& journal, std::string& error);

// The journal as text that ParseReplay reads back to the same journal: the
// header, the events and checks in their order, the answers last. A name
// cannot hold a line break: any CR or LF in it is written as a space.
std::string FormatReplay(const ReplayJournal& journal);

// The header's lines, from "zarnok-journal" on.
std::string FormatJournalHeader(const JournalHeader& header);

// One line each, with its line break.
std::string FormatJournalEvent(const JournalEvent& event);
std::string FormatJournalAnswer(const JournalAnswer& answer);
std::string FormatJournalCheck(const JournalCheck& check);

// "left", "control", ... for the keys that have a name in journals, else decimal.
std::string KeyName(int32_t key);

// Parses one KEY token; false when it is none of the accepted forms.
bool ParseKeyToken(std::string_view token, int32_t& key);

// Walks a journal from tick boundary to tick boundary, as whoever plays it
// does. Events must be in tick order (an old journal sorted by tick first).
class JournalCursor {
public:
    using EventSink = std::function<void(const JournalEvent&)>;
    using CheckSink = std::function<bool(const JournalCheck&)>;  // false: stop here

    explicit JournalCursor(const ReplayJournal& journal) : journal_(journal) {}

    // The lines between `ticksRun` ticks and the next: the events at that
    // tick go to `apply` and its checks to `check`, in file order. With
    // `last` the events after its last check are left, as no tick follows.
    // False as soon as `check` says stop.
    bool Boundary(uint64_t ticksRun, bool last, const EventSink& apply, const CheckSink& check);

private:
    const ReplayJournal& journal_;
    size_t nextEvent_ = 0;
    size_t nextCheck_ = 0;
};

struct GameWorld;
class Host;

// Does what the event stands for, as the window did between two ticks.
void ApplyJournalEvent(GameWorld& world, Host& host, const JournalEvent& event);

// What a journal needs to know of a Data.dat.
struct DataFileFacts {
    uint64_t levelsHash = 0;  // of the level records it holds, not the best record
    std::optional<std::array<uint8_t, JournalRecordBytes>> record;  // a whole file only
};

DataFileFacts DataFileFactsOf(const std::vector<uint8_t>& bytes);

// Reads the file at `path`; nothing when it cannot be read.
std::optional<DataFileFacts> ReadDataFileFacts(const std::string& path);

// 16 lowercase hex digits.
std::string JournalHex(uint64_t value);
