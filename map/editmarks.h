#pragma once

#include "base/terrain.h"
#include "land/landedit.h"

#include <QColor>
#include <QPoint>
#include <QRect>
#include <vector>

class QPainter;

// What the island editor marks on the map over the ground, cell by cell:
// ground changed since the scene was last drawn (in its kind's colour, until
// the scene catches up), the cells of the check's problem chosen, the island
// about to be raised under the pointer and the brush's outline there.
class TEditMarks {
public:
    // The grid the scene shows and the grid as it is now; cells that differ
    // are painted in their kind's colour. Both outlive the marks.
    const TTerrainGrid* Drawn = nullptr;
    const TTerrainGrid* Ground = nullptr;

    // The brush under the pointer; a size of 0 shows none.
    QPoint BrushCell;
    int BrushSize = 0;
    TLandEdit::TBrushShape BrushShape = TLandEdit::bsRound;

    // The problem's cells, tinted in its colour.
    void SetProblem(const std::vector<QPoint>& cells, bool error);
    // The island to raise with its middle at the cell; null for none.
    void SetPreview(const TRaisedIsland* island, QPoint middle);
    // The rectangle of cells the preview covers, to repaint; empty for none.
    QRect PreviewCells() const;

    void PaintCell(QPainter& painter, int col, int row) const;

    // The colour a kind of ground is shown in while the scene is not yet drawn
    // over it, and in the editor's list of grounds.
    static QColor KindColour(int kind);

private:
    static int Index(int col, int row) { return col * MapRows + row; }

    std::vector<bool> problem_;
    bool error_ = false;
    std::vector<bool> preview_;
    QRect previewCells_;
};
