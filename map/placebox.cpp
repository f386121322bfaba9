#include "map/placebox.h"

#include "base/numbers.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace {

int64_t FloorDiv(int64_t a, int64_t b) {
    return a / b - ((a % b != 0) && (a < 0));
}

int64_t CeilDiv(int64_t a, int64_t b) {
    return a / b + ((a % b != 0) && (a > 0));
}

// A rectangle given in 64 bits, cut to what a QRect can hold.
QRect ClampedRect(int64_t left, int64_t top, int64_t width, int64_t height) {
    const int32_t l = ClampToInt32(left);
    const int32_t t = ClampToInt32(top);
    const int64_t r = std::min<int64_t>(left + width, INT32_MAX);
    const int64_t b = std::min<int64_t>(top + height, INT32_MAX);
    return QRect(l, t, ClampToInt32(r - l), ClampToInt32(b - t));
}

// Lets a paint event's handlers draw on the painter only while the paint runs,
// also when a handler throws.
class TCanvasBinding {
public:
    TCanvasBinding(QPainter*& slot, QPainter& painter) : slot_(slot) { slot_ = &painter; }
    ~TCanvasBinding() { slot_ = nullptr; }
    TCanvasBinding(const TCanvasBinding&) = delete;
    TCanvasBinding& operator=(const TCanvasBinding&) = delete;

private:
    QPainter*& slot_;
};

} // namespace

TvtPlaceBox::TvtPlaceBox(QWidget* parent) : QWidget(parent) {
    // The view paints every pixel itself: no erasing before a paint, which
    // also lets a scroll repaint only the uncovered strips.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setGeometry(0, 0, 250, 250);
    MovePointer = [](QPoint at) {
        QCursor::setPos(at);
        return QCursor::pos() == at;
    };
}

TvtPlaceBox::~TvtPlaceBox() {
    EndDrag();
}

void TvtPlaceBox::Initialize(int32_t cols, int32_t rows, int32_t cellWidth, int32_t cellHeight) {
    // Cells of at least one pixel keep the cell arithmetic free of divisions by zero.
    cols_ = std::max(cols, 0);
    rows_ = std::max(rows, 0);
    cellWidth_ = std::max(cellWidth, 1);
    cellHeight_ = std::max(cellHeight, 1);
    UpdateRange();
}

QPoint TvtPlaceBox::DeviceOrigin() const {
    return {static_cast<int>(std::lround(screen_.x() * zoom_)),
            static_cast<int>(std::lround(screen_.y() * zoom_))};
}

QPointF TvtPlaceBox::ToWorld(QPointF client) const {
    return (client + QPointF(DeviceOrigin())) / zoom_;
}

int32_t TvtPlaceBox::Far(int32_t pixels) const {
    return static_cast<int32_t>(std::lround(pixels / zoom_));
}

QSize TvtPlaceBox::ViewInWorld() const {
    return {static_cast<int>(std::ceil(width() / zoom_)),
            static_cast<int>(std::ceil(height() / zoom_))};
}

void TvtPlaceBox::SetScreen(int32_t x, int32_t y) {
    const QSize view = ViewInWorld();
    const int64_t maxX = WorldWidth() - view.width();
    const int64_t maxY = WorldHeight() - view.height();
    // The lower bound comes last, so a world smaller than the view is shown
    // from 0; zoomed out, it stands in the middle of the view instead.
    const auto bound = [this](int64_t at, int64_t max) {
        return max < 0 && zoom_ < 1 ? max / 2 : std::max<int64_t>(std::min<int64_t>(at, max), 0);
    };
    const int32_t newX = ClampToInt32(bound(x, maxX));
    const int32_t newY = ClampToInt32(bound(y, maxY));
    const QPoint target(newX, newY);
    if (target == screen_) {
        return;
    }
    const QPoint delta = screen_ - target;
    screen_ = target;
    // At today's size the pixels shown move and only the uncovered strips
    // are painted; at another zoom a world pixel is no whole number of
    // pixels of the view, and the view is painted again.
    if (zoom_ == 1)
        scroll(delta.x(), delta.y());
    else
        update();
    if (OnScroll) {
        OnScroll();
    }
}

