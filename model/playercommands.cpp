#include "playercommands.h"

#include "colony.h"

#include <array>

namespace {

// A command's id and the object name of its button, written once.
#define COMMAND(id) .Id = TPlayerCommand::id, .Name = #id

constexpr std::array<TPlayerCommand, 10> Commands = {{
    {COMMAND(pcNewWeek), .Letter = u'W', .Hint = "Новая неделя",
     .Description = "прожить семь дней (останавливается, если налог не уплачен)",
     .UndoName = "новая неделя", .Verb = "week", .Picture = 14, .ButtonAt = {512, 0},
     .Run = [](TColony& c) { c.NewWeek(); }, .RepaintAfterKey = true},
    {COMMAND(pcNewDay), .Letter = u'N', .Hint = "Новый день", .Description = "прожить один день",
     .UndoName = "новый день", .Verb = "day", .Picture = 10, .ButtonAt = {512, 32},
     .Run = [](TColony& c) { c.NewDay(); }, .RepaintAfterKey = true},
    {COMMAND(pcSale), .Letter = u'S', .Hint = "Продать ресурсы",
     .Description = "открыть рынок для продажи", .UndoName = "продажа", .Verb = "sell",
     .TakesQuantities = true, .Picture = 11, .ButtonAt = {288, 64},
     .Run = [](TColony& c) { c.Market(true); }},
    {COMMAND(pcBuy), .Letter = u'B', .Hint = "Купить ресурсы",
     .Description = "открыть рынок для покупки", .UndoName = "покупка", .Verb = "buy",
     .TakesQuantities = true, .Picture = 12, .ButtonAt = {320, 64},
     .Run = [](TColony& c) { c.Market(false); }},
    {COMMAND(pcGoodEarth), .Letter = u'G', .Hint = "Улучшить землю за %1",
     .HintNumber = TColony::ImproveLandPrice,
     .Description = "строения на улучшенной земле строятся вдвое быстрее и меньше изнашиваются",
     .UndoName = "улучшение земли", .Verb = "improve", .Picture = 9, .ButtonAt = {352, 64},
     .Run = [](TColony& c) { c.ImproveLand(); }},
    {COMMAND(pcFindSlow), .Letter = u'F', .Hint = "Поиск слабейшего строения",
     .Description = "выбрать строение, которому осталось служить меньше всех", .Verb = "find",
     .Picture = 15, .ButtonAt = {384, 64}, .Run = [](TColony& c) { c.FindWeakest(); }},
    {COMMAND(pcRestore), .Letter = u'R', .Hint = "Восстановление",
     .Description = "продлить срок службы строения на выбранной клетке, сколько хватит денег",
     .UndoName = "восстановление", .Verb = "restore", .Picture = 16, .ButtonAt = {416, 64},
     .Run = [](TColony& c) { c.Restore(); }},
    {COMMAND(pcRestoreAll), .Letter = u'U', .OtherLetter = u'A', .Hint = "Восстановление для всех",
     .Description = "восстановить все поврежденные строения", .UndoName = "восстановление для всех",
     .Verb = "restoreall", .Picture = 24, .ButtonAt = {448, 64},
     .Run = [](TColony& c) { c.RestoreAll(); }},
    {COMMAND(pcDestroy), .Letter = u'D', .Hint = "Разобрать строение - вернется %1% от стоимости",
     .HintNumber = TColony::DemolitionRefundPercent, .Description = "снести строение",
     .UndoName = "разбор строения", .Verb = "demolish", .Picture = 13, .ButtonAt = {480, 64},
     .Run = [](TColony& c) { c.Demolish(); }},
    {COMMAND(pcPreserve), .Letter = u'P', .Hint = "Блокировка",
     .Description = "остановить строение или запустить снова (заблокированное строение не "
                    "работает, но изнашивается)",
     .UndoName = "блокировка", .Verb = "block", .Picture = 23, .ButtonAt = {512, 64},
     .Run = [](TColony& c) { c.Block(); }},
}};

#undef COMMAND

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
