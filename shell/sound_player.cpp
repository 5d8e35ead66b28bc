// sound_player.cpp -- SDL_mixer: one channel loops the rifle, one rings the chime.
#include "shell/sound_player.h"

#include <SDL.h>
#include <SDL_mixer.h>
#if ZARNOK_HAVE_ALSA
#include <alsa/error.h>
#endif

#include <QDir>
#include <QFile>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>
#include <system_error>
#include <thread>

#include "shell/game_folder.h"
#include "shell/sdl_subsystems.h"
#include "shell/shipped_data.h"

namespace {

constexpr int LoopChannel = 0;
constexpr int ChimeChannel = 1;
constexpr int MixerChannels = 2;
constexpr int SampleRate = 44100;  // Hz, the rate both files are made at
constexpr int OutputChannels = 2;
constexpr int MixChunkFrames = 512;  // frames mixed at a time: about 12 ms of latency
constexpr int OpeningPollMs = 5;     // how often the window looks for the opened device
// The longest the window waits at exit for a device still being opened.
constexpr std::chrono::milliseconds ExitWaitForOpening(100);

const char* const FiringLoopFile = "ZARNOKF.wav";
const char* const ChimeFile = "collect.wav";

#if ZARNOK_HAVE_ALSA
// With no sound card ALSA would print its complaints on the terminal.
void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}
#endif

// Hints and handlers are process-wide: they are set under SDL's lock, just
// before the start that reads them.
void PrepareAudioLibraries() {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");  // the application handles its signals
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Zarnok");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_ROLE, "game");
#if ZARNOK_HAVE_ALSA
    snd_lib_error_set_handler(IgnoreAlsaError);
#endif
}

// Null when the file is missing, unreadable or not a sound SDL_mixer knows.
Mix_Chunk* LoadSound(const std::string& path) {
    std::error_code error;
    // A fifo or a device under the sound's name would block the read.
    if (!std::filesystem::is_regular_file(path, error)) return nullptr;
    return Mix_LoadWAV(path.c_str());
}

// A sound the game folder lacks comes from the shipped data.
std::string PathIn(const QDir& folder, const char* fileName) {
    const std::filesystem::path own = QFile::encodeName(folder.absolutePath()).toStdString();
    const std::filesystem::path shipped = QFile::encodeName(ShippedDataFolder()).toStdString();
    return FileInFolderOrShipped(own, shipped, fileName).string();
}

}  // namespace

// The worker's task: open the device and read both files, then raise `done`.
// The window thread reads the results only after it has seen `done`.
struct AudioOpening {
    std::string firingPath, chimePath;
    bool open = false;
    Mix_Chunk* firing = nullptr;
    Mix_Chunk* chime = nullptr;
    std::atomic<bool> done{false};
    std::thread worker;

    void Run() {
        // The device is opened under the same lock as the subsystem: opening
        // it reaches into SDL's shared state as well.
        open = ProcessSdl().Start(SDL_INIT_AUDIO, PrepareAudioLibraries, [] {
            if (Mix_OpenAudio(SampleRate, AUDIO_S16SYS, OutputChannels, MixChunkFrames) != 0)
                return false;
            Mix_AllocateChannels(MixerChannels);
            return true;
        });
        if (open) {
            firing = LoadSound(firingPath);
            chime = LoadSound(chimePath);
        }
        done.store(true, std::memory_order_release);
    }
};

SoundPlayer::SoundPlayer(QString directory) : directory_(std::move(directory)) {
    openingPoll_.setInterval(OpeningPollMs);
    QObject::connect(&openingPoll_, &QTimer::timeout, &openingPoll_,
                     [this] { CollectOpenedDevice(); });
}

SoundPlayer::~SoundPlayer() {
    openingPoll_.stop();
    if (device_ == Device::Opening) {
        const auto deadline = std::chrono::steady_clock::now() + ExitWaitForOpening;
        while (!opening_->done.load(std::memory_order_acquire) &&
               std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        if (!opening_->done.load(std::memory_order_acquire)) {
            // A sound server that never answers keeps its worker; the
            // program is ending and does not wait for it.
            opening_->worker.detach();
            return;
        }
        TakeOpenedDevice();
    }
    CloseDevice();
}

void SoundPlayer::OpenDeviceInBackground() {
    if (device_ != Device::NotOpened) return;
    auto opening = std::make_shared<AudioOpening>();
    const QDir folder = directory_.isEmpty() ? QDir::current() : QDir(directory_);
    opening->firingPath = PathIn(folder, FiringLoopFile);
    opening->chimePath = PathIn(folder, ChimeFile);
    try {
        opening->worker = std::thread([opening] { opening->Run(); });
    } catch (const std::system_error&) {
        device_ = Device::Unavailable;  // no thread, no sound
        return;
    }
    opening_ = std::move(opening);
    device_ = Device::Opening;
    openingPoll_.start();
}

void SoundPlayer::TakeOpenedDevice() {
    opening_->worker.join();
    openingPoll_.stop();
    device_ = opening_->open ? Device::Open : Device::Unavailable;
    firing_ = opening_->firing;
    chime_ = opening_->chime;
    opening_.reset();
}

bool SoundPlayer::CollectOpenedDevice() {
    if (device_ != Device::Opening) return device_ == Device::Open;
    if (!opening_->done.load(std::memory_order_acquire)) return false;
    TakeOpenedDevice();
    // Sounds asked for while the device was opening start now.
    if (device_ == Device::Open && firingLoop_) StartLoopChannel();
    if (device_ == Device::Open && chimePending_) StartChimeChannel();
    chimePending_ = false;
    return device_ == Device::Open;
}

void SoundPlayer::CloseDevice() {
    if (device_ != Device::Open) return;
    Mix_HaltChannel(-1);
    Mix_FreeChunk(firing_);
    Mix_FreeChunk(chime_);
    firing_ = chime_ = nullptr;
    ProcessSdl().Stop(SDL_INIT_AUDIO, [] { Mix_CloseAudio(); });
    device_ = Device::NotOpened;
}

void SoundPlayer::StartLoopChannel() {
    if (firing_ != nullptr) Mix_PlayChannel(LoopChannel, firing_, -1);
}

// Playing on a busy channel starts the sample again from its first frame.
void SoundPlayer::StartChimeChannel() {
    if (chime_ != nullptr) Mix_PlayChannel(ChimeChannel, chime_, 0);
}

void SoundPlayer::PlayFiringLoop() {
    // The loop is not restarted while it runs: a held fire key asks again
    // and again, and the sound must keep flowing.
    if (firingLoop_) return;
    firingLoop_ = true;
    ++firingStarts_;
    OpenDeviceInBackground();
    if (CollectOpenedDevice()) StartLoopChannel();
}

void SoundPlayer::StopSound() {
    firingLoop_ = false;
    if (CollectOpenedDevice()) Mix_HaltChannel(LoopChannel);
}

void SoundPlayer::RestartChime() {
    ++chimeRestarts_;
    OpenDeviceInBackground();
    if (CollectOpenedDevice()) {
        StartChimeChannel();
    } else if (device_ == Device::Opening) {
        chimePending_ = true;
    }
}
