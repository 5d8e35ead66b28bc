// text_lines.cpp -- lines and words of a text.
#include "game/text_lines.h"

bool TextLines::Next(TextLine& line) {
    if (rest_.empty()) return false;
    const size_t eol = rest_.find('\n');
    line.number = ++number_;
    line.ended = eol != std::string_view::npos;
    line.text = rest_.substr(0, eol);
    rest_.remove_prefix(line.ended ? eol + 1 : rest_.size());
    return true;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view TrimLeft(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    return s;
}

std::string_view Trim(std::string_view s) {
    s = TrimLeft(s);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

std::string_view NextWord(std::string_view& rest) {
    rest = TrimLeft(rest);
    size_t end = 0;
    while (end < rest.size() && !IsBlank(rest[end])) ++end;
    const std::string_view word = rest.substr(0, end);
    rest.remove_prefix(end);
    return word;
}
