#pragma once

#include "map/overlay.h"

#include <QAction>
#include <QCoreApplication>
#include <QtGlobal>
#include <algorithm>
#include <array>

// The main window's menus: each item with its caption, its shortcut and what
// it does in the help's words. The window makes its menus from this table and
// the help generator its list of menu keys, so the two cannot disagree.

enum class TMenuItem {
    New,
    NewIsland,
    NewScenario,
    Load,
    Save,
    SaveAs,
    PlayOn,
    Undo,
    Redo,
    Exit,
    Overlay, // an item of the View menu: one for each overlay's row
    ZoomIn,
    ZoomOut,
    ActualSize,
    Sound,
    Music,
    FullScreen,
    Statistics,
    Goals,
    Journal,
    Advisor,
    Orders,
    Replay,
    IslandEditor,
    Parameters,
    Help,
    About,
};

struct TMenuEntry {
    const char* Menu; // the menu's caption
    TMenuItem Item;
    const char* Caption;
    const char* Shortcut; // as QKeySequence reads it; empty for none
    const char* Help;     // what the item does, for the help page
    bool SeparatorBefore = false;
    bool Checkable = false;
    TOverlay Overlay = TOverlay::None; // the overlay an Overlay item shows
};

// The menus before the View menu.
inline constexpr TMenuEntry EarlierMenuEntries[] = {
    {QT_TRANSLATE_NOOP("Menus", "И&гра"), TMenuItem::New, QT_TRANSLATE_NOOP("Menus", "Н&овая"),
     "Ctrl+N", QT_TRANSLATE_NOOP("MenuHelp", "новая игра на карте «01»")},
    {QT_TRANSLATE_NOOP("Menus", "И&гра"), TMenuItem::NewIsland,
     QT_TRANSLATE_NOOP("Menus", "Новая на &другом острове..."), "Ctrl+Shift+N",
     QT_TRANSLATE_NOOP(
         "MenuHelp",
         "новая игра на другом острове: на карте из папки MAPS или на случайном острове по его "
         "номеру")},
    {QT_TRANSLATE_NOOP("Menus", "И&гра"), TMenuItem::NewScenario,
     QT_TRANSLATE_NOOP("Menus", "Новая по &сценарию..."), "",
     QT_TRANSLATE_NOOP(
         "MenuHelp",
         "новая игра по сценарию: колония с целью, которую надо достичь к сроку; выбор сложности и "
         "лучший результат каждого сценария")},
    {QT_TRANSLATE_NOOP("Menus", "И&гра"), TMenuItem::Load, QT_TRANSLATE_NOOP("Menus", "З&агрузить"),
     "Ctrl+O", QT_TRANSLATE_NOOP("MenuHelp", "загрузить сохраненную игру")},
    {QT_TRANSLATE_NOOP("Menus", "И&гра"), TMenuItem::Save, QT_TRANSLATE_NOOP("Menus", "Сохра&нить"),
     "Ctrl+S",
     QT_TRANSLATE_NOOP("MenuHelp", "сохранить игру в ее файл; у новой игры файл спрашивается")},
    {QT_TRANSLATE_NOOP("Menus", "И&гра"), TMenuItem::SaveAs,
     QT_TRANSLATE_NOOP("Menus", "Сохранить &как..."), "Ctrl+Shift+S",
     QT_TRANSLATE_NOOP("MenuHelp", "сохранить игру в другой файл")},
    {QT_TRANSLATE_NOOP("Menus", "И&гра"), TMenuItem::PlayOn,
     QT_TRANSLATE_NOOP("Menus", "&Играть дальше..."), "",
     QT_TRANSLATE_NOOP("MenuHelp", "до чего и как быстро играет кнопка «Играть дальше», и "
                                   "играть с этим сразу"),
     true},
    {QT_TRANSLATE_NOOP("Menus", "И&гра"), TMenuItem::Undo, QT_TRANSLATE_NOOP("Menus", "Отм&енить"),
     "Ctrl+Z",
     QT_TRANSLATE_NOOP("MenuHelp",
                       "отменить последнюю команду, которая изменила игру (до 100 команд)"),
     true},
    {QT_TRANSLATE_NOOP("Menus", "И&гра"), TMenuItem::Redo, QT_TRANSLATE_NOOP("Menus", "&Повторить"),
     "Ctrl+Y", QT_TRANSLATE_NOOP("MenuHelp", "повторить отмененную команду")},
    {QT_TRANSLATE_NOOP("Menus", "И&гра"), TMenuItem::Exit, QT_TRANSLATE_NOOP("Menus", "В&ыход"), "",
     QT_TRANSLATE_NOOP("MenuHelp", "выйти из игры"), true},
};

