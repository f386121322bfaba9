#pragma once

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

// Makes the files of the map "01", the game's own island, always the same.
TMapFiles GenerateMap01(std::vector<TMapOutline>* outlines = nullptr);
// Makes the files of the island of a seed: a main island with a colony's
// room, smaller islands, lakes, forests and every kind of ground, with the
// start cell near the ground of every building. The same seed gives the
// same bytes on every machine.
TMapFiles GenerateIsland(uint32_t seed, std::vector<TMapOutline>* outlines = nullptr);
