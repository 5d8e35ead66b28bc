// sound.h -- when the rifle's loop and the pickup chime start and stop.
#pragma once

struct GameWorld;
class Host;

// The "Звуки" menu command: the flag's lowest bit flips.
void ToggleSound(GameWorld& world);

void StartFiringLoop(GameWorld& world, Host& host);
void ScheduleFiringStop(GameWorld& world, Host& host);
void OnSoundStopTimer(GameWorld& world, Host& host);
void IdleStopFiringSound(GameWorld& world, Host& host);
void PlayPickupChime(GameWorld& world, Host& host);
