// The daily turn of a large colony, against the floor of what any day must
// do: visit every cell once and draw a few thousand random numbers.
#include "model/advisor.h"
#include "model/commandlog.h"
#include "model/game.h"
#include "model/goals.h"
#include "model/history.h"
#include "model/journal.h"
#include "model/nextday.h"
#include "model/random.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <string>

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
        Game.Random.Seed(1);
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

// Plays the turns of the colony with a step after each, the two timed in
// turn (which is given the day's result), and gives their times a turn and the step's share of the
// day's, as KEY_us, nextday_us and KEY_pct. What the step needs first is done untimed.
template <typename TFirst, typename TStep>
void StepAgainstNextDay(benchmark::State& state, TGame& game, const std::string& key, TFirst first,
                        TStep step) {
    using TClock = std::chrono::steady_clock;
    TClock::duration day{};
    TClock::duration stepped{};
    for (auto _ : state) {
        game.Money = INT32_MAX;
        const TClock::time_point start = TClock::now();
        const TDayResult result = NextDay(game);
        const TClock::time_point played = TClock::now();
        first();
        const TClock::time_point ready = TClock::now();
        step(result);
        stepped += TClock::now() - ready;
        day += played - start;
        benchmark::DoNotOptimize(result);
    }
    const double turns = static_cast<double>(state.iterations());
    state.counters["nextday_us"] = std::chrono::duration<double, std::micro>(day).count() / turns;
    state.counters[key + "_us"] =
        std::chrono::duration<double, std::micro>(stepped).count() / turns;
    state.counters[key + "_pct"] =
        100.0 * static_cast<double>(stepped.count()) / static_cast<double>(day.count());
}

// The history of two hundred years that the turns record, started again when full.
void RecordDay(THistory& history, const TGame& game) {
    if (history.Count() == 200 * 365)
        history.Assign({});
    history.Record(game);
}

// Recording the day after the turn, against the turn itself, in the same
// run: the history is to cost at most a few percent of the day.
void BM_HistoryAgainstNextDay(benchmark::State& state) {
    TLargeColony colony;
    THistory history;
    StepAgainstNextDay(
        state, colony.Game, "record", [] {},
        [&](const TDayResult&) { RecordDay(history, colony.Game); });
}
BENCHMARK(BM_HistoryAgainstNextDay)->Unit(benchmark::kMicrosecond);

// Keeping the day's messages in the journal after the turn, against the turn
// itself, in the same run: two a day, more than a colony shows on most days,
// each as the colony keeps it (the text shared with the dialog that shows it).
// The journal of two hundred years is started again when full.
void BM_JournalAgainstNextDay(benchmark::State& state) {
    TLargeColony colony;
    TJournal journal;
    const QString message = QStringLiteral("Родилось: 3 человек.");
    StepAgainstNextDay(
        state, colony.Game, "record", [] {},
        [&](const TDayResult&) {
            if (journal.Count() >= 2 * 200 * 365)
                journal.Assign({});
            for (int i = 0; i < 2; ++i)
                journal.Record({colony.Game.Date, TJournalKind::Event, 100, 20, message});
        });
}
BENCHMARK(BM_JournalAgainstNextDay)->Unit(benchmark::kMicrosecond);

// Checking ten goals of mixed figures at the end of the turn, against the
// turn itself, in the same run: the goals are to cost at most 2 % of the day.
// They read the day the history records after every turn, which is timed
// above. None is ever met, so that every one is read on every turn.
void BM_GoalsAgainstNextDay(benchmark::State& state) {
    TLargeColony colony;
    const auto goal = [](TGoalFigure figure, int32_t held = 1) {
        return TGoal{"g",       "Цель", figure, TComparison::Greater,
                     INT64_MAX, {},     held,   TGoalRole::Required,
                     {}};
    };
    const auto figure = [&colony](const char16_t* word) {
        return *ReadGoalFigure(QStringView(word), colony.Catalogue).Figure;
    };
    TGoalBook book({
        goal(figure(u"money")),
        goal(figure(u"people"), 60),
        goal(figure(u"health"), 730),
        goal(figure(u"homes")),
        goal(figure(u"stock.food")),
        goal(figure(u"buildings")),
        goal(figure(u"type:Farm")),
        goal(figure(u"flow:sales:last")),
        goal(figure(u"flow:upkeep")),
        goal(figure(u"maintaxes")),
    });
    const TGoalCounters counters;
    THistory history;
    StepAgainstNextDay(
        state, colony.Game, "check", [&] { RecordDay(history, colony.Game); },
        [&](const TDayResult&) {
            const TGoalNews news = book.Check(colony.Game, history.Days().back(), counters);
            benchmark::DoNotOptimize(news);
        });
}
BENCHMARK(BM_GoalsAgainstNextDay)->Unit(benchmark::kMicrosecond);

// The advisor's checks of the colony after the turn, against the turn itself,
// in the same run: they are to cost at most 2 % of the day. With 1, every
// smithy also takes oil, which the colony never has: half the buildings
// stand idle for it on the days of their three seasons, and the day tallies
// them as it goes. The counter idle is the buildings waiting on the average
// day.
void BM_AdviceAgainstNextDay(benchmark::State& state) {
    TLargeColony colony;
    if (state.range(0) != 0)
        colony.Catalogue[2].Consume[gdOil] = 1;
    THistory history;
    int64_t waited = 0;
    StepAgainstNextDay(
        state, colony.Game, "advice", [&] { RecordDay(history, colony.Game); },
        [&](const TDayResult& day) {
            const std::vector<TAdvice> advice = AdviseColony(colony.Game, history, day.Waiting);
            benchmark::DoNotOptimize(advice);
            waited += day.Waiting.ForWorkers;
            for (const TWaitingTally::TType& type : day.Waiting.ForGoods)
                waited += type.Count;
        });
    state.counters["idle"] = static_cast<double>(waited) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_AdviceAgainstNextDay)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Keeping the day's entry in the command log after the turn, against the turn
// itself: it is to cost at most 1 % of the day. The log of two hundred years
// is started again when full.
void BM_LogAgainstNextDay(benchmark::State& state) {
    TLargeColony colony;
    TCommandLog log;
    StepAgainstNextDay(
        state, colony.Game, "log", [] {},
        [&](const TDayResult&) {
            if (log.Count() == 200 * 365)
                log.Assign({});
            log.Record({.Command = TLogCommand::NewDay, .Column = 3, .Row = 4, .Count = 1});
        });
}
BENCHMARK(BM_LogAgainstNextDay)->Unit(benchmark::kMicrosecond);

// The floor: one pass over the 78 400 cell records and 10 000 draws. The
// pass is the day's own, so that both run the same code: where a loop lies
// in memory moves its time by half on this machine.
void CellPassAndDraws(TGame& land) {
    land.AgeRuins();
    int64_t sum = 0;
    for (int i = 0; i < 10000; ++i)
        sum += RandomBelow(land.Random, 3640);
    benchmark::DoNotOptimize(sum);
    benchmark::ClobberMemory();
}

void BM_CellPassAndDraws(benchmark::State& state) {
    const TBaseTypeList catalogue = BenchCatalogue();
    TGame land(catalogue, 0, 0);
    land.Random.Seed(1);
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
