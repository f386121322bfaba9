#pragma once

#include <QString>
#include <span>

class TColony;

// The commands of the buttons above the map, which are also the letter keys
// of the map view: one table gives each its letter, its hint and what it
// does, so the buttons, their hints and the keys cannot disagree.
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
    };
    TId Id;
    char16_t Letter;         // the key's Latin letter, on any keyboard layout
    char16_t OtherLetter;    // a second key for the same command, or 0
    const char* Hint;        // the hint without its letter, with %1 for its number
    int32_t HintNumber;      // the number of the hint, if it has one
    const char* Description; // what it does, for the help
    void (*Run)(TColony& colony);
    // The keys of a new day and a new week repaint the whole window after.
    bool RepaintAfterKey;

    // "Улучшить землю за 10999": the hint with its number.
    QString Caption() const;
    // "Улучшить землю за 10999 (G)".
    QString HintText() const;
};

// Every command, in the order of their ids.
std::span<const TPlayerCommand> PlayerCommands();
