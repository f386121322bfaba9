#pragma once

#include "island/mapfiles.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// Which land a game is played on: a map of a MAPS folder by its name (as
// "01"), a map's .LTS file by its path with its .WLL and .INI beside it, or
// the island made from a seed.
struct TMapSource {
    enum TKind { msName, msPath, msRandom };
    TKind Kind = msName;
    // The map's name, or the path of its .LTS file.
    QString Name = QStringLiteral("01");
    uint32_t Seed = 0;

    static TMapSource Named(const QString& name) { return {msName, name, 0}; }
    static TMapSource Random(uint32_t seed) { return {msRandom, QString(), seed}; }
    // The command line's form: "random:SEED" (SEED 0..4294967295), a path
    // (with a folder separator, or ending in .LTS), or a name. Nothing for an
    // empty text or a malformed seed.
    static std::optional<TMapSource> Parse(const QString& text);
    // The form Parse reads back.
    QString Text() const;
    // What the land is called where a player reads it, e.g. in a save's
    // name: "Остров 01", "Остров 7" for the island of seed 7, or the name of
    // a map's file.
    QString Title() const;

    // The map's three files: a name from the first of the folders whose MAPS
    // holds it, a path from beside the .LTS, an island made in memory. Throws
    // TGameError naming the file that cannot be read or is too short for a
    // grid; the files after it are then not read.
    TMapFiles Read(const QStringList& folders) const;
    // The path of the grid file (.LTS) Read reads: the path given, or the
    // name's in the first of the folders whose MAPS holds it (the first
    // folder's when none does); empty for an island made in memory.
    QString GridPath(const QStringList& folders) const;

    bool operator==(const TMapSource&) const = default;
};

// The names of the maps in the folders' MAPS, each once: "01" first, then the
// others in alphabetical order.
QStringList MapNames(const QStringList& folders);
