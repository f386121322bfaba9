#pragma once

#include "model/advicekind.h"
#include "model/forecast.h"
#include "model/gamedate.h"
#include "model/idle.h"

#include <QPoint>
#include <QString>
#include <cstdint>
#include <span>
#include <vector>

class TGame;
class THistory;

// One warning. Its subject tells apart the warnings of one kind (the good a
// building waits for, the tax or the upkeep), so that a warning whose figures
// change from day to day is still the same warning. It keeps the figures its
// text tells, and the text is made only when it is read.
struct TAdvice {
    TAdviceKind Kind = TAdviceKind::Money;
    int32_t Subject = 0;
    // Which of the subject's texts tells it: the main tax rather than the
    // yearly one, the worst futures rather than the median one.
    uint8_t Form = 0;
    // The buildings, people, places or health, or the tax's amount.
    int64_t Count = 0;
    // What the buildings would take a day, the free places, the line health
    // is falling to, or the share of futures that pay the tax.
    int64_t Amount = 0;
    // The tax's day, the day the chest runs dry or health reaches the line.
    TGameDate Date{};
    // The cell to go to, the newest building the warning is about; none for
    // a warning about the whole colony.
    QPoint Cell{-1, -1};

    bool HasCell() const { return Cell.x() >= 0; }
    bool SameWarning(const TAdvice& other) const {
        return Kind == other.Kind && Subject == other.Subject;
    }
    // The warning as the advisor's window and the simulator tell it.
    QString Text() const;
};

// The warnings the colony's own state gives, as the last day left it: every
// kind but money, from a look at the history and at the buildings that wait
// for goods or workers.
std::vector<TAdvice> AdviseColony(const TGame& game, const THistory& history,
                                  const TWaitingTally& waiting);

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
