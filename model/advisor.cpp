#include "model/advisor.h"

#include "base/numbers.h"
#include "model/describe.h"
#include "model/game.h"
#include "model/history.h"
#include "model/idle.h"
#include "model/nextday.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

// The subjects of the kinds that warn of two things.
enum : int32_t { WithoutWorkers = 0, WithoutWork = 1 };
enum : int32_t { HealthFalling = 0, HealthLow = 1 };
enum : int32_t { TaxShort = 0, UpkeepShort = 1 };
// The forms of their texts.
enum : uint8_t { YearlyTax = 0, MainTax = 1 };
enum : uint8_t { MedianFuture = 0, WorstFutures = 1 };

// So many people without work, or more, are worth a word.
constexpr int32_t IdlePeopleAdvice = 5;
// Health is watched over the last month of days, and a fall that would take
// it below the line within a season is worth a word.
constexpr size_t HealthTrendDays = 30;
constexpr int32_t HealthWarnDays = 90;
// A tax paid in fewer futures than this share (in percent) is worth a word.
constexpr int TaxSurePercent = 90;

// What the waiting buildings lack, good by good: how many wait for it, what
// they would take a day and the newest one's cell.
struct TGoodsWaiting {
    std::array<int32_t, GoodsCount> Buildings{};
    TResources Needed;
    std::array<QPoint, GoodsCount> Newest;
};

TGoodsWaiting GoodsWaiting(const TGame& game, const TWaitingTally& tally) {
    TGoodsWaiting waiting;
    for (const TWaitingTally::TType& type : tally.ForGoods) {
        const TResources lacks = GoodsShort(*type.Kind, game.Stock);
        for (int good = 0; good < GoodsCount; ++good) {
            if (lacks[good] <= 0)
                continue;
            if (waiting.Buildings[good] == 0)
                waiting.Newest[good] = type.Newest;
            waiting.Buildings[good] = SaturatingAdd(waiting.Buildings[good], type.Count);
            const int64_t need =
                static_cast<int64_t>(std::max(type.Kind->Consume[good], lacks[good])) * type.Count;
            waiting.Needed[good] = SaturatingAdd(waiting.Needed[good], ClampToInt32(need));
        }
    }
    return waiting;
}

void AdviseHealth(const TGame& game, const THistory& history, std::vector<TAdvice>& advice) {
    if (game.People == 0)
        return;
    const int32_t health = game.Health;
    if (health < HealthForBirths) {
        advice.push_back({.Kind = TAdviceKind::Health,
                          .Subject = HealthLow,
                          .Count = health,
                          .Amount = HealthForBirths});
        return;
    }
    const std::span<const THistoryDay> days = history.Days();
    if (days.size() < 2)
        return;
    const size_t back = std::min(HealthTrendDays, days.size() - 1);
    const int32_t was = days[days.size() - 1 - back].Health;
    if (was <= health)
        return;
    // Days to the line at the month's pace of the fall, rounded up.
    const int64_t fall = was - health;
    const int64_t left =
        (static_cast<int64_t>(health - HealthForBirths) * static_cast<int64_t>(back) + fall - 1) /
        fall;
    if (left > HealthWarnDays)
        return;
    advice.push_back({.Kind = TAdviceKind::Health,
                      .Subject = HealthFalling,
                      .Count = health,
                      .Amount = HealthForBirths,
                      .Date = DaysAfter(game.Date, static_cast<int32_t>(left))});
}

} // namespace

std::vector<TAdvice> AdviseColony(const TGame& game, const THistory& history,
                                  const TWaitingTally& waiting) {
    std::vector<TAdvice> advice;
    const TGoodsWaiting goods = GoodsWaiting(game, waiting);
    for (int good = 0; good < GoodsCount; ++good)
        if (goods.Buildings[good] != 0)
            advice.push_back({.Kind = TAdviceKind::Goods,
                              .Subject = good,
                              .Count = goods.Buildings[good],
                              .Amount = goods.Needed[good],
                              .Cell = goods.Newest[good]});

    // The places as the last day counted them; a game with no day played
    // yet counts them now.
    const std::span<const THistoryDay> days = history.Days();
    const TGame::TPlaces places = !days.empty() && days.back().Date == game.Date
                                      ? TGame::TPlaces{days.back().Homes, days.back().Work}
                                      : game.TotalPlaces();
    if (waiting.ForWorkers > 0)
        advice.push_back({.Kind = TAdviceKind::Workers,
                          .Subject = WithoutWorkers,
                          .Count = waiting.ForWorkers,
                          .Amount = waiting.WorkPlaces,
                          .Cell = waiting.NewestForWorkers});
    else if (game.Unemployed() >= IdlePeopleAdvice && places.Work < game.People)
        advice.push_back(
            {.Kind = TAdviceKind::Workers, .Subject = WithoutWork, .Count = game.Unemployed()});

    if (game.People > 0 && game.People >= places.Homes)
        advice.push_back({.Kind = TAdviceKind::Homes, .Count = places.Homes});

    AdviseHealth(game, history, advice);
    return advice;
}

