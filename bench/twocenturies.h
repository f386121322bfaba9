#pragma once

#include "model/colony.h"

#include <vector>

// A colony of two hundred years for the benchmarks: a day for each, the
// figures moving, put into the colony as a loaded game would be.
inline void LoadTwoCenturies(TColony& colony) {
    std::vector<THistoryDay> days;
    days.reserve(200 * 365);
    TGameDate date{1890, 3, 2};
    for (int i = 0; i < 200 * 365; ++i, SetDay(date, date.Day + 1)) {
        THistoryDay& day = days.emplace_back();
        day.Date = date;
        day.Money = 50000 + (i * 7919) % 300000;
        day.People = 28 + i / 20;
        day.Homes = day.People + i % 50;
        day.Work = day.People / 2;
        day.Employed = day.Work - i % 7;
        day.Health = 500 + i % 500;
        for (int good = 0; good < GoodsCount; ++good)
            day.Stock[good] = (i * (good + 3)) % 5000;
        day.Buildings = 1 + i / 400;
        day.Sold = int64_t{i} * 40;
        day.Bought = int64_t{i} * 9;
    }
    TColonyState state = colony.TakeState();
    state.Date = days.back().Date;
    state.Season = SeasonOfMonth(state.Date.Month);
    state.HistoryDays = static_cast<uint32_t>(days.size());
    colony.LoadState(state, std::move(days));
}
