#include "ui/chartpoints.h"

#include "model/describe.h"

#include <QCoreApplication>
#include <cmath>

double YearPoint(const TGameDate& date) {
    int dayOfYear = date.Day - 1;
    for (int month = 1; month < date.Month; ++month)
        dayOfYear += DaysInMonth(date.Year, month);
    const int daysInYear = IsLeapYear(date.Year) ? 366 : 365;
    return date.Year + static_cast<double>(dayOfYear) / daysInYear;
}

std::vector<TAxisMark> ValueMarks(double low, double high, int steps) {
    // The step is 1, 2 or 5 times a power of ten, and never below one: the
    // game's quantities are whole.
    const double raw = std::max(high - low, 1.0) / std::max(steps, 1);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    double step = 10 * power;
    for (double factor : {1.0, 2.0, 5.0})
        if (factor * power >= raw) {
            step = factor * power;
            break;
        }
    step = std::max(step, 1.0);
    const double from = std::floor(low / step) * step;
    const double to = std::max(std::ceil(high / step) * step, from + step);
    std::vector<TAxisMark> marks;
    for (int i = 0; from + i * step <= to + step / 2; ++i) {
        const double value = from + i * step;
        marks.push_back({value, NumToStr(std::llround(value))});
    }
    return marks;
}

namespace {

// A month's short name on a time axis, in the game's language.
QString ShortMonth(int month) {
    static const char* const Months[] = {
        QT_TRANSLATE_NOOP("Months", "янв"), QT_TRANSLATE_NOOP("Months", "фев"),
        QT_TRANSLATE_NOOP("Months", "мар"), QT_TRANSLATE_NOOP("Months", "апр"),
        QT_TRANSLATE_NOOP("Months", "май"), QT_TRANSLATE_NOOP("Months", "июн"),
        QT_TRANSLATE_NOOP("Months", "июл"), QT_TRANSLATE_NOOP("Months", "авг"),
        QT_TRANSLATE_NOOP("Months", "сен"), QT_TRANSLATE_NOOP("Months", "окт"),
        QT_TRANSLATE_NOOP("Months", "ноя"), QT_TRANSLATE_NOOP("Months", "дек"),
    };
    return QCoreApplication::translate("Months", Months[std::clamp(month, 1, 12) - 1]);
}

} // namespace

std::vector<TAxisMark> TimeMarks(double first, double last, int most) {
    const double slack = 0.5 / 365; // half a day: a month's first day on an end is in
    std::vector<TAxisMark> marks;
    const int firstYear = static_cast<int>(std::floor(first));
    most = std::max(most, 2);
    if (last - first <= ShortSpanDays / 365.0 + slack) {
        // Every so many days from the first, named by day and month.
        const double days = (last - first) * 365;
        int every = 14;
        for (int candidate : {1, 2, 5, 7})
            if (days / candidate <= most) {
                every = candidate;
                break;
            }
        TGameDate date{static_cast<uint16_t>(firstYear), 1, 1};
        while (YearPoint(date) < first - slack)
            SetDay(date, date.Day + 1);
        for (; YearPoint(date) <= last + slack; SetDay(date, date.Day + every))
            marks.push_back({YearPoint(date),
                             QStringLiteral("%1 %2").arg(date.Day).arg(ShortMonth(date.Month))});
        return marks;
    }
    if (last - first <= 1 + slack) {
        // Every month, or every second, third or sixth: January stays.
        int every = 6;
        for (int candidate : {1, 2, 3})
            if (12 / candidate <= most) {
                every = candidate;
                break;
            }
        for (int year = firstYear; year <= firstYear + 1; ++year)
            for (int month = 1; month <= 12; month += every) {
                const double at =
                    YearPoint({static_cast<uint16_t>(year), static_cast<int8_t>(month), 1});
                if (at < first - slack || at > last + slack)
                    continue;
                QString label = month == 1 ? QString::number(year) : ShortMonth(month);
                // A month met again at the far end is told by its year.
                if (std::any_of(marks.begin(), marks.end(),
                                [&label](const TAxisMark& m) { return m.Label == label; }))
                    label += QLatin1Char(' ') + QString::number(year);
                marks.push_back({at, label});
            }
        return marks;
    }
    int step = 100;
    for (int candidate : {1, 2, 5, 10, 20, 50})
        if ((last - first) / candidate <= most) {
            step = candidate;
            break;
        }
    for (int year = (static_cast<int>(std::ceil(first - slack)) + step - 1) / step * step;
         year <= last + slack; year += step)
        marks.push_back({static_cast<double>(year), QString::number(year)});
    return marks;
}
