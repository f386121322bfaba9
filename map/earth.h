#pragma once

#include "model/paths.h"
#include "model/terrain.h"
#include "scene/wall.h"

#include <QPoint>
#include <QString>

// The map the colony lives on: its terrain grid, its background scene centred
// in the 7000 x 7000 world, and where a new game starts.
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
    // files are then not read.
    void LoadEarth(const QString& name = QStringLiteral("01"),
                   const QString& folder = ProgramFolder());

    // The kind of a cell; out-of-range bytes or cells read as unidentified.
    TEarthKind EarthKind(int col, int row) const { return Grid.EarthKind(col, row); }
    // The decoration variant 0..9, or -1 when none is to be drawn.
    int EarthVariant(int col, int row) const { return Grid.EarthVariant(col, row); }
    static QString EarthKindName(int kind) { return ::EarthKindName(kind); }

    // The path of one of a map's files, e.g. MapFilePath(folder, "01", ".LTS").
    static QString MapFilePath(const QString& folder, const QString& name, const QString& ext);
};