void TvtPlaceBox::CenterPoint(int32_t x, int32_t y) {
    const QSize view = ViewInWorld();
    SetScreen(SaturatingSub(x, view.width() / 2), SaturatingSub(y, view.height() / 2));
}

void TvtPlaceBox::SetZoom(double zoom, QPointF anchor) {
    zoom = std::clamp(zoom, MinZoom, MaxZoom);
    if (zoom == zoom_)
        return;
    const QPointF world = ToWorld(anchor);
    zoom_ = zoom;
    const QPointF origin = world - anchor / zoom_;
    // The origin set last is kept even when SetScreen finds it unchanged.
    const QPoint before = screen_;
    SetScreen(ClampToInt32(static_cast<int64_t>(std::floor(origin.x()))),
              ClampToInt32(static_cast<int64_t>(std::floor(origin.y()))));
    update();
    if (screen_ == before && OnScroll)
        OnScroll();
    if (OnZoom)
        OnZoom();
}

void TvtPlaceBox::StepZoom(int steps, QPointF anchor) {
    // The last level at or below the zoom; a zoom between two levels (a
    // pinch's) counts the level above it as the first step up.
    const auto last =
        static_cast<int>(std::ranges::upper_bound(ZoomLevels, zoom_) - std::begin(ZoomLevels)) - 1;
    const bool between = last < 0 || ZoomLevels[last] != zoom_;
    const int from = between && steps < 0 ? last + 1 : last;
    const int to = std::clamp(from + steps, 0, static_cast<int>(std::size(ZoomLevels)) - 1);
    SetZoom(ZoomLevels[to], anchor);
}

void TvtPlaceBox::ShowRect(const QRect& world) {
    const int64_t right = static_cast<int64_t>(world.left()) + world.width();
    const int64_t bottom = static_cast<int64_t>(world.top()) + world.height();
    const QSize view = ViewInWorld();
    int64_t x = screen_.x();
    if (x > world.left()) {
        x = world.left();
    } else if (x + view.width() < right) {
        x = right - view.width();
    }
    int64_t y = screen_.y();
    if (y > world.top()) {
        y = world.top();
    } else if (y + view.height() < bottom) {
        y = bottom - view.height();
    }
    SetScreen(ClampToInt32(x), ClampToInt32(y));
}

QRect TvtPlaceBox::ScreenRect() const {
    return QRect(screen_, ViewInWorld());
}

QRect TvtPlaceBox::RangeRect() const {
    return ClampedRect(0, 0, WorldWidth(), WorldHeight());
}

void TvtPlaceBox::UpdateCell(int32_t col, int32_t row) {
    UpdateWorld(ClampedRect(static_cast<int64_t>(col) * cellWidth_,
                            static_cast<int64_t>(row) * cellHeight_, cellWidth_, cellHeight_));
}

void TvtPlaceBox::UpdateWorld(const QRect& world) {
    if (zoom_ == 1) {
        update(world.translated(-screen_) & rect());
        return;
    }
    // Every pixel of the view the rectangle touches, with the two beyond its
    // edge that a mark round a small cell takes and the one smoothing reaches.
    const QRectF client(QPointF(world.topLeft()) * zoom_ - QPointF(DeviceOrigin()),
                        QSizeF(world.size()) * zoom_);
    update(client.toAlignedRect().adjusted(-3, -3, 3, 3) & rect());
}

void TvtPlaceBox::UpdateImage() {
    update();
}

void TvtPlaceBox::UpdateRange() {
    SetScreen(screen_.x(), screen_.y());
    UpdateImage();
}

