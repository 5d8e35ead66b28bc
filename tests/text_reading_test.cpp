// text_reading_test.cpp -- the numbers, lines and words every text format of the game is read with.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "game/number_text.h"
#include "game/text_lines.h"

namespace {

TEST(NumberText, TakesTheWholeTextInRangeAndNothingElse) {
    EXPECT_EQ(ParseDecimal<uint64_t>("18446744073709551615"), UINT64_MAX);
    EXPECT_EQ(ParseDecimal<int32_t>("-2147483648"), INT32_MIN);
    EXPECT_EQ(ParseDecimal<int32_t>("+7"), 7);
    EXPECT_EQ(ParseHex<uint8_t>("fF"), 255);
    EXPECT_EQ(ParseDecimal<int>("255", 0, 255), 255);
    for (const char* refused :
         {"", " 1", "1 ", "12a", "0x10", "+", "+-1", "++1", "18446744073709551616"})
        EXPECT_FALSE(ParseDecimal<uint64_t>(refused)) << refused;
    // No sign at all on an unsigned number, and the bounds hold both ways.
    EXPECT_FALSE(ParseDecimal<uint64_t>("+1"));
    EXPECT_FALSE(ParseDecimal<uint64_t>("-0"));
    EXPECT_FALSE(ParseDecimal<int>("256", 0, 255));
    EXPECT_FALSE(ParseDecimal<int>("-1", 0, 255));
    EXPECT_FALSE(ParseHex<uint8_t>("100"));
    EXPECT_EQ(NumberRefusal("X", -1, 1, "a"), "X must be a whole number from -1 to 1, not 'a'");
}

std::vector<std::string> Lines(std::string_view text, std::vector<bool>* ended = nullptr) {
    std::vector<std::string> out;
    TextLines lines(text);
    for (TextLine line; lines.Next(line);) {
        EXPECT_EQ(line.number, out.size() + 1);
        out.emplace_back(line.text);
        if (ended != nullptr) ended->push_back(line.ended);
    }
    return out;
}

TEST(TextLines, SplitsAtLineBreaksOnly) {
    using V = std::vector<std::string>;
    EXPECT_EQ(Lines(""), V{});
    EXPECT_EQ(Lines("\n"), V{""});
    EXPECT_EQ(Lines("a\n\nb"), (V{"a", "", "b"}));
    // A CR stays on its line for the words to drop; other bytes are left alone.
    EXPECT_EQ(Lines(std::string("a\r\n\xff\x00z\n", 7)), (V{"a\r", std::string("\xff\x00z", 3)}));
    std::vector<bool> ended;
    Lines("a\nb", &ended);
    EXPECT_EQ(ended, (std::vector<bool>{true, false}));
}

TEST(TextLines, WordsAreSplitByAnyBlank) {
    std::string_view rest = " \tone\vtwo\f\rthree\r";
    EXPECT_EQ(NextWord(rest), "one");
    EXPECT_EQ(NextWord(rest), "two");
    EXPECT_EQ(NextWord(rest), "three");
    EXPECT_EQ(NextWord(rest), "");
    EXPECT_EQ(rest, "");
    EXPECT_EQ(Trim(" \t a b \r"), "a b");
}

}  // namespace
