// level_source.cpp -- reading and writing Data.dat and its level source text.
//
// Level source, one element per line:
//
//   # a comment: '#' at the start of a word runs to the end of the line
//   start X Y left|right|N         where the soldier's soles stand, and his facing
//   goal X Y                       top-left corner of the 50 x 50 exit
//   ledge X Y                      platforms: ledge, block, raptor, raptor-on,
//   platform KIND X Y                or any kind byte 0..255
//   flower X Y                     decorations: flower shrub conifer bulrush vine
//   decoration KIND X Y              hanging-vines tree, or any kind byte
//   coin X Y                       pickups: circuit crystal tulip coin repellent
//   pickup KIND X Y                  strawberry, or any kind byte
//   nest TIMER X Y                 a nest and the tick count it starts from
//   mosquito ALIVE DIR X Y         DIR is left, right or a number
//
// X, Y and the other numbers are signed 32-bit decimals, KIND, TIMER and
// ALIVE are bytes 0..255. Elements fill their table from slot 0 upwards,
// each taking the first slot not yet written. "@17 ledge 100 200" puts an
// element into slot 17 of its table, so that any record, even one with gaps
// or with coordinates in empty slots, can be written down. `start` and `goal`
// appear exactly once.
//
// Best-record source: one line, either
//   best SCORE NAME...     NAME in UTF-8, stored as Windows-1251, padded with
//                          spaces to 20 bytes (the rest of the line, trimmed)
//   best-raw SCORE HEX     the 20 name bytes as 40 hexadecimal digits
#include "tools/level/level_source.h"

#include <cstdint>
#include <optional>

#include "game/byte_stream.h"
#include "game/number_text.h"
#include "game/text.h"
#include "game/text_lines.h"

namespace levelsource {

namespace {

// ---------------------------------------------------------------------------
// Names of the element kinds. Index = kind byte; nullptr = no name.
// ---------------------------------------------------------------------------

struct TableInfo {
    const char* name;      // word for a raw entry and for messages
    const char* heading;   // comment above the table in generated text
    const char* rawUsage;  // arguments of the raw word
    std::vector<const char*> kindNames;
};

const TableInfo& Info(Table table) {
    static const TableInfo infos[TableCount] = {
        {"platform", "Platforms", "KIND X Y", {nullptr, "ledge", "block", "raptor", "raptor-on"}},
        {"decoration",
         "Decorations",
         "KIND X Y",
         {nullptr, "flower", "shrub", "conifer", "bulrush", "vine", "hanging-vines", "tree"}},
        {"pickup",
         "Pickups",
         "KIND X Y",
         {nullptr, "circuit", "crystal", "tulip", "coin", "repellent", "strawberry"}},
        {"nest", "Nests", "TIMER X Y", {}},
        {"mosquito", "Mosquitoes", "ALIVE DIR X Y", {}},
    };
    return infos[static_cast<int>(table)];
}

constexpr Table AllTables[TableCount] = {Table::Platforms, Table::Decorations, Table::Pickups,
                                         Table::Nests, Table::Mosquitoes};

ElementEntry* ElementSlots(LevelRecord& level, Table table) {
    switch (table) {
    case Table::Platforms: return level.platforms.data();
    case Table::Decorations: return level.decorations.data();
    case Table::Pickups: return level.pickups.data();
    case Table::Nests: return level.nests.data();
    case Table::Mosquitoes: break;
    }
    return nullptr;
}

const ElementEntry* ElementSlots(const LevelRecord& level, Table table) {
    return ElementSlots(const_cast<LevelRecord&>(level), table);
}

// ---------------------------------------------------------------------------
// Lines and words
// ---------------------------------------------------------------------------

struct Word {
    std::string_view text;
    size_t end = 0;  // offset just past the word in its line
};

// Splits a line into words; a word that starts with '#' opens a comment.
// commentAt is where the comment starts (or the line's length).
std::vector<Word> SplitWords(std::string_view line, size_t& commentAt) {
    std::vector<Word> words;
    commentAt = line.size();
    std::string_view rest = line;
    for (std::string_view word = NextWord(rest); !word.empty(); word = NextWord(rest)) {
        if (word.front() == '#') {
            commentAt = size_t(word.data() - line.data());
            break;
        }
        words.push_back({word, line.size() - rest.size()});
    }
    return words;
}

// A byte-order mark in front of the first line is no part of it.
std::string_view WithoutByteOrderMark(std::string_view text) {
    return text.substr(0, 3) == "\xEF\xBB\xBF" ? text.substr(3) : text;
}

// Collects the errors of one source file.
class Reporter {
public:
    Reporter(const std::string& file, std::vector<Diagnostic>& errors)
        : file_(file), errors_(errors) {}

