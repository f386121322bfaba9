#include "history.h"

#include <QCoreApplication>
#include <QStringList>

QString THistoryField::ColumnName(int column) const {
    return Header ? QCoreApplication::translate("History", Header) : GoodName(column);
}

THistoryDay HistoryDayOf(const TGame& game) {
    THistoryDay day;
    day.Date = game.Date;
    const THistorySource source{game, game.TotalPlaces()};
    for (const THistoryField& field : HistoryFields)
        for (int column = 0; column < field.Columns; ++column)
            field.Set(day, column, field.Take(source, column));
    return day;
}

void THistory::Record(const TGame& game) {
    days_.resize(count_);
    days_.push_back(HistoryDayOf(game));
    count_ = days_.size();
}

void THistory::Assign(std::vector<THistoryDay> days) {
    days_ = std::move(days);
    count_ = days_.size();
}

QByteArray HistoryCsv(std::span<const THistoryDay> days) {
    QStringList header = {QCoreApplication::translate("History", "Дата")};
    for (const THistoryField& field : HistoryFields)
        for (int column = 0; column < field.Columns; ++column)
            header << field.ColumnName(column);
    QByteArray csv = header.join(QLatin1Char(',')).toUtf8() + '\n';
    csv.reserve(csv.size() + static_cast<qsizetype>(days.size()) * 96);
    for (const THistoryDay& day : days) {
        csv += QString::asprintf("%04d-%02d-%02d", day.Date.Year, day.Date.Month, day.Date.Day)
                   .toLatin1();
        for (const THistoryField& field : HistoryFields)
            for (int column = 0; column < field.Columns; ++column) {
                csv += ',';
                csv += QByteArray::number(field.Get(day, column));
            }
        csv += '\n';
    }
    return csv;
}
