// The island editor's changes of the land and their undo steps.

#include "land/landedit.h"

#include "island/cellcontour.h"
#include "island/genrandom.h"
#include "land/cellflood.h"

#include <algorithm>

namespace {

bool Decorated(int kind) {
    return kind >= ekWater && kind <= ekGold;
}

// Gives a cell a kind, with a decoration that varies from cell to cell
// where the kind has one.
void SetKind(TTerrainGrid& grid, int col, int row, int kind, uint64_t seed) {
    TEarthCell& cell = grid.Cell(col, row);
    cell = TEarthCell{};
    cell.Kind = static_cast<int8_t>(kind);
    if (Decorated(kind))
        cell.Variant = static_cast<int8_t>(HashPoint(seed + 41, col, row) % 10);
}

// Cells this near the map's edge stay sea, so that the shallows drawn around
// the land stay inside the world.
constexpr int SeaMargin = 4;

// The generator's rules for any grid: sea along the map's edge, sea cut off
// from the open sea a lake, land that sees the sea (also across a corner)
// coast and coast that does not plain land.
void KeepRules(TTerrainGrid& grid, uint64_t seed) {
    for (int c = 0; c < MapCols; ++c)
        for (int r = 0; r < MapRows; ++r)
            if (std::min({c, r, MapCols - 1 - c, MapRows - 1 - r}) < SeaMargin &&
                grid.Cell(c, r).Kind != ekSea)
                SetKind(grid, c, r, ekSea, seed);
    TCellMask land(MapCols, MapRows);
    for (int c = 0; c < MapCols; ++c)
        for (int r = 0; r < MapRows; ++r)
            land.Set(c, r, grid.EarthKind(c, r) != ekSea);
    if (FillHoles(land) > 0)
        for (int c = 0; c < MapCols; ++c)
            for (int r = 0; r < MapRows; ++r)
                if (land.At(c, r) && grid.EarthKind(c, r) == ekSea)
                    SetKind(grid, c, r, ekWater, seed);
    for (int c = 1; c < MapCols - 1; ++c)
        for (int r = 1; r < MapRows - 1; ++r) {
            const int kind = grid.EarthKind(c, r);
            if (kind == ekSea)
                continue;
            bool seesSea = false;
            for (int dc = -1; dc <= 1; ++dc)
                for (int dr = -1; dr <= 1; ++dr)
                    seesSea = seesSea || grid.EarthKind(c + dc, r + dr) == ekSea;
            if (seesSea && kind != ekCoast)
                SetKind(grid, c, r, ekCoast, seed);
            else if (!seesSea && kind == ekCoast)
                SetKind(grid, c, r, ekLand, seed);
        }
}

} // namespace

TLandEdit::TLandEdit(TIslandLand land) : land_(std::move(land)) {
    KeepRules(land_.Grid, land_.ReliefSeed);
    scene_ = DrawScene(land_);
}

TMapFiles TLandEdit::Files() const {
    return LandFiles(land_);
}

void TLandEdit::BeginStroke() {
    EndStroke();
    strokeBefore_ = land_.Grid;
}

void TLandEdit::Dab(int col, int row, TEarthKind kind, int size, TBrushShape shape) {
    if (!strokeBefore_)
        BeginStroke();
    const int n = std::clamp(size, 1, MaxBrush);
    for (int dc = -(n - 1) / 2; dc <= n / 2; ++dc)
        for (int dr = -(n - 1) / 2; dr <= n / 2; ++dr)
            if (TTerrainGrid::Contains(col + dc, row + dr) && BrushCovers(n, shape, dc, dr))
                Paint(col + dc, row + dr, kind);
}

bool TLandEdit::BrushCovers(int size, TBrushShape shape, int dc, int dr) {
    const int n = std::clamp(size, 1, MaxBrush);
    if (dc < -(n - 1) / 2 || dc > n / 2 || dr < -(n - 1) / 2 || dr > n / 2)
        return false;
    // Twice the distance from the brush's middle, so that even sizes stay in
    // whole numbers.
    const int dx = 2 * (dc + (n - 1) / 2) - (n - 1), dy = 2 * (dr + (n - 1) / 2) - (n - 1);
    return shape == bsSquare || dx * dx + dy * dy <= n * n;
}

void TLandEdit::EndStroke() {
    if (!strokeBefore_)
        return;
    const TTerrainGrid before = std::move(*strokeBefore_);
    strokeBefore_.reset();
    Commit(before, land_.Start);
}

void TLandEdit::Fill(int col, int row, TEarthKind kind) {
    EndStroke();
    if (!TTerrainGrid::Contains(col, row) || land_.Grid.EarthKind(col, row) == kind)
        return;
    const int from = land_.Grid.EarthKind(col, row);
    const TTerrainGrid before = land_.Grid;
    TVisitedCells visited;
    FloodCells(
        visited, QPoint(col, row),
        [&](QPoint cell) { return land_.Grid.EarthKind(cell.x(), cell.y()) == from; },
        [&](QPoint cell) { Paint(cell.x(), cell.y(), kind); });
    Commit(before, land_.Start);
}

bool TLandEdit::MoveStart(int col, int row) {
    if (!TTerrainGrid::Contains(col, row))
        return false;
    EndStroke();
    const TCellPoint before = land_.Start;
    land_.Start = {col, row};
    Commit(land_.Grid, before);
    return true;
}

void TLandEdit::Undo() {
    Replay(undo_, redo_, false);
}

void TLandEdit::Redo() {
    Replay(redo_, undo_, true);
}

void TLandEdit::Replay(std::deque<TStep>& from, std::deque<TStep>& to, bool forward) {
    EndStroke();
    if (from.empty())
        return;
    Apply(from.back(), forward);
    to.push_back(std::move(from.back()));
    from.pop_back();
}

void TLandEdit::Paint(int col, int row, TEarthKind kind) {
    SetKind(land_.Grid, col, row, kind, land_.ReliefSeed);
}

void TLandEdit::Commit(const TTerrainGrid& before, TCellPoint startBefore) {
    KeepRules(land_.Grid, land_.ReliefSeed);
    TStep step{{}, startBefore, land_.Start};
    for (int c = 0; c < MapCols; ++c)
        for (int r = 0; r < MapRows; ++r) {
            const TEarthCell& was = before.Cell(c, r);
            const TEarthCell& now = land_.Grid.Cell(c, r);
            if (was != now)
                step.Cells.push_back({c, r, was, now});
        }
    if (step.Cells.empty() && step.StartBefore == step.StartAfter)
        return;
    undo_.push_back(std::move(step));
    if (undo_.size() > MaxSteps)
        undo_.pop_front();
    redo_.clear();
    if (!undo_.back().Cells.empty())
        scene_ = DrawScene(land_);
}

void TLandEdit::Apply(const TStep& step, bool forward) {
    for (const TCellChange& change : step.Cells)
        land_.Grid.Cell(change.Col, change.Row) = forward ? change.After : change.Before;
    land_.Start = forward ? step.StartAfter : step.StartBefore;
    if (!step.Cells.empty())
        scene_ = DrawScene(land_);
}
