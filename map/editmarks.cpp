#include "map/editmarks.h"

#include <QPainter>
#include <cstdlib>

namespace {

constexpr int MarkAlpha = 140;

QColor WithAlpha(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

} // namespace

void TEditMarks::SetProblem(const std::vector<QPoint>& cells, bool error) {
    problem_.assign(cells.empty() ? 0 : TTerrainGrid::CellCount, false);
    for (const QPoint cell : cells)
        if (TTerrainGrid::Contains(cell.x(), cell.y()))
            problem_[Index(cell.x(), cell.y())] = true;
    error_ = error;
}

void TEditMarks::SetPreview(const TRaisedIsland* island, QPoint middle) {
    preview_.assign(island ? TTerrainGrid::CellCount : 0, false);
    previewCells_ = QRect();
    if (!island)
        return;
    for (const TRaisedIsland::TCell& cell : island->Cells) {
        const QPoint at = middle + cell.Offset;
        if (!TTerrainGrid::Contains(at.x(), at.y()))
            continue;
        preview_[Index(at.x(), at.y())] = true;
        previewCells_ |= QRect(at, QSize(1, 1));
    }
}

QRect TEditMarks::PreviewCells() const {
    return previewCells_;
}

void TEditMarks::PaintCell(QPainter& painter, int col, int row) const {
    const QRect rect(col * CellSize, row * CellSize, CellSize, CellSize);
    if (Drawn && Ground) {
        const int now = Ground->EarthKind(col, row);
        if (now != Drawn->EarthKind(col, row))
            painter.fillRect(rect, KindColour(now));
        // The scene draws an unidentified object as plain land: the editor
        // marks it in its colour, crossed, so that it is seen and not
        // mistaken for land or for a painted deposit.
        else if (now == ekUnknown) {
            painter.fillRect(rect, WithAlpha(KindColour(ekUnknown), MarkAlpha));
            painter.setPen(QPen(KindColour(ekUnknown).darker(160), 2));
            const QRect in = rect.adjusted(6, 6, -6, -6);
            painter.drawLine(in.topLeft(), in.bottomRight());
            painter.drawLine(in.topRight(), in.bottomLeft());
        }
    }
    if (!preview_.empty() && preview_[Index(col, row)])
        painter.fillRect(rect, WithAlpha(QColor(0xF4, 0xEC, 0xD4), MarkAlpha / 2));
    if (!problem_.empty() && problem_[Index(col, row)])
        painter.fillRect(
            rect,
            WithAlpha(error_ ? QColor(0xD0, 0x20, 0x20) : QColor(0xF0, 0xC0, 0x20), MarkAlpha));
    const int dc = col - BrushCell.x(), dr = row - BrushCell.y();
    if (BrushSize <= 0 || !TLandEdit::BrushCovers(BrushSize, BrushShape, dc, dr))
        return;
    // The outline runs along the sides whose neighbour the brush leaves out.
    painter.setPen(QPen(Qt::white, 2));
    const auto covers = [&](int c, int r) {
        return TLandEdit::BrushCovers(BrushSize, BrushShape, c, r);
    };
    const QRect in = rect.adjusted(1, 1, -1, -1);
    if (!covers(dc - 1, dr))
        painter.drawLine(in.topLeft(), in.bottomLeft());
    if (!covers(dc + 1, dr))
        painter.drawLine(in.topRight(), in.bottomRight());
    if (!covers(dc, dr - 1))
        painter.drawLine(in.topLeft(), in.topRight());
    if (!covers(dc, dr + 1))
        painter.drawLine(in.bottomLeft(), in.bottomRight());
}

QColor TEditMarks::KindColour(int kind) {
    static constexpr QRgb Colours[EarthKindCount] = {
        0x2B6497, // sea
        0xE3D3A0, // coast
        0x8CBB68, // land
        0x5DA2D6, // lake
        0x5F9650, // forest
        0x4A4A4A, // coal
        0xA0643C, // ore
        0x1E1E28, // oil
        0xE0B030, // gold
        0xB050B0, // unknown
    };
    return QColor::fromRgb(kind >= 0 && kind < EarthKindCount ? Colours[kind] : Colours[ekUnknown]);
}
