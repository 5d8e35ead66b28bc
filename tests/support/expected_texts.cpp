// expected_texts.cpp -- looks a text up in the tests' own table.
#include "tests/support/expected_texts.h"

#include <stdexcept>

std::string ExpectedText(std::string_view name) {
    std::string_view rest = ExpectedTextTable;
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        const size_t open = line.find('"');
        const size_t close = line.rfind('"');
        if (open != std::string_view::npos && close > open &&
            line.substr(0, open) == std::string(name) + " ")
            return std::string(line.substr(open + 1, close - open - 1));
    }
    throw std::out_of_range("no expected text named " + std::string(name));
}
