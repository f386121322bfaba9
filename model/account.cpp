#include "account.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

namespace {

struct TFlowNames {
    const char* Key;
    const char* Caption;
};

constexpr std::array<TFlowNames, MoneyFlowCount> FlowNames{{
    {"sales", QT_TRANSLATE_NOOP("Account", "Продажа товаров")},
    {"demolition", QT_TRANSLATE_NOOP("Account", "Разбор строений")},
    {"gesture", QT_TRANSLATE_NOOP("Account", "Подарок")},
    {"purchases", QT_TRANSLATE_NOOP("Account", "Покупка товаров")},
    {"upkeep", QT_TRANSLATE_NOOP("Account", "Содержание людей")},
    {"health", QT_TRANSLATE_NOOP("Account", "Забота о здоровье")},
    {"construction", QT_TRANSLATE_NOOP("Account", "Строительство")},
    {"improvement", QT_TRANSLATE_NOOP("Account", "Улучшение земли")},
    {"restoration", QT_TRANSLATE_NOOP("Account", "Восстановление")},
    {"taxes", QT_TRANSLATE_NOOP("Account", "Ежегодные налоги")},
    {"maintax", QT_TRANSLATE_NOOP("Account", "Главный налог")},
    {"founderloss", QT_TRANSLATE_NOOP("Account", "Потеря главного здания")},
}};

} // namespace

QString MoneyFlowKey(TMoneyFlow flow) {
    return QString::fromLatin1(FlowNames[static_cast<size_t>(flow)].Key);
}

QString MoneyFlowCaption(TMoneyFlow flow) {
    return QCoreApplication::translate("Account", FlowNames[static_cast<size_t>(flow)].Caption);
}

bool IsIncome(TMoneyFlow flow) {
    return flow < TMoneyFlow::Purchases;
}

int64_t TYearAccount::Sum(bool incomes) const {
    int64_t sum = 0;
    for (int i = 0; i < MoneyFlowCount; ++i)
        if (IsIncome(static_cast<TMoneyFlow>(i)) == incomes)
            sum += Flows[static_cast<size_t>(i)];
    return sum;
}

void TAccount::Book(int year, TMoneyFlow flow, int32_t before, int32_t after) {
    if (years_.empty() || years_.back().Year != year)
        years_.push_back({year, before, {}});
    const int64_t moved = int64_t{after} - before;
    years_.back().Flows[static_cast<size_t>(flow)] += moved;
    totals_[static_cast<size_t>(flow)] += moved;
}

const TYearAccount* TAccount::FindYear(int year) const {
    // The years are in order: a colony's goals ask for the last two every day.
    const auto it = std::ranges::lower_bound(years_, year, {}, &TYearAccount::Year);
    return it == years_.end() || it->Year != year ? nullptr : &*it;
}

int64_t TAccount::Closing(const TYearAccount& year, int32_t money) const {
    const auto next = std::find_if(years_.begin(), years_.end(),
                                   [&year](const TYearAccount& y) { return y.Year > year.Year; });
    return next == years_.end() ? money : next->Opening;
}

void TAccount::Assign(std::vector<TYearAccount> years) {
    years_ = std::move(years);
    totals_ = {};
    for (const TYearAccount& year : years_)
        for (size_t i = 0; i < totals_.size(); ++i)
            totals_[i] += year.Flows[i];
}

QByteArray AccountCsv(const TAccount& account, int32_t money) {
    QStringList header = {QCoreApplication::translate("Account", "Год"),
                          QCoreApplication::translate("Account", "На начало года")};
    for (int i = 0; i < MoneyFlowCount; ++i)
        header << MoneyFlowCaption(static_cast<TMoneyFlow>(i));
    header << QCoreApplication::translate("Account", "Доходы")
           << QCoreApplication::translate("Account", "Расходы")
           << QCoreApplication::translate("Account", "На конец года");
    QByteArray csv = header.join(QLatin1Char(',')).toUtf8() + '\n';
    for (const TYearAccount& year : account.Years()) {
        csv += QByteArray::number(year.Year) + ',' + QByteArray::number(year.Opening);
        for (int64_t flow : year.Flows)
            csv += ',' + QByteArray::number(flow);
        csv += ',' + QByteArray::number(year.Incomes()) + ',' +
               QByteArray::number(year.Spendings()) + ',' +
               QByteArray::number(account.Closing(year, money)) + '\n';
    }
    return csv;
}
