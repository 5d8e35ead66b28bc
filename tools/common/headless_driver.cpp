// headless_driver.cpp -- steps the game the way the view's timers and key events do.
#include "tools/common/headless_driver.h"

#include "game/progression.h"
#include "game/world_hash.h"
#include "game/sound.h"
#include "game/tick.h"
#include "game/keys.h"

HeadlessDriver::HeadlessDriver(GameWorld& world, ScriptedHost& host) : world_(world), host_(host) {
    RequestNewGame(world_);
}

void HeadlessDriver::Press(bool down, int32_t key) {
    if (down)
        DispatchKeyDown(world_, host_, key);
    else
        DispatchKeyUp(world_, host_, key);
    pressed_.push_back({ticksRun_, down, key});
}

void HeadlessDriver::Apply(const JournalEvent& event) {
    ApplyJournalEvent(world_, host_, event);
    pressed_.push_back(event);
    pressed_.back().tick = ticksRun_;
}

void HeadlessDriver::Tick() {
    const bool stopTimerWasRunning = host_.stopTimerRunning;
    RunTimerTick(world_, host_, renderer_);
    if (stopTimerWasRunning && host_.stopTimerRunning && !host_.applicationClosed)
        OnSoundStopTimer(world_, host_);
    ++ticksRun_;
    if (keepChecks_ && ticksRun_ % JournalCheckInterval == 0)
        checks_.push_back({ticksRun_, WorldHash(world_), pressed_.size()});
}

ReplayJournal HeadlessDriver::Journal(const JournalHeader& header) const {
    ReplayJournal journal{pressed_, host_.answersGiven, {}, {}};
    if (!keepChecks_) return journal;
    journal.header = header;
    journal.header.version = JournalFormatVersion;
    journal.checks = checks_;
    if (checks_.empty() || checks_.back().tick != ticksRun_)
        journal.checks.push_back({ticksRun_, WorldHash(world_), pressed_.size()});
    return journal;
}
