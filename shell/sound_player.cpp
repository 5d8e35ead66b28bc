// sound_player.cpp -- QSoundEffect for the loop and the chime.
#include "shell/sound_player.h"

#include <QDir>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace {
const QString kFiringLoopFile = QStringLiteral("ZARNOKF.wav");
const QString kChimeFile = QStringLiteral("collect.wav");
}  // namespace

SoundPlayer::SoundPlayer(QString directory) : directory_(std::move(directory)) {}

SoundPlayer::~SoundPlayer() = default;

QSoundEffect* SoundPlayer::Effect(std::unique_ptr<QSoundEffect>& effect, const QString& fileName,
                                  bool looping) {
    if (effect) return effect.get();
    const QDir dir = directory_.isEmpty() ? QDir::current() : QDir(directory_);
    const QFileInfo file(dir.absoluteFilePath(fileName));
    if (!file.isFile()) return nullptr;
    effect = std::make_unique<QSoundEffect>();
    effect->setLoopCount(looping ? QSoundEffect::Infinite : 1);
    effect->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    return effect.get();
}

void SoundPlayer::PlayFiringLoop() {
    // The loop is not restarted while it runs: a held fire key asks again
    // and again, and the sound must keep flowing.
    if (firingLoop_) return;
    firingLoop_ = true;
    ++firingStarts_;
    if (QSoundEffect* effect = Effect(firing_, kFiringLoopFile, true)) effect->play();
}

void SoundPlayer::StopSound() {
    firingLoop_ = false;
    if (firing_) firing_->stop();
}

void SoundPlayer::RestartChime() {
    ++chimeRestarts_;
    if (QSoundEffect* effect = Effect(chime_, kChimeFile, false)) {
        effect->stop();
        effect->play();
    }
}
