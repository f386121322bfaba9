// The main window's start-up sequence, in-process: the map, the catalogues,
// the palette, a new game and the overview picture (everything but the start
// screen), against loading the map alone; and making an island from a seed,
// as a new game on "random:SEED" and the new-island dialog's preview do,
// against the same. The peak memory of the process is
// reported beside it. The game's data lies beside this program. Both run with
// the game's look (style and fonts), set as the game sets it before its
// first window. The statistics window is also measured against the
// colony's size.
#include "bench/bigcolony.h"
#include "bench/twocenturies.h"
#include "island/islandgen.h"
#include "land/earth.h"
#include "map/mapview.h"
#include "resources/datamodule.h"
#include "ui/application.h"
#include "ui/mainform.h"
#include "ui/statisticsform.h"

#include <QChart>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QImage>
#include <benchmark/benchmark.h>
#include <memory>
#include <sys/resource.h>

namespace {

QString DataFolder() {
    return QCoreApplication::applicationDirPath();
}

void SetUpGameLook() {
    static bool done = false;
    if (!done)
        TApplication::SetUpLook();
    done = true;
}

double PeakMemoryMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0; // ru_maxrss is in kilobytes
}

void BM_MainFormStartUp(benchmark::State& state) {
    SetUpGameLook();
    // The image lists exist before the main window, as in the game.
    const TDM images;
    // The first window of the process also pays for the font database and
    // the first use of every widget kind, as the game's own start does; the
    // timed loop sees the warm cost of the same sequence.
    QElapsedTimer cold;
    cold.start();
    std::make_unique<TMainForm>(images, DataFolder()).reset();
    state.counters["cold_ms"] = static_cast<double>(cold.nsecsElapsed()) / 1e6;
    for (auto _ : state) {
        auto form = std::make_unique<TMainForm>(images, DataFolder());
        benchmark::DoNotOptimize(form.get());
        state.PauseTiming();
        form.reset();
        state.ResumeTiming();
    }
    state.counters["peak_MB"] = PeakMemoryMegabytes();
}
BENCHMARK(BM_MainFormStartUp)->Unit(benchmark::kMillisecond);

// Opening the statistics window on two hundred years, shown and painted,
// against the main window's start-up in the same run.
void BM_StatisticsOpenAgainstStartUp(benchmark::State& state) {
    SetUpGameLook();
    const TDM images;
    {
        // The first chart of the process pays for what Qt Charts sets up once.
        auto form = std::make_unique<TMainForm>(images, DataFolder());
        LoadTwoCenturies(form->Colony());
        QElapsedTimer cold;
        cold.start();
        form->OpenStatistics().grab();
        state.counters["cold_open_ms"] = static_cast<double>(cold.nsecsElapsed()) / 1e6;
    }
    double startUp = 0;
    double open = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        auto form = std::make_unique<TMainForm>(images, DataFolder());
        startUp += static_cast<double>(timer.nsecsElapsed()) / 1e6;
        state.PauseTiming();
        LoadTwoCenturies(form->Colony());
        state.ResumeTiming();
        timer.restart();
        TStatisticsForm& statistics = form->OpenStatistics();
        statistics.SetRange(TStatisticsForm::rgAll);
        statistics.repaint();
        benchmark::DoNotOptimize(statistics.grab());
        open += static_cast<double>(timer.nsecsElapsed()) / 1e6;
        state.PauseTiming();
        form.reset();
        state.ResumeTiming();
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["startup_ms"] = startUp / runs;
    state.counters["open_ms"] = open / runs;
}
BENCHMARK(BM_StatisticsOpenAgainstStartUp)->Unit(benchmark::kMillisecond)->Iterations(10);

// The open window after a turn on two hundred years of history: the chart
// in view brought up to date and painted.
void BM_StatisticsAfterTurn(benchmark::State& state) {
    SetUpGameLook();
    const TDM images;
    TMainForm form(images, DataFolder());
    LoadTwoCenturies(form.Colony());
    TStatisticsForm& statistics = form.OpenStatistics();
    statistics.SetRange(static_cast<TStatisticsForm::TRange>(state.range(0)));
    QWidget* view = statistics.Chart(TStatisticsForm::pgMoney)->scene()->views().front();
    for (auto _ : state) {
        statistics.Follow();
        view->repaint();
    }
}
BENCHMARK(BM_StatisticsAfterTurn)
    ->Arg(TStatisticsForm::rgAll)
    ->Arg(TStatisticsForm::rgTenYears)
    ->Unit(benchmark::kMillisecond);

void BM_LoadEarth(benchmark::State& state) {
    SetUpGameLook();
    for (auto _ : state) {
        TEarth earth;
        earth.LoadEarth(QStringLiteral("01"), DataFolder());
        benchmark::DoNotOptimize(earth.Scene.Sprites.Count());
    }
}
BENCHMARK(BM_LoadEarth)->Unit(benchmark::kMillisecond);

// The three files of an island, a new seed each time.
void BM_GenerateIsland(benchmark::State& state) {
    uint32_t seed = 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(GenerateIsland(seed++).Grid.size());
}
BENCHMARK(BM_GenerateIsland)->Unit(benchmark::kMillisecond);

// The island made and loaded as the game's earth: what a new game on it waits for.
void BM_LoadRandomIsland(benchmark::State& state) {
    SetUpGameLook();
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

// The statistics window on two hundred years against the colony's size
// (bench/bigcolony.h), each timed per building: opened, shown and painted
// with the whole game in view, and the chart in view after a turn.

TBigColony& BigColonyWithTwoCenturies(const benchmark::State& state) {
    TBigColony& big = BigColony(static_cast<size_t>(state.range(0)), DataFolder());
    if (big.colony->History().Count() < 200 * 365)
        LoadTwoCenturies(*big.colony);
    return big;
}

std::unique_ptr<TStatisticsForm> OpenStatistics(const TColony& colony, const TDM& images) {
    auto statistics = std::make_unique<TStatisticsForm>(colony, images.imlTools, nullptr);
    statistics->show();
    statistics->SetRange(TStatisticsForm::rgAll);
    statistics->repaint();
    return statistics;
}

void BM_ScaleStatisticsOpen(benchmark::State& state) {
    SetUpGameLook();
    const TDM images;
    TBigColony& big = BigColonyWithTwoCenturies(state);
    // The first chart of the process pays for what Qt Charts sets up once.
    OpenStatistics(*big.colony, images).reset();
    for (auto _ : state) {
        std::unique_ptr<TStatisticsForm> statistics = OpenStatistics(*big.colony, images);
        benchmark::DoNotOptimize(statistics->grab());
        state.PauseTiming();
        statistics.reset();
        state.ResumeTiming();
    }
    PerBuilding(state, big);
}
BENCHMARK(BM_ScaleStatisticsOpen)->Apply(ColonySizes)->Unit(benchmark::kMillisecond);

void BM_ScaleStatisticsAfterTurn(benchmark::State& state) {
    SetUpGameLook();
    const TDM images;
    TBigColony& big = BigColonyWithTwoCenturies(state);
    const std::unique_ptr<TStatisticsForm> statistics = OpenStatistics(*big.colony, images);
    QWidget* view = statistics->Chart(TStatisticsForm::pgMoney)->scene()->views().front();
    for (auto _ : state) {
        statistics->Follow();
        view->repaint();
    }
    PerBuilding(state, big);
}
BENCHMARK(BM_ScaleStatisticsAfterTurn)->Apply(ColonySizes)->Unit(benchmark::kMillisecond);

} // namespace