    void Error(int line, std::string message) {
        errors_.push_back({file_, line, std::move(message)});
        ++count_;
    }
    bool Failed() const { return count_ > 0; }

private:
    const std::string& file_;
    std::vector<Diagnostic>& errors_;
    int count_ = 0;
};

std::string Quote(std::string_view s) { return "'" + std::string(s) + "'"; }

bool ReadInt32(std::string_view word, const char* what, int line, Reporter& report, int32_t& out) {
    const std::optional<int32_t> v = ParseDecimal<int32_t>(word);
    if (!v) {
        report.Error(line, NumberRefusal(what, INT32_MIN, INT32_MAX, word));
        return false;
    }
    out = *v;
    return true;
}

bool ReadByte(std::string_view word, const char* what, int line, Reporter& report, uint8_t& out) {
    const std::optional<int32_t> v = ParseDecimal<int32_t>(word, 0, 255);
    if (!v) {
        report.Error(line, NumberRefusal(what, 0, 255, word));
        return false;
    }
    out = static_cast<uint8_t>(*v);
    return true;
}

// left / right or any signed number: the soldier's facing, a mosquito's dir.
bool ReadDirection(std::string_view word, const char* what, int line, Reporter& report,
                   int32_t& out) {
    if (word == "left") {
        out = -1;
        return true;
    }
    if (word == "right") {
        out = 1;
        return true;
    }
    const std::optional<int32_t> v = ParseDecimal<int32_t>(word);
    if (!v) {
        report.Error(
            line, std::string(what) + " must be left, right or a whole number, not " + Quote(word));
        return false;
    }
    out = *v;
    return true;
}

std::string DirectionText(int32_t v) {
    if (v == -1) return "left";
    if (v == 1) return "right";
    return std::to_string(v);
}

// Finds the table and kind a word names: ("ledge") -> platforms, 1;
// ("platform") -> platforms, raw (kind -1).
bool LookUpElement(std::string_view word, Table& table, int& kind) {
    for (Table t : AllTables) {
        const TableInfo& info = Info(t);
        if (word == info.name) {
            table = t;
            kind = -1;
            return true;
        }
        for (size_t k = 0; k < info.kindNames.size(); ++k) {
            if (info.kindNames[k] != nullptr && word == info.kindNames[k]) {
                table = t;
                kind = int(k);
                return true;
            }
        }
    }
    return false;
}

// ---------------------------------------------------------------------------
// Level parser
// ---------------------------------------------------------------------------

class LevelParser {
public:
    LevelParser(LevelRecord& level, Reporter& report, SourceLines& lines)
        : level_(level), report_(report), lines_(lines) {
        for (Table t : AllTables) {
            lines_.slots[size_t(t)].assign(size_t(TableCapacity(t)), 0);
        }
    }

