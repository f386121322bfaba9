#pragma once

#include "basetype.h"
#include "colonystate.h"
#include "commandlog.h"
#include "history.h"
#include "journal.h"
#include "scenario.h"

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <QUuid>
#include <optional>

// The land a game was saved on: a map named as the game and the simulator
// name it ("01", a path, "random:5") with the checksum of its grid, so that a
// map file changed since is noticed; an island made from a seed carries its
// three files, so that a later generator never changes a saved colony's land.
struct TSavedLand {
    QString Name;
    uint32_t GridChecksum = 0; // 0 for a game saved before lands were checked
    QByteArray Grid;           // the carried files; empty for a named map
    QByteArray Scene;
    QByteArray Ini;

    static TSavedLand Named(const QString& name, uint32_t gridChecksum = 0) {
        return {name, gridChecksum, {}, {}, {}};
    }
    bool Carried() const { return !Grid.isEmpty(); }
    bool operator==(const TSavedLand&) const = default;
};

// The checksum a save keeps of a map's grid (zlib's CRC-32).
uint32_t GridChecksum(const QByteArray& grid);

// A saved game: the colony's record and what the window shows of it. The
// file's layout is described in docs/save-format.md.
struct TSavedGame {
    TColonyState Colony;
    std::vector<THistoryDay> Days; // the colony's history, Colony.HistoryDays long
    TSavedLand Land;
    QPoint View; // the map view's top left corner, in map pixels
    // The sound switch of the window that saved it. The switch is the
    // player's setting: the byte is written for the files that have it, and
    // loading reads past it.
    bool Sound = true;
    // Which game it is (the colony's identity). A file saved before games
    // had one is known by its bytes: the same file always gives the same.
    QUuid Identity;
    // The scenario in play, carried whole so that a scenario file changed or
    // gone never changes a saved game; none in the free game. Its goals'
    // progress is in the colony's head.
    TScenarioPlay Scenario;
    // Every message the game showed, oldest first, Colony.JournalEntries long.
    std::vector<TJournalEntry> Journal;
    // The command log, Colony.LogEntries long, and the colony it began from;
    // none in a file of a format before logs.
    std::optional<TColonyLog> Log;
};

class TColony;

// The colony's game as a save records it, with its identity, the view and
// the sound switch of the window that shows it.
TSavedGame SavedGameOf(const TColony& colony, TSavedLand land, QPoint view, bool sound);

namespace SaveFormat {
inline constexpr char Signature[8] = {'T', 'A', 'R', 'V', 'S', 'A', 'V', 'E'};
inline constexpr uint32_t Version = 7;
// Every cell with a building on each, and two thousand years of history.
inline constexpr uint32_t MaxContentSize = 64 * 1024 * 1024;
} // namespace SaveFormat

// How a save's content is packed: at zlib's fastest level, or stored as it
// is in the same zlib stream, for the crash save that is made after every
// command and read only after a crash.
enum class TPacking { Fast, Stored };

// The whole file as bytes, with this program's version in its header.
QByteArray EncodeSave(const TSavedGame& game, TPacking packing = TPacking::Fast);

// The most people a saved colony may hold: every cell of the map housing as
// many as the catalogue's largest home, or the founders when no type houses
// anyone. A colony ends every day with no more people than homes (a day's
// events may add a few more, far fewer than the sea's cells would house), so
// no game gets near it, and a loaded day stays as short as a real one.
int32_t MaxSavedPeople(const TBaseTypeList& catalogue);

// Reads a saved game for a colony on the catalogues (a scenario in play is
// read again against both). Throws TGameError with
// the reason (in the player's words, without the file's name) when the bytes
// are not a whole, sound save of a game this program can go on with; nothing
// is returned half read. The land is the caller's to find or rebuild.
TSavedGame DecodeSave(const QByteArray& bytes, const TBaseTypeList& catalogue,
                      const TEventTypeList& events);
