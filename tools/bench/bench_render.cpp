// bench_render.cpp -- what one frame costs: background, tints, blitters, HUD.
#include <benchmark/benchmark.h>

#include <memory>

#include "game/world.h"
#include "render/blit.h"
#include "render/frame.h"
#include "render/hud.h"
#include "render/sprites.h"
#include "tools/common/recording_surface.h"

namespace {

std::unique_ptr<GameWorld> FreshWorld() {
    auto world = std::make_unique<GameWorld>();
    FillBackground(*world);
    return world;
}

// The floor of every running tick: the sky and both full-frame tints, as
// the tick applies them.
void BM_FrameFloor(benchmark::State& state) {
    auto world = FreshWorld();
    world->player.damageTint = 200;
    world->player.invulnerableTicks = 40;
    for (auto _ : state) {
        FillBackground(*world);
        ApplyTints(*world);
        benchmark::DoNotOptimize(world->frameBuffer.pixels.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FrameFloor);

void BM_BlitLedge(benchmark::State& state) {
    auto world = FreshWorld();
    for (auto _ : state) {
        BlitSprite(*world, 340, 300, SpriteLedge, 120, 30);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BlitLedge);

// Off-screen objects are the common case on a long level.
void BM_BlitLedgeOffScreen(benchmark::State& state) {
    auto world = FreshWorld();
    for (auto _ : state) {
        BlitSprite(*world, 5000, 300, SpriteLedge, 120, 30);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BlitLedgeOffScreen);

void BM_BlitStrideLegsMirrored(benchmark::State& state) {
    auto world = FreshWorld();
    for (auto _ : state) {
        BlitSpriteMirrored(*world, 402, 279, SpriteLegsStride, 18, 21, -1);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BlitStrideLegsMirrored);

// A mosquito at a few headings (milliradians): level, diving, climbing.
void BM_BlitMosquitoRotated(benchmark::State& state) {
    auto world = FreshWorld();
    const float heading = float(state.range(0)) / 1000.0f;
    for (auto _ : state) {
        BlitSpriteRotated(*world, 400, 250, SpriteMosquitoA, 50, 25, heading, 1);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BlitMosquitoRotated)->Arg(0)->Arg(785)->Arg(1571)->Arg(2600);

// A full swarm of 100 mosquitoes on screen.
void BM_BlitSwarm(benchmark::State& state) {
    auto world = FreshWorld();
    for (auto _ : state) {
        for (int k = 0; k < MaxMosquitoes; ++k)
            BlitSpriteRotated(*world, 40 + (k % 10) * 75, 30 + (k / 10) * 45,
                              k % 2 ? SpriteMosquitoA : SpriteMosquitoB, 50, 25,
                              0.05f * float(k), k % 3 ? 1 : -1);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BlitSwarm);

void BM_DrawHud(benchmark::State& state) {
    auto world = FreshWorld();
    world->player.spareMagazines = 4;
    world->player.health = 63;
    world->score = -12345;
    RecordingSurface surface(1024, 768);
    for (auto _ : state) {
        DrawHud(*world, surface);
        surface.ClearCalls();
    }
}
BENCHMARK(BM_DrawHud);

}  // namespace

BENCHMARK_MAIN();
