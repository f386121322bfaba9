#include "map/mapview.h"

#include "land/earth.h"
#include "map/placebox.h"
#include "map/plan.h"
#include "model/game.h"
#include "resources/datamodule.h"
#include "scene/styles.h"

#include <QPainter>

namespace {

// Zoom of the scene on the overview map, in percent: 210 plan pixels for the
// 7000-pixel world.
constexpr int32_t PlanZoom = 3;

// Where a cell's corner falls on the overview: three quarters of a pixel a
// cell.
constexpr int32_t PlanPixel(int32_t cell) {
    return cell * CellSize * PlanZoom / 100;
}
constexpr int SelectInterval = 55;
// An overlay's tint lets the picture below show through.
constexpr int TintAlpha = 150;

// State icons of a building, in the order they are drawn over each other.
enum TStateIcon {
    siWorn = 0,
    siBuilding = 1,
    siImproved = 2,
    siBlocked = 3,
    siLacksGoods = 4,
    siOutOfSeason = 5,
    siLacksWorkers = 6,
};
constexpr int RuinsPicture = 64;
constexpr int DecorationsPerKind = 10;

// Keeps the scene at its normal zoom after painting the overview, also when
// painting throws.
class TZoomRestore {
public:
    explicit TZoomRestore(TWall& scene) : scene_(scene) {}
    ~TZoomRestore() { scene_.SetZoom(100); }
    TZoomRestore(const TZoomRestore&) = delete;
    TZoomRestore& operator=(const TZoomRestore&) = delete;

private:
    TWall& scene_;
};

} // namespace

TMapView::TMapView(TvtPlaceBox& placeBox, TEarth& earth, const TDM& images)
    : placeBox_(placeBox), earth_(earth), images_(images) {
    placeBox_.OnPaintBackground = [this](const QRect& world) { pb1PaintBackground(world); };
    placeBox_.OnPaintCell = [this](int32_t col, int32_t row) { pb1PaintCell(col, row); };
    tmSelect.setTimerType(Qt::PreciseTimer);
    tmSelect.setInterval(SelectInterval);
    QObject::connect(&tmSelect, &QTimer::timeout, [this] { tmSelectTimer(); });
    tmSelect.start();
}

TMapView::~TMapView() {
    placeBox_.OnPaintBackground = nullptr;
    placeBox_.OnPaintCell = nullptr;
    if (plan_) {
        plan_->OnPaint = nullptr;
    }
}

void TMapView::SetGame(const TGame* game) {
    game_ = game;
    placeBox_.UpdateImage();
}

void TMapView::SetOverlay(TOverlay overlay) {
    overlay_ = overlay;
    placeBox_.UpdateImage();
    if (plan_) {
        plan_->update();
    }
}

void TMapView::SetSelection(QPoint cell) {
    placeBox_.UpdateCell(selection_.x(), selection_.y());
    selection_ = cell;
    tmSelectTimer();
}

void TMapView::AttachPlan(TvtPlan& plan) {
    plan_ = &plan;
    plan.OnPaint = [this](QPainter& painter) { PlanPaint(painter); };
}

void TMapView::pb1PaintBackground(const QRect& world) {
    QPainter* destCanvas = placeBox_.DestCanvas();
    if (!destCanvas) {
        return; // only a paint of the place box has somewhere to draw
    }
    QPainter& canvas = *destCanvas;
    canvas.fillRect(world, ToQColor(earth_.Scene.Color));
    earth_.Scene.PaintSprites(earth_.Scene.Sprites, canvas, world, pmNormal);
}

void TMapView::pb1PaintCell(int32_t col, int32_t row) {
    QPainter* destCanvas = placeBox_.DestCanvas();
    if (!destCanvas || !TTerrainGrid::Contains(col, row)) {
        return;
    }
    QPainter& canvas = *destCanvas;
    const int32_t x = col * CellSize;
    const int32_t y = row * CellSize;
    if (const TBase* base = game_ ? game_->BaseAt(col, row) : nullptr) {
        // The building picture is opaque and hides everything of the ground.
        DrawBase(*base, canvas, x, y);
    } else {
        const int kind = earth_.EarthKind(col, row);
        const int variant = earth_.EarthVariant(col, row);
        if (kind >= ekWater && kind <= ekGold && variant >= 0) {
            images_.imlEarth.Draw(canvas, x, y, (kind - ekWater) * DecorationsPerKind + variant);
        }
        if (game_ && game_->Cell(col, row).Ruins != 0) {
            images_.imlEarth.Draw(canvas, x, y, RuinsPicture);
        }
        if (game_ && game_->Cell(col, row).Improved != 0) {
            const TImageList& icons = images_.imlIcons;
            icons.Draw(canvas, x + (CellSize - icons.Width()) / 2,
                       y + (CellSize - icons.Height()) / 2, siImproved);
        }
    }
    if (overlay_ != TOverlay::None && game_) {
        TintCell(canvas, col, row);
    }
    if (OnPaintCellOver) {
        OnPaintCellOver(canvas, col, row);
    }
    if (QPoint(col, row) == selection_) {
        DrawSelection(canvas, x, y);
    }
}

