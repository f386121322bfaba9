#include "describe.h"

#include "game.h"
#include "gamedate.h"
#include "goods.h"

#include <algorithm>

QString NumToStr(int64_t n) {
    const QString digits = QString::number(n);
    const int signWidth = n < 0 ? 1 : 0;
    QString text;
    text.reserve(digits.size() + digits.size() / 3);
    const int count = static_cast<int>(digits.size()) - signWidth;
    text.append(digits.left(signWidth));
    for (int i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0)
            text.append(QLatin1Char(' '));
        text.append(digits.at(signWidth + i));
    }
    return text;
}

QString YearsToStr(int32_t n) {
    const QString text = QString::number(n);
    const QChar last = text.back();
    if (text.size() >= 2 && text.at(text.size() - 2) == QLatin1Char('1'))
        return text + QStringLiteral(" лет");
    if (last == QLatin1Char('1'))
        return text + QStringLiteral(" год");
    if (last == QLatin1Char('2') || last == QLatin1Char('3') || last == QLatin1Char('4'))
        return text + QStringLiteral(" года");
    return text + QStringLiteral(" лет");
}

void AddToList(QString& list, const QString& item) {
    if (!list.isEmpty())
        list += QStringLiteral(", ");
    list += item;
}

QString EarthPhrase(int32_t needEarth) {
    switch (needEarth) {
    case ekLand:
        return QStringLiteral("на земле");
    case ekWater:
        return QStringLiteral("на воде");
    case ekForest:
        return QStringLiteral("в лесу");
    case ekCoal:
        return QStringLiteral("на угле");
    case ekOre:
        return QStringLiteral("на залежах руды");
    case ekOil:
        return QStringLiteral("на нефтяных месторождениях");
    case ekGold:
        return QStringLiteral("на месторождениях золота");
    default:
        return QStringLiteral("на любом типе почвы");
    }
}

namespace {

// The goods of a vector with their amounts, or "Нет" when all are 0. Ranged
// amounts are "about" the figure.
QString GoodsList(const TResources& amounts, const TResources* ranges) {
    QString list;
    for (int good = 0; good < GoodsCount; ++good) {
        if (amounts[good] == 0)
            continue;
        const bool about = ranges && (*ranges)[good] != 0;
        AddToList(list, GoodName(good) +
                            (about ? QStringLiteral(" - около ") : QStringLiteral(" - ")) +
                            QString::number(amounts[good]));
    }
    return list.isEmpty() ? QStringLiteral("Нет") : list;
}

} // namespace

QString BaseHint(const TBaseType& type) {
    QString ground = EarthPhrase(type.NeedEarth);
    if (type.HasStyle(bsNoNearBase))
        ground += QStringLiteral(" (можно далеко от других строений)");
    QString seasons;
    for (int season = 0; season < SeasonCount; ++season)
        if (type.WorksIn(season))
            AddToList(seasons, SeasonName(season));
    const QString life = type.LiveYears != 0 ? YearsToStr(type.LiveYears) : QStringLiteral("вечно");
    QString tail;
    if (!IsEmpty(type.Consume) || !IsEmpty(type.Profit))
        tail = QStringLiteral(" (") + seasons + QStringLiteral("). Рабочих: ") +
               QString::number(type.NeedWorkers) + QStringLiteral("\nРасход: ") +
               GoodsList(type.Consume, nullptr) + QStringLiteral("\nПрибыль: ") +
               GoodsList(type.Profit, &type.ProfitRange);
    else if (type.HomePlaces != 0)
        tail = QStringLiteral(". Дает жилье на ") + QString::number(type.HomePlaces) +
               QStringLiteral(" мест");
    return type.Caption + QStringLiteral(" - ") + NumToStr(type.Price) +
           QStringLiteral("\nСтроится ") + ground + QLatin1Char(' ') +
           QString::number(type.BuildTime) + QStringLiteral(" дней. Прослужит ") + life + tail;
}

int64_t FullRestoreCost(const TBase& base) {
    const int64_t missing = static_cast<int64_t>(base.Kind->FullLifeDays()) - base.LifeDays;
    return std::max<int64_t>(missing, 0) * RestoreRate(*base.Kind);
}

QString BaseInfo(const TBase& base) {
    QString info = base.Kind->Caption;
    if (base.BuildDays != 0)
        return info + QStringLiteral(", строится, ") + QString::number(base.BuildDays);
    if (base.Kind->LiveYears != 0)
        info += QStringLiteral(", прослужит ") + QString::number(base.LifeDays);
    const int64_t cost = FullRestoreCost(base);
    if (cost > 0)
        info += QStringLiteral(", восстановление за ") + NumToStr(cost);
    return info;
}
