#include "map/placebox.h"

#include "base/numbers.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

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

void TvtPlaceBox::SetScreen(int32_t x, int32_t y) {
    const int64_t maxX = WorldWidth() - width();
    const int64_t maxY = WorldHeight() - height();
    // The lower bound comes last, so a world smaller than the view is shown from 0.
    const int32_t newX = ClampToInt32(std::max<int64_t>(std::min<int64_t>(x, maxX), 0));
    const int32_t newY = ClampToInt32(std::max<int64_t>(std::min<int64_t>(y, maxY), 0));
    const QPoint target(newX, newY);
    if (target == screen_) {
        return;
    }
    const QPoint delta = screen_ - target;
    screen_ = target;
    scroll(delta.x(), delta.y());
    if (OnScroll) {
        OnScroll();
    }
}

void TvtPlaceBox::CenterPoint(int32_t x, int32_t y) {
    SetScreen(SaturatingSub(x, width() / 2), SaturatingSub(y, height() / 2));
}

void TvtPlaceBox::ShowRect(const QRect& world) {
    const int64_t right = static_cast<int64_t>(world.left()) + world.width();
    const int64_t bottom = static_cast<int64_t>(world.top()) + world.height();
    int64_t x = screen_.x();
    if (x > world.left()) {
        x = world.left();
    } else if (x + width() < right) {
        x = right - width();
    }
    int64_t y = screen_.y();
    if (y > world.top()) {
        y = world.top();
    } else if (y + height() < bottom) {
        y = bottom - height();
    }
    SetScreen(ClampToInt32(x), ClampToInt32(y));
}

QRect TvtPlaceBox::ScreenRect() const {
    return QRect(screen_, size());
}

QRect TvtPlaceBox::RangeRect() const {
    return ClampedRect(0, 0, WorldWidth(), WorldHeight());
}

void TvtPlaceBox::UpdateCell(int32_t col, int32_t row) {
    const int64_t left = static_cast<int64_t>(col) * cellWidth_ - screen_.x();
    const int64_t top = static_cast<int64_t>(row) * cellHeight_ - screen_.y();
    update(ClampedRect(left, top, cellWidth_, cellHeight_) & rect());
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
    const int64_t right = static_cast<int64_t>(world.left()) + world.width();
    const int64_t bottom = static_cast<int64_t>(world.top()) + world.height();
    const int64_t col0 = std::max<int64_t>(FloorDiv(world.left(), cellWidth_), 0);
    const int64_t row0 = std::max<int64_t>(FloorDiv(world.top(), cellHeight_), 0);
    const int64_t col1 = std::min<int64_t>(CeilDiv(right, cellWidth_), cols_);
    const int64_t row1 = std::min<int64_t>(CeilDiv(bottom, cellHeight_), rows_);
    for (int64_t col = col0; col < col1; ++col) {
        for (int64_t row = row0; row < row1; ++row) {
            OnPaintCell(static_cast<int32_t>(col), static_cast<int32_t>(row));
        }
    }
}

void TvtPlaceBox::paintEvent(QPaintEvent* event) {
    const QRect client = event->rect();
    if (client.isEmpty()) {
        return;
    }
    // The backing store already composes the whole paint before it reaches
    // the screen, and the painter is clipped to the region being repainted.
    QPainter painter(this);
    painter.translate(-screen_);
    DestPaint(painter, client.translated(screen_));
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
    SetScreen(SaturatingAdd(screen_.x(), dx), SaturatingAdd(screen_.y(), dy));
}

QPoint TvtPlaceBox::WorldPoint(const QPointF& client) const {
    return client.toPoint() + screen_;
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
    SetScreen(SaturatingSub(screen_.x(), moved.x()), SaturatingSub(screen_.y(), moved.y()));
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
