// The forecast's futures on every core against the same futures on one
// thread, in the same run: on two cores the whole is to take at most 0.6 of
// the time of one thread.

#include "bench/bigcolony.h"
#include "model/forecast.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <chrono>
#include <thread>

namespace {

constexpr size_t BuildingCount = 1000;

// 64 futures of a year of the 1 000-building colony, played by all the
// cores and by one, in turn; their times and the ratio as counters.
void BM_ForecastEveryCoreAgainstOne(benchmark::State& state) {
    TBigColony& big = BigColony<TBigColony>(BuildingCount, QCoreApplication::applicationDirPath());
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
