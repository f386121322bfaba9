#pragma once

#include <QString>
#include <QStringView>
#include <compare>
#include <cstdint>
#include <optional>

// The year the colony is founded, on 1 March.
inline constexpr int FoundingYear = 1890;

// A day of the Gregorian calendar.
struct TGameDate {
    uint16_t Year = FoundingYear;
    int8_t Month = 3;
    int8_t Day = 1;

    // Earlier days are less: by year, then month, then day.
    auto operator<=>(const TGameDate&) const = default;
};

// Seasons in the bit order of the catalogue key WorkSeasons.
enum TSeason : uint8_t { ssSummer = 0, ssAutumn = 1, ssWinter = 2, ssSpring = 3 };
inline constexpr int SeasonCount = 4;

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// Sets the month and carries whole years into or out of the year.
void SetMonth(TGameDate& date, int month);
// Sets the day and carries whole months; the turn advances with day + 1.
void SetDay(TGameDate& date, int day);

TSeason SeasonOfMonth(int month);
// The date the given number of days later (a few centuries at most).
TGameDate DaysAfter(TGameDate date, int32_t days);
// "1 марта 1890"
QString DateText(const TGameDate& date);
// "1.3.1890", as the simulator prints a date.
QString ShortDateText(const TGameDate& date);
// The date ShortDateText writes ("8.3.1890"), when the text is a day of the
// calendar.
std::optional<TGameDate> ParseShortDate(QStringView text);
// Month name in the genitive, as the date text uses it; 1..12.
QString MonthName(int month);

// "Лето", "Осень", "Зима", "Весна"
QString SeasonName(int season);
// The text of the dialog that opens when the season begins.
QString SeasonArrivalText(int season);