    void Line(int lineNo, const std::vector<Word>& allWords) {
        std::vector<std::string_view> words;
        for (const Word& w : allWords) {
            words.push_back(w.text);
        }
        if (words.empty()) {
            return;
        }
        int slot = -1;
        if (words[0].front() == '@') {
            if (!ReadSlot(lineNo, words[0], slot)) {
                return;
            }
            words.erase(words.begin());
            if (words.empty()) {
                report_.Error(lineNo, "a slot number must be followed by an element");
                return;
            }
        }
        const std::string_view keyword = words[0];
        const std::span<const std::string_view> args(words.data() + 1, words.size() - 1);

        if (keyword == "start" || keyword == "goal") {
            if (slot >= 0) {
                report_.Error(lineNo, Quote(keyword) + " has no slot; remove the @ number");
                return;
            }
            if (keyword == "start") {
                Start(lineNo, args);
            } else {
                Goal(lineNo, args);
            }
            return;
        }
        Table table{};
        int kind = 0;
        if (LookUpElement(keyword, table, kind)) {
            Element(lineNo, slot, table, kind, keyword, args);
            return;
        }
        if (keyword == "best" || keyword == "best-raw") {
            report_.Error(lineNo, "the best record goes into its own file, not into a level");
            return;
        }
        report_.Error(lineNo, "unknown element " + Quote(keyword));
    }

    void Finish() {
        if (lines_.start == 0) {
            report_.Error(0, "the level has no 'start X Y FACING' line");
        }
        if (lines_.goal == 0) {
            report_.Error(0, "the level has no 'goal X Y' line");
        }
    }

private:
    bool ReadSlot(int lineNo, std::string_view word, int& slot) {
        const std::optional<int> v = ParseDecimal<int>(word.substr(1), 0);
        if (!v) {
            report_.Error(lineNo, "slot " + Quote(word) + " must be @ and a number from 0");
            return false;
        }
        slot = *v;
        return true;
    }

    bool CheckCount(int lineNo, std::string_view keyword, std::span<const std::string_view> args,
                    size_t count, const char* usage) {
        if (args.size() == count) {
            return true;
        }
        report_.Error(lineNo, Quote(keyword) + " takes " + usage + " (" + std::to_string(count) +
                                  " values), found " + std::to_string(args.size()));
        return false;
    }

    // `start` and `goal` come once each, with `count` values; the line of
    // the first is kept.
    bool FirstOfItsKind(int lineNo, const char* keyword, int& seenOn,
                        std::span<const std::string_view> args, size_t count, const char* usage) {
        if (seenOn != 0) {
            report_.Error(lineNo, std::string("a second '") + keyword + "'; the first is on line " +
                                      std::to_string(seenOn));
            return false;
        }
        seenOn = lineNo;
        return CheckCount(lineNo, keyword, args, count, usage);
    }

    void Start(int lineNo, std::span<const std::string_view> args) {
        if (!FirstOfItsKind(lineNo, "start", lines_.start, args, 3, "X Y FACING")) return;
        ReadInt32(args[0], "start X", lineNo, report_, level_.startX);
        ReadInt32(args[1], "start Y", lineNo, report_, level_.startY);
        ReadDirection(args[2], "start FACING", lineNo, report_, level_.facing);
    }

    void Goal(int lineNo, std::span<const std::string_view> args) {
        if (!FirstOfItsKind(lineNo, "goal", lines_.goal, args, 2, "X Y")) return;
        ReadInt32(args[0], "goal X", lineNo, report_, level_.goalX);
        ReadInt32(args[1], "goal Y", lineNo, report_, level_.goalY);
    }

