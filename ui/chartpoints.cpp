#include "ui/chartpoints.h"

double YearPoint(const TGameDate& date) {
    int dayOfYear = date.Day - 1;
    for (int month = 1; month < date.Month; ++month)
        dayOfYear += DaysInMonth(date.Year, month);
    const int daysInYear = IsLeapYear(date.Year) ? 366 : 365;
    return date.Year + static_cast<double>(dayOfYear) / daysInYear;
}
