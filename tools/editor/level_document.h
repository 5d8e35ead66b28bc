// level_document.h -- a level source as its maker wrote it: lines, comments and elements.
//
// The text is the document: the record is always what the level compiler
// makes of it, so whatever the editor shows is what `zarnok-level compile`
// would build. Each element line owns the comment lines right above it;
// blank lines and comments set apart by one belong to no element and stay
// where they are. A line nobody edited keeps its bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/level/level_source.h"

namespace editor {

// What an element line can place. Start and goal appear once each.
enum class Group { Start, Goal, Platform, Decoration, Pickup, Nest, Mosquito };
constexpr int GroupCount = 7;

// The numbers of one element line.
struct ElementValues {
    Group group = Group::Platform;
    int32_t kind = 0;  // kind byte; a nest's timer; a mosquito's alive; the start's facing
    int32_t dir = 0;   // a mosquito's direction
    int32_t x = 0;     // level px: top-left corner, the start's soles
    int32_t y = 0;

    bool operator==(const ElementValues&) const = default;
};

// One piece of the source: an element line with its own comments, or a line
// of nobody's (blank, or a comment set apart).
struct Entry {
    uint64_t id = 0;
    std::string lead;  // the comment lines above that go with it, line ends included
    std::string line;  // the line itself, its line end included
    bool element = false;

    bool operator==(const Entry&) const = default;
};

// An element as the record holds it.
struct Placed {
    uint64_t id = 0;
    ElementValues values;
    int slot = 0;    // table slot; 0 for start and goal
    int lineNo = 0;  // 1-based line of the source
};

// The element line for `values`, with no slot prefix and no line end.
std::string FormatElement(const ElementValues& values);
// `line` saying `values`: its indentation, slot prefix, comment and line end kept.
std::string RewriteLine(const std::string& line, const ElementValues& values);
// The table an element group fills; start and goal have none.
std::optional<levelsource::Table> TableOf(Group group);

class LevelDocument {
public:
    LevelDocument();

    // Takes a source; false, with the compiler's messages and nothing changed,
    // when it is not a level.
    bool Load(std::string_view text, std::vector<levelsource::Diagnostic>& errors);
    std::string Text() const;

    // Puts `entries` in place of the document's; false, with the compiler's
    // first complaint in `reason` and nothing changed, when they make no level.
    bool Replace(std::vector<Entry> entries, std::string& reason);

    const std::vector<Entry>& Entries() const { return entries_; }
    const levelsource::LevelRecord& Record() const { return record_; }
    const levelsource::SourceLines& Lines() const { return lines_; }
    const std::vector<Placed>& Elements() const { return placed_; }
    const Placed* Find(uint64_t id) const;
    std::optional<uint64_t> AtLine(int lineNo) const;
    // Slots written in a table.
    int Count(levelsource::Table table) const;

    // Edited copies of the entries, for Replace.
    std::vector<Entry> WithValues(const std::vector<std::pair<uint64_t, ElementValues>>& changes) const;
    // Appends elements, each with its comment lines (may be empty); their new
    // ids go to `ids`.
    std::vector<Entry> WithAdded(const std::vector<std::pair<std::string, ElementValues>>& added,
                                 std::vector<uint64_t>* ids) const;
    std::vector<Entry> Without(const std::vector<uint64_t>& ids) const;

    // The elements as source text, comments included, start and goal left out.
    std::string Clip(const std::vector<uint64_t>& ids) const;
    // Reads text made by Clip (or typed): the elements it holds with their
    // comments. Empty when it holds none or is no level text.
    static std::vector<std::pair<std::string, ElementValues>> ReadClip(std::string_view text);

    static uint64_t NewId();

private:
    bool Derive(const std::vector<Entry>& entries, levelsource::LevelRecord& record,
                levelsource::SourceLines& lines, std::vector<Placed>& placed,
                std::vector<levelsource::Diagnostic>& errors) const;

    std::vector<Entry> entries_;
    levelsource::LevelRecord record_;
    levelsource::SourceLines lines_;
    std::vector<Placed> placed_;
};

}  // namespace editor
