// number_text.h -- whole numbers read from text: every character a digit, the value in range.
//
// Journals, level sources and the tools' command lines read their numbers
// here. The text is the number and nothing else: no blanks around it, no
// "0x" (a format that allows one strips it first), and a sign only on a
// signed type, where '+' is taken as well as '-'.
#pragma once

#include <charconv>
#include <concepts>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

// All of `text` in `base` (10 or 16), from `min` to `max`; nothing otherwise.
template <std::integral T>
std::optional<T> ParseNumber(std::string_view text, int base, T min, T max) {
    if constexpr (std::is_signed_v<T>) {
        // "+5" reads as 5, but "+-5" is not a number.
        if (text.size() > 1 && text[0] == '+' && text[1] != '-') text.remove_prefix(1);
    }
    T value{};
    const char* end = text.data() + text.size();
    const auto [stop, failure] = std::from_chars(text.data(), end, value, base);
    if (failure != std::errc() || stop != end || value < min || value > max) return std::nullopt;
    return value;
}

template <std::integral T>
std::optional<T> ParseDecimal(std::string_view text, T min = std::numeric_limits<T>::min(),
                              T max = std::numeric_limits<T>::max()) {
    return ParseNumber<T>(text, 10, min, max);
}

template <std::integral T>
std::optional<T> ParseHex(std::string_view text, T min = std::numeric_limits<T>::min(),
                          T max = std::numeric_limits<T>::max()) {
    return ParseNumber<T>(text, 16, min, max);
}

// "WHAT must be a whole number from MIN to MAX, not 'TEXT'": what a reader
// says of a number it refused, after the file and line or the option's name.
template <std::integral T>
std::string NumberRefusal(std::string_view what, T min, T max, std::string_view text) {
    return std::string(what) + " must be a whole number from " + std::to_string(min) + " to " +
           std::to_string(max) + ", not '" + std::string(text) + "'";
}
