// The game's own part of start-up: loading data/ and building the world from it.
#include <benchmark/benchmark.h>

#include <chrono>

#include "shell/play_game.h"
#include "tools/offscreen/offscreen_gl.h"

namespace {

constexpr int Starts = 10;

void BM_LoadContentAndSetupWorld(benchmark::State& state) {
    for (auto _ : state) {
        OffscreenGl gl;  // a context of its own for every start, as the game has
        if (!gl.ok() || !createWorld()) {
            state.SkipWithError("no off-screen context or no World");
            return;
        }
        auto start = std::chrono::steady_clock::now();
        bool prepared = prepareWorld();
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        destroyWorld();
        if (!prepared) {
            state.SkipWithError("bad content in data/");
            return;
        }
    }
}
BENCHMARK(BM_LoadContentAndSetupWorld)->UseManualTime()->Iterations(Starts)->Unit(benchmark::kMillisecond);

}  // namespace
