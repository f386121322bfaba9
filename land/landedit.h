#pragma once

#include "island/islandgen.h"

#include <deque>
#include <optional>
#include <vector>

// The island editor's land: its grid, start cell and names, changed by strokes
// of a brush, fills and moves of the start, each undone and redone exactly.
// After every change the grid keeps the generator's rules (sea all round the
// map, coast wherever land sees the sea, a lake where sea is cut off from the
// open sea) and the scene is drawn again from it by the generator's own code.
class TLandEdit {
public:
    enum TBrushShape { bsRound, bsSquare };
    static constexpr int MaxBrush = 32;
    static constexpr int MaxSteps = 100;

    explicit TLandEdit(TIslandLand land);

    const TIslandLand& Land() const { return land_; }
    // The scene drawn after the last change, as a map's scene file holds it.
    const QByteArray& Scene() const { return scene_; }
    TMapFiles Files() const;

    // A stroke is the dabs of a brush from the press to the release, undone
    // as one step; a dab outside a stroke begins one. The brush covers a
    // square or a disc of 1..32 cells across centred on the cell.
    void BeginStroke();
    void Dab(int col, int row, TEarthKind kind, int size, TBrushShape shape);
    void EndStroke();
    // Gives the area of the cell's kind reachable through the cells' sides
    // another kind, as one step.
    void Fill(int col, int row, TEarthKind kind);
    // Moves the start cell, as one step; false for a cell off the map.
    bool MoveStart(int col, int row);

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    int UndoCount() const { return static_cast<int>(undo_.size()); }
    void Undo();
    void Redo();

private:
    // A cell a step changed, with its state before and after.
    struct TCellChange {
        int32_t Col;
        int32_t Row;
        TEarthCell Before;
        TEarthCell After;
    };
    struct TStep {
        std::vector<TCellChange> Cells;
        TCellPoint StartBefore;
        TCellPoint StartAfter;
    };

    void Paint(int col, int row, TEarthKind kind);
    // Brings the grid back to the generator's rules, then records what
    // changed since the grid and start given as one step and draws the scene.
    void Commit(const TTerrainGrid& before, TCellPoint startBefore);
    void Apply(const TStep& step, bool forward);
    // Plays the last step of one history and moves it onto the other.
    void Replay(std::deque<TStep>& from, std::deque<TStep>& to, bool forward);

    TIslandLand land_;
    QByteArray scene_;
    // The grid as it was when the open stroke began.
    std::optional<TTerrainGrid> strokeBefore_;
    std::deque<TStep> undo_;
    std::deque<TStep> redo_;
};
