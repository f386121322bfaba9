#pragma once

#include "base/terrain.h"
#include "basetype.h"
#include "colonystate.h"
#include "eventtype.h"
#include "gamedate.h"
#include "scenario.h"

#include <QString>
#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

// The colony's futures: from the colony as it stands, with no command of the
// player, many copies of it play the same days, each with a random stream of
// its own derived from the game's. What they show between them (how likely a
// tax is paid, where money and food go) is the forecast. The game itself, its
// generator and its undo history are never touched: each future plays a
// colony of its own made from a record of the game.

// How far a forecast looks: through the turn that asks the next yearly or
// main tax, or a month or a year of turns.
enum class TForecastHorizon { YearlyTax, MainTax, Month, Year };
inline constexpr int32_t ForecastMonthDays = 30;
inline constexpr int32_t ForecastYearDays = 365;
// The turns from the date to the horizon, at least one.
int32_t HorizonDays(TForecastHorizon horizon, const TGameDate& date);

// The figures a forecast follows, day by day.
enum TForecastFigure { ffMoney, ffPeople, ffHealth, ffFood, ForecastFigureCount };
using TForecastPoint = std::array<int32_t, ForecastFigureCount>;

// A figure across the futures of one day: its 10th, 50th and 90th percentile.
struct TForecastBand {
    int32_t Low = 0;
    int32_t Median = 0;
    int32_t High = 0;

    bool operator==(const TForecastBand&) const = default;
};
using TForecastDay = std::array<TForecastBand, ForecastFigureCount>;

// What the futures start from: the game as a record, and its scenario (whose
// level scales the taxes and whose goals may end a future's game).
struct TForecastStart {
    TColonyState State;
    TScenarioPlay Play;
};

// The data every future's colony plays with; it outlives the forecast and
// is only read, by every worker at once.
struct TForecastWorld {
    const TBaseTypeList& Catalogue;
    const TEventTypeList& Events;
    const TTerrainGrid& Terrain;
};

struct TForecastSettings {
    int32_t Days = ForecastMonthDays;
    int32_t Runs = 64;
    bool PayTaxes = true; // a tax is paid when the money is there, else refused
    int Threads = 0;      // workers; 0 for one a core
};

// The first tax the futures were asked within the horizon.
struct TForecastTax {
    TGameDate Date;
    bool Main = false;
    int64_t Amount = 0;  // asked in the median future
    int32_t Asked = 0;   // futures that came to it
    int32_t Paid = 0;    // of them, the ones that paid it
    TForecastBand Money; // in the chest as it was asked, over the futures asked
};

// The share of the futures asked the tax that paid it, in whole percent.
int TaxPaidPercent(const TForecastTax& tax);

struct TForecast {
    TGameDate From;
    int32_t Runs = 0;
    // Day 0 is the colony as it stands, day d the futures after d turns. A
    // future stopped by a refused tax keeps its figures of that day.
    std::vector<TForecastDay> Days;
    std::optional<TForecastTax> Tax;
    // After how many turns food is gone in the median future; none when it
    // lasts to the horizon there.
    std::optional<int32_t> FoodGoneAfter;
};

class TColony;
// What a forecast of the colony as it stands starts from, and the data its
// futures play with.
TForecastStart ForecastStartOf(const TColony& colony);
TForecastWorld ForecastWorldOf(const TColony& colony);

// The seed of a future: derived from the game's generator and the future's
// number, never the game's own stream.
uint64_t FutureSeed(const TRandomState& game, int32_t run);

// Plays the futures on worker threads and gathers them. Returns none when
// cancel was set before it finished: the workers stop at their next day.
std::optional<TForecast> PlayForecast(const TForecastWorld& world, const TForecastStart& start,
                                      const TForecastSettings& settings,
                                      const std::atomic<bool>* cancel = nullptr);

// The forecast in a line of words: the tax against the money, the day food
// runs out, the health's trend.
QString ForecastSummary(const TForecast& forecast);
