// journal_recorder.cpp -- the session's lines, one file a game, written at every check.
#include "shell/journal_recorder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <utility>

#include "game/world_hash.h"
#include "shell/language.h"
#include "shell/shell_texts.h"

namespace {

// Names sort by the time they were made; only these are ever removed.
const QString kNamePattern = QStringLiteral("[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]_*.txt");

QString NewJournalName(const QDir& folder) {
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
    QString name = stamp + QStringLiteral(".txt");
    for (int n = 2; folder.exists(name); ++n) name = stamp + QStringLiteral("-%1.txt").arg(n);
    return folder.filePath(name);
}

}  // namespace

JournalRecorder::JournalRecorder(GameWorld& world, QString folder, const DataFileFacts& facts,
                                 std::string gameVersion)
    : world_(world), folder_(std::move(folder)) {
    header_.version = JournalFormatVersion;
    header_.gameVersion = std::move(gameVersion);
    header_.levelsHash = facts.levelsHash;
    header_.record = facts.record;
}

JournalRecorder::~JournalRecorder() { EndGame(); }

void JournalRecorder::KeepRecordJournal(QString path, std::function<bool()> written) {
    recordJournalPath_ = std::move(path);
    recordWrittenTest_ = std::move(written);
}

void JournalRecorder::BeginGame() {
    EndGame();
    beginPending_ = true;
}

void JournalRecorder::BeforeTick() {
    if (!beginPending_) return;
    beginPending_ = false;
    Open();
}

void JournalRecorder::Open() {
    nameAsked_ = recordWritten_ = false;
    QDir folder(folder_);
    if (!folder.mkpath(QStringLiteral("."))) {
        Fail(ShellText(JournalFolderFailedText).arg(folder_));
        return;
    }
    path_ = NewJournalName(folder);
    auto file = std::make_unique<QFile>(path_);
    if (!file->open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        Fail(ShellText(JournalFileFailedText).arg(path_));
        return;
    }
    file_ = std::move(file);
    JournalHeader header = header_;
    header.fromTick = ticksRun_;
    pending_ = FormatJournalHeader(header) +
               "# " + QDateTime::currentDateTime().toString(Qt::ISODate).toStdString() + "\n" +
               session_;
    Flush();
    RemoveOldJournals();
}

void JournalRecorder::EndGame() {
    endAfterTick_ = beginAfterTick_ = beginPending_ = false;
    if (!file_) return;
    if (lastCheckTick_ != ticksRun_) Check();
    Flush();
    if (!file_) return;
    file_->close();
    file_.reset();
    lastFinished_ = path_;
    if (recordWritten_) CopyToRecordJournal();
}

// Through a new file renamed over the old, so that a failed copy leaves
// the last record's journal as it was.
void JournalRecorder::CopyToRecordJournal() const {
    if (recordJournalPath_.isEmpty()) return;
    const QString fresh = recordJournalPath_ + QStringLiteral(".new");
    QFile::remove(fresh);
    if (!QFile::copy(lastFinished_, fresh)) return;
    QFile::remove(recordJournalPath_);
    QFile::rename(fresh, recordJournalPath_);
}

void JournalRecorder::Event(JournalEvent event) {
    ++eventsWritten_;
    event.tick = ticksRun_;
    Line(FormatJournalEvent(event));
}

void JournalRecorder::NameAnswer(const JournalAnswer& answer) {
    nameAsked_ = true;
    Line(FormatJournalAnswer(answer));
}

void JournalRecorder::Answer(const JournalAnswer& answer, bool endsGame) {
    Line(FormatJournalAnswer(answer));
    if (!endsGame) return;
    // The record is written before the question comes.
    if (nameAsked_ && recordWrittenTest_) recordWritten_ = recordWrittenTest_();
    nameAsked_ = false;
    endAfterTick_ = true;
    beginAfterTick_ = answer.kind == JournalAnswer::Yes;
}

void JournalRecorder::AfterTick() {
    ++ticksRun_;
    if (ticksRun_ % JournalCheckInterval == 0) {
        Check();
        Flush();
    }
    if (endAfterTick_) {
        const bool again = beginAfterTick_;
        EndGame();
        if (again) BeginGame();
    }
}

// The world as it is now: after the tick and the events written since.
void JournalRecorder::Check() {
    const JournalCheck check{ticksRun_, WorldHash(world_), eventsWritten_};
    lastCheckTick_ = ticksRun_;
    lastFinishedHash_ = check.hash;
    Line(FormatJournalCheck(check));
}

void JournalRecorder::Line(const std::string& line) {
    session_ += line;
    if (file_) pending_ += line;
}

void JournalRecorder::Flush() {
    if (!file_ || pending_.empty()) return;
    const qint64 size = qint64(pending_.size());
    const bool written = file_->write(pending_.data(), size) == size && file_->flush();
    pending_.clear();
    if (!written) Fail(ShellText(JournalFileFailedText).arg(path_));
}

// The game goes on without its journal; the player hears of it once.
void JournalRecorder::Fail(const QString& why) {
    if (file_) {
        file_->close();
        file_.reset();
    }
    pending_.clear();
    if (failed_) return;
    failed_ = true;
    if (report_) report_(why);
}

void JournalRecorder::RemoveOldJournals() const {
    QDir folder(folder_);
    const QStringList names = folder.entryList({kNamePattern}, QDir::Files, QDir::Name);
    for (qsizetype i = 0; i + KeptJournals < names.size(); ++i) folder.remove(names[i]);
}
