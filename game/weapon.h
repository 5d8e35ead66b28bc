// weapon.h -- the rifle: its states, the trigger, bursts, reloads, the dropped magazine.
#pragma once

#include <cstdint>

#include "render/sprite_id.h"

class DrawList;
struct GameWorld;
struct PlayerState;
class Host;

// PlayerState::fireState. The trigger moves the rifle between idle and the
// two firing states; an empty magazine starts the reload, which counts one
// state a tick from its first to its last and then goes back to idle.
enum RifleState : uint8_t {
    RifleIdle = 0,
    RifleShotDue = 1,       // the next player step fires a round
    RifleBetweenShots = 2,  // the pause between two rounds of a burst
    RifleReloadFirst = 3,   // the magazine is ejected
    RifleEmptyRest = 6,     // no rounds, no spare: the rifle rests here
    RifleReloadLast = 15,
};

// What the rifle looks like in each state: the flash from the first shot
// to the ejection, the empty well while the magazine is out, the full
// rifle otherwise.
constexpr uint8_t RifleMagazineOutFirst = RifleReloadFirst + 1;
constexpr uint8_t RifleMagazineOutLast = 10;
SpriteId RifleSprite(uint8_t fireState);

// The fire key: pressed starts a burst (or a reload when the magazine is
// empty), released stops it and schedules the end of the firing sound.
void PressFire(GameWorld& world, Host& host);
void ReleaseFire(GameWorld& world, Host& host);

// Drops the fire request without any sound, as a paused game's input does.
void ClearFireRequest(PlayerState& player);

// The weapon's part of the player step: one shot, pause or reload state.
void RunWeapon(GameWorld& world, Host& host);

// The empty magazine that drops from the rifle at a reload.
void EjectMagazine(GameWorld& world);
void UpdateFallingMagazine(GameWorld& world, DrawList& draws);
