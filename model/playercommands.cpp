#include "playercommands.h"

#include "colony.h"

#include <array>

namespace {

constexpr std::array<TPlayerCommand, 10> Commands = {{
    {TPlayerCommand::pcNewWeek, u'W', 0, "Новая неделя", [](TColony& c) { c.NewWeek(); }, true},
    {TPlayerCommand::pcNewDay, u'N', 0, "Новый день", [](TColony& c) { c.NewDay(); }, true},
    {TPlayerCommand::pcSale, u'S', 0, "Продать ресурсы", [](TColony& c) { c.Market(true); }, false},
    {TPlayerCommand::pcBuy, u'B', 0, "Купить ресурсы", [](TColony& c) { c.Market(false); }, false},
    {TPlayerCommand::pcGoodEarth, u'G', 0, "Улучшить землю за %1",
     [](TColony& c) { c.ImproveLand(); }, false},
    {TPlayerCommand::pcFindSlow, u'F', 0, "Поиск слабейшего строения",
     [](TColony& c) { c.FindWeakest(); }, false},
    {TPlayerCommand::pcRestore, u'R', 0, "Восстановление", [](TColony& c) { c.Restore(); }, false},
    {TPlayerCommand::pcRestoreAll, u'U', u'A', "Восстановление для всех",
     [](TColony& c) { c.RestoreAll(); }, false},
    {TPlayerCommand::pcDestroy, u'D', 0, "Разобрать строение - вернется 10% от стоимости",
     [](TColony& c) { c.Demolish(); }, false},
    {TPlayerCommand::pcPreserve, u'P', 0, "Блокировка", [](TColony& c) { c.Block(); }, false},
}};

// The table is in the order of the ids, so that an id finds its command.
static_assert([] {
    for (size_t i = 0; i < Commands.size(); ++i)
        if (Commands[i].Id != static_cast<TPlayerCommand::TId>(i))
            return false;
    return true;
}());

} // namespace

QString TPlayerCommand::HintText() const {
    QString hint = QString::fromUtf8(Hint);
    if (hint.contains(QStringLiteral("%1")))
        hint = hint.arg(TColony::ImproveLandPrice);
    return hint + QStringLiteral(" (") + QChar(Letter) + QLatin1Char(')');
}

std::span<const TPlayerCommand> PlayerCommands() {
    return Commands;
}