    void Element(int lineNo, int slot, Table table, int kind, std::string_view keyword,
                 std::span<const std::string_view> args) {
        const bool raw = kind < 0;
        size_t count = 2;
        const char* usage = "X Y";
        if (table == Table::Mosquitoes) {
            count = 4;
            usage = Info(table).rawUsage;
        } else if (raw) {
            count = 3;
            usage = Info(table).rawUsage;
        }
        if (!CheckCount(lineNo, keyword, args, count, usage)) {
            return;
        }
        if (!TakeSlot(lineNo, table, slot)) {
            return;
        }
        if (table == Table::Mosquitoes) {
            MosquitoEntry& m = level_.mosquitoes[size_t(slot)];
            ReadByte(args[0], "ALIVE", lineNo, report_, m.alive);
            ReadDirection(args[1], "DIR", lineNo, report_, m.dir);
            ReadInt32(args[2], "X", lineNo, report_, m.x);
            ReadInt32(args[3], "Y", lineNo, report_, m.y);
            return;
        }
        ElementEntry& e = ElementSlots(level_, table)[slot];
        size_t next = 0;
        if (raw) {
            ReadByte(args[next++], table == Table::Nests ? "TIMER" : "KIND", lineNo, report_,
                     e.kind);
        } else {
            e.kind = static_cast<uint8_t>(kind);
        }
        ReadInt32(args[next], "X", lineNo, report_, e.x);
        ReadInt32(args[next + 1], "Y", lineNo, report_, e.y);
    }

    // An explicit slot must be free; otherwise the first free slot is taken.
    bool TakeSlot(int lineNo, Table table, int& slot) {
        std::vector<int>& used = lines_.slots[size_t(table)];
        const int capacity = TableCapacity(table);
        const std::string name = Info(table).name;
        if (slot >= capacity) {
            report_.Error(lineNo, name + " slot " + std::to_string(slot) + " does not exist: " +
                                      "the table has slots 0 to " + std::to_string(capacity - 1));
            return false;
        }
        if (slot < 0) {
            for (int i = 0; i < capacity; ++i) {
                if (used[size_t(i)] == 0) {
                    slot = i;
                    break;
                }
            }
            if (slot < 0) {
                report_.Error(lineNo, "no free " + name + " slot: the table holds " +
                                          std::to_string(capacity));
                return false;
            }
        } else if (used[size_t(slot)] != 0) {
            report_.Error(lineNo, name + " slot " + std::to_string(slot) +
                                      " is already taken by line " +
                                      std::to_string(used[size_t(slot)]));
            return false;
        }
        used[size_t(slot)] = lineNo;
        return true;
    }

