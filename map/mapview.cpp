#include "map/mapview.h"

#include "land/earth.h"
#include "map/placebox.h"
#include "map/plan.h"
#include "model/game.h"
#include "resources/datamodule.h"
#include "scene/styles.h"

#include <QPainter>
#include <QRegion>
#include <cmath>

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
// The fewest pixels of a cell that the selection's frame goes inside of;
// round smaller cells, so that it hides nothing of them.
constexpr int FramedCellPixels = 16;
// How far round the view, in its pixels, the ground drawn at a zoom reaches.
constexpr int GroundMargin = 256;

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

// The map's colours of the grounds, by kind: sea (the scene's own colour
// takes its place), coast, land, water, forest, coal, ore, oil, gold and the
// unidentified object.
constexpr QRgb FlatGround[EarthKindCount] = {0xff2a5fa0, 0xffe8d9a0, 0xff9cc468, 0xff6fb4e8,
                                             0xff2f6e2f, 0xff2b2b2b, 0xffa0522d, 0xff5a3a6e,
                                             0xfff0c020, 0xffff00ff};

// A building's colour on the map: the hue of its picture's opaque pixels,
// made vivid, so that buildings stand out from the muted grounds.
QRgb BuildingColour(const QImage& picture) {
    int64_t red = 0;
    int64_t green = 0;
    int64_t blue = 0;
    int64_t count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (const QRgb pixel = picture.pixel(x, y); qAlpha(pixel) == 255) {
                red += qRed(pixel);
                green += qGreen(pixel);
                blue += qBlue(pixel);
                ++count;
            }
    const QColor mean = count
                            ? QColor(static_cast<int>(red / count), static_cast<int>(green / count),
                                     static_cast<int>(blue / count))
                            : QColor(Qt::red);
    return QColor::fromHsv(std::max(mean.hsvHue(), 0), 230, 250).rgb();
}

} // namespace

struct TMapView::TScaledPictures {
    TImageList Bases;
    TImageList Earth;
    TImageList Icons;
};

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

int TMapView::CellPixels() const {
    return static_cast<int>(std::lround(CellSize * placeBox_.Zoom()));
}

TMapView::TPictures TMapView::PicturesAt(int cellPixels) const {
    if (cellPixels == CellSize)
        return {images_.imlBases, images_.imlEarth, images_.imlIcons};
    std::unique_ptr<TScaledPictures>& kept = scaled_[cellPixels];
    if (!kept) {
        // Larger cells are made from the sharp art, smaller ones from the art
        // the screen shows at today's size.
        const TDM* source = &images_;
        if (cellPixels > CellSize && images_.imlBases.Ratio() < 2) {
            if (!sharp_)
                sharp_ = std::make_unique<TDM>(TDM::MapPictures(images_.Folder(), 2));
            source = sharp_.get();
        }
        const qreal zoom = static_cast<qreal>(cellPixels) / CellSize;
        const int ratio = TDM::ScreenRatio() > 1 ? 2 : 1;
        kept = std::make_unique<TScaledPictures>(TScaledPictures{
            source->imlBases.Scaled(zoom, ratio), source->imlEarth.Scaled(zoom, ratio),
            source->imlIcons.Scaled(zoom, ratio)});
    }
    return {kept->Bases, kept->Earth, kept->Icons};
}

void TMapView::pb1PaintBackground(const QRect& world) {
    QPainter* destCanvas = placeBox_.DestCanvas();
    if (!destCanvas) {
        return; // only a paint of the place box has somewhere to draw
    }
    QPainter& canvas = *destCanvas;
    if (CellPixels() <= FlatCellPixels) {
        PaintFlat(canvas, world);
        return;
    }
    DrawCells(canvas, world);
}

QRgb TMapView::FlatColour(int32_t col, int32_t row) const {
    if (const TBase* base = game_ ? game_->BaseAt(col, row) : nullptr) {
        if (baseColours_.empty())
            for (int i = 0; i < images_.imlBases.Count(); ++i)
                baseColours_.push_back(BuildingColour(images_.imlBases.Picture(i)));
        const int index = base->Kind->ImageIndex;
        return index >= 0 && index < static_cast<int>(baseColours_.size())
                   ? baseColours_[static_cast<size_t>(index)]
                   : qRgb(0xc0, 0x30, 0x30);
    }
    // The sea is the scene's, as round the world.
    const int kind = earth_.EarthKind(col, row);
    return kind == ekSea ? ToQColor(earth_.Scene.Color).rgb()
                         : FlatGround[kind >= 0 && kind < EarthKindCount ? kind : ekUnknown];
}

