// headless_driver.cpp -- steps the game the way the view's timers and key events do.
#include "tools/common/headless_driver.h"

#include "game/progression.h"
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

void HeadlessDriver::Tick() {
    const bool stopTimerWasRunning = host_.stopTimerRunning;
    RunTimerTick(world_, host_);
    if (stopTimerWasRunning && host_.stopTimerRunning && !host_.applicationClosed)
        OnSoundStopTimer(world_, host_);
    ++ticksRun_;
}

ReplayJournal HeadlessDriver::Journal() const { return {pressed_, host_.answersGiven}; }