TForecastSettings AdviceForecastSettings(const TGameDate& today) {
    TForecastSettings settings;
    settings.Days = HorizonDays(TForecastHorizon::YearlyTax, today);
    return settings;
}

std::vector<TAdvice> AdviseMoney(const TForecast& forecast, const TGameDate& today) {
    std::vector<TAdvice> advice;
    // A forecast from a later day is of a path an undo has left.
    if (today < forecast.From)
        return advice;
    if (forecast.Tax && forecast.Tax->Asked > 0 && !(forecast.Tax->Date < today)) {
        const TForecastTax& tax = *forecast.Tax;
        const int percent = TaxPaidPercent(tax);
        if (percent < TaxSurePercent)
            advice.push_back({.Kind = TAdviceKind::Money,
                              .Subject = TaxShort,
                              .Form = tax.Main ? MainTax : YearlyTax,
                              .Count = tax.Amount,
                              .Amount = percent,
                              .Date = tax.Date});
    }
    // The first day the chest is empty, in the median future or else in the
    // worst tenth: the upkeep goes unpaid from then on.
    for (const uint8_t form : {MedianFuture, WorstFutures}) {
        for (size_t day = 1; day < forecast.Days.size(); ++day) {
            const TForecastBand& money = forecast.Days[day][ffMoney];
            const TGameDate date = DaysAfter(forecast.From, static_cast<int32_t>(day));
            if ((form == MedianFuture ? money.Median : money.Low) > 0 || date < today)
                continue;
            advice.push_back(
                {.Kind = TAdviceKind::Money, .Subject = UpkeepShort, .Form = form, .Date = date});
            return advice;
        }
    }
    return advice;
}

const TAdvice* NewWarning(std::span<const TAdvice> before, std::span<const TAdvice> now,
                          const TAdviceStops& stops) {
    for (const TAdvice& advice : now)
        if (stops[advice.Kind] && std::ranges::none_of(before, [&](const TAdvice& old) {
                return old.SameWarning(advice);
            }))
            return &advice;
    return nullptr;
}

QString TAdvice::Text() const {
    const int n = ClampToInt32(Count);
    switch (Kind) {
    case TAdviceKind::Money:
        if (Subject == TaxShort)
            return (Form == MainTax ? QCoreApplication::translate(
                                          "Advisor", "Главный налог %1 (%2): хватит в %3 % исходов")
                                    : QCoreApplication::translate(
                                          "Advisor", "Налог %1 (%2): хватит в %3 % исходов"))
                .arg(DateText(Date), NumToStr(Count))
                .arg(Amount);
        return (Form == WorstFutures
                    ? QCoreApplication::translate(
                          "Advisor",
                          "В худших исходах деньги кончатся %1: нечем платить содержание")
                    : QCoreApplication::translate(
                          "Advisor",
                          "В среднем исходе деньги кончатся %1: нечем платить содержание"))
            .arg(DateText(Date));
    case TAdviceKind::Goods:
        return QCoreApplication::translate("Advisor", "%1: стоят %n зданий, нужно %2 в день",
                                           nullptr, n)
            .arg(GoodName(Subject), NumToStr(Amount));
    case TAdviceKind::Workers:
        if (Subject == WithoutWorkers)
            return QCoreApplication::translate(
                       "Advisor", "Не хватает рабочих: стоят %n зданий, свободных мест — %1",
                       nullptr, n)
                .arg(NumToStr(Amount));
        return QCoreApplication::translate(
            "Advisor", "Без работы %n человек: рабочих мест не хватает", nullptr, n);
    case TAdviceKind::Homes:
        return QCoreApplication::translate("Advisor",
                                           "Все места в домах заняты (%1): родившимся негде жить")
            .arg(NumToStr(Count));
    case TAdviceKind::Health:
        if (Subject == HealthLow)
            return QCoreApplication::translate(
                       "Advisor", "Здоровье %1, ниже %2: никто не рождается, люди уходят")
                .arg(Count)
                .arg(Amount);
        return QCoreApplication::translate("Advisor",
                                           "Здоровье падает: %1, ниже %2 станет около %3")
            .arg(Count)
            .arg(Amount)
            .arg(DateText(Date));
    }
    return QString();
}
