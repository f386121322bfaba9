#pragma once

#include "gamedate.h"
#include "timeline.h"

#include <QString>
#include <cstdint>
#include <span>
#include <vector>

// What a message of the journal was about: the simulator's and the save's
// words for it, and the window's filter.
enum class TJournalKind : uint8_t { Event, Tax, Season, Error, Goal, Trade };
inline constexpr int JournalKindCount = 6;

// "event", "tax", "season", "error", "goal", "trade".
const char* JournalKindKey(TJournalKind kind);
// The kind as the journal's window names it: "Событие", "Налог" ...
QString JournalKindName(TJournalKind kind);

// One message the game showed the player, on the day it was shown, with the
// cell of the building or the land it was about (-1, -1 when none).
struct TJournalEntry {
    TGameDate Date;
    TJournalKind Kind = TJournalKind::Event;
    int16_t Column = -1;
    int16_t Row = -1;
    QString Text;

    bool HasCell() const { return Column >= 0 && Row >= 0; }
    bool operator==(const TJournalEntry&) const = default;
};

// Every message of the game, oldest first, following the game's timeline.
using TJournal = TTimeline<TJournalEntry>;
