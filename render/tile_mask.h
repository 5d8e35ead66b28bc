// tile_mask.h -- a set of the frame's 8 x 8 tiles, one row of bits per row of tiles.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

// Pixels left..right-1 x top..bottom-1 of the frame or of a picture.
struct PixelBox {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
};

struct TileMask {
    static constexpr int32_t Size = 8;       // px, both ways
    static constexpr int32_t Columns = 100;  // of the 800 px frame
    static constexpr int32_t Rows = 63;      // of the 500 px frame; the last is 4 px high
    static constexpr int32_t Words = (Columns + 63) / 64;
    using Row = std::array<uint64_t, Words>;

    std::array<Row, Rows> bits{};

    // Columns first..last of a row, both included. Worked out word by word
    // in registers: a row assembled in memory and read back whole stalls.
    static uint64_t SpanWord(int32_t word, int32_t first, int32_t last) {
        const int32_t low = std::max(first, word * 64), high = std::min(last, word * 64 + 63);
        if (low > high) return 0;
        return ~uint64_t(0) >> (63 - (high - low)) << (low - word * 64);
    }
    static Row Span(int32_t first, int32_t last) {
        Row row;
        for (int32_t word = 0; word < Words; ++word) row[size_t(word)] = SpanWord(word, first, last);
        return row;
    }

    void Clear() { bits = {}; }
    void Fill() { bits.fill(Span(0, Columns - 1)); }
    void SetSpan(int32_t row, int32_t first, int32_t last) {
        const Row span = Span(first, last);
        for (int32_t word = 0; word < Words; ++word) bits[size_t(row)][size_t(word)] |= span[size_t(word)];
    }
    TileMask& operator|=(const TileMask& other) {
        for (int32_t row = 0; row < Rows; ++row)
            for (int32_t word = 0; word < Words; ++word)
                bits[size_t(row)][size_t(word)] |= other.bits[size_t(row)][size_t(word)];
        return *this;
    }

    // The first column at or after `from` whose bit is `set`; Columns when none.
    static int32_t Next(const Row& row, int32_t from, bool set) {
        for (int32_t col = from; col < Columns;) {
            const int32_t word = col / 64;
            uint64_t w = row[size_t(word)];
            if (!set) w = ~w;
            w >>= col % 64;
            if (w != 0) return std::min(Columns, col + std::countr_zero(w));
            col = (word + 1) * 64;
        }
        return Columns;
    }
    // Calls visit(first, end) for every run of set columns, left to right,
    // `end` excluded.
    template <class Visit>
    static void ForEachRun(const Row& row, Visit visit) {
        for (int32_t first = Next(row, 0, true); first < Columns;) {
            const int32_t end = Next(row, first, false);
            visit(first, end);
            first = Next(row, end, true);
        }
    }
};
