#pragma once

#include <QCoreApplication>
#include <QString>

// The fixed texts with which the player's commands report a failure. A text
// that begins with "!" is an error: the status line shows it without the "!"
// and the error sound plays.
namespace Msg {

inline constexpr const char* NoMoney = QT_TRANSLATE_NOOP("Messages", "!Недостаточно денег");
inline constexpr const char* PlaceTaken = QT_TRANSLATE_NOOP("Messages", "!Это место занято");
inline constexpr const char* WrongEarth =
    QT_TRANSLATE_NOOP("Messages", "!Основа почвы не подходит для этого строения");
inline constexpr const char* AlreadyImproved =
    QT_TRANSLATE_NOOP("Messages", "!Это уже улучшенная территория");
inline constexpr const char* NoBuilding = QT_TRANSLATE_NOOP("Messages", "!Там нет постройки");
inline constexpr const char* NoRestoreNeeded =
    QT_TRANSLATE_NOOP("Messages", "!Восстановление не требуется");
inline constexpr const char* NothingToSell =
    QT_TRANSLATE_NOOP("Messages", "!Нет указанных ресурсов для продажи");
inline constexpr const char* NoDamagedBuildings =
    QT_TRANSLATE_NOOP("Messages", "!Нет поврежденных строений");
inline constexpr const char* OnlyNearOthers =
    QT_TRANSLATE_NOOP("Messages", "!Можно строить только рядом с другими строениями");
inline constexpr const char* NotAllowed =
    QT_TRANSLATE_NOOP("Messages", "!В этом сценарии такое строение не строят");
// Filled with the building's caption.
inline constexpr const char* CannotBlock = QT_TRANSLATE_NOOP("Messages", "!Нельзя блокировать %1");

// The question before the founding building is demolished, filled with its
// caption.
inline constexpr const char* DemolishFounder = QT_TRANSLATE_NOOP(
    "Messages",
    "«%1» нельзя построить снова, а без этого строения колония каждый день теряет деньги и "
    "ресурсы. Разобрать?");

// The names of the undo steps of what has no button: the buttons' commands
// name theirs in their rows.
inline constexpr const char* BuildStep = QT_TRANSLATE_NOOP("Commands", "строительство");
inline constexpr const char* GestureStep = QT_TRANSLATE_NOOP("Commands", "деньги");

// Taking back and playing again, filled with the step's name.
inline constexpr const char* Undone = QT_TRANSLATE_NOOP("Messages", "Отменено: %1");
inline constexpr const char* Redone = QT_TRANSLATE_NOOP("Messages", "Повторено: %1");
inline constexpr const char* NothingToUndo = QT_TRANSLATE_NOOP("Messages", "!Нечего отменять");
inline constexpr const char* NothingToRedo = QT_TRANSLATE_NOOP("Messages", "!Нечего повторять");

// A message in the player's language.
inline QString Text(const char* message) {
    return QCoreApplication::translate("Messages", message);
}

} // namespace Msg