void TMapView::TintCell(QPainter& painter, int32_t col, int32_t row) const {
    const int step = OverlayStep(overlay_, *game_, col, row);
    if (step < 0) {
        return;
    }
    QColor tint = QColor::fromRgb(OverlayLegend(overlay_)[static_cast<size_t>(step)].Colour);
    tint.setAlpha(TintAlpha);
    painter.fillRect(QRect(col * CellSize, row * CellSize, CellSize, CellSize), tint);
}

void TMapView::DrawBase(const TBase& base, QPainter& painter, int32_t x, int32_t y) const {
    images_.imlBases.Draw(painter, x, y, base.Kind->ImageIndex);
    // Icons sit in the bottom-left corner of the cell, each over the one before.
    const TImageList& icons = images_.imlIcons;
    const int32_t iconY = y + CellSize - icons.Height();
    if (!base.Kind->WorksIn(base.Game->Season)) {
        icons.Draw(painter, x, iconY, siOutOfSeason);
    }
    if (base.BuildDays != 0) {
        icons.Draw(painter, x, iconY, siBuilding);
    }
    if (base.Blocked) {
        icons.Draw(painter, x, iconY, siBlocked);
    } else {
        if (base.Status & bsLacksGoods) {
            icons.Draw(painter, x, iconY, siLacksGoods);
        }
        if (base.Status & bsLacksWorkers) {
            icons.Draw(painter, x, iconY, siLacksWorkers);
        }
    }
    if (base.IsWorn()) {
        icons.Draw(painter, x, iconY, siWorn);
    }
}

void TMapView::DrawSelection(QPainter& painter, int32_t x, int32_t y) const {
    const int kind = earth_.EarthKind(selection_.x(), selection_.y());
    const TImageList& frames = kind == ekSea     ? images_.imlSelectSea
                               : kind == ekCoast ? images_.imlSelectCoast
                                                 : images_.imlSelectEarth;
    frames.Draw(painter, x, y, SelectionFrame);
}

void TMapView::tmSelectTimer() {
    ++SelectionFrame;
    if (SelectionFrame >= images_.imlSelectEarth.Count()) {
        SelectionFrame = 0;
    }
    // Each frame covers exactly the border of the cell, so repainting the
    // selected cell shows the new frame without touching the rest of the view.
    placeBox_.UpdateCell(selection_.x(), selection_.y());
}

void TMapView::PlanPaint(QPainter& painter) const {
    if (!game_) {
        return;
    }
    if (overlay_ != TOverlay::None) {
        PlanPaintOverlay(painter);
        return;
    }
    const TImageList& icons = images_.imlIcons;
    for (const auto& base : game_->Buildings()) {
        const QPoint onPlan = CellOnPlan(QPoint(base->Column, base->Row));
        const int32_t x = onPlan.x();
        const int32_t y = onPlan.y();
        if (base->Kind->HasStyle(bsPlan)) {
            painter.fillRect(QRect(x - 2, y - 2, 4, 4), Qt::red);
        }
        if (base->IsWorn()) {
            icons.Draw(painter, x - icons.Width() / 2, y - icons.Height() - 2, siWorn);
        }
    }
}

void TMapView::PlanPaintOverlay(QPainter& painter) const {
    const std::span<const TLegendEntry> legend = OverlayLegend(overlay_);
    const auto mark = [&](int32_t col, int32_t row, int32_t size) {
        const int step = OverlayStep(overlay_, *game_, col, row);
        if (step >= 0) {
            painter.fillRect(QRect(CellOnPlan(QPoint(col, row)), QSize(size, size)),
                             QColor::fromRgb(legend[static_cast<size_t>(step)].Colour));
        }
    };
    if (OverlayRow(overlay_).Ground) {
        // Four cells to three pixels: a pixel a cell leaves no gap in the land.
        for (int32_t col = 0; col < MapCols; ++col) {
            for (int32_t row = 0; row < MapRows; ++row) {
                mark(col, row, 1);
            }
        }
        return;
    }
    // A building a little larger than its cell, to stand out.
    for (const auto& base : game_->Buildings()) {
        mark(base->Column, base->Row, 2);
    }
}

void TMapView::DrawPlanBack(TvtPlan& plan) {
    PaintOverview(earth_.Scene, plan.BackgroundToCover());
    plan.update();
}

void TMapView::PaintOverview(TWall& scene, QImage& picture) {
    QPainter painter(&picture);
    painter.fillRect(picture.rect(), ToQColor(scene.Color));
    const TZoomRestore restore(scene);
    scene.SetZoom(PlanZoom);
    scene.PaintSprites(scene.Sprites, painter, std::nullopt, pmPlan);
}

QPoint TMapView::CellOnPlan(QPoint cell) {
    return QPoint(PlanPixel(cell.x()), PlanPixel(cell.y()));
}