void TvtPlaceBox::DestPaint(QPainter& painter, const QRect& world) {
    const TCanvasBinding binding(destCanvas_, painter);
    if (OnPaintBackground) {
        OnPaintBackground(world);
    }
    if (!OnPaintCell || world.isEmpty()) {
        return;
    }
    // Every cell with at least one pixel in the rectangle, column by column.
    const QRect cells = CellsIn(world);
    for (int32_t col = cells.left(); col <= cells.right(); ++col) {
        for (int32_t row = cells.top(); row <= cells.bottom(); ++row) {
            OnPaintCell(col, row);
        }
    }
}

QRect TvtPlaceBox::CellsIn(const QRect& world) const {
    if (world.isEmpty())
        return {};
    const int64_t right = static_cast<int64_t>(world.left()) + world.width();
    const int64_t bottom = static_cast<int64_t>(world.top()) + world.height();
    const int64_t col0 = std::max<int64_t>(FloorDiv(world.left(), cellWidth_), 0);
    const int64_t row0 = std::max<int64_t>(FloorDiv(world.top(), cellHeight_), 0);
    const int64_t col1 = std::min<int64_t>(CeilDiv(right, cellWidth_), cols_);
    const int64_t row1 = std::min<int64_t>(CeilDiv(bottom, cellHeight_), rows_);
    if (col1 <= col0 || row1 <= row0)
        return {};
    return QRect(QPoint(static_cast<int32_t>(col0), static_cast<int32_t>(row0)),
                 QPoint(static_cast<int32_t>(col1 - 1), static_cast<int32_t>(row1 - 1)));
}

void TvtPlaceBox::paintEvent(QPaintEvent* event) {
    const QRect client = event->rect();
    if (client.isEmpty()) {
        return;
    }
    // The backing store already composes the whole paint before it reaches
    // the screen, and the painter is clipped to the region being repainted.
    QPainter painter(this);
    if (zoom_ == 1) {
        painter.translate(-screen_);
        DestPaint(painter, client.translated(screen_));
        return;
    }
    // The origin falls on a whole pixel of the view, so that cells of a
    // whole number of pixels fill whole pixels.
    painter.translate(-DeviceOrigin());
    painter.scale(zoom_, zoom_);
    const QRectF world(ToWorld(client.topLeft()), QSizeF(client.size()) / zoom_);
    DestPaint(painter, world.toAlignedRect());
}

void TvtPlaceBox::keyPressEvent(QKeyEvent* event) {
    event->ignore();
    if (OnKeyDown) {
        OnKeyDown(*event);
    }
    if (ArrowsDragInterval == 0 || !(event->modifiers() & Qt::ControlModifier)) {
        return;
    }
    int32_t dx = 0;
    int32_t dy = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        dx = -ArrowsDragInterval;
        break;
    case Qt::Key_Up:
        dy = -ArrowsDragInterval;
        break;
    case Qt::Key_Right:
        dx = ArrowsDragInterval;
        break;
    case Qt::Key_Down:
        dy = ArrowsDragInterval;
        break;
    default:
        return;
    }
    event->accept();
    // The keys move the view alike on the screen at every zoom.
    SetScreen(SaturatingAdd(screen_.x(), Far(dx)), SaturatingAdd(screen_.y(), Far(dy)));
}

QPoint TvtPlaceBox::WorldPoint(const QPointF& client) const {
    if (zoom_ == 1)
        return client.toPoint() + screen_;
    const QPointF world = ToWorld(client);
    return {static_cast<int>(std::floor(world.x())), static_cast<int>(std::floor(world.y()))};
}

void TvtPlaceBox::wheelEvent(QWheelEvent* event) {
    event->accept();
    QPoint turn = event->angleDelta();
    if (event->modifiers() & Qt::ShiftModifier)
        turn = QPoint(turn.y() ? turn.y() : turn.x(), 0);
    if (turn.x() != 0 || event->modifiers() & Qt::ShiftModifier) {
        // A sideways turn scrolls as far as a line of cells, per notch.
        const QPoint pixels = event->pixelDelta().isNull()
                                  ? QPoint(turn.x(), 0) * cellWidth_ * 3 / 120
                                  : QPoint(event->pixelDelta().x(), 0);
        SetScreen(SaturatingSub(screen_.x(), Far(pixels.x())), screen_.y());
        return;
    }
    // A notch of a wheel is 120; a touchpad's smooth turns add up to one.
    wheelTurn_ += turn.y();
    const int steps = wheelTurn_ / 120;
    wheelTurn_ -= steps * 120;
    if (steps != 0)
        StepZoom(steps, event->position());
}

