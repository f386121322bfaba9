#pragma once

#include "game.h"
#include "gamedate.h"
#include "goods.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <span>
#include <string_view>
#include <type_traits>
#include <vector>

// The colony as it stood after one day's turn. Fixed-width fields only: a
// colony of two hundred years keeps some seventy thousand of these. Each
// field but the date is a row of HistoryFields below.
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

// What a day's figures are taken from: the colony after its turn, and the
// places of its buildings, counted in one pass for the two fields that show
// them.
struct THistorySource {
    const TGame& Game;
    TGame::TPlaces Places;
};

// One field of a history day and every place it goes: taken from the colony
// after the turn, one or more columns of the spreadsheet (the stock's are the
// goods), big-endian bytes in a save, a figure of the simulator's history
// line, the statistics' charts. Its values are whole numbers, one a column.
struct THistoryField {
    const char* Key;    // its name in the simulator's history line and in tests
    const char* Header; // its spreadsheet column; none for the stock, whose are the goods
    int Columns;        // one, or one a good
    int Bytes;          // of each column in a save
    uint32_t Since;     // the save format that brought it
    int64_t Low;        // the values a save may hold
    int64_t High;
    bool Printed; // in the simulator's history line
    bool Charted; // on a page of the statistics window
    int64_t (*Take)(const THistorySource& source, int column);
    int64_t (*Get)(const THistoryDay& day, int column);
    void (*Set)(THistoryDay& day, int column, int64_t value);

    // The spreadsheet's name of the column.
    QString ColumnName(int column) const;
};

namespace HistoryLayout {

// How a member of THistoryDay is laid out in columns: a number is one, the
// stock one a good.
template <typename T> struct TColumns {
    static_assert(std::is_same_v<T, int32_t> || std::is_same_v<T, int64_t>);
    static constexpr int Count = 1;
    static constexpr int Bytes = sizeof(T);
    static int64_t Get(const T& value, int) { return value; }
    static void Set(T& value, int, int64_t to) { value = static_cast<T>(to); }
};

template <> struct TColumns<TResources> {
    static constexpr int Count = GoodsCount;
    static constexpr int Bytes = sizeof(int32_t);
    static int64_t Get(const TResources& stock, int good) { return stock[good]; }
    static void Set(TResources& stock, int good, int64_t to) {
        stock[good] = static_cast<int32_t>(to);
    }
};

} // namespace HistoryLayout

// Where a field shows besides the spreadsheet and a save.
enum THistoryShown : int { hsNowhere = 0, hsPrinted = 1, hsCharted = 2 };

// The row of a member of THistoryDay: where it goes, how it is taken from
// the colony, the values a save may hold. The history began with save format
// 2; a field added later names the format that brought it.
template <auto Member>
constexpr THistoryField
HistoryFieldOf(const char* key, const char* header, int64_t low, int64_t high, int shown,
               int64_t (*take)(const THistorySource&, int), uint32_t since = 2) {
    using TLayout = HistoryLayout::TColumns<std::remove_cvref_t<decltype(THistoryDay{}.*Member)>>;
    return {key,
            header,
            TLayout::Count,
            TLayout::Bytes,
            since,
            low,
            high,
            (shown & hsPrinted) != 0,
            (shown & hsCharted) != 0,
            take,
            [](const THistoryDay& day, int column) { return TLayout::Get(day.*Member, column); },
            [](THistoryDay& day, int column, int64_t value) {
                TLayout::Set(day.*Member, column, value);
            }};
}

// The history's fields, in the order of the spreadsheet's columns, of a
// save's bytes and of the simulator's line. A new field is a row here and a
// new save format; the statistics window draws it where a page names it.
inline constexpr THistoryField HistoryFields[] = {
    HistoryFieldOf<&THistoryDay::Money>(
        "money", QT_TRANSLATE_NOOP("History", "Деньги"), 0, INT32_MAX, hsPrinted | hsCharted,
        [](const THistorySource& s, int) -> int64_t { return s.Game.Money; }),
    HistoryFieldOf<&THistoryDay::People>(
        "people", QT_TRANSLATE_NOOP("History", "Люди"), 0, INT32_MAX, hsPrinted | hsCharted,
        [](const THistorySource& s, int) -> int64_t { return s.Game.People; }),
    HistoryFieldOf<&THistoryDay::Health>(
        "health", QT_TRANSLATE_NOOP("History", "Здоровье"), 0, TGame::MaxHealth,
        hsPrinted | hsCharted,
        [](const THistorySource& s, int) -> int64_t { return s.Game.Health; }),
    HistoryFieldOf<&THistoryDay::Employed>(
        "employed", QT_TRANSLATE_NOOP("History", "Заняты"), 0, INT32_MAX, hsPrinted | hsCharted,
        [](const THistorySource& s, int) -> int64_t { return s.Game.Employed; }),
    HistoryFieldOf<&THistoryDay::Homes>(
        "homes", QT_TRANSLATE_NOOP("History", "Места в домах"), 0, INT32_MAX, hsPrinted | hsCharted,
        [](const THistorySource& s, int) -> int64_t { return s.Places.Homes; }),
    HistoryFieldOf<&THistoryDay::Work>(
        "work", QT_TRANSLATE_NOOP("History", "Рабочие места"), 0, INT32_MAX, hsPrinted | hsCharted,
        [](const THistorySource& s, int) -> int64_t { return s.Places.Work; }),
    HistoryFieldOf<&THistoryDay::Stock>(
        "stock", nullptr, INT32_MIN, INT32_MAX, hsPrinted | hsCharted,
        [](const THistorySource& s, int good) -> int64_t { return s.Game.Stock[good]; }),
    HistoryFieldOf<&THistoryDay::Buildings>(
        "buildings", QT_TRANSLATE_NOOP("History", "Строения"), 0, INT32_MAX, hsPrinted,
        [](const THistorySource& s, int) -> int64_t { return std::ssize(s.Game.Buildings()); }),
    HistoryFieldOf<&THistoryDay::Sold>(
        "sold", QT_TRANSLATE_NOOP("History", "Продано с начала"), 0, INT64_MAX, hsCharted,
        [](const THistorySource& s, int) { return s.Game.Account.Total(TMoneyFlow::Sales); }),
    HistoryFieldOf<&THistoryDay::Bought>(
        "bought", QT_TRANSLATE_NOOP("History", "Куплено с начала"), 0, INT64_MAX, hsCharted,
        [](const THistorySource& s, int) { return -s.Game.Account.Total(TMoneyFlow::Purchases); }),
};

// The field of the key; a key no field has does not compile.
consteval const THistoryField& HistoryField(std::string_view key) {
    for (const THistoryField& field : HistoryFields)
        if (key == field.Key)
            return field;
    throw "no history field has this key";
}

// The colony's figures of a history day as they stand now.
THistoryDay HistoryDayOf(const TGame& game);

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
