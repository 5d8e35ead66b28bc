// text_lines.h -- a text taken apart into numbered lines and blank-separated words.
//
// The journal reader, the level sources and the autopilot's routes read their
// files with these. A line ends at '\n'; a '\r' before it is a blank like the
// others and only separates words. The last line needs no '\n', and a text
// that ends with one has no empty line after it. Comments are each format's
// own business.
#pragma once

#include <cstddef>
#include <string_view>

struct TextLine {
    size_t number = 0;      // from 1
    std::string_view text;  // without its '\n'
    bool ended = false;     // a '\n' follows it
};

// Hands out the lines of a text in order; the text must outlive it.
class TextLines {
public:
    explicit TextLines(std::string_view text) : rest_(text) {}

    // The next line; false once the text is used up.
    bool Next(TextLine& line);

private:
    std::string_view rest_;
    size_t number_ = 0;
};

// ' ', '\t', '\r', '\v' and '\f'.
bool IsBlank(char c);

std::string_view TrimLeft(std::string_view s);
std::string_view Trim(std::string_view s);

// Splits off the next word of `rest`, skipping the blanks before it; empty
// when only blanks are left.
std::string_view NextWord(std::string_view& rest);
