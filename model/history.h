#pragma once

#include "gamedate.h"
#include "goods.h"

#include <QByteArray>
#include <cstdint>
#include <span>
#include <vector>

class TGame;

// The colony as it stood after one day's turn. Fixed-width fields only: a
// colony of two hundred years keeps some seventy thousand of these.
struct THistoryDay {
    TGameDate Date;
    int32_t Money = 0;
    int32_t People = 0;
    int32_t Health = 0;
    int32_t Employed = 0;
    int32_t Homes = 0; // places in the homes
    int32_t Work = 0;  // work places
    TResources Stock;
    int32_t Buildings = 0;
    // Everything the market has paid and taken since the account began, so
    // that the difference of two days is the trade between them.
    int64_t Sold = 0;
    int64_t Bought = 0;

    bool operator==(const THistoryDay&) const = default;
};

// The colony's days, one after each turn, oldest first.
class THistory {
public:
    // Adds the day that has just been played. Days kept for a redo are
    // dropped: a new turn means they will not come back.
    void Record(const TGame& game);

    std::span<const THistoryDay> Days() const { return {days_.data(), count_}; }
    size_t Count() const { return count_; }
    // Goes back or forward to a count of days that an undo step recorded;
    // the days past it stay kept for a redo.
    void Rewind(size_t count) { count_ = std::min(count, days_.size()); }
    // A loaded game's days.
    void Assign(std::vector<THistoryDay> days);

private:
    std::vector<THistoryDay> days_;
    size_t count_ = 0;
};

// The days as a spreadsheet's text: a header line, then one line a day.
QByteArray HistoryCsv(std::span<const THistoryDay> days);
