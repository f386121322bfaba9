// Making an island from a seed, as the game does for "random:SEED" and for the
// preview of the new-island dialog, against loading the map "01" from its
// files in the same run. The game's data lies beside this program.
#include "island/islandgen.h"
#include "map/earth.h"
#include "map/mapview.h"

#include <QCoreApplication>
#include <QImage>
#include <benchmark/benchmark.h>

namespace {

QString DataFolder() {
    return QCoreApplication::applicationDirPath();
}

// The three files of an island, a new seed each time.
void BM_GenerateIsland(benchmark::State& state) {
    uint32_t seed = 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(GenerateIsland(seed++).Grid.size());
}
BENCHMARK(BM_GenerateIsland)->Unit(benchmark::kMillisecond);

// The island made and loaded as the game's earth, what a new game on it waits for.
void BM_LoadRandomIsland(benchmark::State& state) {
    uint32_t seed = 1;
    for (auto _ : state) {
        TEarth earth;
        earth.LoadEarth(TMapSource::Random(seed++), {});
        benchmark::DoNotOptimize(earth.Scene.Sprites.Count());
    }
}
BENCHMARK(BM_LoadRandomIsland)->Unit(benchmark::kMillisecond);

// The dialog's preview: made, loaded without measuring texts, the overview drawn.
void BM_IslandPreview(benchmark::State& state) {
    uint32_t seed = 1;
    QImage picture(210, 210, QImage::Format_RGB32);
    for (auto _ : state) {
        TEarth earth;
        earth.Scene.MeasureTexts = false;
        earth.LoadEarth(TMapSource::Random(seed++), {});
        TMapView::PaintOverview(earth.Scene, picture);
    }
}
BENCHMARK(BM_IslandPreview)->Unit(benchmark::kMillisecond);

void BM_LoadEarth(benchmark::State& state) {
    for (auto _ : state) {
        TEarth earth;
        earth.LoadEarth(QStringLiteral("01"), DataFolder());
        benchmark::DoNotOptimize(earth.Scene.Sprites.Count());
    }
}
BENCHMARK(BM_LoadEarth)->Unit(benchmark::kMillisecond);

} // namespace
