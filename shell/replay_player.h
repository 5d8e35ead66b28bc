// replay_player.h -- a journal played back in the window: its events before each tick, its
// answers to the boxes, its checks compared as they pass.
//
// The ticks before the game's own start (the window's earlier games) are
// played unseen and at once; from there on one tick a step, as the view's
// timer asks.
#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <string>

#include "game/journal.h"

struct GameWorld;
class Host;
class Renderer;

// Reads a journal file for playback: bounded, parsed, and fit for the levels
// of `dataPath`. On failure `error` says why in words, with the line.
bool LoadJournalForPlayback(const QString& path, const std::string& dataPath,
                            ReplayJournal& journal, QString& error);

class ReplayPlayer {
public:
    static constexpr int AnswerBeatMs = 800;  // a box stays this long before its answer

    // Plays on `world`, which it starts afresh, as the window's start does.
    ReplayPlayer(GameWorld& world, Host& host, Renderer& renderer, ReplayJournal journal);

    // One tick with the events before it. False once the journal is over.
    bool Step();

    // The answer for the box that comes up now: the journal's next, or what
    // a box takes by default when the journal has none left.
    JournalAnswer NextAnswer();

    bool Over() const { return ticksRun_ >= total_ || closed_; }
    // Ticks of earlier games still to pass before the game itself is seen.
    bool Unseen() const { return ticksRun_ < journal_.header.fromTick; }
    uint64_t TicksRun() const { return ticksRun_; }
    uint64_t Total() const { return total_; }
    uint64_t FromTick() const { return journal_.header.fromTick; }
    uint64_t ChecksPassed() const { return checksPassed_; }
    std::optional<uint64_t> FirstMismatch() const { return firstMismatch_; }
    const JournalHeader& Header() const { return journal_.header; }

    // "Повтор: такт 120 из 2350", or the end and its verdict.
    QString StatusText() const;

    // The game asked to close the window: the replay ends there.
    void OnCloseRequested() { closed_ = true; }

private:
    void Boundary(bool last);

    GameWorld& world_;
    Host& host_;
    Renderer& renderer_;
    ReplayJournal journal_;
    JournalCursor cursor_;
    uint64_t total_ = 0;
    uint64_t ticksRun_ = 0;
    size_t eventsLeft_ = 0;  // an old journal's, before it may end
    size_t nextAnswer_ = 0;
    uint64_t checksPassed_ = 0;
    std::optional<uint64_t> firstMismatch_;
    bool closed_ = false;
};
