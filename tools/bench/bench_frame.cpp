// bench_frame.cpp -- the frame as play makes it most of the time: untinted, after another.
//
// Level 1 is played with the right key held until the soldier has walked a
// stretch of it; the draws of those ticks' frames are kept, and each
// iteration lays the next of them after the one before, as the tick does.
// BM_MemcpyBackground (bench_reference.cpp) is the yardstick.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "game/keys.h"
#include "game/world.h"
#include "render/frame.h"
#include "tools/common/headless_driver.h"
#include "tools/common/recording_surface.h"
#include "tools/common/scripted_host.h"

namespace {

constexpr int PlayedTicks = 120;

// The draws of the frame the last frame made, when it could list them.
bool LastDraws(const FrameBuffer& frame, std::vector<HeldDraw>& draws) {
    const TileDraws& list = frame.memory.lists[frame.memory.lastList];
    if (!list.valid) return false;
    draws.assign(list.draws.begin(), list.draws.begin() + list.drawCount);
    return true;
}

// The untinted frames of level 1 walked to the right, in play order.
std::vector<std::vector<HeldDraw>> WalkedFrames() {
    auto world = std::make_unique<GameWorld>();
    RecordingSurface view(800, 600);
    ScriptedHost host(view);
    host.dataFilePath = ZARNOK_BIN_DIR "/Data.dat";
    HeadlessDriver driver(*world, host);
    std::vector<std::vector<HeldDraw>> frames;
    for (int tick = 0; tick < PlayedTicks && !driver.Closed(); ++tick) {
        if (tick == 2) driver.Press(true, VK_Right);
        driver.Tick();
        std::vector<HeldDraw> draws;
        const PlayerState& p = world->player;
        if (world->gameRunning && p.damageTint == 0 && p.invulnerableTicks == 0 &&
            LastDraws(world->frameBuffer, draws))
            frames.push_back(std::move(draws));
    }
    return frames;
}

void BM_FrameUntintedLevel(benchmark::State& state) {
    const std::vector<std::vector<HeldDraw>> frames = WalkedFrames();
    if (frames.size() < 2) {
        state.SkipWithError("level 1 gave no untinted frames");
        return;
    }
    auto world = std::make_unique<GameWorld>();
    FrameBuffer& frame = world->frameBuffer;
    size_t next = 0;
    for (auto _ : state) {
        BeginFrame(frame);
        for (const HeldDraw& draw : frames[next]) HoldDraw(frame, draw);
        FinishFrame(frame, 0, 0);
        next = (next + 1) % frames.size();
        benchmark::DoNotOptimize(frame.Pixels().data());
        benchmark::ClobberMemory();
    }
    state.counters["frames"] = double(frames.size());
}
BENCHMARK(BM_FrameUntintedLevel);

}  // namespace
