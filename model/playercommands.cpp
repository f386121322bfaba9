#include "playercommands.h"

#include "colony.h"

#include <QCoreApplication>
#include <array>

namespace {

// A command's id and the object name of its button, written once.
#define COMMAND(id) .Id = TPlayerCommand::id, .Name = #id

constexpr std::array<TPlayerCommand, 11> Commands = {{
    {COMMAND(pcNewWeek), .Letter = u'W', .Hint = QT_TRANSLATE_NOOP("Commands", "Новая неделя"),
     .Description = QT_TRANSLATE_NOOP("Commands",
                                      "прожить семь дней (останавливается, если налог не уплачен)"),
     .UndoName = QT_TRANSLATE_NOOP("Commands", "новая неделя"), .Verb = "week",
     .Days = TColony::WeekDays, .Picture = 14, .ButtonAt = {512, 0},
     .Run = [](TColony& c) { c.NewWeek(); }, .RepaintAfterKey = true},
    {COMMAND(pcNewDay), .Letter = u'N', .Hint = QT_TRANSLATE_NOOP("Commands", "Новый день"),
     .Description = QT_TRANSLATE_NOOP("Commands", "прожить один день"),
     .UndoName = QT_TRANSLATE_NOOP("Commands", "новый день"), .Verb = "day", .Days = 1,
     .Picture = 10, .ButtonAt = {512, 32}, .Run = [](TColony& c) { c.NewDay(); },
     .RepaintAfterKey = true},
    {COMMAND(pcSale), .Letter = u'S', .Hint = QT_TRANSLATE_NOOP("Commands", "Продать ресурсы"),
     .Description = QT_TRANSLATE_NOOP("Commands", "открыть рынок для продажи"),
     .UndoName = QT_TRANSLATE_NOOP("Commands", "продажа"), .Verb = "sell", .TakesQuantities = true,
     .Picture = 11, .ButtonAt = {288, 64}, .Run = [](TColony& c) { c.Market(true); }},
    {COMMAND(pcBuy), .Letter = u'B', .Hint = QT_TRANSLATE_NOOP("Commands", "Купить ресурсы"),
     .Description = QT_TRANSLATE_NOOP("Commands", "открыть рынок для покупки"),
     .UndoName = QT_TRANSLATE_NOOP("Commands", "покупка"), .Verb = "buy", .TakesQuantities = true,
     .Picture = 12, .ButtonAt = {320, 64}, .Run = [](TColony& c) { c.Market(false); }},
    {COMMAND(pcGoodEarth), .Letter = u'G',
     .Hint = QT_TRANSLATE_NOOP("Commands", "Улучшить землю за %1"),
     .HintNumber = TColony::ImproveLandPrice,
     .Description = QT_TRANSLATE_NOOP(
         "Commands", "строения на улучшенной земле строятся вдвое быстрее и меньше изнашиваются"),
     .UndoName = QT_TRANSLATE_NOOP("Commands", "улучшение земли"), .Verb = "improve", .Picture = 9,
     .ButtonAt = {352, 64}, .Run = [](TColony& c) { c.ImproveLand(); }},
    {COMMAND(pcFindSlow), .Letter = u'F',
     .Hint = QT_TRANSLATE_NOOP("Commands", "Поиск слабейшего строения"),
     .Description =
         QT_TRANSLATE_NOOP("Commands", "выбрать строение, которому осталось служить меньше всех"),
     .Verb = "find", .Picture = 15, .ButtonAt = {384, 64},
     .Run = [](TColony& c) { c.FindWeakest(); }},
    {COMMAND(pcRestore), .Letter = u'R', .Hint = QT_TRANSLATE_NOOP("Commands", "Восстановление"),
     .Description = QT_TRANSLATE_NOOP(
         "Commands", "продлить срок службы строения на выбранной клетке, сколько хватит денег"),
     .UndoName = QT_TRANSLATE_NOOP("Commands", "восстановление"), .Verb = "restore", .Picture = 16,
     .ButtonAt = {416, 64}, .Run = [](TColony& c) { c.Restore(); }},
    {COMMAND(pcRestoreAll), .Letter = u'U', .OtherLetter = u'A',
     .Hint = QT_TRANSLATE_NOOP("Commands", "Восстановление для всех"),
     .Description = QT_TRANSLATE_NOOP("Commands", "восстановить все поврежденные строения"),
     .UndoName = QT_TRANSLATE_NOOP("Commands", "восстановление для всех"), .Verb = "restoreall",
     .Picture = 24, .ButtonAt = {448, 64}, .Run = [](TColony& c) { c.RestoreAll(); }},
    {COMMAND(pcDestroy), .Letter = u'D',
     .Hint = QT_TRANSLATE_NOOP("Commands", "Разобрать строение - вернется %1% от стоимости"),
     .HintNumber = TColony::DemolitionRefundPercent,
     .Description = QT_TRANSLATE_NOOP("Commands", "снести строение"),
     .UndoName = QT_TRANSLATE_NOOP("Commands", "разбор строения"), .Verb = "demolish",
     .Picture = 13, .ButtonAt = {480, 64}, .Run = [](TColony& c) { c.Demolish(); }},
    {COMMAND(pcPreserve), .Letter = u'P', .Hint = QT_TRANSLATE_NOOP("Commands", "Блокировка"),
     .Description = QT_TRANSLATE_NOOP(
         "Commands", "остановить строение или запустить снова (заблокированное строение не "
                     "работает, но изнашивается)"),
     .UndoName = QT_TRANSLATE_NOOP("Commands", "блокировка"), .Verb = "block", .Picture = 23,
     .ButtonAt = {512, 64}, .Run = [](TColony& c) { c.Block(); }},
    {COMMAND(pcPlayOn), .Letter = u'O', .Hint = QT_TRANSLATE_NOOP("Commands", "Играть дальше"),
     .Description = QT_TRANSLATE_NOOP(
         "Commands", "проживать день за днём, пока колонии не понадобится игрок, до выбранного "
                     "предела (любая клавиша или щелчок останавливает)"),
     .Verb = "run", .TakesDays = true, .Picture = 25, .ButtonAt = {480, 0},
     .Run = [](TColony& c) { c.PlayOnCommand(); }},
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
    const QString hint = QCoreApplication::translate("Commands", Hint);
    return HintNumber ? hint.arg(HintNumber) : hint;
}

QString TPlayerCommand::HintText() const {
    return Caption() + QStringLiteral(" (") + QChar(Letter) + QLatin1Char(')');
}

std::span<const TPlayerCommand> PlayerCommands() {
    return Commands;
}
