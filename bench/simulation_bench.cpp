// One pass of the simulation without drawing: the player, the enemies and the
// projectiles, in the World built from data/.
#include <benchmark/benchmark.h>

#include <chrono>

#include "bench/bench_world.h"
#include "shell/main_loop.h"

namespace {

// Times one pass after `prepare` has set the scene up, untimed, before each one.
template <typename Prepare>
void timePasses(benchmark::State& state, Prepare prepare) {
    PlayHarness harness;
    if (!harness.ok() || !landInStartRoom(harness)) {
        state.SkipWithError("cannot land in the start room of the World from data/");
        return;
    }
    int enemies = 0;
    int shots = 0;
    for (auto _ : state) {
        prepare();
        enemies = enemiesInPlay();
        shots = projectilesInFlight();
        auto start = std::chrono::steady_clock::now();
        simulatePass();
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    state.counters["enemies"] = enemies;  // at the start of the last pass
    state.counters["shots"] = shots;
}

void BM_SimulationQuietRoom(benchmark::State& state) {
    timePasses(state, [] {});
}
BENCHMARK(BM_SimulationQuietRoom)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_SimulationFullTables(benchmark::State& state) { timePasses(state, fillTables); }
BENCHMARK(BM_SimulationFullTables)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
