#include "nextday.h"

#include "base/numbers.h"
#include "game.h"
#include "random.h"

#include <algorithm>

namespace {

constexpr int32_t RareBirthChance = 14560;
constexpr int32_t BirthChance = 3640;
constexpr int32_t DepartureChance = 25480;
// A day without the upkeep costs up to this much health.
constexpr int32_t HungerHealthLoss = 5;
// Improved land spares a building a day's wear with chance 1/n.
constexpr int32_t SummerSpareChance = 3;
constexpr int32_t SpringAutumnSpareChance = 5;
// Winter wears 0 .. range - 1 days; land not improved takes the frost's
// days more, unless the day is mild (chance 1/n).
constexpr int32_t WinterWearRange = 3;
constexpr int32_t MildWinterDayChance = 4;
constexpr int32_t FrostDays = 2;

// True with chance 1/n.
bool Chance(int32_t n) {
    return RandomBelow(n) == 0;
}

// Below full health, a second payment of the day's upkeep buys a point of
// health back, when the money is there.
void BuyHealth(TGame& game, int64_t cost) {
    if (game.Health < TGame::MaxHealth && game.Money >= cost) {
        game.SetMoney(TMoneyFlow::Health, ClampToInt32(game.Money - cost));
        game.Health += 1;
    }
}

// Each person costs the upkeep a day. Without the money for it, the chest is
// emptied and health falls by 1 to HungerHealthLoss.
void PayUpkeep(TGame& game) {
    const int64_t cost = static_cast<int64_t>(game.Upkeep) * game.People;
    if (game.Money < cost) {
        game.SetMoney(TMoneyFlow::Upkeep, 0);
        game.Health = std::max(game.Health - 1 - RandomBelow(HungerHealthLoss), 0);
        return;
    }
    game.SetMoney(TMoneyFlow::Upkeep, ClampToInt32(game.Money - cost));
    BuyHealth(game, cost);
}

// Each person of the morning may be born to or leave the colony once; the
// count does not follow the changes made during the loop.
void BirthsAndDepartures(TGame& game, TDayResult& result) {
    const int32_t health = game.Health;
    const int32_t persons = game.People;
    for (int32_t i = 0; i < persons; ++i) {
        if (health >= HealthForBirths &&
            Chance(health == HealthForBirths ? RareBirthChance : BirthChance)) {
            game.People = SaturatingAdd(game.People, 1);
            result.Births = SaturatingAdd(result.Births, 1);
        }
        const bool leaves = health < HealthForBirths
                                ? (health == 0 || Chance(health) || Chance(DepartureChance))
                                : Chance(DepartureChance);
        if (leaves) {
            game.People -= 1;
            result.Departures += 1;
        }
    }
}

// Wear of one day by the season, in days of life. A day of summer, spring or
// autumn wears one, which improved land spares now and then; a winter day
// wears 0 to 2, and on land not improved the frost mostly adds two more.
int32_t Wear(int season, bool improved) {
    switch (season) {
    case ssSummer:
        return improved && Chance(SummerSpareChance) ? 0 : 1;
    case ssWinter: {
        const int32_t wear = RandomBelow(WinterWearRange);
        if (improved || Chance(MildWinterDayChance))
            return wear;
        return wear + FrostDays;
    }
    default:
        return improved && Chance(SpringAutumnSpareChance) ? 0 : 1;
    }
}

bool HasFoundingBuilding(const TGame& game) {
    const TBaseType* founder = &game.Catalogue.front();
    return std::any_of(game.Buildings().begin(), game.Buildings().end(),
                       [founder](const auto& b) { return b->Kind == founder; });
}

// Gives the building its workers and goods for the day if it works in the
// season and they are there; free is the number of people still without work.
void Supply(TBase& base, int season, TResources& stock, int32_t& free) {
    base.Status = 0;
    if (!base.IsWorkingIn(season))
        return;
    const TBaseType& kind = *base.Kind;
    if (!Covers(stock, kind.Consume)) {
        base.Status |= bsLacksGoods;
        return;
    }
    if (kind.NeedWorkers > free) {
        base.Status |= bsLacksWorkers;
        return;
    }
    free -= kind.NeedWorkers;
    // Only the goods it uses: the others would take nothing away.
    for (int good = 0; good < GoodsCount; ++good)
        if (kind.Consume[good] != 0)
            stock[good] = SaturatingSub(stock[good], kind.Consume[good]);
}

// Construction, production and wear of one building for the day.
void DailyWork(TBase& base, int season, TGame& game) {
    const TBaseType& kind = *base.Kind;
    const bool improved = game.Cell(base.Column, base.Row).Improved != 0;
    if (base.BuildDays != 0) {
        base.BuildDays -= 1;
        if (base.BuildDays != 0 && improved)
            base.BuildDays -= 1;
        return;
    }
    if (kind.WorksIn(season) && !base.Blocked && base.Status == 0) {
        // Each good it makes, drawn around its profit in goods order.
        for (int good = 0; good < GoodsCount; ++good)
            if (kind.Profit[good] != 0 || kind.ProfitRange[good] != 0)
                game.Stock[good] = SaturatingAdd(
                    game.Stock[good], RandomAround(kind.Profit[good], kind.ProfitRange[good]));
    }
    if (kind.LiveYears == 0)
        return;
    base.LifeDays = SaturatingSub(base.LifeDays, Wear(season, improved));
}

} // namespace

void FadeRuins(std::span<TCellState> cells) {
    for (TCellState& cell : cells)
        if (cell.Ruins > 0)
            cell.Ruins -= 1;
}

TDayResult NextDay(TGame& game) {
    TDayResult result;
    PayUpkeep(game);
    BirthsAndDepartures(game, result);

    const int season = game.Season;
    int32_t free = game.People;
    for (size_t i = game.Buildings().size(); i-- > 0;)
        Supply(*game.Buildings()[i], season, game.Stock, free);
    game.Employed = game.People - free;

    for (size_t i = game.Buildings().size(); i-- > 0;) {
        TBase* base = game.Buildings()[i].get();
        DailyWork(*base, season, game);
        if (base->LifeDays < 0) {
            game.RemoveBase(base);
            result.Destroyed += 1;
        }
    }

    const int32_t homes = game.TotalHomePlaces();
    if (game.People > homes) {
        result.Departures = SaturatingAdd(result.Departures, game.People - homes);
        game.People = homes;
        result.Homeless = true;
    }

    FadeRuins(game.Cells());

    if (!HasFoundingBuilding(game)) {
        game.SetMoney(TMoneyFlow::FounderLoss, 0);
        ClearResources(game.Stock);
    }

    const uint8_t oldSeason = game.Season;
    SetDay(game.Date, game.Date.Day + 1);
    game.Season = SeasonOfMonth(game.Date.Month);
    result.SeasonChanged = game.Season != oldSeason;
    return result;
}
