#pragma once

#include "island/islandgen.h"

#include <QPoint>
#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

struct TMapSource;

// An island of the generator's recipe, ready to be raised anywhere into a
// land: its ground cells and its name, placed around its middle.
struct TRaisedIsland {
    struct TCell {
        QPoint Offset; // from the island's middle
        TEarthCell Cell;
    };
    std::vector<TCell> Cells;
    TMapLabel Name; // its cell an offset from the middle, as the cells'
};
// The main island of the seed's map (with its forests, deposits and lakes,
// without the smaller islands round it), at the scale in percent (clamped to
// 20..100), nearest cell for cell.
TRaisedIsland MakeRaisedIsland(uint32_t seed, int scale);

// The land of a map's files, to change it: the grid, the start cell of the
// .INI (SelX, SelY; kept on the map), the names from the scene's texts (a
// text in a font other than "island", "place" or "water" is read as a
// place's), and the relief seed the .INI's Relief key gives, or else one
// made from the grid. Throws TGameError when the grid is too short.
TIslandLand ReadLand(const TMapFiles& files);
// The land of a source: the generator's own for a random island, else that
// of the map's files. Throws TGameError as TMapSource::Read and ReadLand.
TIslandLand OpenLand(const TMapSource& source, const QStringList& folders);

// Whether a name can name a map's files in a MAPS folder: 1..40 characters,
// neither a folder separator nor a character a file system refuses, not
// only dots and spaces.
bool IsMapName(const QString& name);
// Writes the three files into the folder's MAPS (made when missing) under
// the name, where MapNames lists them, each file whole or not at all. Throws
// TGameError naming the file that could not be written.
void SaveMap(const TMapFiles& files, const QString& folder, const QString& name);

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
    // The land's three files; the .INI also keeps the relief's seed (key
    // Relief), so that the land reads back as it is drawn.
    TMapFiles Files() const;

    // A stroke is the dabs of a brush from the press to the release, undone
    // as one step; a dab outside a stroke begins one. The brush covers a
    // square or a disc of 1..32 cells across centred on the cell.
    void BeginStroke();
    void Dab(int col, int row, TEarthKind kind, int size, TBrushShape shape);
    // Whether a brush of the size (clamped to 1..32) and shape covers the
    // cell so many columns and rows off the cell it is centred on.
    static bool BrushCovers(int size, TBrushShape shape, int dc, int dr);
    // Ends the open stroke; true when it changed the land and so became a
    // step.
    bool EndStroke();
    // Gives the area of the cell's kind reachable through the cells' sides
    // another kind, as one step.
    void Fill(int col, int row, TEarthKind kind);
    // Moves the start cell, as one step; false for a cell off the map.
    bool MoveStart(int col, int row);
    // Raises the island into the land with its middle at the cell, as one
    // step: its ground replaces the land's where it lies on the map, and its
    // name is written over it.
    void RaiseIsland(const TRaisedIsland& island, int col, int row);
    // Replaces the names written on the map, as one step.
    void SetLabels(std::vector<TMapLabel> labels);

    // What a step did, for the undo menu's name of it.
    enum class TStepKind : uint8_t { Stroke, Fill, Start, Island, Names };
    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    // The kind of the step Undo or Redo would play; none when there is none.
    std::optional<TStepKind> NextUndo() const;
    std::optional<TStepKind> NextRedo() const;
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
    struct TLabelChange {
        std::vector<TMapLabel> Before;
        std::vector<TMapLabel> After;
    };
    struct TStep {
        TStepKind Kind;
        std::vector<TCellChange> Cells;
        TCellPoint StartBefore;
        TCellPoint StartAfter;
        // Only for a step that changed the names.
        std::optional<TLabelChange> Labels;
    };

    void Paint(int col, int row, TEarthKind kind);
    // Brings the grid back to the generator's rules, then records what
    // changed since the grid, start and names given as one step and draws
    // the scene; false when nothing changed and no step was recorded.
    bool Commit(TStepKind kind, const TTerrainGrid& before, TCellPoint startBefore,
                const std::vector<TMapLabel>& labelsBefore);
    void Apply(const TStep& step, bool forward);
    // Whether a step changes what the scene shows: the grid or the names.
    static bool Redraws(const TStep& step);
    // Plays the last step of one history and moves it onto the other.
    void Replay(std::deque<TStep>& from, std::deque<TStep>& to, bool forward);

    TIslandLand land_;
    QByteArray scene_;
    // The grid as it was when the open stroke began.
    std::optional<TTerrainGrid> strokeBefore_;
    std::deque<TStep> undo_;
    std::deque<TStep> redo_;
};
