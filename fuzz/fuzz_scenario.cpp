// Feeds arbitrary bytes to the scenario reader against a small building
// catalogue. A scenario that reads has its goals checked on a colony at its
// start and on each medal's date, and its medals weighed on those dates.
#include "model/scenario.h"

#include <cstddef>
#include <cstdint>

namespace {

const TBaseTypeList& Catalogue() {
    static const TBaseTypeList catalogue = [] {
        TBaseTypeList list(3);
        list[0].Id = "Colony";
        list[1].Id = "Farm";
        list[2].Id = "House";
        return list;
    }();
    return catalogue;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const TScenarioReading reading =
        ReadScenario(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)),
                     QStringLiteral("fuzz"), Catalogue(), {});
    if (!reading.Scenario)
        return 0;
    const TScenario& scenario = *reading.Scenario;
    TGame game(Catalogue(), 0, 0);
    game.Stock = scenario.Stock;
    TGoalBook book(scenario.Goals);
    const TGoalCounters counters{1, 1, 1};
    for (const std::optional<TGameDate>& date : scenario.MedalDates) {
        game.Date = date.value_or(scenario.Start);
        (void)book.Check(game, HistoryDayOf(game), counters);
        (void)scenario.MedalOn(game.Date);
    }
    for (size_t i = 0; i < scenario.Goals.size(); ++i)
        (void)book.Value(i, game, counters);
    return 0;
}
