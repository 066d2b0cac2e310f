// renderFrame on the off-screen context beside its floor: the same GL call
// stream, recorded from the renderer, replayed by a bare loop. The two are
// timed in turns within one run, so the machine's drift falls on both alike.
#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "bench/bench_world.h"
#include "bench/gl_stream.h"
#include "render/frame.h"

namespace {

using Clock = std::chrono::steady_clock;

// Long enough for some fifty frames of the full tables.
constexpr double MinSeconds = 3.0;

// A frame counts once it is drawn, not when its calls have been queued.
template <typename Draw>
double secondsToDraw(Draw draw) {
    auto start = Clock::now();
    draw();
    glFinish();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void drawGameFrame() { renderFrame(); }

double median(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

void timeAgainstFloor(benchmark::State& state, bool fullTables) {
    PlayHarness harness;
    if (!harness.ok() || !landInStartRoom(harness)) {
        state.SkipWithError("cannot land in the start room of the World from data/");
        return;
    }
    if (fullTables) fillTables();
    const GlStream stream = recordFrame();
    auto drawFloor = [&stream] { replay(stream); };

    secondsToDraw(drawGameFrame);
    std::vector<uint8_t> gamePicture = readScreen();
    secondsToDraw(drawFloor);
    if (readScreen() != gamePicture) {
        state.SkipWithError("the replayed stream draws another picture than renderFrame");
        return;
    }

    std::vector<double> gameSeconds;
    std::vector<double> floorSeconds;
    bool gameFirst = true;
    for (auto _ : state) {
        double game = gameFirst ? secondsToDraw(drawGameFrame) : 0;
        double floor = secondsToDraw(drawFloor);
        if (!gameFirst) game = secondsToDraw(drawGameFrame);
        gameFirst = !gameFirst;
        gameSeconds.push_back(game);
        floorSeconds.push_back(floor);
        state.SetIterationTime(game);
    }
    // Medians: a neighbour's burst on the shared machine spoils a frame, not the figure.
    double gameMedian = median(gameSeconds);
    double floorMedian = median(floorSeconds);
    state.counters["frame_ms"] = 1000 * gameMedian;
    state.counters["floor_ms"] = 1000 * floorMedian;
    state.counters["ratio"] = gameMedian / floorMedian;
    state.counters["gl_calls"] = double(stream.size());
    state.counters["enemies"] = enemiesInPlay();
    state.counters["shots"] = projectilesInFlight();
}

void BM_RenderFrameTypicalRoom(benchmark::State& state) { timeAgainstFloor(state, false); }
BENCHMARK(BM_RenderFrameTypicalRoom)->UseManualTime()->MinTime(MinSeconds)->Unit(benchmark::kMillisecond);

void BM_RenderFrameFullTables(benchmark::State& state) { timeAgainstFloor(state, true); }
BENCHMARK(BM_RenderFrameFullTables)->UseManualTime()->MinTime(MinSeconds)->Unit(benchmark::kMillisecond);

}  // namespace
