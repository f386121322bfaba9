#include "model/messagekind.h"

#include <QCoreApplication>

namespace {

constexpr TMessageKindRow Rows[MessageKindCount] = {
    {TMessageKind::Event, "event", TJournalKind::Event, QT_TRANSLATE_NOOP("Messages", "События")},
    {TMessageKind::Destroyed, "destroyed", TJournalKind::Event,
     QT_TRANSLATE_NOOP("Messages", "Разрушения")},
    {TMessageKind::Births, "births", TJournalKind::Event,
     QT_TRANSLATE_NOOP("Messages", "Рождения")},
    {TMessageKind::Departures, "departures", TJournalKind::Event,
     QT_TRANSLATE_NOOP("Messages", "Уход людей")},
    {TMessageKind::Housing, "housing", TJournalKind::Event,
     QT_TRANSLATE_NOOP("Messages", "Нехватка жилья")},
    {TMessageKind::Season, "season", TJournalKind::Season,
     QT_TRANSLATE_NOOP("Messages", "Новое время года")},
    {TMessageKind::TaxWarning, "taxwarning", TJournalKind::Tax,
     QT_TRANSLATE_NOOP("Messages", "Предупреждения о налогах")},
    {TMessageKind::Goal, "goal", TJournalKind::Goal, QT_TRANSLATE_NOOP("Messages", "Цели")},
};
static_assert([] {
    for (size_t i = 0; i < MessageKindCount; ++i)
        if (static_cast<size_t>(Rows[i].Kind) != i)
            return false;
    return true;
}());

} // namespace

std::span<const TMessageKindRow> MessageKinds() {
    return Rows;
}

const TMessageKindRow& MessageKindRow(TMessageKind kind) {
    return Rows[static_cast<size_t>(kind) % MessageKindCount];
}

std::optional<TMessageKind> MessageKindOfKey(QStringView key) {
    for (const TMessageKindRow& row : Rows)
        if (key == QLatin1String(row.Key))
            return row.Kind;
    return std::nullopt;
}

QString MessageKindName(TMessageKind kind) {
    return QCoreApplication::translate("Messages", MessageKindRow(kind).Name);
}
