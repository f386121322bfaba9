#include "history.h"

#include "game.h"

#include <QStringList>

void THistory::Record(const TGame& game) {
    days_.resize(count_);
    THistoryDay& day = days_.emplace_back();
    day.Date = game.Date;
    day.Money = game.Money;
    day.People = game.People;
    day.Health = game.Health;
    day.Employed = game.Employed;
    const TGame::TPlaces places = game.TotalPlaces();
    day.Homes = places.Homes;
    day.Work = places.Work;
    day.Stock = game.Stock;
    day.Buildings = static_cast<int32_t>(game.Buildings().size());
    day.Sold = game.Account.Total(TMoneyFlow::Sales);
    day.Bought = -game.Account.Total(TMoneyFlow::Purchases);
    count_ = days_.size();
}

void THistory::Assign(std::vector<THistoryDay> days) {
    days_ = std::move(days);
    count_ = days_.size();
}

QByteArray HistoryCsv(std::span<const THistoryDay> days) {
    QStringList header = {QStringLiteral("Дата"),         QStringLiteral("Деньги"),
                          QStringLiteral("Люди"),         QStringLiteral("Здоровье"),
                          QStringLiteral("Заняты"),       QStringLiteral("Места в домах"),
                          QStringLiteral("Рабочие места")};
    for (int good = 0; good < GoodsCount; ++good)
        header << GoodName(good);
    header << QStringLiteral("Строения") << QStringLiteral("Продано с начала")
           << QStringLiteral("Куплено с начала");
    QByteArray csv = header.join(QLatin1Char(',')).toUtf8() + '\n';
    csv.reserve(csv.size() + static_cast<qsizetype>(days.size()) * 96);
    const auto field = [&csv](int64_t value) {
        csv += ',';
        csv += QByteArray::number(value);
    };
    for (const THistoryDay& day : days) {
        csv += QString::asprintf("%04d-%02d-%02d", day.Date.Year, day.Date.Month, day.Date.Day)
                   .toLatin1();
        for (int64_t value : {int64_t{day.Money}, int64_t{day.People}, int64_t{day.Health},
                              int64_t{day.Employed}, int64_t{day.Homes}, int64_t{day.Work}})
            field(value);
        for (int32_t amount : day.Stock.Items)
            field(amount);
        for (int64_t value : {int64_t{day.Buildings}, day.Sold, day.Bought})
            field(value);
        csv += '\n';
    }
    return csv;
}
