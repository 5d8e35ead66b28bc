// sound_player.h -- the game's two sounds on Qt Multimedia.
//
// "ZARNOKF.wav" is the rifle's loop, "collect.wav" the pickup chime; both
// are read from the current directory when first needed. A missing file,
// no audio device or no sound server leave the game silent, never stuck.
#pragma once

#include <QString>

#include <memory>

class QSoundEffect;

class SoundPlayer {
public:
    explicit SoundPlayer(QString directory = QString());
    ~SoundPlayer();

    // Starts the firing loop; a loop already running is left alone.
    void PlayFiringLoop();
    // Ends the firing loop (the chime plays on).
    void StopSound();
    // Plays the chime from its beginning, cutting a chime still sounding.
    void RestartChime();

    // What the game asked for, whether or not a device is there to play it.
    bool FiringLoopRequested() const { return firingLoop_; }
    int FiringLoopStarts() const { return firingStarts_; }
    int ChimeRestarts() const { return chimeRestarts_; }
    // Whether the file of each sound was found and handed to the player.
    bool FiringLoopLoaded() const { return firing_ != nullptr; }
    bool ChimeLoaded() const { return chime_ != nullptr; }

private:
    // The effect for `fileName`, created on first use; null when the file is
    // not there (looked for again next time).
    QSoundEffect* Effect(std::unique_ptr<QSoundEffect>& effect, const QString& fileName,
                         bool looping);

    QString directory_;
    std::unique_ptr<QSoundEffect> firing_;
    std::unique_ptr<QSoundEffect> chime_;
    bool firingLoop_ = false;
    int firingStarts_ = 0;
    int chimeRestarts_ = 0;
};
