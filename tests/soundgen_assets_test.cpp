// soundgen_assets_test.cpp -- the shipped sounds in resources/sounds: PCM
// format, a firing loop that repeats without a click at one round per
// 100 ms, and a short pickup chime.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "render/little_endian.h"

namespace {

struct Sound {
    uint32_t rate = 0;
    std::vector<int16_t> samples;
};

// Reads a canonical 44-byte-header WAV file, checking it is 16-bit mono PCM.
Sound Load(const std::string& name) {
    Sound s;
    const std::string path = std::string(ZARNOK_SOURCE_DIR) + "/resources/sounds/" + name;
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> b((std::istreambuf_iterator<char>(in)),
                                 std::istreambuf_iterator<char>());
    if (b.size() < 44 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
        std::string(b.begin() + 8, b.begin() + 16) != "WAVEfmt " ||
        std::string(b.begin() + 36, b.begin() + 40) != "data") {
        ADD_FAILURE() << path << " is not a plain WAV file";
        return s;
    }
    EXPECT_EQ(ReadU32(b, 4), b.size() - 8);
    EXPECT_EQ(ReadU16(b, 20), 1u) << "PCM";
    EXPECT_EQ(ReadU16(b, 22), 1u) << "mono";
    EXPECT_EQ(ReadU16(b, 34), 16u) << "16-bit";
    s.rate = ReadU32(b, 24);
    EXPECT_TRUE(s.rate == 22050 || s.rate == 44100);
    const uint32_t bytes = ReadU32(b, 40);
    EXPECT_EQ(bytes + 44, b.size());
    for (size_t at = 44; at + 1 < b.size(); at += 2)
        s.samples.push_back(static_cast<int16_t>(ReadU16(b, at)));
    return s;
}

double Rms(const Sound& s, size_t from, size_t count) {
    double sum = 0.0;
    for (size_t i = from; i < from + count && i < s.samples.size(); ++i)
        sum += double(s.samples[i]) * s.samples[i];
    return std::sqrt(sum / double(count));
}

TEST(SoundAssets, FiringLoopRepeatsOneRoundPer100msWithoutAClick) {
    const Sound loop = Load("ZARNOKF.wav");
    ASSERT_GT(loop.rate, 0u);
    const size_t period = loop.rate / 10;
    ASSERT_GE(loop.samples.size(), period * 2);
    EXPECT_EQ(loop.samples.size() % period, 0u) << "a whole number of rounds";
    EXPECT_EQ(loop.samples.front(), 0);
    EXPECT_EQ(loop.samples.back(), 0);
    // Every period opens with a bang much louder than its own end.
    const size_t slice = loop.rate / 100;
    for (size_t start = 0; start < loop.samples.size(); start += period) {
        SCOPED_TRACE(start);
        EXPECT_GT(Rms(loop, start, slice), 5.0 * Rms(loop, start + period - slice, slice));
        EXPECT_GT(Rms(loop, start, slice), 3000.0);
    }
}

TEST(SoundAssets, ChimeIsShortAndEndsInSilence) {
    const Sound chime = Load("collect.wav");
    ASSERT_GT(chime.rate, 0u);
    const double seconds = double(chime.samples.size()) / chime.rate;
    EXPECT_GT(seconds, 0.2);
    EXPECT_LT(seconds, 0.5);
    EXPECT_LT(std::abs(chime.samples.back()), 64);
    // The second, higher note enters after the first: the sound swells again.
    const size_t slice = chime.rate / 100;
    EXPECT_GT(Rms(chime, 7 * slice, slice), Rms(chime, 5 * slice, slice));
}

}  // namespace
