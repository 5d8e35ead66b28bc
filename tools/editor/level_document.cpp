// level_document.cpp -- the source's lines, which of them are elements, and edits of them.
#include "tools/editor/level_document.h"

#include <algorithm>
#include <map>
#include <set>

#include "game/rules.h"
#include "render/numeric.h"

namespace editor {

using levelsource::Diagnostic;
using levelsource::LevelRecord;
using levelsource::SourceLines;
using levelsource::Table;

namespace {

const char* const PlatformNames[] = {nullptr, "ledge", "block", "raptor", "raptor-on"};
const char* const DecorationNames[] = {nullptr,  "flower", "shrub",         "conifer",
                                       "bulrush", "vine",  "hanging-vines", "tree"};
const char* const PickupNames[] = {nullptr, "circuit",   "crystal",   "tulip",
                                   "coin",  "repellent", "strawberry"};

template <size_t N>
std::string KindWord(const char* const (&names)[N], const char* raw, int32_t kind) {
    if (kind > 0 && size_t(kind) < N) return names[kind];
    return std::string(raw) + " " + std::to_string(kind);
}

std::string Direction(int32_t v) {
    if (v == -1) return "left";
    if (v == 1) return "right";
    return std::to_string(v);
}

// The text's lines, each with its line end; the last may have none.
std::vector<std::string> SplitKeepingEnds(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        const size_t next = end == std::string_view::npos ? text.size() : end + 1;
        lines.emplace_back(text.substr(start, next - start));
        start = next;
    }
    return lines;
}

bool IsCommentLine(const std::string& line) {
    const size_t first = line.find_first_not_of(" \t\r\n");
    return first != std::string::npos && line[first] == '#';
}

int CountLines(const std::string& text) { return int(std::count(text.begin(), text.end(), '\n')); }

// Line numbers of every written slot, start and goal with the group they place.
struct Written {
    Group group;
    int slot;
};
std::map<int, Written> WrittenLines(const SourceLines& lines) {
    std::map<int, Written> at;
    if (lines.start > 0) at[lines.start] = {Group::Start, 0};
    if (lines.goal > 0) at[lines.goal] = {Group::Goal, 0};
    const Group groups[levelsource::TableCount] = {Group::Platform, Group::Decoration,
                                                   Group::Pickup, Group::Nest, Group::Mosquito};
    for (int t = 0; t < levelsource::TableCount; ++t)
        for (size_t slot = 0; slot < lines.slots[size_t(t)].size(); ++slot)
            if (const int line = lines.slots[size_t(t)][slot]; line > 0)
                at[line] = {groups[t], int(slot)};
    return at;
}

ElementValues ValuesAt(const LevelRecord& r, Written w) {
    ElementValues v;
    v.group = w.group;
    const size_t s = size_t(w.slot);
    auto entry = [&](const ElementEntry& e) {
        v.kind = e.kind;
        v.x = e.x;
        v.y = e.y;
    };
    switch (w.group) {
    case Group::Start: v = {Group::Start, r.facing, 0, r.startX, r.startY}; break;
    case Group::Goal: v = {Group::Goal, 0, 0, r.goalX, r.goalY}; break;
    case Group::Platform: entry(r.platforms[s]); break;
    case Group::Decoration: entry(r.decorations[s]); break;
    case Group::Pickup: entry(r.pickups[s]); break;
    case Group::Nest: entry(r.nests[s]); break;
    case Group::Mosquito:
        v = {Group::Mosquito, r.mosquitoes[s].alive, r.mosquitoes[s].dir, r.mosquitoes[s].x,
             r.mosquitoes[s].y};
        break;
    }
    return v;
}

void EndWithNewline(std::vector<Entry>& entries) {
    if (entries.empty()) return;
    std::string& last = entries.back().line;
    if (!last.empty() && last.back() != '\n') last += '\n';
}

}  // namespace

