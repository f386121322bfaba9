#pragma once

#include <QPoint>
#include <QString>
#include <span>

class TColony;

// The commands of the buttons above the map, which are also the letter keys
// of the map view. A command is one row of one table: its button, its keys,
// its hint, its line in the help, the name of the undo step it makes and its
// word in the simulator, so that none of these is forgotten or disagrees.
struct TPlayerCommand {
    enum TId {
        pcNewWeek,
        pcNewDay,
        pcSale,
        pcBuy,
        pcGoodEarth,
        pcFindSlow,
        pcRestore,
        pcRestoreAll,
        pcDestroy,
        pcPreserve,
        pcPlayOn,
    };
    TId Id;
    // The button's object name, by which tests and screen readers find it:
    // the id's own name, "pcNewWeek".
    const char* Name = nullptr;
    char16_t Letter = 0;               // the key's Latin letter, on any keyboard layout
    char16_t OtherLetter = 0;          // a second key for the same command, or 0
    const char* Hint = nullptr;        // the hint without its letter, with %1 for its number
    int32_t HintNumber = 0;            // the number of the hint, if it has one
    const char* Description = nullptr; // what it does, for the help
    // What the status line and the undo menu call the step the command
    // makes ("новая неделя"); none for a command that changes nothing.
    const char* UndoName = nullptr;
    // The simulator's word for the command; the market's words are followed
    // by the nine quantities to type into its dialog.
    const char* Verb = nullptr;
    bool TakesQuantities = false;
    // The simulator's play on takes the most days to play instead of the
    // window's limit.
    bool TakesDays = false;
    // The most days the command plays: a new day one, a new week seven.
    int32_t Days = 0;
    int Picture = -1;        // the button's picture in the tools' image list
    QPoint ButtonAt{-1, -1}; // the button's top left corner on the window's panel
    void (*Run)(TColony& colony) = nullptr;
    // The keys of a new day and a new week repaint the whole window after.
    bool RepaintAfterKey = false;

    // "Улучшить землю за 10999": the hint with its number.
    QString Caption() const;
    // "Улучшить землю за 10999 (G)".
    QString HintText() const;
};

// Every command, in the order of their ids.
std::span<const TPlayerCommand> PlayerCommands();
