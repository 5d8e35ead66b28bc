// mosquitoes.h -- the swarm: flight, chase and detours, bites, and the nests.
#pragma once

#include <cstdint>

#include "render/canvas.h"

struct GameWorld;
struct Mosquito;
struct Nest;
class SolidBoxes;

void UpdateMosquitoes(GameWorld& world, DrawList& draws);
void UpdateNests(GameWorld& world, DrawList& draws);
// One mosquito as the swarm step draws it: its wing frame alternates with
// the tick counter. `m.dir` must already be decided.
void DrawMosquito(Canvas canvas, const Mosquito& m, uint8_t tickCounter);
// The sense an undecided mosquito takes when it is first drawn: towards the
// soldier, or left when he is straight below or above it.
int32_t TurnedToSoldier(const Mosquito& m, int32_t soldierX);
void DrawNest(Canvas canvas, const Nest& nest);
void SpawnMosquito(GameWorld& world, int32_t x, int32_t y);

// Pieces of the flight rules, exposed for the tests.
int32_t NextMosquitoX(const GameWorld& world, int slot);
int32_t NextMosquitoY(const GameWorld& world, int slot);
bool HitsSolidPlatform(const GameWorld& world, int32_t x, int32_t y);
bool IsInBiteRange(const GameWorld& world, int32_t x, int32_t y);
// The ledges and blocks as the flight tests see them.
SolidBoxes MosquitoSolids(const GameWorld& world);
// Casts the chase ray; may turn the heading and sense towards a detour.
bool SteerChase(GameWorld& world, const SolidBoxes& solids, int slot);
bool FindDetour(const GameWorld& world, const SolidBoxes& solids, int32_t& x, int32_t& y, int slot);
bool IsPathClear(const SolidBoxes& solids, int32_t ax, int32_t ay, int32_t bx, int32_t by);
// The same, against the world's platforms as they stand.
bool SteerChase(GameWorld& world, int slot);
bool FindDetour(const GameWorld& world, int32_t& x, int32_t& y, int slot);
bool IsPathClear(const GameWorld& world, int32_t ax, int32_t ay, int32_t bx, int32_t by);
