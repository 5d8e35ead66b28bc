// bench_tick.cpp -- a whole tick on the busiest screen a level can hold.
//
// Every table is full and everything is in view around the soldier: 100
// decorations, 200 platforms, 30 nests, 100 pickups, 100 mosquitoes, 100
// bullets, 10 score popups and the falling magazine, both tints on. The
// soldier is protected, stands on a ledge and touches nothing that would
// open a message box, so each tick is pure work.
#include <benchmark/benchmark.h>

#include <memory>

#include "game/tick.h"
#include "game/world.h"
#include "render/renderer.h"
#include "tools/common/recording_surface.h"
#include "tools/common/scripted_host.h"

namespace {

std::unique_ptr<GameWorld> StressWorld() {
    auto world = std::make_unique<GameWorld>();
    GameWorld& w = *world;
    w.gameRunning = 1;
    w.newGameRequested = 0;
    w.deathPlaneY = 100000;
    w.goal = {5000, 5000};

    w.player = {.x = 400,
                .y = 300,
                .facing = 1,
                .aimAngle = 0.3f,
                .rounds = 30,
                .spareMagazines = 10,
                .health = 100,
                .invulnerableTicks = 200,
                .damageTint = 120};

    // The soldier's own ledge first, the rest a grid of ledges and blocks
    // along the top and bottom of the view, clear of him.
    w.platforms[0] = {340, 300, PlatformLedge};
    for (int k = 1; k < MaxPlatforms; ++k) {
        const int32_t x = (k % 20) * 40 - 20;
        const int32_t y = k < 100 ? 10 + (k / 20) * 12 : 380 + (k / 20 - 5) * 12;
        w.platforms[size_t(k)] = {x, y, uint8_t(k % 3 ? PlatformLedge : PlatformBlock)};
    }
    for (int k = 0; k < MaxDecorations; ++k)
        w.decorations[size_t(k)] = {(k % 20) * 40, 60 + (k / 20) * 50, uint8_t(1 + k % 7)};
    for (int k = 0; k < MaxPickups; ++k)
        w.pickups[size_t(k)] = {20 + (k % 25) * 30,
                                k < 50 ? 80 + (k / 25) * 30 : 420 + (k / 25 - 2) * 20,
                                uint8_t(1 + k % 6)};
    for (int k = 0; k < MaxNests; ++k)
        w.nests[size_t(k)] = {(k % 15) * 52, 440 + (k / 15) * 25, uint8_t(1 + k)};
    for (int k = 0; k < MaxMosquitoes; ++k) {
        Mosquito& m = w.mosquitoes[size_t(k)];
        m.x = 60 + (k % 10) * 70;
        m.y = 40 + (k / 10) * 40;
        m.alive = 1;
        m.dir = k % 2 ? 1 : -1;
        m.heading = 0.03f * float(k);
        m.chasing = uint8_t(k % 2);
    }
    for (int k = 0; k < MaxBullets; ++k)
        w.bullets[size_t(k)] = {100 + k * 6, 150 + (k % 7) * 30, 0.01f * float(k % 9), 1,
                                k % 2 ? 1 : -1};
    for (int k = 0; k < MaxScorePopups; ++k)
        w.scorePopups[size_t(k)] = {50 + k * 70, 200, uint8_t(1 + k), 100 * (k + 1)};
    w.fallingMagazine = {420, 260, 1};
    return world;
}

// Each iteration starts again from the same screen, so the swarm, the
// bullets and the pickups never thin out.
void BM_TickStressLevel(benchmark::State& state) {
    const std::unique_ptr<GameWorld> start = StressWorld();
    auto world = std::make_unique<GameWorld>();
    RecordingSurface view(800, 600);
    ScriptedHost host(view);
    auto renderer = std::make_unique<Renderer>();
    for (auto _ : state) {
        state.PauseTiming();
        *world = *start;
        host.log.clear();
        view.ClearCalls();
        state.ResumeTiming();
        GameTick(*world, host, *renderer);
        benchmark::ClobberMemory();
    }
    state.counters["messages"] = double(host.messages.size());
}
BENCHMARK(BM_TickStressLevel)->Unit(benchmark::kMillisecond);

}  // namespace
