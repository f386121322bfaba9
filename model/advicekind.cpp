#include "model/advicekind.h"

#include <QCoreApplication>

namespace {

constexpr TAdviceKindRow Rows[AdviceKindCount] = {
    {TAdviceKind::Money, "money", QT_TRANSLATE_NOOP("Advisor", "Деньги")},
    {TAdviceKind::Goods, "goods", QT_TRANSLATE_NOOP("Advisor", "Товары")},
    {TAdviceKind::Workers, "workers", QT_TRANSLATE_NOOP("Advisor", "Работа")},
    {TAdviceKind::Homes, "homes", QT_TRANSLATE_NOOP("Advisor", "Жилье")},
    {TAdviceKind::Health, "health", QT_TRANSLATE_NOOP("Advisor", "Здоровье")},
};
static_assert([] {
    for (size_t i = 0; i < AdviceKindCount; ++i)
        if (static_cast<size_t>(Rows[i].Kind) != i)
            return false;
    return true;
}());

} // namespace

std::span<const TAdviceKindRow> AdviceKinds() {
    return Rows;
}

std::optional<TAdviceKind> AdviceKindOfKey(QStringView key) {
    for (const TAdviceKindRow& row : Rows)
        if (key == QLatin1String(row.Key))
            return row.Kind;
    return std::nullopt;
}

const TAdviceKindRow& AdviceKindRow(TAdviceKind kind) {
    return Rows[static_cast<size_t>(kind) % AdviceKindCount];
}

QString AdviceKindName(TAdviceKind kind) {
    return QCoreApplication::translate("Advisor", AdviceKindRow(kind).Name);
}
