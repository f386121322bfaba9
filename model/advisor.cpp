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

// So many people without work, or more, are worth a word.
constexpr int32_t IdlePeopleAdvice = 5;
// Health is watched over the last month of days, and a fall that would take
// it below the line within a season is worth a word.
constexpr size_t HealthTrendDays = 30;
constexpr int32_t HealthWarnDays = 90;
// A tax paid in fewer futures than this share (in percent) is worth a word.
constexpr int TaxSurePercent = 90;

// What the buildings wait for, gathered in one pass, newest first as the
// day hands out goods and workers.
struct TWaiting {
    std::array<int32_t, GoodsCount> ForGoods{}; // buildings
    TResources Needed;                          // what they would take a day
    std::array<QPoint, GoodsCount> FirstForGoods;
    int32_t ForWorkers = 0;
    int64_t WorkPlaces = 0;
    QPoint FirstForWorkers;
};

// The buildings of one type idle for goods: what the type lacks depends on
// the stock alone, so it is asked once a type.
struct TTypeWaiting {
    const TBaseType* Kind = nullptr;
    int32_t Count = 0;
    size_t First = 0; // the newest one's place in the list
};

TWaiting Waiting(const TGame& game) {
    TWaiting waiting;
    std::vector<TTypeWaiting> types;
    const auto& buildings = game.Buildings();
    for (size_t i = buildings.size(); i-- > 0;) {
        const TBase& base = *buildings[i];
        if (base.Status == 0)
            continue;
        switch (IdleReasonOf(base)) {
        case TIdleReason::Goods: {
            auto type = std::ranges::find(types, base.Kind, &TTypeWaiting::Kind);
            if (type == types.end())
                type = types.insert(types.end(), {base.Kind, 0, i});
            ++type->Count;
            break;
        }
        case TIdleReason::Workers:
            if (waiting.ForWorkers++ == 0)
                waiting.FirstForWorkers = QPoint(base.Column, base.Row);
            waiting.WorkPlaces += base.Kind->NeedWorkers;
            break;
        default:
            break;
        }
    }
    // The types in the order their newest idle building was met.
    for (const TTypeWaiting& type : types) {
        const TBase& first = *buildings[type.First];
        const TResources lacks = WhyIdle(game, &first).Short;
        for (int good = 0; good < GoodsCount; ++good) {
            if (lacks[good] <= 0)
                continue;
            if (waiting.ForGoods[good] == 0)
                waiting.FirstForGoods[good] = QPoint(first.Column, first.Row);
            waiting.ForGoods[good] = SaturatingAdd(waiting.ForGoods[good], type.Count);
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
        advice.push_back({TAdviceKind::Health, HealthLow,
                          QCoreApplication::translate(
                              "Advisor", "Здоровье %1, ниже %2: никто не рождается, люди уходят")
                              .arg(health)
                              .arg(HealthForBirths)});
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
    advice.push_back(
        {TAdviceKind::Health, HealthFalling,
         QCoreApplication::translate("Advisor", "Здоровье падает: %1, ниже %2 станет около %3")
             .arg(health)
             .arg(HealthForBirths)
             .arg(DateText(DaysAfter(game.Date, static_cast<int32_t>(left))))});
}

} // namespace

std::vector<TAdvice> AdviseColony(const TGame& game, const THistory& history, bool buildingsWait) {
    std::vector<TAdvice> advice;
    const TWaiting waiting = buildingsWait ? Waiting(game) : TWaiting();
    for (int good = 0; good < GoodsCount; ++good) {
        const int32_t buildings = waiting.ForGoods[good];
        if (buildings == 0)
            continue;
        const QString text = QCoreApplication::translate(
            "Advisor", "%1: стоят %n зданий, нужно %2 в день", nullptr, buildings);
        advice.push_back({TAdviceKind::Goods, good,
                          text.arg(GoodName(good), NumToStr(waiting.Needed[good])),
                          waiting.FirstForGoods[good]});
    }

    // The places as the last day counted them; a game with no day played
    // yet counts them now.
    const std::span<const THistoryDay> days = history.Days();
    const TGame::TPlaces places = !days.empty() && days.back().Date == game.Date
                                      ? TGame::TPlaces{days.back().Homes, days.back().Work}
                                      : game.TotalPlaces();
    if (waiting.ForWorkers > 0)
        advice.push_back({TAdviceKind::Workers, WithoutWorkers,
                          QCoreApplication::translate(
                              "Advisor", "Не хватает рабочих: стоят %n зданий, свободных мест — %1",
                              nullptr, waiting.ForWorkers)
                              .arg(NumToStr(waiting.WorkPlaces)),
                          waiting.FirstForWorkers});
    else if (game.Unemployed() >= IdlePeopleAdvice && places.Work < game.People)
        advice.push_back({TAdviceKind::Workers, WithoutWork,
                          QCoreApplication::translate(
                              "Advisor", "Без работы %n человек: рабочих мест не хватает", nullptr,
                              game.Unemployed())});

    if (game.People > 0 && game.People >= places.Homes)
        advice.push_back({TAdviceKind::Homes, 0,
                          QCoreApplication::translate(
                              "Advisor", "Все места в домах заняты (%1): родившимся негде жить")
                              .arg(NumToStr(places.Homes))});

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
            advice.push_back(
                {TAdviceKind::Money, TaxShort,
                 (tax.Main ? QCoreApplication::translate(
                                 "Advisor", "Главный налог %1 (%2): хватит в %3 % исходов")
                           : QCoreApplication::translate("Advisor",
                                                         "Налог %1 (%2): хватит в %3 % исходов"))
                     .arg(DateText(tax.Date), NumToStr(tax.Amount))
                     .arg(percent)});
    }
    // The first day the chest is empty, in the median future or else in the
    // worst tenth: the upkeep goes unpaid from then on.
    for (const bool median : {true, false}) {
        for (size_t day = 1; day < forecast.Days.size(); ++day) {
            const TForecastBand& money = forecast.Days[day][ffMoney];
            const TGameDate date = DaysAfter(forecast.From, static_cast<int32_t>(day));
            if ((median ? money.Median : money.Low) > 0 || date < today)
                continue;
            advice.push_back(
                {TAdviceKind::Money, UpkeepShort,
                 (median ? QCoreApplication::translate(
                               "Advisor",
                               "В среднем исходе деньги кончатся %1: нечем платить содержание")
                         : QCoreApplication::translate(
                               "Advisor",
                               "В худших исходах деньги кончатся %1: нечем платить содержание"))
                     .arg(DateText(date))});
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