std::string FormatElement(const ElementValues& v) {
    const std::string at = std::to_string(v.x) + " " + std::to_string(v.y);
    switch (v.group) {
    case Group::Start: return "start " + at + " " + Direction(v.kind);
    case Group::Goal: return "goal " + at;
    case Group::Platform: return KindWord(PlatformNames, "platform", v.kind) + " " + at;
    case Group::Decoration: return KindWord(DecorationNames, "decoration", v.kind) + " " + at;
    case Group::Pickup: return KindWord(PickupNames, "pickup", v.kind) + " " + at;
    case Group::Nest: return "nest " + std::to_string(v.kind) + " " + at;
    case Group::Mosquito:
        return "mosquito " + std::to_string(v.kind) + " " + Direction(v.dir) + " " + at;
    }
    return {};
}

std::string RewriteLine(const std::string& line, const ElementValues& values) {
    size_t bodyEnd = line.size();
    if (bodyEnd > 0 && line[bodyEnd - 1] == '\n') --bodyEnd;
    if (bodyEnd > 0 && line[bodyEnd - 1] == '\r') --bodyEnd;
    const std::string ending = line.substr(bodyEnd);
    const std::string body = line.substr(0, bodyEnd);
    const size_t first = std::min(body.find_first_not_of(" \t"), body.size());
    std::string out = body.substr(0, first);
    size_t rest = first;
    if (rest < body.size() && body[rest] == '@') {
        const size_t wordEnd = std::min(body.find_first_of(" \t", rest), body.size());
        out += body.substr(rest, wordEnd - rest) + " ";
        rest = wordEnd;
    }
    out += FormatElement(values);
    // A comment begins with a word that starts with '#'.
    for (size_t i = std::max<size_t>(rest, 1); i < body.size(); ++i) {
        if (body[i] == '#' && (body[i - 1] == ' ' || body[i - 1] == '\t')) {
            size_t gap = i;
            while (gap > rest && (body[gap - 1] == ' ' || body[gap - 1] == '\t')) --gap;
            out += body.substr(gap);
            break;
        }
    }
    return out + ending;
}

std::optional<Table> TableOf(Group group) {
    switch (group) {
    case Group::Platform: return Table::Platforms;
    case Group::Decoration: return Table::Decorations;
    case Group::Pickup: return Table::Pickups;
    case Group::Nest: return Table::Nests;
    case Group::Mosquito: return Table::Mosquitoes;
    default: return std::nullopt;
    }
}

LevelDocument::LevelDocument() {
    std::vector<Diagnostic> errors;
    Load("start 0 410 right\ngoal 200 360\nledge 0 400\n", errors);
}

uint64_t LevelDocument::NewId() {
    static uint64_t next = 0;
    return ++next;
}

bool LevelDocument::Load(std::string_view text, std::vector<Diagnostic>& errors) {
    LevelRecord record;
    SourceLines lines;
    if (!levelsource::ParseLevel(text, "", record, errors, &lines)) return false;
    const std::map<int, Written> written = WrittenLines(lines);
    std::vector<Entry> entries;
    std::vector<std::string> pending;  // comment lines waiting for their element
    int lineNo = 0;
    auto flush = [&] {
        for (std::string& l : pending) entries.push_back({NewId(), "", std::move(l), false});
        pending.clear();
    };
    for (std::string& line : SplitKeepingEnds(text)) {
        ++lineNo;
        if (written.count(lineNo) != 0) {
            Entry e{NewId(), "", std::move(line), true};
            for (const std::string& l : pending) e.lead += l;
            pending.clear();
            entries.push_back(std::move(e));
        } else if (IsCommentLine(line)) {
            pending.push_back(std::move(line));
        } else {
            flush();
            entries.push_back({NewId(), "", std::move(line), false});
        }
    }
    flush();
    std::string reason;
    return Replace(std::move(entries), reason);
}

std::string LevelDocument::Text() const {
    std::string text;
    for (const Entry& e : entries_) text += e.lead + e.line;
    return text;
}

