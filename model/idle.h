#pragma once

#include "goods.h"

#include <QString>
#include <cstdint>

class TBase;
class TGame;

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

// Why the building works or not today; the reason None for no building.
TWhyIdle WhyIdle(const TGame& game, const TBase* base);

// The reason as the status line appends it to the building's description,
// " — не хватает: уголь 4, железо 2"; empty for no building and for one at
// work, and for one being built, whose description counts its days.
QString WhyIdleText(const TWhyIdle& why);
