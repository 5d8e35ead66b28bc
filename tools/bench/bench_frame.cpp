// bench_frame.cpp -- the frame as play makes it most of the time: untinted, after another.
//
// Level 1 is played with the right key held until the soldier has walked a
// stretch of it; the draws of those ticks' frames are kept, and each
// iteration makes the next of them after the one before, as the tick does.
// BM_MemcpyBackground (bench_reference.cpp) is the yardstick.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "game/keys.h"
#include "game/world.h"
#include "render/renderer.h"
#include "tools/common/headless_driver.h"
#include "tools/common/recording_surface.h"
#include "tools/common/scripted_host.h"

namespace {

constexpr int PlayedTicks = 120;

// The untinted frames of level 1 walked to the right, in play order.
std::vector<std::vector<SpriteDraw>> WalkedFrames() {
    auto world = std::make_unique<GameWorld>();
    RecordingSurface view(800, 600);
    ScriptedHost host(view);
    host.dataFilePath = ZARNOK_BIN_DIR "/Data.dat";
    HeadlessDriver driver(*world, host);
    std::vector<std::vector<SpriteDraw>> frames;
    for (int tick = 0; tick < PlayedTicks && !driver.Closed(); ++tick) {
        if (tick == 2) driver.Press(true, VK_Right);
        driver.Tick();
        const PlayerState& p = world->player;
        if (world->gameRunning && p.damageTint == 0 && p.invulnerableTicks == 0)
            frames.push_back(driver.FrameRenderer().Draws().Draws());
    }
    return frames;
}

void BM_FrameUntintedLevel(benchmark::State& state) {
    const std::vector<std::vector<SpriteDraw>> frames = WalkedFrames();
    if (frames.size() < 2) {
        state.SkipWithError("level 1 gave no untinted frames");
        return;
    }
    auto frame = std::make_unique<FrameBuffer>();
    auto renderer = std::make_unique<Renderer>();
    size_t next = 0;
    for (auto _ : state) {
        renderer->BeginFrame();
        for (const SpriteDraw& draw : frames[next]) renderer->Draws().Add(draw);
        renderer->FinishFrame(*frame, 0, 0);
        next = (next + 1) % frames.size();
        benchmark::DoNotOptimize(frame->Pixels().data());
        benchmark::ClobberMemory();
    }
    state.counters["frames"] = double(frames.size());
}
BENCHMARK(BM_FrameUntintedLevel);

}  // namespace
