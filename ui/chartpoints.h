#pragma once

#include "model/gamedate.h"

#include <QList>
#include <QPointF>
#include <QString>
#include <algorithm>
#include <cstddef>
#include <vector>

// Where a day stands on the charts' time axis: its year and the part of the
// year gone by, so that whole years fall on whole numbers.
double YearPoint(const TGameDate& date);

// A labelled mark on a chart's axis: where it stands and what it reads.
struct TAxisMark {
    double Value = 0;
    QString Label;
};

// The marks of a value axis that holds low to high: about steps round
// steps, written as the game writes numbers ("1 500 000"); the first and the
// last mark are the axis's ends.
std::vector<TAxisMark> ValueMarks(double low, double high, int steps);

// Up to this many days a time axis is marked by days.
inline constexpr int ShortSpanDays = 62;

// The marks of a time axis from first to last (year points), at most about
// most of them: every so many days over ShortSpanDays or less ("15 фев"); the
// first days of months over a year or less, named short, January by its year;
// whole years beyond.
std::vector<TAxisMark> TimeMarks(double first, double last, int most);

// The points of one line of count values for a chart columns pixels wide:
// every point when there are few; else, for each column's share of the
// values, its lowest and its highest in their order, so that even a spike of
// one day still shows. x(i) and y(i) give the i-th point.
template <typename TX, typename TY>
QList<QPointF> ColumnPoints(size_t count, int columns, TX x, TY y) {
    QList<QPointF> points;
    const size_t width = static_cast<size_t>(std::max(columns, 1));
    if (count <= 2 * width) {
        points.reserve(static_cast<qsizetype>(count));
        for (size_t i = 0; i < count; ++i)
            points.append(QPointF(x(i), y(i)));
        return points;
    }
    points.reserve(2 * static_cast<qsizetype>(width));
    for (size_t column = 0; column < width; ++column) {
        const size_t first = column * count / width;
        const size_t end = (column + 1) * count / width;
        size_t low = first;
        size_t high = first;
        for (size_t i = first + 1; i < end; ++i) {
            if (y(i) < y(low))
                low = i;
            if (y(i) > y(high))
                high = i;
        }
        const size_t a = std::min(low, high);
        const size_t b = std::max(low, high);
        points.append(QPointF(x(a), y(a)));
        if (b != a)
            points.append(QPointF(x(b), y(b)));
    }
    return points;
}
