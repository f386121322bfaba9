#pragma once

#include "colonystate.h"
#include "goods.h"
#include "orders.h"
#include "timeline.h"

#include <cstdint>
#include <variant>
#include <vector>

// The commands that changed the game, as the log keeps them.
enum class TLogCommand : uint8_t {
    Build, // Type
    ImproveLand,
    Restore,
    RestoreAll,
    Demolish,
    Block,
    Sale, // Detail: the quantities of the deal
    Buy,
    Orders, // Detail: the standing orders set
    // Count: the days played; Refused: the tax refused on the turn after.
    NewDay,
    NewWeek,
    PlayOn,
    Gesture,
    // A selection, or the search for the weakest building, that took the
    // tutorial a step on.
    Select,
    FindWeakest,
};
inline constexpr int LogCommandCount = 15;

// The tax a command of days ended at, refused; every other tax it asked was
// paid.
enum class TRefusedTax : uint8_t { None, Yearly, Main };

// One command as it changed the game: enough to give it again, through the
// same rules, and reach the same colony. Its cell is the selection it was
// given on.
struct TLogEntry {
    TLogCommand Command = TLogCommand::NewDay;
    TRefusedTax Refused = TRefusedTax::None;
    int16_t Column = 0;
    int16_t Row = 0;
    int32_t Count = 0;
    const TBaseType* Type = nullptr;
    std::variant<std::monostate, TResources, TStandingOrders> Detail{};

    bool operator==(const TLogEntry&) const = default;
};

// Everything that changed the game since the log began, oldest first,
// following the game's timeline as the journal does.
using TCommandLog = TTimeline<TLogEntry>;

// The log with the colony it began from, as a save keeps it.
struct TColonyLog {
    TColonyState Start;
    std::vector<TLogEntry> Entries;
};
