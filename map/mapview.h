#pragma once

#include "map/overlay.h"

#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class QPainter;
class TImageList;
class TBase;
class TDM;
class TEarth;
class TGame;
class TvtPlaceBox;
class TvtPlan;
class TWall;

// The main window's side of the map view: paints the scene, the terrain
// decorations, ruins, improved land, buildings with their state icons and the
// animated frame of the selected cell into the place box, and the colony's
// marks into the overview plan. It attaches itself to the place box's paint
// events for its whole life.
//
// At any zoom the scene is drawn as shapes at that zoom, once for the ground
// round the view, and the pictures from lists resized once for it (from the sharp art above today's
// size); where a cell is FlatCellPixels or fewer pixels, the view is a map: each cell one colour by
// its ground or its building.
class TMapView {
public:
    TMapView(TvtPlaceBox& placeBox, TEarth& earth, const TDM& images);
    ~TMapView();
    TMapView(const TMapView&) = delete;
    TMapView& operator=(const TMapView&) = delete;

    // The colony shown; none before the first game. Repaints the whole view.
    void SetGame(const TGame* game);
    const TGame* Game() const { return game_; }

    // Tints the cells by the overlay, on the view and on the plan, and
    // repaints both.
    void SetOverlay(TOverlay overlay);
    TOverlay Overlay() const { return overlay_; }

    // Moves the selection to a cell of the grid: the old cell loses its frame
    // at the next paint, and the frame appears on the new one at once.
    void SetSelection(QPoint cell);

    // Draws the colony's marks on the plan, and later the map picture into it.
    void AttachPlan(TvtPlan& plan);

    // The place box's paint events, in world pixels.
    void pb1PaintBackground(const QRect& world);
    void pb1PaintCell(int32_t col, int32_t row);
    void DrawBase(const TBase& base, QPainter& painter, int32_t x, int32_t y) const;
    void DrawSelection(QPainter& painter, int32_t x, int32_t y) const;
    // The most pixels a cell has where the view is drawn as a map.
    static constexpr int FlatCellPixels = 6;
    // A cell's colour on the map the far zooms draw, without an overlay.
    QRgb FlatColour(int32_t col, int32_t row) const;
    // One step of the selection animation.
    void tmSelectTimer();
    // The plan's marks: red squares for buildings shown on the overview, flames
    // for worn ones.
    void PlanPaint(QPainter& painter) const;
    // Paints the scene's overview shapes into the plan's background picture.
    void DrawPlanBack(TvtPlan& plan);
    // Paints a scene's overview shapes over its colour into a picture of the
    // plan's size, as the overview map shows the land.
    static void PaintOverview(TWall& scene, QImage& picture);
    // A cell's place on the overview map, in plan pixels.
    static QPoint CellOnPlan(QPoint cell);

    // Paints over a cell after its ground and tint, before the selection's
    // frame: the island editor's marks.
    std::function<void(QPainter&, int32_t col, int32_t row)> OnPaintCellOver;

    // The frame of the selection animation shown now, 0..11.
    int SelectionFrame = 0;
    // Steps the selection animation every 55 ms from construction on.
    QTimer tmSelect;

private:
    // The lists a zoom draws from.
    struct TPictures {
        const TImageList& Bases;
        const TImageList& Earth;
        const TImageList& Icons;
    };
    struct TScaledPictures;
    // The pictures for cells of the given pixels, resized at their first use.
    TPictures PicturesAt(int cellPixels) const;
    // A cell's pixels at the place box's zoom.
    int CellPixels() const;
    // A building or a ground cell's pictures at a point and a cell's size, in
    // the painter's coordinates.
    void DrawBase(const TBase& base, const TPictures& pictures, QPainter& painter, int32_t x,
                  int32_t y, int size) const;
    // What stands on a cell or lies on its ground (ruins, improved land),
    // over the ground drawn.
    void DrawCell(const TPictures& pictures, QPainter& painter, int32_t col, int32_t row, QPoint at,
                  int size) const;
    // The ground decoration's picture of a cell in the earth list, or -1.
    int Decoration(int32_t col, int32_t row) const;
    // The ground and the pictures of the cells of a world rectangle, in the
    // view's own pixels.
    void DrawCells(QPainter& painter, const QRect& world);
    // The map of the far zooms over the world's rectangle.
    void PaintFlat(QPainter& painter, const QRect& world);

    TvtPlaceBox& placeBox_;
    TEarth& earth_;
    const TDM& images_;
    QPointer<TvtPlan> plan_;
    // The overlay's tint over a cell painted already, if it has one.
    void TintCell(QPainter& painter, int32_t col, int32_t row) const;
    // The overlay's tints in place of the buildings' marks on the plan.
    void PlanPaintOverlay(QPainter& painter) const;

    mutable std::map<int, std::unique_ptr<TScaledPictures>> scaled_;
    // The sharp art, read at the first zoom above today's size.
    mutable std::unique_ptr<TDM> sharp_;
    // Each building picture's colour on the map, worked out at the first need.
    mutable std::vector<QRgb> baseColours_;
    // The map's picture, a pixel a cell, made again at each paint.
    QImage flat_;
    // The scene and the ground's pictures drawn once for the cells round the
    // view (Cells), at CellPixels a cell, of the earth's land Land; what
    // stands on the ground is drawn over it at each paint. The cells the view
    // reaches beyond it are added as it moves; a new zoom or land starts it
    // again.
    struct TGroundCache {
        QImage Picture;
        QRect Cells;
        int CellPixels = 0;
        uint64_t Land = 0;
    } ground_;
    // Makes the cache the given cells at a cell's pixels, drawing the scene
    // and the ground's pictures of those it does not hold yet.
    void DrawGround(const QRect& cells, int cellPixels);
    const TGame* game_ = nullptr;
    QPoint selection_;
    TOverlay overlay_ = TOverlay::None;
};
