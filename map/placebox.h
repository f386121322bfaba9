#pragma once

#include <QPoint>
#include <QRect>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <iterator>

class QPainter;
class QWheelEvent;

// The scrolling view of a large grid of equal cells (the world). It paints
// nothing of the map itself: through OnPaintBackground and OnPaintCell its
// owner paints, in world pixels, the background of the part to repaint and
// then every cell that part touches. Scrolling moves the pixels already shown
// and repaints only the uncovered strips, so the view never flickers.
class TvtPlaceBox : public QWidget {
public:
    explicit TvtPlaceBox(QWidget* parent = nullptr);
    ~TvtPlaceBox() override;

    // Pixels scrolled per Ctrl+arrow key; 0 turns key scrolling off.
    int32_t ArrowsDragInterval = 0;
    // Right-button drag scrolling.
    bool MouseDrag = false;

    // Paint the background of a world rectangle on DestCanvas().
    std::function<void(const QRect& world)> OnPaintBackground;
    // Paint one cell on DestCanvas(), at world pixels.
    std::function<void(int32_t col, int32_t row)> OnPaintCell;
    // The visible part of the world has moved or changed its size, or the
    // zoom changed.
    std::function<void()> OnScroll;
    // The zoom changed (after OnScroll).
    std::function<void()> OnZoom;
    // Mouse events carry world pixels: the client position plus the origin.
    std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, QPoint world)> OnMouseDown;
    std::function<void(Qt::MouseButtons, Qt::KeyboardModifiers, QPoint world)> OnMouseMove;
    std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, QPoint world)> OnMouseUp;
    // Every key pressed on the view, before Ctrl+arrow scrolling; accepting
    // the event marks the key as used.
    std::function<void(QKeyEvent&)> OnKeyDown;

    void Initialize(int32_t cols, int32_t rows, int32_t cellWidth, int32_t cellHeight);

    // The zooms the wheel and the keys step through, from the farthest: how
    // many pixels of the view a pixel of the world takes.
    // With the game's 25-pixel cells each level makes a cell a whole number
    // of pixels, from 3 (the whole island on a 1080-line screen) to 50.
    static constexpr double ZoomLevels[] = {0.12, 0.16, 0.2, 0.24, 0.32, 0.4, 0.48,
                                            0.6,  0.8,  1,   1.2,  1.6,  2};
    static constexpr double MinZoom = ZoomLevels[0];
    static constexpr double MaxZoom = ZoomLevels[std::size(ZoomLevels) - 1];
    double Zoom() const { return zoom_; }
    // Sets the zoom, kept within the levels, so that the world pixel under a
    // point of the view stays under it; fires OnScroll when it changed.
    void SetZoom(double zoom, QPointF anchor);
    // One level nearer (steps above 0) or farther, about a point of the view.
    void StepZoom(int steps, QPointF anchor);
    // Moves the origin, kept inside the world, and fires OnScroll when it moved.
    void SetScreen(int32_t x, int32_t y);
    // Puts a world pixel at the centre of the view, as far as the world allows.
    // A resized view keeps the world pixel at its centre.
    void CenterPoint(int32_t x, int32_t y);
    // Scrolls as little as needed to bring a world rectangle into view.
    void ShowRect(const QRect& world);
    // The part of the world in view, in world pixels.
    QRect ScreenRect() const;
    // The view's origin in pixels of the view at the zoom, a whole number.
    QPoint DeviceOrigin() const;
    // The world pixel under a point of the view, in fractions.
    QPointF ToWorld(QPointF client) const;
    QRect RangeRect() const;

    // Mark parts of the view for repainting; nothing is erased first.
    void UpdateCell(int32_t col, int32_t row);
    // Marks a rectangle of the world, in world pixels, for repainting.
    void UpdateWorld(const QRect& world);
    void UpdateImage();
    // Re-applies the origin's limits after a change of grid or size and repaints all.
    void UpdateRange();

    // The cells with a pixel in a world rectangle, clipped to the grid.
    QRect CellsIn(const QRect& world) const;
    // Paints a world rectangle with the owner's events. The painter must
    // already be translated so that world pixels land in place; an owner may
    // use it to render any part of the world into a picture of its own.
    void DestPaint(QPainter& painter, const QRect& world);

    // The painter the paint events draw on; set only while a paint runs.
    QPainter* DestCanvas() const { return destCanvas_; }
    QPoint Screen() const { return screen_; }
    int32_t CellWidth() const { return cellWidth_; }
    int32_t Cols() const { return cols_; }
    int32_t Rows() const { return rows_; }
    bool Dragging() const { return dragging_; }

    // Puts the pointer at a point of the screen and tells whether it is
    // there now: some platforms (Wayland) never move it for a program.
    // QCursor's by default; tests put in a platform of their own.
    std::function<bool(QPoint)> MovePointer;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The wheel zooms about the pointer; Shift or a sideways wheel scrolls.
    void wheelEvent(QWheelEvent* event) override;
    // A touchpad's pinch zooms where the platform reports it.
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QPoint WorldPoint(const QPointF& client) const;
    // The world's pixels the view holds across and down at the zoom.
    QSize ViewInWorld() const;
    // A distance in pixels of the view as world pixels.
    int32_t Far(int32_t pixels) const;
    int64_t WorldWidth() const { return static_cast<int64_t>(cellWidth_) * cols_; }
    int64_t WorldHeight() const { return static_cast<int64_t>(cellHeight_) * rows_; }
    void EndDrag();

    QPoint dragAnchor_;
    QPoint dragPointer_; // where the pointer was at the last move of a drag
    bool dragging_ = false;
    QPoint screen_;
    double zoom_ = 1;
    // The wheel's turn not yet made into a zoom step, in eighths of a degree.
    int wheelTurn_ = 0;
    int32_t cellHeight_ = 25;
    int32_t cellWidth_ = 25;
    int32_t cols_ = 10;
    int32_t rows_ = 10;
    QPainter* destCanvas_ = nullptr;
};
