// placeholders.cpp -- filling in the %1, %2 of a text.
#include "game/placeholders.h"

std::string FillPlaceholders(std::string_view pattern, const std::vector<std::string>& values) {
    std::string text;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const bool digit = pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
                           pattern[i + 1] <= '9';
        const size_t number = digit ? size_t(pattern[i + 1] - '0') : 0;
        if (number >= 1 && number <= values.size()) {
            text += values[number - 1];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}