bool TvtPlaceBox::event(QEvent* event) {
    if (event->type() == QEvent::NativeGesture) {
        const auto* gesture = static_cast<QNativeGestureEvent*>(event);
        if (gesture->gestureType() == Qt::ZoomNativeGesture) {
            SetZoom(zoom_ * (1 + gesture->value()), gesture->position());
            return true;
        }
    }
    return QWidget::event(event);
}

void TvtPlaceBox::mousePressEvent(QMouseEvent* event) {
    if (OnMouseDown) {
        OnMouseDown(event->button(), event->modifiers(), WorldPoint(event->position()));
    }
    if (MouseDrag && event->button() == Qt::RightButton && !dragging_) {
        // The cursor disappears and is held where the drag began; every move
        // scrolls by how far the hand moved and puts the cursor back, so a
        // drag never runs out of room at the edge of the screen.
        setCursor(Qt::BlankCursor);
        dragging_ = true;
        dragAnchor_ = event->globalPosition().toPoint();
        dragPointer_ = dragAnchor_;
    }
}

void TvtPlaceBox::mouseMoveEvent(QMouseEvent* event) {
    if (OnMouseMove) {
        OnMouseMove(event->buttons(), event->modifiers(), WorldPoint(event->position()));
    }
    if (!dragging_) {
        return;
    }
    // Each move counts from where the pointer really was, so that a drag
    // pulls the map alike whether or not the pointer could be put back.
    const QPoint at = event->globalPosition().toPoint();
    const QPoint moved = at - dragPointer_;
    if (moved.isNull()) {
        return;
    }
    dragPointer_ = MovePointer && MovePointer(dragAnchor_) ? dragAnchor_ : at;
    SetScreen(SaturatingSub(screen_.x(), Far(moved.x())),
              SaturatingSub(screen_.y(), Far(moved.y())));
    // The map follows the hand: the uncovered strips are painted now, not
    // when the event queue gets round to them.
    QCoreApplication::sendPostedEvents(window(), QEvent::UpdateRequest);
}

void TvtPlaceBox::mouseReleaseEvent(QMouseEvent* event) {
    if (OnMouseUp) {
        OnMouseUp(event->button(), event->modifiers(), WorldPoint(event->position()));
    }
    EndDrag();
}

void TvtPlaceBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const QPoint before = screen_;
    // The world pixel at the centre stays there.
    const QSize old = event->oldSize();
    if (old.isValid() && !old.isEmpty()) {
        const QPoint moved((old.width() - width()) / 2, (old.height() - height()) / 2);
        SetScreen(SaturatingAdd(screen_.x(), Far(moved.x())),
                  SaturatingAdd(screen_.y(), Far(moved.y())));
    }
    UpdateRange();
    // The visible area changed its size even when the origin stayed, and
    // whoever follows it (the overview map) must know.
    if (screen_ == before && OnScroll) {
        OnScroll();
    }
}

// The view shows no focus mark, so taking or losing the focus repaints nothing.
void TvtPlaceBox::focusInEvent(QFocusEvent*) {}

// A drag that loses its window must not leave the cursor hidden.
void TvtPlaceBox::focusOutEvent(QFocusEvent*) {
    EndDrag();
}

void TvtPlaceBox::hideEvent(QHideEvent* event) {
    EndDrag();
    QWidget::hideEvent(event);
}

void TvtPlaceBox::EndDrag() {
    if (dragging_) {
        dragging_ = false;
        unsetCursor();
    }
}
