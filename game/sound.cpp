// sound.cpp -- the rifle's firing loop, its delayed stop, and the pickup chime.
//
// The loop is started on a fire key-down and stopped 50 ms after the key is
// released (timer 2), so that a quick re-press cancels the stop and the loop
// plays on without a gap. The player step also stops it when the rifle has
// been idle for a while. None of these look at the sound flag: the callers
// decide that.
#include "game/sound.h"

#include "game/host.h"
#include "game/world.h"

void StartFiringLoop(GameWorld& world, Host& host) {
    world.stopPending = 0;  // a stop scheduled by a recent release is cancelled
    host.PlayFiringLoop();  // a loop that already plays is left alone
}

void ScheduleFiringStop(GameWorld& world, Host& host) {
    world.stopPending = 1;
    host.StartSoundStopTimer();
}

// Timer 2 fires once: stop the loop unless a new key-down has cancelled it.
void OnSoundStopTimer(GameWorld& world, Host& host) {
    if (world.stopPending != 0) {
        host.StopSound();
    }
    host.StopSoundStopTimer();
}

void IdleStopFiringSound(GameWorld&, Host& host) { host.StopSound(); }

void PlayPickupChime(GameWorld&, Host& host) { host.RestartChime(); }

void ToggleSound(GameWorld& world) { world.soundOn = static_cast<uint8_t>(~world.soundOn & 1u); }
