#pragma once

#include "base/terrain.h"

#include <QPoint>
#include <vector>

// Which cells of the map a flood has reached, column by column as the grid.
class TVisitedCells {
public:
    // True the first time for a cell of the map; false off it and after.
    bool Take(int col, int row) {
        if (!TTerrainGrid::Contains(col, row) || seen_[col * MapRows + row])
            return false;
        seen_[col * MapRows + row] = true;
        return true;
    }

private:
    std::vector<bool> seen_ = std::vector<bool>(TTerrainGrid::CellCount);
};

// Visits the cells joined to the seed through their sides (never across a
// corner) that pass the test, the seed first whatever the test says of it;
// cells the visited set holds already are left out. The visit may change
// the cells it is given.
template <typename TAccept, typename TVisit>
void FloodCells(TVisitedCells& visited, QPoint seed, TAccept accept, TVisit visit) {
    std::vector<QPoint> open;
    if (visited.Take(seed.x(), seed.y()))
        open.push_back(seed);
    while (!open.empty()) {
        const QPoint cell = open.back();
        open.pop_back();
        visit(cell);
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint next = cell + step;
            if (TTerrainGrid::Contains(next.x(), next.y()) && accept(next) &&
                visited.Take(next.x(), next.y()))
                open.push_back(next);
        }
    }
}
