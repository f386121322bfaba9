#include "describe.h"

#include "game.h"
#include "gamedate.h"
#include "goods.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

enum class TRussianForm { One, Few, Many };

// The form a Russian noun takes after the number: 1 and 21 год, 2 to 4 and
// 22 года, 0, 5 to 20 and 25 лет.
TRussianForm RussianPluralForm(int64_t n) {
    const int64_t tens = (n < 0 ? -n : n) % 100;
    if (tens % 10 == 1 && tens != 11)
        return TRussianForm::One;
    if (tens % 10 >= 2 && tens % 10 <= 4 && (tens < 12 || tens > 14))
        return TRussianForm::Few;
    return TRussianForm::Many;
}

} // namespace

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
    // The source text is already in the Russian form the number needs, for
    // the tools that speak without a catalogue; a catalogue gives each
    // language its own forms.
    switch (RussianPluralForm(n)) {
    case TRussianForm::One:
        return QCoreApplication::translate("Describe", "%n год", nullptr, n);
    case TRussianForm::Few:
        return QCoreApplication::translate("Describe", "%n года", nullptr, n);
    default:
        return QCoreApplication::translate("Describe", "%n лет", nullptr, n);
    }
}

void AddToList(QString& list, const QString& item) {
    if (!list.isEmpty())
        list += QStringLiteral(", ");
    list += item;
}

QString EarthPhrase(int32_t needEarth) {
    switch (needEarth) {
    case ekLand:
        return QCoreApplication::translate("Describe", "на земле");
    case ekWater:
        return QCoreApplication::translate("Describe", "на воде");
    case ekForest:
        return QCoreApplication::translate("Describe", "в лесу");
    case ekCoal:
        return QCoreApplication::translate("Describe", "на угле");
    case ekOre:
        return QCoreApplication::translate("Describe", "на залежах руды");
    case ekOil:
        return QCoreApplication::translate("Describe", "на нефтяных месторождениях");
    case ekGold:
        return QCoreApplication::translate("Describe", "на месторождениях золота");
    default:
        return QCoreApplication::translate("Describe", "на любом типе почвы");
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
        AddToList(list, (about ? QCoreApplication::translate("Describe", "%1 - около %2")
                               : QStringLiteral("%1 - %2"))
                            .arg(GoodName(good), QString::number(amounts[good])));
    }
    return list.isEmpty() ? QCoreApplication::translate("Describe", "Нет") : list;
}

} // namespace

QString BaseHint(const TBaseType& type) {
    QString ground = EarthPhrase(type.NeedEarth);
    if (type.HasStyle(bsNoNearBase))
        ground += QCoreApplication::translate("Describe", " (можно далеко от других строений)");
    QString seasons;
    for (int season = 0; season < SeasonCount; ++season)
        if (type.WorksIn(season))
            AddToList(seasons, SeasonName(season));
    const QString life = type.LiveYears != 0 ? YearsToStr(type.LiveYears)
                                             : QCoreApplication::translate("Describe", "вечно");
    QString tail;
    if (!IsEmpty(type.Consume) || !IsEmpty(type.Profit))
        tail =
            QCoreApplication::translate("Describe", " (%1). Рабочих: %2\nРасход: %3\nПрибыль: %4")
                .arg(seasons, QString::number(type.NeedWorkers), GoodsList(type.Consume, nullptr),
                     GoodsList(type.Profit, &type.ProfitRange));
    else if (type.HomePlaces != 0)
        tail = QCoreApplication::translate("Describe", ". Дает жилье на %n мест", nullptr,
                                           type.HomePlaces);
    // The caption is the data's and may hold a "%": it is never filled.
    return type.Caption + QStringLiteral(" - ") + NumToStr(type.Price) + QLatin1Char('\n') +
           QCoreApplication::translate("Describe", "Строится %1 %n дней. Прослужит %2", nullptr,
                                       type.BuildTime)
               .arg(ground, life) +
           tail;
}

int64_t FullRestoreCost(const TBase& base) {
    const int64_t missing = static_cast<int64_t>(base.Kind->FullLifeDays()) - base.LifeDays;
    return std::max<int64_t>(missing, 0) * RestoreRate(*base.Kind);
}

QString BaseInfo(const TBase& base) {
    QString info = base.Kind->Caption;
    if (base.BuildDays != 0)
        return info + QCoreApplication::translate("Describe", ", строится, %1").arg(base.BuildDays);
    if (base.Kind->LiveYears != 0)
        info += QCoreApplication::translate("Describe", ", прослужит %1").arg(base.LifeDays);
    const int64_t cost = FullRestoreCost(base);
    if (cost > 0)
        info +=
            QCoreApplication::translate("Describe", ", восстановление за %1").arg(NumToStr(cost));
    return info;
}
