#pragma once

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
    Undo,
    Redo,
    Exit,
    ViewPlain,
    ViewWear,
    ViewWork,
    ViewImproved,
    Sound,
    Music,
    FullScreen,
    Statistics,
    Goals,
    Journal,
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
};

inline constexpr TMenuEntry MenuEntries[] = {
    {"И&гра", TMenuItem::New, "Н&овая", "Ctrl+N", "новая игра на карте «01»"},
    {"И&гра", TMenuItem::NewIsland, "Новая на &другом острове...", "Ctrl+Shift+N",
     "новая игра на другом острове: на карте из папки MAPS или на случайном острове по его "
     "номеру"},
    {"И&гра", TMenuItem::NewScenario, "Новая по &сценарию...", "",
     "новая игра по сценарию: колония с целью, которую надо достичь к сроку; выбор сложности и "
     "лучший результат каждого сценария"},
    {"И&гра", TMenuItem::Load, "З&агрузить", "Ctrl+O", "загрузить сохраненную игру"},
    {"И&гра", TMenuItem::Save, "Сохра&нить", "Ctrl+S",
     "сохранить игру в ее файл; у новой игры файл спрашивается"},
    {"И&гра", TMenuItem::SaveAs, "Сохранить &как...", "Ctrl+Shift+S",
     "сохранить игру в другой файл"},
    {"И&гра", TMenuItem::Undo, "Отм&енить", "Ctrl+Z",
     "отменить последнюю команду, которая изменила игру (до 100 команд)", true},
    {"И&гра", TMenuItem::Redo, "&Повторить", "Ctrl+Y", "повторить отмененную команду"},
    {"И&гра", TMenuItem::Exit, "В&ыход", "", "выйти из игры", true},
    {"&Вид", TMenuItem::ViewPlain, "&Обычный вид", "Ctrl+1", "карта без раскраски", false, true},
    {"&Вид", TMenuItem::ViewWear, "&Износ", "Ctrl+2",
     "строения раскрашены по оставшемуся сроку службы: от красного (до 60 дней) до зеленого; "
     "вечные синие",
     false, true},
    {"&Вид", TMenuItem::ViewWork, "&Работа", "Ctrl+3",
     "строения раскрашены по работе: работает, строится, заблокировано, не его сезон, нет "
     "ресурсов, нет рабочих",
     false, true},
    {"&Вид", TMenuItem::ViewImproved, "&Улучшенная земля", "Ctrl+4",
     "улучшенная земля отмечена желтым", false, true},
    {"С&ервис", TMenuItem::Sound, "З&вук", "Ctrl+D", "включить или выключить звуки", false, true},
    {"С&ервис", TMenuItem::Music, "М&узыка", "Ctrl+M", "включить или выключить музыку", false,
     true},
    {"С&ервис", TMenuItem::FullScreen, "Полный экран", "Ctrl+F", "полный экран или окно", false,
     true},
    {"С&ервис", TMenuItem::Statistics, "С&татистика", "Ctrl+T",
     "окно статистики: графики и счет денег колонии"},
    {"С&ервис", TMenuItem::Goals, "Ц&ели", "Ctrl+G",
     "окно целей сценария: что выполнено, что осталось и к какому сроку"},
    {"С&ервис", TMenuItem::Journal, "&Журнал", "Ctrl+J",
     "журнал игры: все сообщения с датами, выбор вида и поиск; запись о клетке показывает ее на "
     "карте"},
    {"С&ервис", TMenuItem::Parameters, "П&араметры...", "Ctrl+P",
     "громкость звуков и музыки, автосохранение, вопрос перед закрытием игры, полный экран при "
     "запуске",
     true},
    {"&?", TMenuItem::Help, "П&омощь", "F1", "эта помощь"},
    {"&?", TMenuItem::About, "О &программе...", "", "название, версия и авторы игры", true},
};

// An item's caption as the table has it.
constexpr const char* MenuCaption(TMenuItem item) {
    for (const TMenuEntry& entry : MenuEntries)
        if (entry.Item == item)
            return entry.Caption;
    return "";
}
