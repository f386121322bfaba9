#include "model/playon.h"

#include "model/taxes.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

constexpr TRunLimitRow Rows[] = {
    {TRunLimit::Tax, "tax", QT_TRANSLATE_NOOP("PlayOn", "До ежегодного налога")},
    {TRunLimit::Month, "month", QT_TRANSLATE_NOOP("PlayOn", "30 дней")},
    {TRunLimit::Year, "year", QT_TRANSLATE_NOOP("PlayOn", "Год")},
    {TRunLimit::Date, "date", QT_TRANSLATE_NOOP("PlayOn", "До даты")},
};

constexpr int32_t MonthDays = 30;
// Far enough for any date the calendar reaches.
constexpr int32_t MostDays = 366 * 300;

} // namespace

std::span<const TRunLimitRow> RunLimits() {
    return Rows;
}

std::optional<TRunLimit> RunLimitOfKey(QStringView key) {
    const auto* row = std::ranges::find_if(
        Rows, [key](const TRunLimitRow& r) { return key == QLatin1StringView(r.Key); });
    return row == std::end(Rows) ? std::nullopt : std::optional(row->Limit);
}

std::optional<int32_t> DaysOfLimit(TRunLimit limit, const TGameDate& today,
                                   const TGameDate& until) {
    // Day by day from today: the calendar steps one day at a time.
    const auto daysTo = [&today](auto reached) -> std::optional<int32_t> {
        TGameDate date = today;
        for (int32_t days = 1; days <= MostDays; ++days) {
            date = DaysAfter(date, 1);
            if (reached(date))
                return days;
        }
        return std::nullopt;
    };
    switch (limit) {
    case TRunLimit::Tax:
        return daysTo([](const TGameDate& d) { return TaxesDue(d).Yearly; });
    case TRunLimit::Month:
        return MonthDays;
    case TRunLimit::Year: {
        // The same date a year on; 29 February goes to 1 March.
        TGameDate next = today;
        ++next.Year;
        if (next.Day > DaysInMonth(next.Year, next.Month))
            next = TGameDate{next.Year, 3, 1};
        return daysTo([&next](const TGameDate& d) { return d >= next; });
    }
    case TRunLimit::Date:
        if (until <= today)
            return std::nullopt;
        return daysTo([&until](const TGameDate& d) { return d >= until; });
    }
    return std::nullopt;
}

QString RunStopText(const TRunResult& run, TRunLimit limit) {
    const char* why = nullptr;
    switch (run.Stop) {
    case TRunStop::Limit:
        why = limit == TRunLimit::Tax
                  ? QT_TRANSLATE_NOOP("PlayOn", "Следующий день — ежегодный налог.")
                  : QT_TRANSLATE_NOOP("PlayOn", "Предел игры достигнут.");
        break;
    case TRunStop::Refused:
        why = QT_TRANSLATE_NOOP("PlayOn", "Налог не уплачен.");
        break;
    case TRunStop::Tax:
        why = QT_TRANSLATE_NOOP("PlayOn", "Налог уплачен.");
        break;
    case TRunStop::Goal:
        why = QT_TRANSLATE_NOOP("PlayOn", "Цель выполнена или провалена.");
        break;
    case TRunStop::Message:
        why = QT_TRANSLATE_NOOP("PlayOn", "Сообщение: %1.");
        break;
    case TRunStop::Advice:
        why = QT_TRANSLATE_NOOP("PlayOn", "У советника новое предупреждение: %1.");
        break;
    case TRunStop::Player:
        why = QT_TRANSLATE_NOOP("PlayOn", "Вы остановили игру.");
        break;
    }
    QString text = QCoreApplication::translate("PlayOn", why);
    if (run.Stop == TRunStop::Message)
        text = text.arg(MessageKindName(run.Kind));
    else if (run.Stop == TRunStop::Advice)
        text = text.arg(AdviceKindName(run.Advice).toLower());
    if (run.Days == 0)
        return text;
    return QCoreApplication::translate("PlayOn", "Прошло %n дней.", nullptr, run.Days) +
           QLatin1Char(' ') + text;
}
