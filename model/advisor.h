#pragma once

#include "model/advicekind.h"
#include "model/forecast.h"
#include "model/gamedate.h"

#include <QPoint>
#include <QString>
#include <cstdint>
#include <span>
#include <vector>

class TGame;
class THistory;

// One warning. Its subject tells apart the warnings of one kind (the good a
// building waits for, the tax or the upkeep), so that a warning whose figures
// change from day to day is still the same warning.
struct TAdvice {
    TAdviceKind Kind = TAdviceKind::Money;
    int32_t Subject = 0;
    QString Text;
    // The cell to go to, the first building the warning is about; none for a
    // warning about the whole colony.
    QPoint Cell{-1, -1};

    bool HasCell() const { return Cell.x() >= 0; }
    bool SameWarning(const TAdvice& other) const {
        return Kind == other.Kind && Subject == other.Subject;
    }
};

// The warnings the colony's own state gives, as the last day left it: every
// kind but money, from a look at the history and, unless the day found no
// building waiting for goods or workers, a pass over the buildings.
std::vector<TAdvice> AdviseColony(const TGame& game, const THistory& history,
                                  bool buildingsWait = true);

// The futures the advisor weighs the money by: the forecast's own, to the
// turn that asks the next tax.
TForecastSettings AdviceForecastSettings(const TGameDate& today);

// The money warnings of a forecast of the colony: the next tax, when fewer
// than nine futures in ten can pay it, and the upkeep, when the money runs
// out before the tax in the median future or in the worst tenth. What the
// forecast saw before today, a run having gone past it, is left out.
std::vector<TAdvice> AdviseMoney(const TForecast& forecast, const TGameDate& today);

// The first warning of a kind that stops, among now, that was not among before.
const TAdvice* NewWarning(std::span<const TAdvice> before, std::span<const TAdvice> now,
                          const TAdviceStops& stops);
