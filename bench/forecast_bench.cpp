// The forecast: its futures on every core against the same futures on one
// thread (on two cores the whole is to take at most 0.6 of the time of one),
// how late the window's event loop runs while a forecast plays on its
// threads, and how soon after a turn the forecast of the turn is on screen.

#include "bench/balancecolony.h"
#include "bench/bigcolony.h"
#include "model/colony.h"
#include "model/savefile.h"
#include "resources/datamodule.h"
#include "ui/application.h"
#include "ui/forecaster.h"
#include "ui/statisticsform.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <thread>

namespace {

QString DataFolder() {
    return QCoreApplication::applicationDirPath();
}

constexpr int TickMs = 10;

// Runs the loop until it quits with a 10 ms timer beside it: the largest
// lateness of the timer's ticks, in milliseconds.
double LatenessWhile(QEventLoop& loop) {
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(TickMs);
    QElapsedTimer clock;
    qint64 last = 0;
    double worst = 0;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        worst = std::max(worst, static_cast<double>(now - last) / 1e6 - TickMs);
        last = now;
    });
    clock.start();
    tick.start();
    loop.exec();
    return worst;
}

// A forecast of 64 futures of a year of the 1 000-building colony through
// the window's runner, against the same timer on an idle loop for as long.
void BM_ForecastEventLoopLateness(benchmark::State& state) {
    TBigColony big(1000, DataFolder());
    TForecaster forecaster;
    TForecastSettings settings;
    settings.Days = ForecastYearDays;
    settings.Runs = 64;
    double busy = 0;
    double idle = 0;
    double forecastMs = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        forecaster.Request(*big.colony, settings);
        QEventLoop forecasting;
        QObject::connect(&forecaster, &TForecaster::Ready, &forecasting, &QEventLoop::quit);
        busy = std::max(busy, LatenessWhile(forecasting));
        const qint64 took = clock.elapsed();
        forecastMs += static_cast<double>(took);
        QEventLoop waiting;
        QTimer::singleShot(static_cast<int>(took), &waiting, &QEventLoop::quit);
        idle = std::max(idle, LatenessWhile(waiting));
    }
    state.counters["late_ms"] = busy;
    state.counters["idle_late_ms"] = idle;
    state.counters["forecast_ms"] = forecastMs / static_cast<double>(state.iterations());
}
BENCHMARK(BM_ForecastEventLoopLateness)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();

// Puts in the colony what the balance player has made by the first days of
// 1901.
void LoadBalanceColony(TBigColony& big) {
    QTemporaryDir dir;
    TSavedGame game =
        ReadSaveFile(BalanceSave1901(DataFolder(), dir.path()), big.catalogue, big.events);
    big.colony->LoadState(game.Colony, std::move(game.Days), game.Identity, game.Scenario);
    big.start = big.colony->TakeState();
}

// A turn of the balance colony of 1901 with the statistics window open on
// the forecast of 30 days: from the turn's start until the turn's forecast
// is delivered and the window repainted.
void BM_ForecastOnScreenAfterTurn(benchmark::State& state) {
    TApplication::SetUpLook();
    const TDM images;
    // The catalogue, the land and a colony of one building, which the
    // balance colony replaces.
    TBigColony balance(1, DataFolder());
    LoadBalanceColony(balance);
    TColony& colony = *balance.colony;
    TStatisticsForm statistics(colony, images.imlTools, nullptr);
    statistics.ShowPage(TStatisticsForm::pgForecast);
    statistics.SetHorizon(TForecastHorizon::Month);
    statistics.show();
    auto* forecaster = statistics.findChild<TForecaster*>();
    QEventLoop loop;
    QObject::connect(forecaster, &TForecaster::Ready, &loop, &QEventLoop::quit,
                     Qt::QueuedConnection);
    loop.exec();
    double worst = 0;
    for (auto _ : state) {
        state.PauseTiming();
        colony.RestoreState(balance.start);
        state.ResumeTiming();
        QElapsedTimer clock;
        clock.start();
        if (!colony.DayTurn())
            state.SkipWithError("the turn did not pass");
        // What the main window does after a turn.
        statistics.Follow();
        loop.exec();
        statistics.repaint();
        worst = std::max(worst, static_cast<double>(clock.nsecsElapsed()) / 1e6);
        if (statistics.Forecast()->From != colony.Game().Date)
            state.SkipWithError("the forecast shown is not the turn's");
    }
    state.counters["worst_ms"] = worst;
    state.counters["buildings"] = static_cast<double>(colony.Game().Buildings().size());
}
BENCHMARK(BM_ForecastOnScreenAfterTurn)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->UseRealTime();

// 64 futures of a year of the 1 000-building colony, played by all the
// cores and by one, in turn; their times and the ratio as counters.
void BM_ForecastEveryCoreAgainstOne(benchmark::State& state) {
    TBigColony& big = BigColony<TBigColony>(1000, DataFolder());
    const TForecastWorld world = ForecastWorldOf(*big.colony);
    const TForecastStart start = ForecastStartOf(*big.colony);
    TForecastSettings settings;
    settings.Runs = 64;
    settings.Days = ForecastYearDays;
    using TClock = std::chrono::steady_clock;
    TClock::duration every{};
    TClock::duration one{};
    for (auto _ : state) {
        settings.Threads = 0;
        const TClock::time_point start0 = TClock::now();
        benchmark::DoNotOptimize(PlayForecast(world, start, settings));
        const TClock::time_point start1 = TClock::now();
        settings.Threads = 1;
        benchmark::DoNotOptimize(PlayForecast(world, start, settings));
        one += TClock::now() - start1;
        every += start1 - start0;
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["every_core_ms"] =
        std::chrono::duration<double, std::milli>(every).count() / runs;
    state.counters["one_thread_ms"] = std::chrono::duration<double, std::milli>(one).count() / runs;
    state.counters["ratio"] = static_cast<double>(every.count()) / static_cast<double>(one.count());
    state.counters["cores"] = std::thread::hardware_concurrency();
}
BENCHMARK(BM_ForecastEveryCoreAgainstOne)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