bool LevelDocument::Derive(const std::vector<Entry>& entries, LevelRecord& record,
                           SourceLines& lines, std::vector<Placed>& placed,
                           std::vector<Diagnostic>& errors) const {
    std::string text;
    for (const Entry& e : entries) text += e.lead + e.line;
    if (!levelsource::ParseLevel(text, "", record, errors, &lines)) return false;
    const std::map<int, Written> written = WrittenLines(lines);
    placed.clear();
    int lineNo = 1;
    for (const Entry& e : entries) {
        lineNo += CountLines(e.lead);
        if (e.element)
            if (auto w = written.find(lineNo); w != written.end())
                placed.push_back({e.id, ValuesAt(record, w->second), w->second.slot, lineNo});
        lineNo += CountLines(e.line);
    }
    return true;
}

bool LevelDocument::Replace(std::vector<Entry> entries, std::string& reason) {
    LevelRecord record;
    SourceLines lines;
    std::vector<Placed> placed;
    std::vector<Diagnostic> errors;
    if (!Derive(entries, record, lines, placed, errors)) {
        reason = errors.empty() ? std::string("not a level") : errors.front().message;
        return false;
    }
    entries_ = std::move(entries);
    record_ = record;
    lines_ = std::move(lines);
    placed_ = std::move(placed);
    return true;
}

const Placed* LevelDocument::Find(uint64_t id) const {
    for (const Placed& p : placed_)
        if (p.id == id) return &p;
    return nullptr;
}

std::optional<uint64_t> LevelDocument::AtLine(int lineNo) const {
    for (const Placed& p : placed_)
        if (p.lineNo == lineNo) return p.id;
    return std::nullopt;
}

int LevelDocument::Count(Table table) const {
    const std::vector<int>& slots = lines_.slots[size_t(table)];
    return int(std::count_if(slots.begin(), slots.end(), [](int line) { return line > 0; }));
}

std::vector<Entry> LevelDocument::WithValues(
    const std::vector<std::pair<uint64_t, ElementValues>>& changes) const {
    std::vector<Entry> entries = entries_;
    for (const auto& [id, values] : changes)
        for (Entry& e : entries)
            if (e.id == id && e.element) e.line = RewriteLine(e.line, values);
    return entries;
}

std::vector<Entry> LevelDocument::WithAdded(
    const std::vector<std::pair<std::string, ElementValues>>& added,
    std::vector<uint64_t>* ids) const {
    std::vector<Entry> entries = entries_;
    EndWithNewline(entries);
    for (const auto& [lead, values] : added) {
        Entry e{NewId(), lead, FormatElement(values) + "\n", true};
        if (ids != nullptr) ids->push_back(e.id);
        entries.push_back(std::move(e));
    }
    return entries;
}

std::vector<Entry> LevelDocument::Without(const std::vector<uint64_t>& ids) const {
    const std::set<uint64_t> gone(ids.begin(), ids.end());
    std::vector<Entry> entries;
    for (const Entry& e : entries_)
        if (!(e.element && gone.count(e.id) != 0)) entries.push_back(e);
    return entries;
}

std::string LevelDocument::Clip(const std::vector<uint64_t>& ids) const {
    const std::set<uint64_t> chosen(ids.begin(), ids.end());
    std::string text;
    for (const Entry& e : entries_) {
        const Placed* p = e.element && chosen.count(e.id) != 0 ? Find(e.id) : nullptr;
        if (p == nullptr || p->values.group == Group::Start || p->values.group == Group::Goal)
            continue;
        text += e.lead + FormatElement(p->values) + "\n";
    }
    return text;
}

std::vector<std::pair<std::string, ElementValues>> LevelDocument::ReadClip(std::string_view text) {
    // The clip holds no start or goal; lend it the ones a level needs.
    const std::string frame = "start 0 0 right\ngoal 0 0\n";
    LevelDocument clip;
    std::vector<Diagnostic> errors;
    std::vector<std::pair<std::string, ElementValues>> out;
    std::string whole = frame + std::string(text);
    if (!whole.empty() && whole.back() != '\n') whole += '\n';
    if (!clip.Load(whole, errors)) return out;
    for (const Entry& e : clip.entries_) {
        const Placed* p = e.element ? clip.Find(e.id) : nullptr;
        if (p == nullptr || p->lineNo <= 2) continue;
        out.emplace_back(e.lead, p->values);
    }
    return out;
}

}  // namespace editor
