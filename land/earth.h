#pragma once

#include "base/paths.h"
#include "base/terrain.h"
#include "land/mapsource.h"
#include "model/savecodec.h"
#include "scene/wall.h"

#include <QPoint>
#include <QString>
#include <cstdint>

// The map the colony lives on: its terrain grid, its background scene centred
// in the 7000 x 7000 world, and where a new game starts. It knows where it
// came from and keeps the files it was made of, so that a game can name its
// land or carry it along.
class TEarth {
public:
    // The map's vector scene, in world pixels once loaded.
    TWall Scene;
    // World pixel shown at the top-left corner of the map view at the start.
    QPoint StartScreen;
    // The cell selected at the start, where the first building stands.
    QPoint StartCell;
    TTerrainGrid Grid;

    // Loads MAPS/<name>.LTS, .WLL and .INI from the folder. Throws TGameError
    // naming the file when the grid or the scene cannot be read; the later
    // files are then not read, and the earth stays as it was.
    void LoadEarth(const QString& name = QStringLiteral("01"),
                   const QString& folder = ProgramFolder());
    // Loads the map of the source, a name looked up in the folders' MAPS in
    // turn; throws as above.
    void LoadEarth(const TMapSource& source, const QStringList& folders);
    // Builds the earth from a map's files in memory, e.g. a generated island
    // or the files a saved game carries. Throws TGameError when the grid is
    // too short, leaving the earth as it was.
    void LoadEarth(const TMapFiles& files, const TMapSource& source);

    // Counts the lands loaded, so that what was drawn of one land can tell
    // it is not the land now.
    uint64_t Generation() const { return generation_; }

    // Where the earth was loaded from, and the bytes of its three files.
    const TMapSource& Source() const { return source_; }
    const TMapFiles& Files() const { return files_; }

    // What a saved game keeps of the earth: a map's name and its grid's
    // checksum, or a generated island's files whole.
    TSavedLand SavedLand() const;
    // Makes the earth the land a game was saved on, looking a named map up
    // in the folders' MAPS. Throws TGameError, leaving the earth as it was,
    // when that land cannot be had: a map that is gone, cannot be read, or
    // whose grid changed since the save. Returns whether the land changed.
    bool LoadSavedLand(const TSavedLand& land, const QStringList& folders);

    // The kind of a cell; out-of-range bytes or cells read as unidentified.
    TEarthKind EarthKind(int col, int row) const { return Grid.EarthKind(col, row); }
    // The decoration variant 0..9, or -1 when none is to be drawn.
    int EarthVariant(int col, int row) const { return Grid.EarthVariant(col, row); }
    static QString EarthKindName(int kind) { return ::EarthKindName(kind); }

    // The path of one of a map's files, e.g. MapFilePath(folder, "01", ".LTS").
    static QString MapFilePath(const QString& folder, const QString& name, const QString& ext);

private:
    TMapSource source_;
    TMapFiles files_;
    uint64_t generation_ = 0;
};

// A saved game read from its file, with whether its land replaced the one in
// play.
struct TLoadedGame {
    TSavedGame Game;
    bool NewLand = false;
};
// Reads the saved game at the path and makes the earth the land it goes on
// on, which may be another than the one in play. Throws TGameError "Не
// удалось загрузить игру из файла ...: reason", leaving the earth as it was.
TLoadedGame LoadGame(TEarth& earth, const QString& path, const TBaseTypeList& catalogue,
                     const TEventTypeList& events, const QStringList& folders);
