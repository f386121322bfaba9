// The island editor's changes of the land and their undo steps.

#include "land/landedit.h"

#include "island/cellcontour.h"
#include "island/genrandom.h"
#include "land/cellflood.h"

#include <QRect>
#include <algorithm>
#include <utility>

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

// The nearest whole number to num / den, for a positive den, halves rounded
// up, on either side of zero alike.
int NearestQuotient(int num, int den) {
    const int twice = 2 * num + den, over = 2 * den;
    return twice >= 0 ? twice / over : -((over - 1 - twice) / over);
}

} // namespace

TRaisedIsland MakeRaisedIsland(uint32_t seed, int scale) {
    const TIslandLand land = GenerateIslandLand(seed);
    const int percent = std::clamp(scale, 20, 100);
    // The main island: the ground joined to the start, its lakes with it.
    TCellMask main(MapCols, MapRows);
    QRect bounds;
    TVisitedCells visited;
    FloodCells(
        visited, QPoint(land.Start.X, land.Start.Y),
        [&](QPoint cell) { return land.Grid.EarthKind(cell.x(), cell.y()) != ekSea; },
        [&](QPoint cell) {
            main.Set(cell.x(), cell.y(), true);
            bounds |= QRect(cell, QSize(1, 1));
        });
    const QPoint middle((bounds.left() + bounds.right()) / 2, (bounds.top() + bounds.bottom()) / 2);
    const auto scaled = [percent](int offset) { return NearestQuotient(offset * percent, 100); };
    TRaisedIsland island;
    for (int dc = scaled(bounds.left() - middle.x()); dc <= scaled(bounds.right() - middle.x());
         ++dc)
        for (int dr = scaled(bounds.top() - middle.y()); dr <= scaled(bounds.bottom() - middle.y());
             ++dr) {
            const QPoint from = middle + QPoint(NearestQuotient(dc * 100, percent),
                                                NearestQuotient(dr * 100, percent));
            if (main.At(from.x(), from.y()))
                island.Cells.push_back({QPoint(dc, dr), land.Grid.Cell(from.x(), from.y())});
        }
    const auto name = std::find_if(land.Labels.begin(), land.Labels.end(), [](const TMapLabel& l) {
        return l.Font == QLatin1String("island");
    });
    if (name != land.Labels.end())
        island.Name = {name->Text,
                       name->Font,
                       {scaled(name->Cell.X - middle.x()), scaled(name->Cell.Y - middle.y())}};
    return island;
}

TLandEdit::TLandEdit(TIslandLand land) : land_(std::move(land)) {
    KeepRules(land_.Grid, land_.ReliefSeed);
    scene_ = DrawScene(land_);
}

TMapFiles TLandEdit::Files() const {
    TMapFiles files = LandFiles(land_, scene_);
    files.Ini += QByteArrayLiteral("Relief=") + QByteArray::number(land_.ReliefSeed) + "\r\n";
    return files;
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

bool TLandEdit::EndStroke() {
    if (!strokeBefore_)
        return false;
    const TTerrainGrid before = std::move(*strokeBefore_);
    strokeBefore_.reset();
    return Commit(TStepKind::Stroke, before, land_.Start, land_.Labels);
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
    Commit(TStepKind::Fill, before, land_.Start, land_.Labels);
}

bool TLandEdit::MoveStart(int col, int row) {
    if (!TTerrainGrid::Contains(col, row))
        return false;
    EndStroke();
    const TCellPoint before = land_.Start;
    land_.Start = {col, row};
    Commit(TStepKind::Start, land_.Grid, before, land_.Labels);
    return true;
}

void TLandEdit::RaiseIsland(const TRaisedIsland& island, int col, int row) {
    EndStroke();
    const TTerrainGrid before = land_.Grid;
    const std::vector<TMapLabel> labelsBefore = land_.Labels;
    // An island is narrower than the map: from a middle further off, none of
    // it lands, as from one a map's width away, and the sums stay small.
    col = std::clamp(col, -MapCols, 2 * MapCols);
    row = std::clamp(row, -MapRows, 2 * MapRows);
    for (const TRaisedIsland::TCell& cell : island.Cells) {
        const int c = col + cell.Offset.x(), r = row + cell.Offset.y();
        if (TTerrainGrid::Contains(c, r))
            land_.Grid.Cell(c, r) = cell.Cell;
    }
    if (!island.Name.Text.isEmpty())
        land_.Labels.push_back({island.Name.Text,
                                island.Name.Font,
                                {std::clamp(col + island.Name.Cell.X, 0, MapCols - 1),
                                 std::clamp(row + island.Name.Cell.Y, 0, MapRows - 1)}});
    Commit(TStepKind::Island, before, land_.Start, labelsBefore);
}

void TLandEdit::SetLabels(std::vector<TMapLabel> labels) {
    EndStroke();
    std::vector<TMapLabel> before = std::exchange(land_.Labels, std::move(labels));
    Commit(TStepKind::Names, land_.Grid, land_.Start, before);
}

std::optional<TLandEdit::TStepKind> TLandEdit::NextUndo() const {
    return undo_.empty() ? std::nullopt : std::optional(undo_.back().Kind);
}

std::optional<TLandEdit::TStepKind> TLandEdit::NextRedo() const {
    return redo_.empty() ? std::nullopt : std::optional(redo_.back().Kind);
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

bool TLandEdit::Commit(TStepKind kind, const TTerrainGrid& before, TCellPoint startBefore,
                       const std::vector<TMapLabel>& labelsBefore) {
    KeepRules(land_.Grid, land_.ReliefSeed);
    TStep step{kind, {}, startBefore, land_.Start, std::nullopt};
    if (labelsBefore != land_.Labels)
        step.Labels = TLabelChange{labelsBefore, land_.Labels};
    for (int c = 0; c < MapCols; ++c)
        for (int r = 0; r < MapRows; ++r) {
            const TEarthCell& was = before.Cell(c, r);
            const TEarthCell& now = land_.Grid.Cell(c, r);
            if (was != now)
                step.Cells.push_back({c, r, was, now});
        }
    if (step.Cells.empty() && step.StartBefore == step.StartAfter && !step.Labels)
        return false;
    undo_.push_back(std::move(step));
    if (undo_.size() > MaxSteps)
        undo_.pop_front();
    redo_.clear();
    if (Redraws(undo_.back()))
        scene_ = DrawScene(land_);
    return true;
}

bool TLandEdit::Redraws(const TStep& step) {
    return !step.Cells.empty() || step.Labels;
}

void TLandEdit::Apply(const TStep& step, bool forward) {
    for (const TCellChange& change : step.Cells)
        land_.Grid.Cell(change.Col, change.Row) = forward ? change.After : change.Before;
    land_.Start = forward ? step.StartAfter : step.StartBefore;
    if (step.Labels)
        land_.Labels = forward ? step.Labels->After : step.Labels->Before;
    if (Redraws(step))
        scene_ = DrawScene(land_);
}