// The menus after the View menu.
inline constexpr TMenuEntry LaterMenuEntries[] = {
    {QT_TRANSLATE_NOOP("Menus", "&Вид"), TMenuItem::ZoomIn, QT_TRANSLATE_NOOP("Menus", "&Крупнее"),
     "Ctrl+=",
     QT_TRANSLATE_NOOP("MenuHelp",
                       "карта крупнее, до двойного размера; так же колесо мыши от себя"),
     true},
    {QT_TRANSLATE_NOOP("Menus", "&Вид"), TMenuItem::ZoomOut, QT_TRANSLATE_NOOP("Menus", "&Мельче"),
     "Ctrl+-",
     QT_TRANSLATE_NOOP("MenuHelp", "карта мельче, до всего острова на экране; так же колесо мыши "
                                   "к себе")},
    {QT_TRANSLATE_NOOP("Menus", "&Вид"), TMenuItem::ActualSize,
     QT_TRANSLATE_NOOP("Menus", "&Настоящий размер"), "Ctrl+0",
     QT_TRANSLATE_NOOP("MenuHelp", "карта в своем обычном размере")},
    {QT_TRANSLATE_NOOP("Menus", "С&ервис"), TMenuItem::Sound, QT_TRANSLATE_NOOP("Menus", "З&вук"),
     "Ctrl+D", QT_TRANSLATE_NOOP("MenuHelp", "включить или выключить звуки"), false, true},
    {QT_TRANSLATE_NOOP("Menus", "С&ервис"), TMenuItem::Music, QT_TRANSLATE_NOOP("Menus", "М&узыка"),
     "Ctrl+M", QT_TRANSLATE_NOOP("MenuHelp", "включить или выключить музыку"), false, true},
    {QT_TRANSLATE_NOOP("Menus", "С&ервис"), TMenuItem::FullScreen,
     QT_TRANSLATE_NOOP("Menus", "Полный экран"), "Ctrl+F",
     QT_TRANSLATE_NOOP("MenuHelp", "полный экран или окно"), false, true},
    {QT_TRANSLATE_NOOP("Menus", "С&ервис"), TMenuItem::Statistics,
     QT_TRANSLATE_NOOP("Menus", "С&татистика"), "Ctrl+T",
     QT_TRANSLATE_NOOP("MenuHelp", "окно статистики: графики и счет денег колонии")},
    {QT_TRANSLATE_NOOP("Menus", "С&ервис"), TMenuItem::Goals, QT_TRANSLATE_NOOP("Menus", "Ц&ели"),
     "Ctrl+G",
     QT_TRANSLATE_NOOP("MenuHelp",
                       "окно целей сценария: что выполнено, что осталось и к какому сроку")},
    {QT_TRANSLATE_NOOP("Menus", "С&ервис"), TMenuItem::Journal,
     QT_TRANSLATE_NOOP("Menus", "&Журнал"), "Ctrl+J",
     QT_TRANSLATE_NOOP("MenuHelp", "журнал игры: все сообщения с датами, выбор вида и поиск; "
                                   "запись о клетке показывает ее на "
                                   "карте")},
    {QT_TRANSLATE_NOOP("Menus", "С&ервис"), TMenuItem::Advisor,
     QT_TRANSLATE_NOOP("Menus", "&Советник"), "Ctrl+A",
     QT_TRANSLATE_NOOP("MenuHelp", "советник: что скоро потребует внимания (деньги к налогу, "
                                   "товары, работа, жилье, здоровье); предупреждение показывает, "
                                   "о чем оно")},
    {QT_TRANSLATE_NOOP("Menus", "С&ервис"), TMenuItem::Orders,
     QT_TRANSLATE_NOOP("Menus", "&Заказы на рынке..."), "Ctrl+R",
     QT_TRANSLATE_NOOP("MenuHelp", "постоянные заказы: для каждого ресурса нижняя и верхняя "
                                   "граница; после каждого дня лишнее продается, недостающее "
                                   "покупается")},
    {QT_TRANSLATE_NOOP("Menus", "С&ервис"), TMenuItem::Replay,
     QT_TRANSLATE_NOOP("Menus", "&Повтор игры..."), "Ctrl+L",
     QT_TRANSLATE_NOOP("MenuHelp", "колония растет снова с первого дня на отдельной карте, со "
                                   "скоростью «Играть дальше»; ползунок ведет к любой дате, игра "
                                   "остается как есть")},
    {QT_TRANSLATE_NOOP("Menus", "С&ервис"), TMenuItem::IslandEditor,
     QT_TRANSLATE_NOOP("Menus", "Редактор &островов..."), "Ctrl+E",
     QT_TRANSLATE_NOOP("MenuHelp", "редактор островов: нарисовать свою землю, проверить ее, "
                                   "сохранить и начать на ней колонию")},
    {QT_TRANSLATE_NOOP("Menus", "С&ервис"), TMenuItem::Parameters,
     QT_TRANSLATE_NOOP("Menus", "П&араметры..."), "Ctrl+P",
     QT_TRANSLATE_NOOP(
         "MenuHelp",
         "громкость звуков и музыки, автосохранение, вопрос перед закрытием игры, полный экран при "
         "запуске, язык игры"),
     true},
    {QT_TRANSLATE_NOOP("Menus", "&?"), TMenuItem::Help, QT_TRANSLATE_NOOP("Menus", "П&омощь"), "F1",
     QT_TRANSLATE_NOOP("MenuHelp", "эта помощь")},
    {QT_TRANSLATE_NOOP("Menus", "&?"), TMenuItem::About,
     QT_TRANSLATE_NOOP("Menus", "О &программе..."), "",
     QT_TRANSLATE_NOOP("MenuHelp", "название, версия и авторы игры"), true},
};

