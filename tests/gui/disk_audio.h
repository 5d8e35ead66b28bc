// disk_audio.h -- what the game really played, read back from SDL's disk
// audio driver, which writes every mixed frame into a file as it plays it.
// The file grows in real time; its size when something was asked for tells
// where in the sound that happened (stdio holds back up to one buffer).
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTest>

#include <SDL.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace disk_audio {

constexpr int Rate = 44100;            // frames per second of the device
constexpr int FrameBytes = 4;          // 16-bit stereo
constexpr int SilenceLevel = 8;        // |sample| at or below: silence
constexpr int GapFrames = Rate / 200;  // 5 ms of silence parts two sounds
constexpr int MatchFrames = 1024;      // frames compared to find a sample
constexpr int SampleTolerance = 2;     // SDL converts mono to stereo through float

constexpr int64_t Frames(int ms) { return int64_t(ms) * Rate / 1000; }
constexpr double Ms(int64_t frames) { return double(frames) * 1000.0 / Rate; }

// Points SDL's audio at a file for as long as it lives; the next device
// opened plays into it. `ioDelayMs` >= 0 runs the device faster than real
// time: it waits that long between mixes instead of the mix's length.
class Capture {
public:
    explicit Capture(QString path, int ioDelayMs = -1) : path_(std::move(path)) {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", QFile::encodeName(path_).constData(), 1);
        if (ioDelayMs >= 0) setenv("SDL_DISKAUDIODELAY", std::to_string(ioDelayMs).c_str(), 1);
    }
    ~Capture() {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        unsetenv("SDL_DISKAUDIOFILE");
        unsetenv("SDL_DISKAUDIODELAY");
    }

    // Frames the device has written so far.
    int64_t Played() const { return QFileInfo(path_).size() / FrameBytes; }

    // Runs the event loop until `count` more frames have been written.
    bool WaitPlayed(int64_t count, int timeoutMs = 5000) const {
        const int64_t target = Played() + count;
        QElapsedTimer clock;
        clock.start();
        while (Played() < target) {
            if (clock.elapsed() > timeoutMs) return false;
            QTest::qWait(1);
        }
        return true;
    }

    // The left channel of everything written so far.
    std::vector<int16_t> Left() const {
        QFile file(path_);
        std::vector<int16_t> left;
        if (!file.open(QIODevice::ReadOnly)) return left;
        const QByteArray bytes = file.readAll();
        left.reserve(size_t(bytes.size() / FrameBytes));
        for (qsizetype i = 0; i + FrameBytes <= bytes.size(); i += FrameBytes) {
            const auto lo = uint8_t(bytes[i]), hi = uint8_t(bytes[i + 1]);
            left.push_back(int16_t(uint16_t(lo | (hi << 8))));
        }
        return left;
    }

private:
    QString path_;
};

// Puts the game's two sounds into its folder, where the player reads them.
inline bool CopyGameSounds(const QString& folder) {
    for (const char* name : {"ZARNOKF.wav", "collect.wav"}) {
        const QString file = QString::fromLatin1(name);
        if (!QFile::copy(QStringLiteral(ZARNOK_SOURCE_DIR "/resources/sounds/") + file,
                         folder + QLatin1Char('/') + file))
            return false;
    }
    return true;
}

// The samples of a 16-bit mono WAV file, as SDL reads it.
inline std::vector<int16_t> WavSamples(const char* path) {
    SDL_AudioSpec format;
    Uint8* data = nullptr;
    Uint32 length = 0;
    std::vector<int16_t> samples;
    if (SDL_LoadWAV(path, &format, &data, &length) == nullptr) return samples;
    if (format.format == AUDIO_S16LSB && format.channels == 1 && format.freq == Rate) {
        for (Uint32 i = 0; i + 1 < length; i += 2)
            samples.push_back(int16_t(uint16_t(data[i] | (data[i + 1] << 8))));
    }
    SDL_FreeWAV(data);
    return samples;
}

inline std::vector<int16_t> GameSound(const char* name) {
    return WavSamples((std::string(ZARNOK_SOURCE_DIR "/resources/sounds/") + name).c_str());
}

inline bool Sounding(int16_t sample) { return std::abs(int(sample)) > SilenceLevel; }

// Frames of silence a sample opens with: a sound found in the output
// began that much before its first sounding frame.
inline int64_t LeadIn(const std::vector<int16_t>& source) {
    int64_t lead = 0;
    while (lead < int64_t(source.size()) && !Sounding(source[size_t(lead)])) ++lead;
    return lead;
}

// A stretch of sound between two gaps of silence: [begin, end).
struct Sound {
    int64_t begin = 0, end = 0;
};

inline std::vector<Sound> Sounds(const std::vector<int16_t>& out) {
    std::vector<Sound> sounds;
    int64_t quiet = GapFrames;  // frames of silence just before i
    for (int64_t i = 0; i < int64_t(out.size()); ++i) {
        if (!Sounding(out[size_t(i)])) {
            ++quiet;
            continue;
        }
        if (quiet >= GapFrames) sounds.push_back({i, i + 1});
        sounds.back().end = i + 1;
        quiet = 0;
    }
    return sounds;
}

// Whether out[at...] is `source` from frame `from`, for `count` frames,
// read round and round as a looping channel plays it.
inline bool PlaysFrom(const std::vector<int16_t>& out, int64_t at,
                      const std::vector<int16_t>& source, int64_t from, int64_t count) {
    if (source.empty() || at < 0 || at + count > int64_t(out.size())) return false;
    for (int64_t i = 0; i < count; ++i) {
        const int16_t expected = source[size_t((from + i) % int64_t(source.size()))];
        if (std::abs(int(out[size_t(at + i)]) - int(expected)) > SampleTolerance) return false;
    }
    return true;
}

// The first frame from which out plays `count` frames of `source` from
// frame `from`; -1 if it never does.
inline int64_t Find(const std::vector<int16_t>& out, const std::vector<int16_t>& source,
                    int64_t from, int64_t count) {
    for (int64_t at = 0; at + count <= int64_t(out.size()); ++at)
        if (PlaysFrom(out, at, source, from, count)) return at;
    return -1;
}

// Every frame at which the first MatchFrames of `source` begin in `out`.
inline std::vector<int64_t> Starts(const std::vector<int16_t>& out,
                                   const std::vector<int16_t>& source) {
    std::vector<int64_t> starts;
    for (int64_t at = 0; at + MatchFrames <= int64_t(out.size()); ++at)
        if (PlaysFrom(out, at, source, 0, MatchFrames)) starts.push_back(at);
    return starts;
}

}  // namespace disk_audio
