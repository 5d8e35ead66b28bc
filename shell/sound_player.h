// sound_player.h -- the game's two sounds on SDL_mixer.
//
// "ZARNOKF.wav" is the rifle's loop, "collect.wav" the pickup chime; both
// are read from the game's folder (or, when it lacks one, from the shipped
// data) when the audio device is opened, on the first sound the game asks for. Each sound has a mixer channel of its own,
// so the loop and the chime never cut each other off. The device is opened
// on a worker thread: a slow or hung sound server never holds up the
// window. No device, no server, a missing or broken file: silence, no
// message. SDL_mixer has one device per process, so there is one player.
#pragma once

#include <QString>
#include <QTimer>

#include <memory>

struct AudioOpening;
struct Mix_Chunk;

class SoundPlayer {
public:
    // What became of the audio device.
    enum class Device { NotOpened, Opening, Open, Unavailable };

    explicit SoundPlayer(QString directory = QString());
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Starts the firing loop; a loop already running is left alone.
    void PlayFiringLoop();
    // Ends the firing loop at once (the chime plays on).
    void StopSound();
    // Plays the chime from its beginning, cutting a chime still sounding.
    void RestartChime();

    // What the game asked for, whether or not a device is there to play it.
    bool FiringLoopRequested() const { return firingLoop_; }
    int FiringLoopStarts() const { return firingStarts_; }
    int ChimeRestarts() const { return chimeRestarts_; }
    // Whether the file of each sound was read into the open device.
    bool FiringLoopLoaded() const { return firing_ != nullptr; }
    bool ChimeLoaded() const { return chime_ != nullptr; }
    Device DeviceState() const { return device_; }

private:
    void OpenDeviceInBackground();
    // Takes over the device once the worker is done and starts what was
    // asked for meanwhile; true if the device is open.
    bool CollectOpenedDevice();
    void TakeOpenedDevice();
    void StartLoopChannel();
    void StartChimeChannel();
    void CloseDevice();

    QString directory_;
    Device device_ = Device::NotOpened;
    std::shared_ptr<AudioOpening> opening_;  // shared with the worker thread
    QTimer openingPoll_;                     // looks for the worker's result
    Mix_Chunk* firing_ = nullptr;
    Mix_Chunk* chime_ = nullptr;
    bool firingLoop_ = false;
    bool chimePending_ = false;  // asked for while the device was opening
    int firingStarts_ = 0;
    int chimeRestarts_ = 0;
};
