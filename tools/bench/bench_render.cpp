// bench_render.cpp -- what one frame costs: background, tints, blitters, HUD.
#include <benchmark/benchmark.h>

#include <memory>

#include "game/texts.h"
#include "game/world.h"
#include "render/blit.h"
#include "render/frame.h"
#include "render/renderer.h"
#include "render/hud.h"
#include "render/sprites.h"
#include "tools/common/recording_surface.h"

namespace {

std::unique_ptr<GameWorld> FreshWorld() {
    auto world = std::make_unique<GameWorld>();
    FillBackground(world->frameBuffer);
    return world;
}

// A blitter's cost: each round the draw recorded, then made over the frame.
template <class Record>
void BenchDraw(benchmark::State& state, Record record) {
    auto world = FreshWorld();
    DrawList draws;
    for (auto _ : state) {
        draws.Clear();
        record(WorldCanvas(*world, draws));
        DrawOver(draws, world->frameBuffer);
        benchmark::ClobberMemory();
    }
}

// The floor of every running tick: the sky and both full-frame tints, as
// the tick makes them. The protection counts down every tick, so no frame
// can keep the sky of the one before.
void BM_FrameFloor(benchmark::State& state) {
    auto world = FreshWorld();
    auto renderer = std::make_unique<Renderer>();
    world->player.damageTint = 200;
    world->player.invulnerableTicks = 40;
    for (auto _ : state) {
        world->player.invulnerableTicks = uint8_t(world->player.invulnerableTicks % 40 + 1);
        renderer->BeginFrame();
        renderer->FinishFrame(world->frameBuffer, world->player.damageTint,
                              world->player.invulnerableTicks);
        benchmark::DoNotOptimize(world->frameBuffer.Pixels().data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FrameFloor);

void BM_BlitLedge(benchmark::State& state) {
    BenchDraw(state, [](Canvas c) { BlitSprite(c, 340, 300, SpriteLedge); });
}
BENCHMARK(BM_BlitLedge);

// Off-screen objects are the common case on a long level.
void BM_BlitLedgeOffScreen(benchmark::State& state) {
    BenchDraw(state, [](Canvas c) { BlitSprite(c, 5000, 300, SpriteLedge); });
}
BENCHMARK(BM_BlitLedgeOffScreen);

void BM_BlitStrideLegsMirrored(benchmark::State& state) {
    BenchDraw(state, [](Canvas c) { BlitSpriteMirrored(c, 402, 279, SpriteLegsStride, -1); });
}
BENCHMARK(BM_BlitStrideLegsMirrored);

// A mosquito at a few headings (milliradians): level, diving, climbing.
void BM_BlitMosquitoRotated(benchmark::State& state) {
    const float heading = float(state.range(0)) / 1000.0f;
    BenchDraw(state,
              [heading](Canvas c) { BlitSpriteRotated(c, 400, 250, SpriteMosquitoA, heading, 1); });
}
BENCHMARK(BM_BlitMosquitoRotated)->Arg(0)->Arg(785)->Arg(1571)->Arg(2600);

// A full swarm of 100 mosquitoes on screen.
void BM_BlitSwarm(benchmark::State& state) {
    BenchDraw(state, [](Canvas c) {
        for (int k = 0; k < MaxMosquitoes; ++k)
            BlitSpriteRotated(c, 40 + (k % 10) * 75, 30 + (k / 10) * 45,
                              k % 2 ? SpriteMosquitoA : SpriteMosquitoB, 0.05f * float(k),
                              k % 3 ? 1 : -1);
    });
}
BENCHMARK(BM_BlitSwarm);

void BM_DrawHud(benchmark::State& state) {
    const HudReadings readings{.spareMagazines = 4,
                               .health = 63,
                               .score = -12345,
                               .healthLabel = HudHealthLabel,
                               .scoreLabel = HudScoreLabel};
    RecordingSurface surface(1024, 768);
    for (auto _ : state) {
        DrawHud(surface, readings);
        surface.ClearCalls();
    }
}
BENCHMARK(BM_DrawHud);

}  // namespace

BENCHMARK_MAIN();