    LevelRecord& level_;
    Reporter& report_;
    SourceLines& lines_;
};

// ---------------------------------------------------------------------------
// Writers
// ---------------------------------------------------------------------------

bool IsEmpty(const ElementEntry& e) { return e.kind == 0 && e.x == 0 && e.y == 0; }
bool IsEmpty(const MosquitoEntry& m) { return m.alive == 0 && m.dir == 0 && m.x == 0 && m.y == 0; }

std::string ElementLine(Table table, const ElementEntry& e) {
    const TableInfo& info = Info(table);
    std::string line;
    if (e.kind < info.kindNames.size() && info.kindNames[e.kind] != nullptr) {
        line = info.kindNames[e.kind];
    } else {
        line = std::string(info.name) + " " + std::to_string(e.kind);
    }
    return line + " " + std::to_string(e.x) + " " + std::to_string(e.y);
}

std::string MosquitoLine(const MosquitoEntry& m) {
    return "mosquito " + std::to_string(m.alive) + " " + DirectionText(m.dir) + " " +
           std::to_string(m.x) + " " + std::to_string(m.y);
}

// Writes the non-empty slots of one table; a slot that the next free slot
// would not reach gets its number.
template <typename Entry, typename LineOf>
void WriteTable(std::string& out, Table table, std::span<const Entry> slots, LineOf lineOf) {
    bool headed = false;
    size_t nextFree = 0;
    for (size_t i = 0; i < slots.size(); ++i) {
        if (IsEmpty(slots[i])) {
            continue;
        }
        if (!headed) {
            out += "\n# " + std::string(Info(table).heading) + "\n";
            headed = true;
        }
        if (i != nextFree) {
            out += "@" + std::to_string(i) + " ";
        }
        out += lineOf(slots[i]) + "\n";
        // Slots below i that were skipped stay free, so the next element
        // written without a number would land in the first of them.
        if (i == nextFree) {
            ++nextFree;
        }
    }
}

std::string HexBytes(const std::array<uint8_t, BestNameLength>& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    for (uint8_t b : bytes) {
        hex += digits[b >> 4];
        hex += digits[b & 15];
    }
    return hex;
}

}  // namespace

// ---------------------------------------------------------------------------
// Public
// ---------------------------------------------------------------------------

int TableCapacity(Table table) {
    switch (table) {
    case Table::Platforms: return MaxPlatforms;
    case Table::Decorations: return MaxDecorations;
    case Table::Pickups: return MaxPickups;
    case Table::Nests: return MaxNests;
    case Table::Mosquitoes: return MaxMosquitoes;
    }
    return 0;
}

const char* TableName(Table table) { return Info(table).name; }

std::vector<uint8_t> EncodeDataFile(const DataFile& data) {
    std::vector<uint8_t> bytes(size_t(DataFileSize), 0);
    for (size_t k = 0; k < data.levels.size(); ++k) {
        EncodeLevel(data.levels[k],
                    std::span<uint8_t, LevelRecordSize>(bytes.data() + k * size_t(LevelRecordSize),
                                                        size_t(LevelRecordSize)));
    }
    ByteWriter w(std::span<uint8_t>(bytes).subspan(size_t(BestScoreOffset)));
    w.Int32(data.best.score);
    for (uint8_t b : data.best.name) {
        w.Byte(b);
    }
    return bytes;
}

bool DecodeDataFile(std::span<const uint8_t> bytes, DataFile& data) {
    if (bytes.size() < size_t(DataFileSize)) {
        return false;
    }
    for (size_t k = 0; k < data.levels.size(); ++k) {
        data.levels[k] = DecodeLevel(std::span<const uint8_t, LevelRecordSize>(
            bytes.data() + k * size_t(LevelRecordSize), size_t(LevelRecordSize)));
    }
    ByteReader r(bytes.subspan(size_t(BestScoreOffset)));
    data.best.score = r.Int32();
    for (uint8_t& b : data.best.name) {
        b = r.Byte();
    }
    return true;
}

std::string Diagnostic::ToString() const {
    if (line > 0) {
        return file + ":" + std::to_string(line) + ": " + message;
    }
    return file + ": " + message;
}

bool ParseLevel(std::string_view text, const std::string& fileName, LevelRecord& level,
                std::vector<Diagnostic>& errors, SourceLines* lines) {
    level = LevelRecord{};
    SourceLines ownLines;
    Reporter report(fileName, errors);
    LevelParser parser(level, report, lines != nullptr ? *lines : ownLines);
    TextLines source(WithoutByteOrderMark(text));
    for (TextLine line; source.Next(line);) {
        size_t commentAt = 0;
        parser.Line(int(line.number), SplitWords(line.text, commentAt));
    }
    parser.Finish();
    return !report.Failed();
}

bool ParseBest(std::string_view text, const std::string& fileName, BestRecord& best,
               std::vector<Diagnostic>& errors) {
    best = BestRecord{};
    Reporter report(fileName, errors);
    int found = 0;
    TextLines source(WithoutByteOrderMark(text));
    for (TextLine textLine; source.Next(textLine);) {
        const int lineNo = int(textLine.number);
        const std::string_view line = textLine.text;
        size_t commentAt = 0;
        const std::vector<Word> words = SplitWords(line, commentAt);
        if (words.empty()) {
            continue;
        }
        const std::string_view keyword = words[0].text;
        if (keyword != "best" && keyword != "best-raw") {
            report.Error(lineNo,
                         "a best-record file holds one 'best SCORE NAME' or "
                         "'best-raw SCORE HEX' line, not " +
                             Quote(keyword));
            continue;
        }
        if (found != 0) {
            report.Error(lineNo,
                         "a second best record; the first is on line " + std::to_string(found));
            continue;
        }
        found = lineNo;
        if (words.size() < 2) {
            report.Error(lineNo, Quote(keyword) + " needs a score");
            continue;
        }
        ReadInt32(words[1].text, "SCORE", lineNo, report, best.score);

        if (keyword == "best-raw") {
            if (words.size() != 3 || words[2].text.size() != size_t(2 * BestNameLength)) {
                report.Error(lineNo,
                             "'best-raw' takes SCORE and the 20 name bytes as 40 "
                             "hexadecimal digits");
                continue;
            }
            const std::string_view hex = words[2].text;
            for (size_t i = 0; i < size_t(BestNameLength); ++i) {
                const std::optional<uint8_t> byte = ParseHex<uint8_t>(hex.substr(2 * i, 2));
                if (!byte) {
                    report.Error(lineNo,
                                 "'best-raw' name bytes must be hexadecimal digits, "
                                 "found " +
                                     Quote(hex.substr(2 * i, 2)));
                    break;
                }
                best.name[i] = *byte;
            }
            continue;
        }

        // The name is the rest of the line, comment and outer blanks left out.
        const std::string_view name = Trim(line.substr(words[1].end, commentAt - words[1].end));
        std::string bytes;
        if (!Utf8ToCp1251(name, bytes)) {
            report.Error(lineNo, "the name " + Quote(name) +
                                     " has characters that Windows-1251 cannot store "
                                     "(or is not valid UTF-8)");
            continue;
        }
        if (bytes.size() > size_t(BestNameLength)) {
            report.Error(lineNo, "the name is " + std::to_string(bytes.size()) +
                                     " characters long; at most 20 fit");
            continue;
        }
        for (size_t i = 0; i < bytes.size(); ++i) {
            best.name[i] = static_cast<uint8_t>(bytes[i]);
        }
    }
    if (found == 0) {
        report.Error(0, "no 'best SCORE NAME' line");
    }
    return !report.Failed();
}

std::string FormatLevel(const LevelRecord& level, int levelNumber) {
    std::string out = "# Level " + std::to_string(levelNumber) + "\n";
    out += "start " + std::to_string(level.startX) + " " + std::to_string(level.startY) + " " +
           DirectionText(level.facing) + "\n";
    out += "goal " + std::to_string(level.goalX) + " " + std::to_string(level.goalY) + "\n";
    for (Table t : {Table::Platforms, Table::Decorations, Table::Pickups, Table::Nests}) {
        const std::span<const ElementEntry> slots(ElementSlots(level, t), size_t(TableCapacity(t)));
        WriteTable(out, t, slots, [t](const ElementEntry& e) { return ElementLine(t, e); });
    }
    WriteTable(out, Table::Mosquitoes, std::span<const MosquitoEntry>(level.mosquitoes),
               MosquitoLine);
    return out;
}

std::string FormatBest(const BestRecord& best) {
    const std::string header = "# Best player: score, then the name (at most 20 letters)\n";
    const std::string score = std::to_string(best.score);

    // Readable form when the name is plain text that reads back the same.
    size_t length = best.name.size();
    while (length > 0 && best.name[length - 1] == ' ') {
        --length;
    }
    bool plain = length == 0 || best.name[0] != ' ';
    for (size_t i = 0; i < length && plain; ++i) {
        const uint8_t b = best.name[i];
        plain = b >= 0x20 && b != 0x7F && b != 0x98;
    }
    if (plain) {
        const std::string name(reinterpret_cast<const char*>(best.name.data()), length);
        std::string text = header + "best " + score;
        if (length > 0) {
            text += " " + Cp1251ToUtf8(name);
        }
        text += "\n";
        BestRecord back;
        std::vector<Diagnostic> ignored;
        if (ParseBest(text, "", back, ignored) && back == best) {
            return text;
        }
    }
    return header + "best-raw " + score + " " + HexBytes(best.name) + "\n";
}

}  // namespace levelsource
