// bench_journal.cpp -- what the window's journal costs a game: the same ticks of the
// full-game proof played bare and journaled as the window journals them (every key
// a line, the world's hash and a write every 100 ticks, a file per game).
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <memory>

#include "game/world.h"
#include "game/world_hash.h"
#include "shell/journal_recorder.h"
#include "tools/common/headless_driver.h"
#include "tools/common/replay.h"

namespace {

constexpr uint64_t BenchTicks = 1000;  // level 1 and most of level 2

const ReplayJournal& Proof() {
    static const ReplayJournal journal = [] {
        ReplayJournal j;
        std::string error;
        if (!LoadReplayFile(ZARNOK_BENCH_PROOF, j, error)) std::abort();
        return j;
    }();
    return journal;
}

// One game of BenchTicks ticks; with a recorder, journaled into `folder`.
void PlayProof(const QString* folder, benchmark::State& state) {
    const ReplayJournal& proof = Proof();
    auto world = std::make_unique<GameWorld>();
    ScriptedHost host;
    host.dataFilePath = ZARNOK_BENCH_DATA;
    host.answers.assign(proof.answers.begin(), proof.answers.end());
    HeadlessDriver driver(*world, host);
    std::unique_ptr<JournalRecorder> recorder;
    if (folder != nullptr) {
        recorder = std::make_unique<JournalRecorder>(
            *world, *folder, ReadDataFileFacts(ZARNOK_BENCH_DATA).value_or(DataFileFacts{}), "bench");
        recorder->BeginGame();
    }
    size_t next = 0;
    for (uint64_t tick = 0; tick < BenchTicks; ++tick) {
        for (; next < proof.keys.size() && proof.keys[next].tick == tick; ++next) {
            if (recorder) recorder->Event(proof.keys[next]);
            driver.Apply(proof.keys[next]);
        }
        if (recorder) recorder->BeforeTick();
        driver.Tick();
        if (recorder) recorder->AfterTick();
    }
    if (recorder) recorder->EndGame();
    benchmark::DoNotOptimize(world->score);
    state.SetItemsProcessed(state.items_processed() + int64_t(BenchTicks));
}

void BM_ProofTicks(benchmark::State& state) {
    for (auto _ : state) PlayProof(nullptr, state);
}
BENCHMARK(BM_ProofTicks)->Unit(benchmark::kMillisecond);

void BM_ProofTicksJournaled(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = folder.path();
    for (auto _ : state) PlayProof(&path, state);
}
BENCHMARK(BM_ProofTicksJournaled)->Unit(benchmark::kMillisecond);

// The biggest single piece: one check's hash of the whole world and its frame.
void BM_WorldHash(benchmark::State& state) {
    auto world = std::make_unique<GameWorld>();
    for (auto _ : state) benchmark::DoNotOptimize(WorldHash(*world));
}
BENCHMARK(BM_WorldHash)->Unit(benchmark::kMicrosecond);

}  // namespace
