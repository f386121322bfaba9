#pragma once

#include "gamedate.h"

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

// Every message of the game, oldest first. It follows the game's timeline:
// an undo step takes the entries of its command out and keeps them, a redo
// puts them back.
class TJournal {
public:
    void Record(TJournalEntry entry) {
        entries_.push_back(std::move(entry));
        ++changes_;
    }
    std::span<const TJournalEntry> Entries() const { return entries_; }
    size_t Count() const { return entries_.size(); }
    // The entries from the count on, taken out; none when there are no more.
    std::vector<TJournalEntry> CutFrom(size_t count);
    // Entries taken out before, put back at the end.
    void Append(std::vector<TJournalEntry> entries);
    // A loaded game's entries.
    void Assign(std::vector<TJournalEntry> entries);
    // Grows with every change, so that a window knows when to show it again.
    uint64_t Changes() const { return changes_; }

private:
    std::vector<TJournalEntry> entries_;
    uint64_t changes_ = 0;
};
