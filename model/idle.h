#pragma once

#include "goods.h"

#include <QPoint>
#include <QString>
#include <cstdint>
#include <vector>

class TBase;
class TGame;
struct TBaseType;

// Why a building works or not today, in the order the day looks at it: a
// building under construction, blocked or out of its season does not ask for
// anything; one in work lacks goods before it lacks workers.
enum class TIdleReason : uint8_t { None, Working, Building, Blocked, Season, Goods, Workers };

// The reason alone, from the building's own state as the last day left it:
// cheap enough for every cell of a painted map.
TIdleReason IdleReasonOf(const TBase& base);

// The reason with its figures.
struct TWhyIdle {
    TIdleReason Reason = TIdleReason::None;
    // Building: the days until it works, improved land building twice as fast.
    int32_t DaysLeft = 0;
    // Goods: how much of each good the stock as it stands lacks for a day of
    // work; a good the building does not take is short by how far it is
    // below nothing, since such a stock stops every building that does not
    // make up for it.
    TResources Short;
    // Workers: how many it needs, and how many were free when its turn came
    // in the day's handing out of workers (the newest buildings first).
    int32_t NeedWorkers = 0;
    int32_t FreeWorkers = 0;
};

// How much of each good the stock lacks for a day of a type's work, as
// TWhyIdle::Short counts it.
TResources GoodsShort(const TBaseType& kind, const TResources& stock);

// Why the building works or not today; the reason None for no building.
TWhyIdle WhyIdle(const TGame& game, const TBase* base);

// The reason as the status line appends it to the building's description,
// " — не хватает: уголь 4, железо 2"; empty for no building and for one at
// work, and for one being built, whose description counts its days.
QString WhyIdleText(const TWhyIdle& why);

// The buildings that wait for goods or for workers, met newest first: the
// day tallies them as it hands out goods and workers, and a pass over the
// buildings does the same for a colony that a command has changed since.
struct TWaitingTally {
    // The buildings of one type that wait for goods, with the newest one's
    // cell: what they lack depends on the type and the stock alone.
    struct TType {
        const TBaseType* Kind = nullptr;
        int32_t Count = 0;
        QPoint Newest;
        bool operator==(const TType&) const = default;
    };
    std::vector<TType> ForGoods; // in the order their newest one was met
    int32_t ForWorkers = 0;
    int64_t WorkPlaces = 0; // the places of those waiting for workers
    QPoint NewestForWorkers;

    // One more building, waiting as its status says.
    void Add(const TBase& base);
    bool Empty() const { return ForGoods.empty() && ForWorkers == 0; }
    bool operator==(const TWaitingTally&) const = default;
};

// The tally of the buildings as the last day left them, by their reasons.
TWaitingTally TallyWaiting(const TGame& game);
