// headless_driver.h -- the game without a window: key events, the tick, then timer 2.
//
// The view delivers keys between ticks, runs timer 1 every 50 ms and lets
// timer 2 expire 50 ms after it was started. Tools that play the game from
// a script (the runner, the fuzzer, the autopilot) step it here the same way;
// modal boxes opened on the way take their answers from the host's script.
#pragma once

#include <cstdint>

#include "render/renderer.h"
#include "tools/common/replay.h"
#include "tools/common/scripted_host.h"

struct GameWorld;

class HeadlessDriver {
public:
    // Starts as a fresh window does: the first document asks for a new game.
    HeadlessDriver(GameWorld& world, ScriptedHost& host);

    // A key event before the next tick; kept for the journal.
    void Press(bool down, int32_t key);
    // Any event of a journal before the next tick; kept for the journal too.
    void Apply(const JournalEvent& event);

    // Keep the world's hash every JournalCheckInterval ticks for the journal.
    void KeepChecks() { keepChecks_ = true; }

    // Timer 1, then the expiry of a timer 2 that ran before the tick and
    // still runs after it.
    void Tick();

    bool Closed() const { return host_.applicationClosed; }
    // What makes the world's frames; the driver's own, like a view's.
    Renderer& FrameRenderer() { return renderer_; }
    uint64_t TicksRun() const { return ticksRun_; }

    // What was pressed and what the boxes were answered: replays this run.
    // With checks kept, a versioned journal under `header` whose last check
    // is the world now.
    ReplayJournal Journal(const JournalHeader& header = {}) const;

private:
    GameWorld& world_;
    ScriptedHost& host_;
    Renderer renderer_;
    uint64_t ticksRun_ = 0;
    std::vector<ReplayKeyEvent> pressed_;
    bool keepChecks_ = false;
    std::vector<JournalCheck> checks_;
};
