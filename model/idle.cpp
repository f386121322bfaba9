#include "idle.h"

#include "base/numbers.h"
#include "describe.h"
#include "game.h"

#include <QCoreApplication>
#include <algorithm>

TIdleReason IdleReasonOf(const TBase& base) {
    if (base.BuildDays != 0)
        return TIdleReason::Building;
    if (base.Blocked)
        return TIdleReason::Blocked;
    if (!base.Kind->WorksIn(base.Game->Season))
        return TIdleReason::Season;
    if (base.Status & bsLacksGoods)
        return TIdleReason::Goods;
    if (base.Status & bsLacksWorkers)
        return TIdleReason::Workers;
    return TIdleReason::Working;
}

namespace {

// The people without work when the day came to the building: the workers of
// every working building after it in the list were handed out before its
// turn, those of the buildings before it after.
int32_t FreeWorkersAt(const TGame& game, const TBase& base) {
    int64_t free = static_cast<int64_t>(game.People) - game.Employed;
    for (const auto& other : game.Buildings()) {
        if (other.get() == &base)
            break;
        if (IdleReasonOf(*other) == TIdleReason::Working)
            free += other->Kind->NeedWorkers;
    }
    return ClampToInt32(std::max<int64_t>(free, 0));
}

} // namespace

TResources GoodsShort(const TBaseType& kind, const TResources& stock) {
    TResources lacks;
    for (int good = 0; good < GoodsCount; ++good)
        lacks[good] = ClampToInt32(
            std::max<int64_t>(static_cast<int64_t>(kind.Consume[good]) - stock[good], 0));
    return lacks;
}

TWhyIdle WhyIdle(const TGame& game, const TBase* base) {
    TWhyIdle why;
    if (!base)
        return why;
    why.Reason = IdleReasonOf(*base);
    switch (why.Reason) {
    case TIdleReason::Building: {
        const int32_t days = base->BuildDays;
        const bool improved = game.Cell(base->Column, base->Row).Improved != 0;
        why.DaysLeft = improved ? days / 2 + days % 2 : days;
        break;
    }
    case TIdleReason::Goods:
        why.Short = GoodsShort(*base->Kind, game.Stock);
        break;
    case TIdleReason::Workers:
        why.NeedWorkers = base->Kind->NeedWorkers;
        why.FreeWorkers = FreeWorkersAt(game, *base);
        break;
    default:
        break;
    }
    return why;
}

QString WhyIdleText(const TWhyIdle& why) {
    switch (why.Reason) {
    case TIdleReason::Building:
        // The line before it already counts the days left: ", строится, 12".
        return QString();
    case TIdleReason::Blocked:
        return QCoreApplication::translate("Idle", " — заблокировано");
    case TIdleReason::Season:
        return QCoreApplication::translate("Idle", " — не его сезон");
    case TIdleReason::Goods: {
        QString list;
        for (int good = 0; good < GoodsCount; ++good)
            if (why.Short[good] > 0)
                AddToList(list,
                          GoodName(good).toLower() + QLatin1Char(' ') + NumToStr(why.Short[good]));
        // The day's producers may have filled the stock since it went without.
        return list.isEmpty() ? QCoreApplication::translate("Idle", " — не хватало ресурсов")
                              : QCoreApplication::translate("Idle", " — не хватает: ") + list;
    }
    case TIdleReason::Workers:
        return QCoreApplication::translate("Idle", " — не хватает рабочих: нужно %1, свободно %2")
            .arg(NumToStr(why.NeedWorkers), NumToStr(why.FreeWorkers));
    default:
        return QString();
    }
}

void TWaitingTally::Add(const TBase& base) {
    const QPoint cell(base.Column, base.Row);
    if ((base.Status & bsLacksGoods) != 0) {
        // The types that wait are few: a look along them is the cheapest.
        auto type = std::ranges::find(ForGoods, base.Kind, &TType::Kind);
        if (type == ForGoods.end())
            type = ForGoods.insert(ForGoods.end(), {base.Kind, 0, cell});
        ++type->Count;
    } else if ((base.Status & bsLacksWorkers) != 0) {
        if (ForWorkers++ == 0)
            NewestForWorkers = cell;
        WorkPlaces += base.Kind->NeedWorkers;
    }
}

TWaitingTally TallyWaiting(const TGame& game) {
    TWaitingTally tally;
    const auto& buildings = game.Buildings();
    for (size_t i = buildings.size(); i-- > 0;) {
        const TIdleReason reason = IdleReasonOf(*buildings[i]);
        if (reason == TIdleReason::Goods || reason == TIdleReason::Workers)
            tally.Add(*buildings[i]);
    }
    return tally;
}
