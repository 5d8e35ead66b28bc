// replay_player.cpp -- events, ticks and checks of a journal shown in the window.
#include "shell/replay_player.h"

#include <QFileInfo>

#include <algorithm>
#include <utility>
#include <vector>

#include "game/posix_file.h"
#include "game/progression.h"
#include "game/tick.h"
#include "game/world.h"
#include "game/world_hash.h"
#include "shell/language.h"
#include "shell/shell_texts.h"

namespace {

constexpr size_t JournalFileLimit = size_t(64) << 20;  // bytes, as the runner reads
// An old journal has no end of its own: it plays until its events and
// answers are used and the game has stopped, or this long after its last event.
constexpr uint64_t OldJournalTail = 20 * 60 * 20;  // ticks: 20 minutes

QString Utf8(const std::string& text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

bool ReadBounded(const QString& path, std::string& text, QString& error) {
    const std::string name = QFileInfo(path).fileName().toStdString();
    std::optional<PosixFile> file = PosixFile::Open(path.toStdString(), FileAccess::Read);
    if (!file) {
        error = ShellText(ReplayUnreadableText).arg(path);
        return false;
    }
    std::vector<uint8_t> bytes;
    bool cut = false;
    if (!file->ReadUpTo(JournalFileLimit, bytes, &cut) || cut) {
        error = ShellText(cut ? ReplayTooLargeText : ReplayUnreadableText).arg(path);
        return false;
    }
    text.assign(bytes.begin(), bytes.end());
    return true;
}

}  // namespace

bool LoadJournalForPlayback(const QString& path, const std::string& dataPath,
                            ReplayJournal& journal, QString& error) {
    std::string text;
    if (!ReadBounded(path, text, error)) return false;
    std::string what;
    if (!ParseReplay(text, journal, what)) {
        error = ShellText(ReplayDamagedText).arg(path, Utf8(what));
        return false;
    }
    if (journal.header.version == 0) return true;
    const std::optional<DataFileFacts> facts = ReadDataFileFacts(dataPath);
    if (!facts) {
        error = ShellText(ReplayNoDataText);
        return false;
    }
    if (facts->levelsHash != journal.header.levelsHash) {
        error = ShellText(ReplayOtherLevelsText)
                    .arg(Utf8(JournalHex(journal.header.levelsHash)), Utf8(JournalHex(facts->levelsHash)));
        return false;
    }
    return true;
}

ReplayPlayer::ReplayPlayer(GameWorld& world, Host& host, Renderer& renderer, ReplayJournal journal)
    : world_(world), host_(host), renderer_(renderer), journal_(std::move(journal)), cursor_(journal_) {
    // Old journals may list events out of tick order.
    std::stable_sort(journal_.keys.begin(), journal_.keys.end(),
                     [](const JournalEvent& a, const JournalEvent& b) { return a.tick < b.tick; });
    eventsLeft_ = journal_.keys.size();
    if (journal_.header.version > 0)
        total_ = journal_.checks.empty() ? 0 : journal_.checks.back().tick;
    else
        total_ = (journal_.keys.empty() ? 0 : journal_.keys.back().tick) + OldJournalTail;
    world_ = GameWorld{};
    RequestNewGame(world_);
    if (Over()) Boundary(true);
}

void ReplayPlayer::Boundary(bool last) {
    cursor_.Boundary(
        ticksRun_, last,
        [this](const JournalEvent& event) {
            --eventsLeft_;
            ApplyJournalEvent(world_, host_, event);
        },
        [this](const JournalCheck& check) {
            if (WorldHash(world_) == check.hash)
                ++checksPassed_;
            else if (!firstMismatch_)
                firstMismatch_ = check.tick;
            return true;
        });
}

bool ReplayPlayer::Step() {
    if (Over()) return false;
    Boundary(false);
    RunTimerTick(world_, host_, renderer_);
    ++ticksRun_;
    // An old journal is over once nothing of it is left and the game stopped.
    if (journal_.header.version == 0 && eventsLeft_ == 0 &&
        nextAnswer_ >= journal_.answers.size() && world_.gameRunning == 0 &&
        world_.newGameRequested == 0)
        total_ = ticksRun_;
    if (Over()) Boundary(true);
    return true;
}

JournalAnswer ReplayPlayer::NextAnswer() {
    if (nextAnswer_ < journal_.answers.size()) return journal_.answers[nextAnswer_++];
    return {};
}

QString ReplayPlayer::StatusText() const {
    const bool versioned = journal_.header.version > 0;
    if (!Over())
        return ShellText(ReplayPlayingText)
            .arg(ticksRun_)
            .arg(versioned ? QString::number(total_) : QStringLiteral("?"));
    if (!versioned) return ShellText(ReplayOverUncheckedText).arg(ticksRun_);
    if (firstMismatch_) return ShellText(ReplayOverMismatchText).arg(*firstMismatch_);
    return ShellText(ReplayOverMatchedText).arg(ticksRun_).arg(checksPassed_);
}
