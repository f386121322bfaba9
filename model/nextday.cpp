#include "nextday.h"

#include "base/numbers.h"
#include "game.h"
#include "random.h"

#include <algorithm>
#include <bit>
#include <functional>
#include <utility>
#include <vector>

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
bool Chance(TRandom& random, int32_t n) {
    return RandomBelow(random, n) == 0;
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
        game.Health = std::max(game.Health - 1 - RandomBelow(game.Random, HungerHealthLoss), 0);
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
            Chance(game.Random, health == HealthForBirths ? RareBirthChance : BirthChance)) {
            game.People = SaturatingAdd(game.People, 1);
            result.Births = SaturatingAdd(result.Births, 1);
        }
        const bool leaves = health < HealthForBirths
                                ? (health == 0 || Chance(game.Random, health) ||
                                   Chance(game.Random, DepartureChance))
                                : Chance(game.Random, DepartureChance);
        if (leaves) {
            game.People -= 1;
            result.Departures += 1;
        }
    }
}

// Wear of one day by the season, in days of life. A day of summer, spring or
// autumn wears one, which improved land spares now and then; a winter day
// wears 0 to 2, and on land not improved the frost mostly adds two more.
int32_t Wear(TRandom& random, int season, bool improved) {
    switch (season) {
    case ssSummer:
        return improved && Chance(random, SummerSpareChance) ? 0 : 1;
    case ssWinter: {
        const int32_t wear = RandomBelow(random, WinterWearRange);
        if (improved || Chance(random, MildWinterDayChance))
            return wear;
        return wear + FrostDays;
    }
    default:
        return improved && Chance(random, SpringAutumnSpareChance) ? 0 : 1;
    }
}

bool HasFoundingBuilding(const TGame& game) {
    const TBaseType* founder = &game.Catalogue.front();
    return std::any_of(game.Buildings().begin(), game.Buildings().end(),
                       [founder](const auto& b) { return b->Kind == founder; });
}

// A set of goods, one bit a good.
using TGoodsSet = uint16_t;
static_assert(GoodsCount <= 16);

// Calls visit(good) for each good of the set, in goods order.
template <typename TVisit> void ForEachGood(TGoodsSet goods, TVisit visit) {
    for (; goods != 0; goods &= static_cast<TGoodsSet>(goods - 1))
        visit(std::countr_zero(goods));
}

// What the day asks of a type of building, worked out once a day instead of
// once a building: the goods it takes and makes, and whether it works in the
// season.
struct TDayType {
    TGoodsSet Takes = 0;
    TGoodsSet Makes = 0;
    bool Works = false;
};

class TDayTypes {
public:
    TDayTypes(const TBaseTypeList& catalogue, int season) : catalogue_(catalogue), season_(season) {
        types_.reserve(catalogue.size());
        for (const TBaseType& kind : catalogue)
            types_.push_back(Of(kind));
    }

    // A type of the catalogue from the table; another type (a test's, say)
    // worked out on the spot.
    TDayType operator[](const TBaseType& kind) const {
        const TBaseType* first = catalogue_.data();
        const std::less<const TBaseType*> before;
        if (!before(&kind, first) && before(&kind, first + catalogue_.size()))
            return types_[static_cast<size_t>(&kind - first)];
        return Of(kind);
    }

private:
    TDayType Of(const TBaseType& kind) const {
        TDayType type;
        for (int good = 0; good < GoodsCount; ++good) {
            const TGoodsSet bit = static_cast<TGoodsSet>(1u << good);
            if (kind.Consume[good] != 0)
                type.Takes |= bit;
            if (kind.Profit[good] != 0 || kind.ProfitRange[good] != 0)
                type.Makes |= bit;
        }
        type.Works = kind.WorksIn(season_);
        return type;
    }

    const TBaseTypeList& catalogue_;
    int season_;
    std::vector<TDayType> types_;
};

// The goods whose stock is below nothing, which no building's needs cover.
TGoodsSet GoodsBelowZero(const TResources& stock) {
    TGoodsSet goods = 0;
    for (int good = 0; good < GoodsCount; ++good)
        if (stock[good] < 0)
            goods |= static_cast<TGoodsSet>(1u << good);
    return goods;
}

