#pragma once

#include <QColor>
#include <QImage>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <functional>

class TvtPlaceBox;

// The overview map: the whole world at once, with corner marks around the part
// that the bound place box shows. Pressing or dragging on it centres the place
// box on that point. The owner paints the map once into Background() and its
// own marks at every repaint through OnPaint.
class TvtPlan : public QWidget {
public:
    explicit TvtPlan(QWidget* parent = nullptr);
    ~TvtPlan() override;

    // Draws the owner's marks over the background, in plan pixels.
    std::function<void(QPainter&)> OnPaint;

    // Binds the plan to a place box, taking over its OnScroll.
    void SetPlaceBox(TvtPlaceBox* placeBox);
    TvtPlaceBox* PlaceBox() const { return placeBox_; }

    void SetScreenColor(QColor colour);
    void SetColor(QColor colour);
    QColor Color() const { return color_; }

    // The map picture, always of the plan's current size: a resize, also one
    // made while the plan is hidden, clears it to the empty frame.
    QImage& Background();
    // The map picture for an owner that paints it whole: of the plan's
    // current size, without the empty frame painted first.
    QImage& BackgroundToCover();
    // The place box's visible area in plan pixels.
    QRect ScreenRectOnPlan() const { return screenRect_; }

    // Follows the place box: recomputes the visible area and repaints when it moved.
    void PlaceBoxScroll();
    // Draws the four corner marks of the visible area.
    void PaintScreen(QPainter& painter) const;

    // World pixels to plan pixels and back, with the place box's world size.
    QPoint WorldToPlan(QPoint world) const;
    QPoint PlanToWorld(QPoint plan) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void PaintBackgroundFrame();
    QSize WorldSize() const;
    void CenterPlaceBox(QPoint plan);

    bool dragging_ = false;
    bool frameStale_ = true; // the colour changed since the frame was painted
    QImage background_;
    QPointer<TvtPlaceBox> placeBox_;
    QRect screenRect_;
    QColor screenColor_ = Qt::red;
    QColor color_ = Qt::white;
};
