#include "gamedate.h"

#include "base/inifile.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

const char* const MonthNames[12] = {
    QT_TRANSLATE_NOOP("Months", "января"),   QT_TRANSLATE_NOOP("Months", "февраля"),
    QT_TRANSLATE_NOOP("Months", "марта"),    QT_TRANSLATE_NOOP("Months", "апреля"),
    QT_TRANSLATE_NOOP("Months", "мая"),      QT_TRANSLATE_NOOP("Months", "июня"),
    QT_TRANSLATE_NOOP("Months", "июля"),     QT_TRANSLATE_NOOP("Months", "августа"),
    QT_TRANSLATE_NOOP("Months", "сентября"), QT_TRANSLATE_NOOP("Months", "октября"),
    QT_TRANSLATE_NOOP("Months", "ноября"),   QT_TRANSLATE_NOOP("Months", "декабря")};

const char* const SeasonNames[SeasonCount] = {
    QT_TRANSLATE_NOOP("Seasons", "Лето"), QT_TRANSLATE_NOOP("Seasons", "Осень"),
    QT_TRANSLATE_NOOP("Seasons", "Зима"), QT_TRANSLATE_NOOP("Seasons", "Весна")};
const char* const SeasonArrivals[SeasonCount] = {
    QT_TRANSLATE_NOOP("Seasons", "Наступило Лето"), QT_TRANSLATE_NOOP("Seasons", "Наступила Осень"),
    QT_TRANSLATE_NOOP("Seasons", "Пришла Зима"), QT_TRANSLATE_NOOP("Seasons", "Наступила Весна")};

int SeasonIndex(int season) {
    return std::clamp(season, 0, SeasonCount - 1);
}

} // namespace

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int Lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && IsLeapYear(year))
        return 29;
    return Lengths[std::clamp(month, 1, 12) - 1];
}

void SetMonth(TGameDate& date, int month) {
    int year = date.Year;
    while (month <= 0) {
        --year;
        month += 12;
    }
    while (month > 12) {
        month -= 12;
        ++year;
    }
    date.Year = static_cast<uint16_t>(year);
    date.Month = static_cast<int8_t>(month);
}

void SetDay(TGameDate& date, int day) {
    while (day <= 0) {
        SetMonth(date, date.Month - 1);
        day += DaysInMonth(date.Year, date.Month);
    }
    while (day > DaysInMonth(date.Year, date.Month)) {
        day -= DaysInMonth(date.Year, date.Month);
        SetMonth(date, date.Month + 1);
    }
    date.Day = static_cast<int8_t>(day);
}

TSeason SeasonOfMonth(int month) {
    if (month >= 3 && month <= 5)
        return ssSpring;
    if (month >= 6 && month <= 8)
        return ssSummer;
    if (month >= 9 && month <= 11)
        return ssAutumn;
    return ssWinter;
}

TGameDate DaysAfter(TGameDate date, int32_t days) {
    SetDay(date, date.Day + days);
    return date;
}

QString MonthName(int month) {
    return QCoreApplication::translate("Months", MonthNames[std::clamp(month, 1, 12) - 1]);
}

QString DateText(const TGameDate& date) {
    return QStringLiteral("%1 %2 %3")
        .arg(QString::number(date.Day), MonthName(date.Month), QString::number(date.Year));
}

QString SeasonName(int season) {
    return QCoreApplication::translate("Seasons", SeasonNames[SeasonIndex(season)]);
}

QString SeasonArrivalText(int season) {
    return QCoreApplication::translate("Seasons", SeasonArrivals[SeasonIndex(season)]);
}

QString ShortDateText(const TGameDate& date) {
    return QStringLiteral("%1.%2.%3").arg(int{date.Day}).arg(int{date.Month}).arg(int{date.Year});
}

std::optional<TGameDate> ParseShortDate(QStringView text) {
    const QList<QStringView> parts = text.split(u'.');
    if (parts.size() != 3)
        return std::nullopt;
    const std::optional<int32_t> day = ParseInteger(parts[0]);
    const std::optional<int32_t> month = ParseInteger(parts[1]);
    const std::optional<int32_t> year = ParseInteger(parts[2]);
    if (!day || !month || !year || *year < 1 || *year > UINT16_MAX || *month < 1 || *month > 12 ||
        *day < 1 || *day > DaysInMonth(*year, *month))
        return std::nullopt;
    return TGameDate{static_cast<uint16_t>(*year), static_cast<int8_t>(*month),
                     static_cast<int8_t>(*day)};
}
