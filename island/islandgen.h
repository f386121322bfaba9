#pragma once

#include "base/terrain.h"
#include "island/cellcontour.h"
#include "island/mapfiles.h"

#include <QString>
#include <cstdint>
#include <vector>

// An outline of the scene that follows the grid's cells, for check pictures.
struct TMapOutline {
    bool Shore = false; // the sea's edge rather than an inland one
    TCellLoop Loop;
};

// A name written on the map at a cell, in one of the scene's fonts
// ("island", "place", "water").
struct TMapLabel {
    QString Text;
    QString Font;
    TCellPoint Cell;

    bool operator==(const TMapLabel&) const = default;
};

// A land before it is written into files: what the generator makes and the
// island editor changes and draws again.
struct TIslandLand {
    TTerrainGrid Grid;
    TCellPoint Start;
    std::vector<TMapLabel> Labels;
    // The seed of the relief, the hills and highlands drawn over the land.
    uint64_t ReliefSeed = 0;
};

// The land of the map "01" and of the island of a seed, as the files below
// hold them.
TIslandLand GenerateMap01Land();
TIslandLand GenerateIslandLand(uint32_t seed);
// The scene of a land, drawn from its grid as the generator draws it: sea,
// shallows, shores, land, relief, forests, lakes and names, in Windows-1251.
QByteArray DrawScene(const TIslandLand& land, std::vector<TMapOutline>* outlines = nullptr);
// The three files of a land.
TMapFiles LandFiles(const TIslandLand& land, std::vector<TMapOutline>* outlines = nullptr);
// The three files of a land whose scene is drawn already.
TMapFiles LandFiles(const TIslandLand& land, QByteArray scene);

// Makes the files of the map "01", the game's own island, always the same.
TMapFiles GenerateMap01(std::vector<TMapOutline>* outlines = nullptr);
// Makes the files of the island of a seed: a main island with a colony's
// room, smaller islands, lakes, forests and every kind of ground, with the
// start cell near the ground of every building. The same seed gives the
// same bytes on every machine.
TMapFiles GenerateIsland(uint32_t seed, std::vector<TMapOutline>* outlines = nullptr);
