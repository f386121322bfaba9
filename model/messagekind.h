#pragma once

#include "model/journal.h"
#include "model/kindset.h"

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>
#include <span>

// The kinds of message the colony tells the player. Each is shown in a
// window, as the game always has, or quietly: a line in the status line with
// its sound, the game going on. The journal keeps them either way.
enum class TMessageKind : uint8_t {
    Event,     // an event of the catalogue
    Destroyed, // buildings destroyed
    Births,
    Departures,
    Housing,    // people leave for lack of homes
    Season,     // a new season
    TaxWarning, // the month's warning before a tax
    Goal,       // a goal done or failed
};
inline constexpr int MessageKindCount = 8;

// A kind's row: its word in the settings and the simulator, the journal's kind
// it is kept as, and its name in the settings dialog.
struct TMessageKindRow {
    TMessageKind Kind;
    const char* Key;
    TJournalKind Journal;
    const char* Name;
};
std::span<const TMessageKindRow> MessageKinds();
const TMessageKindRow& MessageKindRow(TMessageKind kind);
std::optional<TMessageKind> MessageKindOfKey(QStringView key);
QString MessageKindName(TMessageKind kind);

// Which kinds are shown quietly.
using TQuietMessages = TKindSet<TMessageKind, MessageKindCount>;