void TMapView::PaintFlat(QPainter& painter, const QRect& world) {
    // The cells the rectangle touches, a pixel each, stretched over them.
    const QRect cells = placeBox_.CellsIn(world);
    if (cells.isEmpty())
        return;
    if (flat_.size() != cells.size())
        flat_ = QImage(cells.size(), QImage::Format_RGB32);
    for (int row = 0; row < cells.height(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(flat_.scanLine(row));
        for (int col = 0; col < cells.width(); ++col) {
            const int32_t c = cells.left() + col;
            const int32_t r = cells.top() + row;
            QRgb colour = FlatColour(c, r);
            // An overlay's step takes the cell whole: at a few pixels a
            // half-seen tint would read as another colour.
            if (overlay_ != TOverlay::None && game_)
                if (const int step = OverlayStep(overlay_, *game_, c, r); step >= 0)
                    colour = OverlayLegend(overlay_)[static_cast<size_t>(step)].Colour;
            line[col] = colour;
        }
    }
    painter.fillRect(world, ToQColor(earth_.Scene.Color));
    painter.drawImage(QRect(cells.topLeft() * CellSize, cells.size() * CellSize), flat_);
}

void TMapView::pb1PaintCell(int32_t col, int32_t row) {
    QPainter* destCanvas = placeBox_.DestCanvas();
    if (!destCanvas || !TTerrainGrid::Contains(col, row)) {
        return;
    }
    QPainter& canvas = *destCanvas;
    const int32_t x = col * CellSize;
    const int32_t y = row * CellSize;
    // The background's pass has drawn the cell's pictures already.
    if (CellPixels() > FlatCellPixels && overlay_ != TOverlay::None && game_) {
        TintCell(canvas, col, row);
    }
    if (OnPaintCellOver) {
        OnPaintCellOver(canvas, col, row);
    }
    if (QPoint(col, row) == selection_) {
        DrawSelection(canvas, x, y);
    }
}

void TMapView::DrawCell(const TPictures& pictures, QPainter& painter, int32_t col, int32_t row,
                        QPoint at, int size) const {
    if (const TBase* base = game_ ? game_->BaseAt(col, row) : nullptr) {
        // The building picture is opaque and hides everything of the ground.
        DrawBase(*base, pictures, painter, at.x(), at.y(), size);
        return;
    }
    if (game_ && game_->Cell(col, row).Ruins != 0) {
        pictures.Earth.Draw(painter, at.x(), at.y(), RuinsPicture);
    }
    if (game_ && game_->Cell(col, row).Improved != 0) {
        const TImageList& icons = pictures.Icons;
        icons.Draw(painter, at.x() + (size - icons.Width()) / 2,
                   at.y() + (size - icons.Height()) / 2, siImproved);
    }
}

int TMapView::Decoration(int32_t col, int32_t row) const {
    const int kind = earth_.EarthKind(col, row);
    const int variant = earth_.EarthVariant(col, row);
    return kind >= ekWater && kind <= ekGold && variant >= 0
               ? (kind - ekWater) * DecorationsPerKind + variant
               : -1;
}

void TMapView::DrawGround(const QRect& cells, int cellPixels) {
    const int ratio = TDM::ScreenRatio() > 1 ? 2 : 1;
    TGroundCache old = std::move(ground_);
    ground_ = {QImage(cells.size() * cellPixels * ratio, QImage::Format_RGB32), cells, cellPixels,
               earth_.Generation()};
    ground_.Picture.setDevicePixelRatio(ratio);
    QPainter painter(&ground_.Picture);
    // What the view kept of this land at this zoom moves over; only the
    // cells it lacks are drawn.
    QRegion fresh(cells);
    if (old.CellPixels == cellPixels && old.Land == ground_.Land &&
        old.Picture.devicePixelRatio() == ratio) {
        if (const QRect kept = old.Cells & cells; !kept.isEmpty()) {
            painter.drawImage((kept.topLeft() - cells.topLeft()) * cellPixels, old.Picture,
                              QRect((kept.topLeft() - old.Cells.topLeft()) * cellPixels * ratio,
                                    kept.size() * cellPixels * ratio));
            fresh -= kept;
        }
    }
    const TPictures pictures = PicturesAt(cellPixels);
    const double zoom = placeBox_.Zoom();
    for (const QRect& part : fresh) {
        const QRect world(part.topLeft() * CellSize, part.size() * CellSize);
        painter.save();
        painter.setClipRect(
            QRect((part.topLeft() - cells.topLeft()) * cellPixels, part.size() * cellPixels));
        painter.translate(-cells.topLeft() * cellPixels);
        painter.scale(zoom, zoom);
        painter.fillRect(world, ToQColor(earth_.Scene.Color));
        earth_.Scene.PaintSprites(earth_.Scene.Sprites, painter, world, pmNormal);
        painter.restore();
        for (int32_t col = part.left(); col <= part.right(); ++col)
            for (int32_t row = part.top(); row <= part.bottom(); ++row)
                if (const int decoration = Decoration(col, row); decoration >= 0)
                    pictures.Earth.Draw(painter, (col - cells.left()) * cellPixels,
                                        (row - cells.top()) * cellPixels, decoration);
    }
}

void TMapView::DrawCells(QPainter& painter, const QRect& world) {
    // The ground is drawn once for the cells round the view, the margin
    // letting the view scroll a while before the cells it lacks are drawn;
    // at a new zoom or for a new land for the view alone, so that the zoom's
    // step answers at once.
    const int size = CellPixels();
    const QRect cells = placeBox_.CellsIn(world);
    if (cells.isEmpty())
        return;
    const bool same = ground_.CellPixels == size && ground_.Land == earth_.Generation();
    if (!same || !ground_.Cells.contains(cells)) {
        const int margin = same ? GroundMargin / size + 1 : 1;
        DrawGround(placeBox_.CellsIn(placeBox_.ScreenRect())
                           .united(cells)
                           .adjusted(-margin, -margin, margin, margin) &
                       QRect(0, 0, MapCols, MapRows),
                   size);
    }
    // The pictures are resized for the zoom once and put on whole pixels of
    // the view, with no transformation of theirs.
    const QPoint origin = placeBox_.DeviceOrigin();
    const qreal ratio = ground_.Picture.devicePixelRatio();
    painter.setWorldMatrixEnabled(false);
    const QRect shown = QRect(cells.topLeft() * size - origin, cells.size() * size);
    painter.drawImage(shown.topLeft(), ground_.Picture,
                      QRectF(QPointF((cells.topLeft() - ground_.Cells.topLeft()) * size) * ratio,
                             QSizeF(shown.size()) * ratio));
    const TPictures pictures = PicturesAt(size);
    for (int32_t col = cells.left(); col <= cells.right(); ++col)
        for (int32_t row = cells.top(); row <= cells.bottom(); ++row)
            DrawCell(pictures, painter, col, row, QPoint(col, row) * size - origin, size);
    painter.setWorldMatrixEnabled(true);
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
    DrawBase(base, PicturesAt(CellSize), painter, x, y, CellSize);
}

void TMapView::DrawBase(const TBase& base, const TPictures& pictures, QPainter& painter, int32_t x,
                        int32_t y, int size) const {
    pictures.Bases.Draw(painter, x, y, base.Kind->ImageIndex);
    // Icons sit in the bottom-left corner of the cell, each over the one before.
    const TImageList& icons = pictures.Icons;
    const int32_t iconY = y + size - icons.Height();
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
    const double zoom = placeBox_.Zoom();
    if (zoom == 1) {
        frames.Draw(painter, x, y, SelectionFrame);
        return;
    }
    // At another zoom the frame is two pixels of the view wide, blinking
    // between black and its colour with the animation: on the cell's border,
    // or round it where the cells are too small to hold it.
    const QImage first = frames.Picture(0);
    QRgb colour = qRgb(0xff, 0xff, 0);
    for (int i = 0; i < first.width(); ++i)
        if (const QRgb pixel = first.pixel(i, 0); qAlpha(pixel) == 255 && (pixel & 0xffffff) != 0)
            colour = pixel;
    const bool black = SelectionFrame < TDM::SelectionFrameCount / 2;
    const double width = 2 / zoom;
    const double inset = CellPixels() >= FramedCellPixels ? width / 2 : -width / 2;
    QPen pen(black ? QColor(Qt::black) : QColor::fromRgb(colour), width);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.save();
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(x, y, CellSize, CellSize).adjusted(inset, inset, -inset, -inset));
    painter.restore();
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
