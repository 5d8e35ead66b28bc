// journal_recorder.h -- every game played in the window, journaled into the game folder's replays/.
//
// The window's session is one stream of ticks, events and answers from its
// first tick on. Each game gets its own file, named by the time it began:
// the header, the session so far (so that the file replays from a fresh
// window, the earlier games included, and "from" says where this game
// begins), then the game's own lines. Lines are appended and flushed at
// every check, so a killed game leaves a journal that plays to its last
// check. A folder that cannot be written costs the journal, not the game.
#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <string>

#include "game/journal.h"

struct GameWorld;
class QFile;

class JournalRecorder {
public:
    static constexpr int KeptJournals = 50;

    // `folder` is created when the first game begins. `facts` describe the
    // Data.dat the session plays on, as it stood at the start.
    JournalRecorder(GameWorld& world, QString folder, const DataFileFacts& facts,
                    std::string gameVersion);
    ~JournalRecorder();

    // Called once, the first time a journal cannot be written.
    void OnFailure(std::function<void(const QString&)> report) { report_ = std::move(report); }

    // A game that asked for the record holder's name ends: `written` says
    // whether its record is in Data.dat; if so the game's journal is copied
    // to `path` once it is complete.
    void KeepRecordJournal(QString path, std::function<bool()> written);

    // The game that starts with the next tick; its file is made then.
    void BeginGame();
    // The game ends now (closing the window, "Новая").
    void EndGame();

    // What reaches the world between ticks, and the answers given inside
    // them; the play-again question ends the game after its tick.
    void Event(JournalEvent event);
    void Answer(const JournalAnswer& answer, bool endsGame);
    void NameAnswer(const JournalAnswer& answer);
    void BeforeTick();
    void AfterTick();

    bool GameOpen() const { return file_ != nullptr; }
    uint64_t TicksRun() const { return ticksRun_; }
    QString CurrentPath() const { return path_; }
    QString LastFinishedPath() const { return lastFinished_; }
    // The hash the last check of the last finished game holds.
    uint64_t LastFinishedHash() const { return lastFinishedHash_; }

private:
    void Line(const std::string& line);
    void Check();
    void Flush();
    void Fail(const QString& why);
    void Open();
    void RemoveOldJournals() const;
    void CopyToRecordJournal() const;

    GameWorld& world_;
    QString folder_;
    JournalHeader header_;
    std::string session_;  // every line since the window's first tick
    std::string pending_;  // this game's lines not yet written
    std::unique_ptr<QFile> file_;
    QString path_;
    QString lastFinished_;
    uint64_t lastFinishedHash_ = 0;
    uint64_t ticksRun_ = 0;
    uint64_t lastCheckTick_ = UINT64_MAX;
    size_t eventsWritten_ = 0;  // events of the session so far
    bool beginPending_ = false;
    bool nameAsked_ = false;     // in this game's end
    bool recordWritten_ = false;  // ... and Data.dat holds its record
    QString recordJournalPath_;
    std::function<bool()> recordWrittenTest_;
    bool endAfterTick_ = false;
    bool beginAfterTick_ = false;
    bool failed_ = false;
    std::function<void(const QString&)> report_;
};
