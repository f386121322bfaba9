#pragma once

#include "model/advicekind.h"
#include "model/gamedate.h"
#include "model/messagekind.h"

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>
#include <span>

// Why a run of play on stopped: its limit, a tax refused before the day, a
// tax asked and paid, a goal done or failed, a message of a kind shown in a
// window (Kind), a new warning of the advisor, or the player.
enum class TRunStop : uint8_t { Limit, Refused, Tax, Goal, Message, Advice, Player };

struct TRunResult {
    int32_t Days = 0;
    TRunStop Stop = TRunStop::Limit;
    TMessageKind Kind = TMessageKind::Event;
    TAdviceKind Advice = TAdviceKind::Money; // the new warning's, for Advice
};

// How far the player lets a run go: to the day the next yearly tax is asked,
// 30 days, a year, or a date.
enum class TRunLimit : uint8_t { Tax, Month, Year, Date };

// The limits with their words in the settings and their names in the menu.
struct TRunLimitRow {
    TRunLimit Limit;
    const char* Key;
    const char* Name;
};
std::span<const TRunLimitRow> RunLimits();
std::optional<TRunLimit> RunLimitOfKey(QStringView key);

// The days a run may play from today to its limit: the day of the limit is
// the date the colony shows when it stops, the turn of a tax on that date not
// yet played. None when the date chosen is not after today.
std::optional<int32_t> DaysOfLimit(TRunLimit limit, const TGameDate& today, const TGameDate& until);

// Why the run stopped, for the status line: "Прошло 30 дней. Налог уплачен.".
QString RunStopText(const TRunResult& run, TRunLimit limit);
