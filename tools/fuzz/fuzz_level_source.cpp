// fuzz_level_source.cpp -- the level tool on hostile input, both ways round.
//
// The input as text goes through the level and best-record parsers and the
// checker; whatever parses must be written and read back unchanged. The
// input as a Data.dat (its first 31164 bytes, zero-padded) is taken apart
// into source text and compiled again, which must give the same bytes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "tools/level/level_check.h"
#include "tools/level/level_source.h"

using namespace levelsource;

namespace {

std::vector<uint8_t> Bytes(const LevelRecord& level) {
    std::vector<uint8_t> bytes(static_cast<size_t>(LevelRecordSize));
    EncodeLevel(level, std::span<uint8_t, LevelRecordSize>(bytes.data(), bytes.size()));
    return bytes;
}

void TextRoundTrip(std::string_view text) {
    LevelRecord level;
    SourceLines lines;
    std::vector<Diagnostic> errors;
    if (ParseLevel(text, "fuzz.txt", level, errors, &lines)) {
        CheckLevel(level, &lines);
        LevelRecord back;
        if (!ParseLevel(FormatLevel(level, 1), "again.txt", back, errors) ||
            Bytes(back) != Bytes(level))
            std::abort();
    } else if (errors.empty()) {
        std::abort();  // a refusal always says why
    }
    for (const Diagnostic& d : errors) d.ToString();

    BestRecord best;
    std::vector<Diagnostic> bestErrors;
    if (ParseBest(text, "best.txt", best, bestErrors)) {
        BestRecord back;
        if (!ParseBest(FormatBest(best), "again.txt", back, bestErrors) || !(back == best))
            std::abort();
    }
}

// What `zarnok-level decompile` and then `compile` do, in memory.
void BinaryRoundTrip(std::span<const uint8_t> input) {
    std::vector<uint8_t> file(size_t(DataFileSize), 0);
    std::copy_n(input.begin(), std::min(input.size(), file.size()), file.begin());
    DataFile data;
    if (!DecodeDataFile(file, data)) std::abort();

    DataFile compiled;
    std::vector<Diagnostic> errors;
    for (size_t k = 0; k < data.levels.size(); ++k) {
        CheckLevel(data.levels[k], nullptr);
        const std::string source = FormatLevel(data.levels[k], int(k + 1));
        if (!ParseLevel(source, "level.txt", compiled.levels[k], errors)) std::abort();
    }
    if (!ParseBest(FormatBest(data.best), "best.txt", compiled.best, errors)) std::abort();
    if (EncodeDataFile(compiled) != file) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TextRoundTrip(std::string_view(reinterpret_cast<const char*>(data), size));
    BinaryRoundTrip(std::span<const uint8_t>(data, size));
    return 0;
}
