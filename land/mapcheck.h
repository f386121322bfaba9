#pragma once

#include "base/terrain.h"
#include "model/basetype.h"

#include <QPoint>
#include <QString>
#include <vector>

// One thing wrong with a land before it is played: an error makes it
// unplayable, a warning only tells the map's maker.
struct TMapProblem {
    bool Error = false;
    QString Text;
    // The cells the problem is about, to be shown on the map: the start
    // cell, the square round it where the first houses must fit, the nearest cell of a
    // far ground with the start, the cells of tiny islands; none for a ground
    // the map lacks.
    std::vector<QPoint> Cells;

    bool operator==(const TMapProblem&) const = default;
};

// How far the check looks and what it calls small, in cells.
namespace MapCheck {
// The settlers' first houses must fit within this many cells of the start.
inline constexpr int HousingRadius = 4;
// A ground a building needs is far when its nearest cell lies further away.
inline constexpr int FarCells = 60;
// An island of at most this many cells is too small for a colony of its own.
inline constexpr int TinyIsland = 4;
} // namespace MapCheck

// Checks a land for a new game on it: whether the catalogue's founding
// building stands on the start cell, whether the first settlers find room
// for houses near it, whether every good can be made somewhere, and what is
// only awkward. Errors come first, each group in a fixed order.
std::vector<TMapProblem> CheckMap(const TTerrainGrid& grid, QPoint start,
                                  const TBaseTypeList& catalogue);