// Every item of the window's menus, in their order: the View menu's items
// are the overlays' rows.
inline constexpr auto MenuEntries = [] {
    std::array<TMenuEntry,
               std::size(EarlierMenuEntries) + std::size(Overlays) + std::size(LaterMenuEntries)>
        entries{};
    auto next = std::ranges::copy(EarlierMenuEntries, entries.begin()).out;
    for (const TOverlayRow& row : Overlays)
        *next++ = {.Menu = QT_TRANSLATE_NOOP("Menus", "&Вид"),
                   .Item = TMenuItem::Overlay,
                   .Caption = row.Caption,
                   .Shortcut = row.Shortcut,
                   .Help = row.Help,
                   .Checkable = true,
                   .Overlay = row.Overlay};
    std::ranges::copy(LaterMenuEntries, next);
    return entries;
}();

// An item's caption and shortcut as the table has them.
constexpr const char* MenuCaption(TMenuItem item) {
    for (const TMenuEntry& entry : MenuEntries)
        if (entry.Item == item)
            return entry.Caption;
    return "";
}
constexpr const char* MenuShortcut(TMenuItem item) {
    for (const TMenuEntry& entry : MenuEntries)
        if (entry.Item == item)
            return entry.Shortcut;
    return "";
}

// Shows an undo or redo item in the game's language, with the name of the
// step it would play after its caption ("Отменить: кисть"), enabled only
// when there is one.
inline void ShowStepItem(QAction& action, TMenuItem item, const QString& step) {
    const QString caption = QCoreApplication::translate("Menus", MenuCaption(item));
    action.setEnabled(!step.isEmpty());
    action.setText(step.isEmpty() ? caption : caption + QStringLiteral(": ") + step);
}
