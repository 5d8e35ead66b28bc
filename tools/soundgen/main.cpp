// main.cpp -- zarnok-soundgen: synthesises the game's two sounds as 16-bit
// mono PCM WAV files: the rifle's firing loop "ZARNOKF.wav" and the pickup
// chime "collect.wav".
//
// Usage: zarnok-soundgen OUTDIR
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "render/little_endian.h"

namespace {

constexpr int kRate = 44100;  // samples per second
constexpr double kPi = 3.14159265358979323846;
constexpr int kShotPeriod = kRate / 10;  // one round per 100 ms
constexpr int kShotsPerLoop = 4;

// Fixed-seed noise: the same files on every run and every machine.
class Noise {
public:
    explicit Noise(uint32_t seed) : state_(seed) {}
    double Next() {  // -1 .. 1
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<double>(state_ >> 8) / 8388608.0 - 1.0;
    }

private:
    uint32_t state_;
};

// One round: a bright crack, a noisy blast, a falling low thump and a short
// rumbling tail, shaped to die away within the 100 ms between rounds.
void AddShot(std::vector<double>& out, int start, Noise& noise, double pitch, double loudness) {
    double blast = 0.0, rumble = 0.0, phase = 0.0;
    for (int i = 0; i < kShotPeriod; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double white = noise.Next();
        blast += (white - blast) * 0.35;    // one-pole low-pass: the body of the bang
        rumble += (white - rumble) * 0.04;  // much darker: the echo
        const double freq = 45.0 + 110.0 * pitch * std::exp(-t / 0.012);
        phase += 2.0 * kPi * freq / kRate;
        const double crack = white * std::exp(-t / 0.0025);
        const double body = blast * std::exp(-t / 0.018);
        const double thump = std::sin(phase) * std::exp(-t / 0.030);
        const double tail = rumble * 3.0 * std::exp(-t / 0.045);
        const double attack = std::min(1.0, i / 20.0);  // starts from silence, no click
        out[static_cast<size_t>(start + i)] +=
            loudness * attack * (0.55 * crack + 0.9 * body + 0.8 * thump + 0.5 * tail);
    }
}

std::vector<double> FiringLoop() {
    std::vector<double> out(static_cast<size_t>(kShotPeriod * kShotsPerLoop), 0.0);
    Noise noise(0x5A4E4Bu);
    // Small differences between rounds keep the burst from sounding mechanical.
    const double pitch[kShotsPerLoop] = {1.0, 0.92, 1.06, 0.96};
    const double loudness[kShotsPerLoop] = {1.0, 0.93, 0.97, 0.9};
    for (int s = 0; s < kShotsPerLoop; ++s)
        AddShot(out, s * kShotPeriod, noise, pitch[s], loudness[s]);
    // Every round fades to silence at the end of its period, so the loop's
    // seam (last sample to first) joins silence to silence.
    const int fade = kRate / 200;  // 5 ms
    for (int s = 0; s < kShotsPerLoop; ++s) {
        for (int i = 0; i < fade; ++i) {
            const double g = 0.5 - 0.5 * std::cos(kPi * i / fade);  // 0 at the period's end
            out[static_cast<size_t>((s + 1) * kShotPeriod - 1 - i)] *= g;
        }
    }
    return out;
}

// A two-note rising chime with a bell-like partial on each note.
std::vector<double> Chime() {
    const int length = kRate * 3 / 10;
    std::vector<double> out(static_cast<size_t>(length), 0.0);
    const double notes[2][2] = {{1318.51, 0.0}, {1975.53, 0.07}};  // E6, then B6 70 ms later
    for (const auto& note : notes) {
        const double f = note[0];
        const int start = static_cast<int>(note[1] * kRate);
        for (int i = start; i < length; ++i) {
            const double t = static_cast<double>(i - start) / kRate;
            const double env = std::min(1.0, t / 0.003) * std::exp(-t / 0.085);
            const double w = 2.0 * kPi * f * t;
            const double tone = std::sin(w) + 0.3 * std::sin(2.0 * w) + 0.12 * std::sin(2.76 * w);
            out[static_cast<size_t>(i)] += 0.5 * env * tone;
        }
    }
    const int fade = kRate / 50;  // 20 ms to silence at the end
    for (int i = 0; i < fade; ++i)
        out[static_cast<size_t>(length - 1 - i)] *= static_cast<double>(i) / fade;
    return out;
}

std::vector<int16_t> ToPcm(const std::vector<double>& signal, double peak) {
    double highest = 0.0;
    for (double v : signal) highest = std::max(highest, std::fabs(v));
    const double gain = highest > 0.0 ? peak * 32767.0 / highest : 0.0;
    std::vector<int16_t> pcm;
    for (double v : signal)
        pcm.push_back(static_cast<int16_t>(std::lround(std::clamp(v * gain, -32767.0, 32767.0))));
    return pcm;
}

bool WriteWav(const std::string& path, const std::vector<int16_t>& pcm) {
    const uint32_t dataBytes = static_cast<uint32_t>(pcm.size() * 2);
    std::vector<uint8_t> out;
    for (char ch : std::string("RIFF")) out.push_back(static_cast<uint8_t>(ch));
    AppendU32(out, 36 + dataBytes);
    for (char ch : std::string("WAVEfmt ")) out.push_back(static_cast<uint8_t>(ch));
    AppendU32(out, 16);
    AppendU16(out, 1);  // PCM
    AppendU16(out, 1);  // mono
    AppendU32(out, kRate);
    AppendU32(out, kRate * 2);
    AppendU16(out, 2);
    AppendU16(out, 16);
    for (char ch : std::string("data")) out.push_back(static_cast<uint8_t>(ch));
    AppendU32(out, dataBytes);
    for (int16_t s : pcm) AppendU16(out, static_cast<uint16_t>(s));

    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool ok = std::fwrite(out.data(), 1, out.size(), file) == out.size();
    return std::fclose(file) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: zarnok-soundgen OUTDIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    int failures = 0;
    if (!WriteWav(dir + "/ZARNOKF.wav", ToPcm(FiringLoop(), 0.85))) {
        std::fprintf(stderr, "zarnok-soundgen: cannot write %s/ZARNOKF.wav\n", dir.c_str());
        ++failures;
    }
    if (!WriteWav(dir + "/collect.wav", ToPcm(Chime(), 0.8))) {
        std::fprintf(stderr, "zarnok-soundgen: cannot write %s/collect.wav\n", dir.c_str());
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
