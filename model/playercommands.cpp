#include "playercommands.h"

#include "colony.h"

#include <array>

namespace {

constexpr std::array<TPlayerCommand, 10> Commands = {{
    {TPlayerCommand::pcNewWeek, u'W', 0, "Новая неделя", 0,
     "прожить семь дней (останавливается, если налог не уплачен)", [](TColony& c) { c.NewWeek(); },
     true},
    {TPlayerCommand::pcNewDay, u'N', 0, "Новый день", 0, "прожить один день",
     [](TColony& c) { c.NewDay(); }, true},
    {TPlayerCommand::pcSale, u'S', 0, "Продать ресурсы", 0, "открыть рынок для продажи",
     [](TColony& c) { c.Market(true); }, false},
    {TPlayerCommand::pcBuy, u'B', 0, "Купить ресурсы", 0, "открыть рынок для покупки",
     [](TColony& c) { c.Market(false); }, false},
    {TPlayerCommand::pcGoodEarth, u'G', 0, "Улучшить землю за %1", TColony::ImproveLandPrice,
     "строения на улучшенной земле строятся вдвое быстрее и меньше изнашиваются",
     [](TColony& c) { c.ImproveLand(); }, false},
    {TPlayerCommand::pcFindSlow, u'F', 0, "Поиск слабейшего строения", 0,
     "выбрать строение, которому осталось служить меньше всех", [](TColony& c) { c.FindWeakest(); },
     false},
    {TPlayerCommand::pcRestore, u'R', 0, "Восстановление", 0,
     "продлить срок службы строения на выбранной клетке, сколько хватит денег",
     [](TColony& c) { c.Restore(); }, false},
    {TPlayerCommand::pcRestoreAll, u'U', u'A', "Восстановление для всех", 0,
     "восстановить все поврежденные строения", [](TColony& c) { c.RestoreAll(); }, false},
    {TPlayerCommand::pcDestroy, u'D', 0, "Разобрать строение - вернется %1% от стоимости",
     TColony::DemolitionRefundPercent, "снести строение", [](TColony& c) { c.Demolish(); }, false},
    {TPlayerCommand::pcPreserve, u'P', 0, "Блокировка", 0,
     "остановить строение или запустить снова (заблокированное строение не работает, но "
     "изнашивается)",
     [](TColony& c) { c.Block(); }, false},
}};

// The table is in the order of the ids, so that an id finds its command.
static_assert([] {
    for (size_t i = 0; i < Commands.size(); ++i)
        if (Commands[i].Id != static_cast<TPlayerCommand::TId>(i))
            return false;
    return true;
}());

} // namespace

QString TPlayerCommand::Caption() const {
    const QString hint = QString::fromUtf8(Hint);
    return HintNumber ? hint.arg(HintNumber) : hint;
}

QString TPlayerCommand::HintText() const {
    return Caption() + QStringLiteral(" (") + QChar(Letter) + QLatin1Char(')');
}

std::span<const TPlayerCommand> PlayerCommands() {
    return Commands;
}
