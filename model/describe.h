#pragma once

#include <QString>
#include <cstdint>

struct TBaseType;
class TBase;

// The texts with which the game describes building types and buildings.

// The number with a blank between groups of three digits: "9 888 555",
// "-1 234".
QString NumToStr(int64_t n);
// The number of years with the word for years in the form it needs:
// "1 год", "3 года", "11 лет".
QString YearsToStr(int32_t n);
// Appends an item to a comma-separated list.
void AddToList(QString& list, const QString& item);
// The ground phrase of a NeedEarth value: "в лесу", "на любом типе почвы" ...
QString EarthPhrase(int32_t needEarth);
// The hint of a palette button: price, ground, construction time, life, and
// the working seasons, workers, consumption and production, or the housing.
QString BaseHint(const TBaseType& type);
// The one-line description of a placed building in the status line.
QString BaseInfo(const TBase& base);
// What a full restoration of the building would cost now; 0 when it needs
// none (also for a building that lives longer than its type's full life).
int64_t FullRestoreCost(const TBase& base);
