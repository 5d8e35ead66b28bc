// drawn_steps.h -- the rules' drawing steps as the tests call them: each step's draws made at once.
//
// In play the renderer makes a tick's draws when the step is done, over the
// sky. Tests that look at what one step drew want its draws over the frame
// as it stands, straight after the step, so these run the step with a list
// of their own and make its draws over the world's frame.
#pragma once

#include "game/mosquitoes.h"
#include "game/pickups.h"
#include "game/player.h"
#include "game/raptor.h"
#include "game/tick.h"
#include "game/weapon.h"
#include "game/world.h"
#include "render/renderer.h"

// A canvas on the world's camera whose draws are made over the world's
// frame at the end of the statement that uses it.
class CanvasDrawnAtOnce {
public:
    explicit CanvasDrawnAtOnce(GameWorld& world) : world_(world) {}
    ~CanvasDrawnAtOnce() { DrawOver(draws_, world_.frameBuffer); }
    CanvasDrawnAtOnce(const CanvasDrawnAtOnce&) = delete;
    CanvasDrawnAtOnce& operator=(const CanvasDrawnAtOnce&) = delete;
    operator Canvas() { return WorldCanvas(world_, draws_); }

private:
    GameWorld& world_;
    DrawList draws_;
};

template <class Step>
void StepDrawnAtOnce(GameWorld& world, Step step) {
    DrawList draws;
    step(draws);
    DrawOver(draws, world.frameBuffer);
}

inline void DrawScenery(GameWorld& world) {
    StepDrawnAtOnce(world, [&](DrawList& d) { DrawScenery(world, d); });
}
inline void UpdateMosquitoes(GameWorld& world) {
    StepDrawnAtOnce(world, [&](DrawList& d) { UpdateMosquitoes(world, d); });
}
inline void UpdateNests(GameWorld& world) {
    StepDrawnAtOnce(world, [&](DrawList& d) { UpdateNests(world, d); });
}
inline void UpdatePlatforms(GameWorld& world, Host& host) {
    StepDrawnAtOnce(world, [&](DrawList& d) { UpdatePlatforms(world, host, d); });
}
inline void UpdateRaptorItem(GameWorld& world, Host& host, int slot) {
    StepDrawnAtOnce(world, [&](DrawList& d) { UpdateRaptorItem(world, host, slot, d); });
}
inline void UpdatePickups(GameWorld& world, Host& host) {
    StepDrawnAtOnce(world, [&](DrawList& d) { UpdatePickups(world, host, d); });
}
inline void UpdateFallingMagazine(GameWorld& world) {
    StepDrawnAtOnce(world, [&](DrawList& d) { UpdateFallingMagazine(world, d); });
}
inline void UpdatePlayer(GameWorld& world, Host& host) {
    StepDrawnAtOnce(world, [&](DrawList& d) { UpdatePlayer(world, host, d); });
}
