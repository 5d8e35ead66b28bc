// replay.cpp -- reading and writing replay journals.
#include "tools/common/replay.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <utility>

#include "input/key_bindings.h"
#include "tools/common/input_file.h"

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

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view TrimLeft(std::string_view s) {
    while (!s.empty() && IsSpace(s.front())) s.remove_prefix(1);
    return s;
}

// Splits off the next whitespace-separated word of `rest`.
std::string_view NextWord(std::string_view& rest) {
    rest = TrimLeft(rest);
    size_t end = 0;
    while (end < rest.size() && !IsSpace(rest[end])) ++end;
    std::string_view word = rest.substr(0, end);
    rest.remove_prefix(end);
    return word;
}

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return out;
}

int DigitValue(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v < base ? v : -1;
}

// Unsigned number in the given base, all of `digits`, at most `limit`.
bool ParseUnsigned(std::string_view digits, int base, uint64_t limit, uint64_t& value) {
    if (digits.empty()) return false;
    uint64_t v = 0;
    for (char c : digits) {
        int d = DigitValue(c, base);
        if (d < 0) return false;
        if (v > (limit - uint64_t(d)) / uint64_t(base)) return false;
        v = v * uint64_t(base) + uint64_t(d);
    }
    value = v;
    return true;
}

bool ParseAnswer(std::string_view rest, ScriptedAnswer& answer, std::string& what) {
    std::string_view afterKind = rest;
    std::string kind = Lower(NextWord(afterKind));
    if (kind == "name") {
        // Everything after the one separating space is the name, verbatim.
        std::string_view name = TrimLeft(rest).substr(4);
        if (!name.empty() && (name.front() == ' ' || name.front() == '\t')) name.remove_prefix(1);
        if (!name.empty() && name.back() == '\r') name.remove_suffix(1);
        answer = {ScriptedAnswer::Name, std::string(name)};
        return true;
    }
    // A comment may follow a plain answer.
    std::string_view tail = afterKind.substr(0, afterKind.find('#'));
    if (!TrimLeft(tail).empty()) {
        what = "unexpected text after answer " + kind;
        return false;
    }
    if (kind == "ok")
        answer = {ScriptedAnswer::Ok, {}};
    else if (kind == "yes")
        answer = {ScriptedAnswer::Yes, {}};
    else if (kind == "no")
        answer = {ScriptedAnswer::No, {}};
    else if (kind == "cancel")
        answer = {ScriptedAnswer::Cancel, {}};
    else {
        what = kind.empty() ? "answer needs ok, yes, no, cancel or name TEXT"
                            : "unknown answer '" + kind + "' (ok, yes, no, cancel, name TEXT)";
        return false;
    }
    return true;
}

bool ParseKeyLine(std::string_view tickWord, std::string_view rest, ReplayKeyEvent& event,
                  std::string& what) {
    if (!ParseUnsigned(tickWord, 10, UINT64_MAX, event.tick)) {
        what = "expected a tick number or 'answer', got '" + std::string(tickWord) + "'";
        return false;
    }
    rest = rest.substr(0, rest.find('#'));
    std::string direction = Lower(NextWord(rest));
    if (direction == "down")
        event.down = true;
    else if (direction == "up")
        event.down = false;
    else {
        what = "expected 'down' or 'up' after the tick, got '" + direction + "'";
        return false;
    }
    std::string_view keyWord = NextWord(rest);
    if (keyWord.empty()) {
        what = "missing key after '" + direction + "'";
        return false;
    }
    if (!ParseKeyToken(keyWord, event.key)) {
        what = "unknown key '" + std::string(keyWord) +
               "' (a number, 0x-hex, or left right up down control shift)";
        return false;
    }
    if (!TrimLeft(rest).empty()) {
        what = "unexpected text after the key";
        return false;
    }
    return true;
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
    size_t lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        size_t eol = text.find('\n');
        std::string_view line = text.substr(0, eol);
        text.remove_prefix(eol == std::string_view::npos ? text.size() : eol + 1);

        std::string_view rest = line;
        std::string_view first = NextWord(rest);
        if (first.empty() || first.front() == '#') continue;

        std::string what;
        if (Lower(first) == "answer") {
            ScriptedAnswer answer;
            if (ParseAnswer(rest, answer, what)) {
                journal.answers.push_back(std::move(answer));
                continue;
            }
        } else {
            ReplayKeyEvent event;
            if (ParseKeyLine(first, rest, event, what)) {
                journal.keys.push_back(event);
                continue;
            }
        }
        error = "line " + std::to_string(lineNumber) + ": " + what;
        return false;
    }
    return true;
}

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

std::string FormatReplay(const ReplayJournal& journal) {
    std::string out;
    for (const ReplayKeyEvent& event : journal.keys)
        out += std::to_string(event.tick) + (event.down ? " down " : " up ") + KeyName(event.key) +
               "\n";
    for (const ScriptedAnswer& answer : journal.answers) {
        switch (answer.kind) {
        case ScriptedAnswer::Ok: out += "answer ok\n"; break;
        case ScriptedAnswer::Yes: out += "answer yes\n"; break;
        case ScriptedAnswer::No: out += "answer no\n"; break;
        case ScriptedAnswer::Cancel: out += "answer cancel\n"; break;
        case ScriptedAnswer::Name: {
            std::string name = answer.name;
            for (char& c : name)
                if (c == '\n' || c == '\r') c = ' ';
            out += "answer name " + name + "\n";
            break;
        }
        }
    }
    return out;
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
