#pragma once

// The fixed texts with which the player's commands report a failure. A text
// that begins with "!" is an error: the status line shows it without the "!"
// and the error sound plays.
namespace Msg {

inline constexpr const char* NoMoney = "!Недостаточно денег";
inline constexpr const char* PlaceTaken = "!Это место занято";
inline constexpr const char* WrongEarth = "!Основа почвы не подходит для этого строения";
inline constexpr const char* AlreadyImproved = "!Это уже улучшенная территория";
inline constexpr const char* NoBuilding = "!Там нет постройки";
inline constexpr const char* NoRestoreNeeded = "!Восстановление не требуется";
inline constexpr const char* NothingToSell = "!Нет указанных ресурсов для продажи";
inline constexpr const char* NoDamagedBuildings = "!Нет поврежденных строений";
inline constexpr const char* OnlyNearOthers = "!Можно строить только рядом с другими строениями";
inline constexpr const char* NotAllowed = "!В этом сценарии такое строение не строят";
// Filled with the building's caption.
inline constexpr const char* CannotBlock = "!Нельзя блокировать %1";

// The question before the founding building is demolished, filled with its
// caption.
inline constexpr const char* DemolishFounder =
    "«%1» нельзя построить снова, а без этого строения колония каждый день теряет деньги и "
    "ресурсы. Разобрать?";

// The names of the undo steps of what has no button: the buttons' commands
// name theirs in their rows.
inline constexpr const char* BuildStep = "строительство";
inline constexpr const char* GestureStep = "деньги";

// Taking back and playing again, filled with the step's name.
inline constexpr const char* Undone = "Отменено: %1";
inline constexpr const char* Redone = "Повторено: %1";
inline constexpr const char* NothingToUndo = "!Нечего отменять";
inline constexpr const char* NothingToRedo = "!Нечего повторять";

} // namespace Msg
