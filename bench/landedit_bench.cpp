// The island editor's redraw after a stroke of the largest brush, timed in
// turn with generating a whole island so that the ratio holds on a busy
// machine.

#include "island/islandgen.h"
#include "land/landedit.h"

#include <benchmark/benchmark.h>
#include <chrono>

namespace {

double Millis(std::chrono::steady_clock::time_point from) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - from)
        .count();
}

void BM_StrokeRedrawAgainstGenerateIsland(benchmark::State& state) {
    TLandEdit edit(GenerateIslandLand(1));
    const TCellPoint start = edit.Land().Start;
    uint32_t seed = 1;
    double redraw = 0, generate = 0;
    int strokes = 0;
    for (auto _ : state) {
        // Sea and forest in turn, so that every stroke changes the land.
        auto t = std::chrono::steady_clock::now();
        edit.Dab(start.X, start.Y, strokes % 2 ? ekForest : ekSea, TLandEdit::MaxBrush,
                 TLandEdit::bsRound);
        edit.EndStroke();
        redraw += Millis(t);
        ++strokes;
        t = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(GenerateIsland(seed++).Grid.size());
        generate += Millis(t);
    }
    state.counters["redraw_ms"] = redraw / strokes;
    state.counters["generate_ms"] = generate / strokes;
    state.counters["ratio"] = redraw / generate;
}
BENCHMARK(BM_StrokeRedrawAgainstGenerateIsland)->Unit(benchmark::kMillisecond);

} // namespace
BENCHMARK_MAIN();
