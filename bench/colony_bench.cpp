// The daily turn of a large colony, against the floor of what any day must
// do: visit every cell once and draw a few thousand random numbers.
#include "model/game.h"
#include "model/history.h"
#include "model/nextday.h"
#include "model/random.h"

#include <benchmark/benchmark.h>
#include <chrono>

namespace {

constexpr int BuildingCount = 1000;
constexpr int32_t People = 5000;

TBaseTypeList BenchCatalogue() {
    TBaseTypeList list(3);
    list[0].Id = "Colony";
    list[0].LiveYears = 1000;
    list[0].HomePlaces = People;
    list[0].WorkSeasons = 0b1111;
    list[1].Id = "Farm";
    list[1].LiveYears = 1000;
    list[1].NeedWorkers = 4;
    list[1].WorkSeasons = 0b1111;
    list[1].Profit[gdFood] = 40;
    list[1].ProfitRange[gdFood] = 10;
    list[2].Id = "Smithy";
    list[2].LiveYears = 1000;
    list[2].NeedWorkers = 5;
    list[2].WorkSeasons = 0b0111;
    list[2].Consume[gdFood] = 3;
    list[2].Profit[gdIron] = 2;
    return list;
}

// The colony of the day benchmarks: the buildings in rows from the corner.
struct TLargeColony {
    TBaseTypeList Catalogue = BenchCatalogue();
    TGame Game{Catalogue, 0, 0};

    TLargeColony() {
        for (int i = 1; i < BuildingCount; ++i)
            Game.AddBase(Catalogue[1 + i % 2], i % MapCols, i / MapCols, true);
        Game.People = People;
        SeedRandom(1);
    }
};

void BM_NextDay(benchmark::State& state) {
    TLargeColony colony;
    TGame& game = colony.Game;
    for (auto _ : state) {
        game.Money = INT32_MAX;
        const TDayResult day = NextDay(game);
        benchmark::DoNotOptimize(day);
    }
    state.counters["people"] = game.People;
    state.counters["buildings"] = static_cast<double>(game.Buildings().size());
}
BENCHMARK(BM_NextDay)->Unit(benchmark::kMicrosecond);

// Recording the day after the turn, against the turn itself, in the same
// run: the history is to cost at most a few percent of the day. It grows to
// two hundred years and starts again.
void BM_HistoryAgainstNextDay(benchmark::State& state) {
    TLargeColony colony;
    TGame& game = colony.Game;
    THistory history;
    using TClock = std::chrono::steady_clock;
    TClock::duration day{};
    TClock::duration record{};
    for (auto _ : state) {
        game.Money = INT32_MAX;
        const TClock::time_point start = TClock::now();
        const TDayResult result = NextDay(game);
        const TClock::time_point played = TClock::now();
        history.Record(game);
        record += TClock::now() - played;
        day += played - start;
        benchmark::DoNotOptimize(result);
        if (history.Count() == 200 * 365)
            history.Assign({});
    }
    const double turns = static_cast<double>(state.iterations());
    state.counters["nextday_us"] = std::chrono::duration<double, std::micro>(day).count() / turns;
    state.counters["record_us"] = std::chrono::duration<double, std::micro>(record).count() / turns;
    state.counters["record_pct"] =
        100.0 * static_cast<double>(record.count()) / static_cast<double>(day.count());
}
BENCHMARK(BM_HistoryAgainstNextDay)->Unit(benchmark::kMicrosecond);

// The floor: one pass over the 78 400 cell records and 10 000 draws. The
// pass is the day's own, so that both run the same code: where a loop lies
// in memory moves its time by half on this machine.
void CellPassAndDraws(TGame& land) {
    land.AgeRuins();
    int64_t sum = 0;
    for (int i = 0; i < 10000; ++i)
        sum += RandomBelow(3640);
    benchmark::DoNotOptimize(sum);
    benchmark::ClobberMemory();
}

void BM_CellPassAndDraws(benchmark::State& state) {
    const TBaseTypeList catalogue = BenchCatalogue();
    TGame land(catalogue, 0, 0);
    SeedRandom(1);
    for (auto _ : state)
        CellPassAndDraws(land);
}
BENCHMARK(BM_CellPassAndDraws)->Unit(benchmark::kMicrosecond);

// The day and its floor timed in turn, so that their ratio holds while the
// machine's speed drifts from one benchmark to the next.
void BM_NextDayAgainstFloor(benchmark::State& state) {
    TLargeColony colony;
    TGame& game = colony.Game;
    TGame land(colony.Catalogue, 0, 0);
    using TClock = std::chrono::steady_clock;
    TClock::duration day{};
    TClock::duration floor{};
    for (auto _ : state) {
        game.Money = INT32_MAX;
        const TClock::time_point start = TClock::now();
        const TDayResult result = NextDay(game);
        const TClock::time_point played = TClock::now();
        CellPassAndDraws(land);
        floor += TClock::now() - played;
        day += played - start;
        benchmark::DoNotOptimize(result);
    }
    const double turns = static_cast<double>(state.iterations());
    state.counters["nextday_us"] = std::chrono::duration<double, std::micro>(day).count() / turns;
    state.counters["floor_us"] = std::chrono::duration<double, std::micro>(floor).count() / turns;
    state.counters["ratio"] = static_cast<double>(day.count()) / static_cast<double>(floor.count());
}
BENCHMARK(BM_NextDayAgainstFloor)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