// Gives the building its workers and goods for the day if it works in the
// season and they are there; free is the number of people still without
// work. The stock covers the building's needs when it holds every good the
// building takes and no other good is below nothing; belowZero keeps the
// latter as the goods taken change.
void Supply(TBase& base, TDayType type, int season, TResources& stock, TGoodsSet& belowZero,
            int32_t& free) {
    base.Status = 0;
    if (!base.IsWorkingIn(season))
        return;
    const TBaseType& kind = *base.Kind;
    bool covered = (belowZero & ~type.Takes) == 0;
    ForEachGood(type.Takes,
                [&](int good) { covered = covered && stock[good] >= kind.Consume[good]; });
    if (!covered) {
        base.Status |= bsLacksGoods;
        return;
    }
    if (kind.NeedWorkers > free) {
        base.Status |= bsLacksWorkers;
        return;
    }
    free -= kind.NeedWorkers;
    // Only the goods it uses: the others would take nothing away.
    ForEachGood(type.Takes, [&](int good) {
        stock[good] = SaturatingSub(stock[good], kind.Consume[good]);
        const TGoodsSet bit = static_cast<TGoodsSet>(1u << good);
        belowZero = stock[good] < 0 ? belowZero | bit : belowZero & ~bit;
    });
}

// Construction, production and wear of one building for the day.
void DailyWork(TBase& base, TDayType type, int season, TGame& game) {
    const TBaseType& kind = *base.Kind;
    const bool improved = std::as_const(game).Cell(base.Column, base.Row).Improved != 0;
    if (base.BuildDays != 0) {
        base.BuildDays -= 1;
        if (base.BuildDays != 0 && improved)
            base.BuildDays -= 1;
        return;
    }
    if (type.Works && !base.Blocked && base.Status == 0) {
        // Each good it makes, drawn around its profit in goods order.
        ForEachGood(type.Makes, [&](int good) {
            game.Stock[good] =
                SaturatingAdd(game.Stock[good],
                              RandomAround(game.Random, kind.Profit[good], kind.ProfitRange[good]));
        });
    }
    if (kind.LiveYears == 0)
        return;
    base.LifeDays = SaturatingSub(base.LifeDays, Wear(game.Random, season, improved));
}

} // namespace

TDayResult NextDay(TGame& game) {
    TDayResult result;
    PayUpkeep(game);
    BirthsAndDepartures(game, result);

    const int season = game.Season;
    const TDayTypes types(game.Catalogue, season);
    int32_t free = game.People;
    TGoodsSet belowZero = GoodsBelowZero(game.Stock);
    for (size_t i = game.Buildings().size(); i-- > 0;) {
        TBase& base = *game.Buildings()[i];
        Supply(base, types[*base.Kind], season, game.Stock, belowZero, free);
        if (base.Status != 0)
            result.Waiting.Add(base);
    }
    game.Employed = game.People - free;

    // The places in the homes that stand at the end of the day, counted as
    // the day passes over them by the rule of TGame::TotalPlaces.
    int64_t homePlaces = 0;
    for (size_t i = game.Buildings().size(); i-- > 0;) {
        TBase* base = game.Buildings()[i].get();
        const TDayType type = types[*base->Kind];
        DailyWork(*base, type, season, game);
        if (base->LifeDays < 0) {
            game.RemoveBase(base);
            result.Destroyed += 1;
        } else if (base->IsWorkingIn(season)) {
            homePlaces += base->Kind->HomePlaces;
        }
    }

    const int32_t homes = ClampToInt32(homePlaces);
    if (game.People > homes) {
        result.Departures = SaturatingAdd(result.Departures, game.People - homes);
        game.People = homes;
        result.Homeless = true;
    }

    game.AgeRuins();

    if (!HasFoundingBuilding(game)) {
        game.SetMoney(TMoneyFlow::FounderLoss, 0);
        ClearResources(game.Stock);
    }

    const uint8_t oldSeason = game.Season;
    SetDay(game.Date, game.Date.Day + 1);
    game.Season = SeasonOfMonth(game.Date.Month);
    result.SeasonChanged = game.Season != oldSeason;
    // A waiting building the day wore out, or whose season is over, waits no
    // more: the tally is taken again from the buildings as they stand.
    if (!result.Waiting.Empty() && (result.Destroyed != 0 || result.SeasonChanged))
        result.Waiting = TallyWaiting(game);
    return result;
}
