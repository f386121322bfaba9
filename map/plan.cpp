#include "map/plan.h"

#include "base/numbers.h"
#include "map/placebox.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>

namespace {

// a * b / c in 64 bits, truncating, brought back to 32 bits; 0 when c is not positive.
int32_t Scale(int64_t a, int64_t b, int64_t c) {
    return c > 0 ? ClampToInt32(a * b / c) : 0;
}

} // namespace

TvtPlan::TvtPlan(QWidget* parent) : QWidget(parent), screenRect_(QPoint(0, 0), QPoint(0, 0)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(0, 0, 250, 250);
}

TvtPlan::~TvtPlan() {
    SetPlaceBox(nullptr);
}

void TvtPlan::SetPlaceBox(TvtPlaceBox* placeBox) {
    if (placeBox_) {
        placeBox_->OnScroll = nullptr;
    }
    placeBox_ = placeBox;
    if (placeBox_) {
        placeBox_->OnScroll = [this] { PlaceBoxScroll(); };
    }
}

void TvtPlan::SetScreenColor(QColor colour) {
    if (colour != screenColor_) {
        screenColor_ = colour;
        update();
    }
}

void TvtPlan::SetColor(QColor colour) {
    if (colour != color_) {
        color_ = colour;
        frameStale_ = true;
        update();
    }
}

// The empty map: the plan's colour inside a dotted aqua frame, until the
// owner paints the real map over it.
void TvtPlan::PaintBackgroundFrame() {
    frameStale_ = false;
    background_ = QImage(size(), QImage::Format_RGB32);
    background_.fill(color_);
    if (width() > 1 && height() > 1) {
        QPainter painter(&background_);
        painter.setPen(QPen(Qt::cyan, 1, Qt::DotLine));
        painter.drawRect(QRect(0, 0, width() - 1, height() - 1));
    }
}

QImage& TvtPlan::Background() {
    // The frame is painted when the picture is first wanted at a size or
    // colour, not at every change before that.
    if (frameStale_ || background_.size() != size()) {
        PaintBackgroundFrame();
    }
    return background_;
}

QImage& TvtPlan::BackgroundToCover() {
    if (background_.size() != size()) {
        background_ = QImage(size(), QImage::Format_RGB32);
    }
    frameStale_ = false;
    return background_;
}

QSize TvtPlan::WorldSize() const {
    if (!placeBox_) {
        return QSize();
    }
    const QRect range = placeBox_->RangeRect();
    return range.size();
}

QPoint TvtPlan::WorldToPlan(QPoint world) const {
    const QSize map = WorldSize();
    return QPoint(Scale(world.x(), width(), map.width()), Scale(world.y(), height(), map.height()));
}

QPoint TvtPlan::PlanToWorld(QPoint plan) const {
    const QSize map = WorldSize();
    return QPoint(Scale(plan.x(), map.width(), width()), Scale(plan.y(), map.height(), height()));
}

void TvtPlan::PlaceBoxScroll() {
    if (!placeBox_) {
        return;
    }
    const QRect visible = placeBox_->ScreenRect();
    // The size is scaled on its own and added to the scaled corner.
    const QPoint topLeft = WorldToPlan(visible.topLeft());
    const QPoint extent = WorldToPlan(QPoint(visible.width(), visible.height()));
    const QRect scaled(topLeft, QPoint(SaturatingAdd(topLeft.x(), extent.x()),
                                       SaturatingAdd(topLeft.y(), extent.y())));
    if (scaled == screenRect_) {
        return;
    }
    screenRect_ = scaled;
    repaint();
}

void TvtPlan::PaintScreen(QPainter& painter) const {
    // Two arms of four pixels at each corner, the sides between them open.
    constexpr int arm = 4;
    const int l = screenRect_.left();
    const int t = screenRect_.top();
    const int r = screenRect_.right();
    const int b = screenRect_.bottom();
    const QRect arms[] = {
        {l, t, arm, 1},           {l, t, 1, arm},           // top-left
        {r - arm + 1, t, arm, 1}, {r, t, 1, arm},           // top-right
        {r - arm + 1, b, arm, 1}, {r, b - arm + 1, 1, arm}, // bottom-right
        {l, b, arm, 1},           {l, b - arm + 1, 1, arm}, // bottom-left
    };
    for (const QRect& part : arms) {
        painter.fillRect(part, screenColor_);
    }
}

void TvtPlan::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, Background());
    if (!placeBox_) {
        return;
    }
    if (OnPaint) {
        painter.save();
        OnPaint(painter);
        painter.restore();
    }
    PaintScreen(painter);
}

void TvtPlan::CenterPlaceBox(QPoint plan) {
    const QPoint world = PlanToWorld(plan);
    placeBox_->CenterPoint(world.x(), world.y());
}

void TvtPlan::mousePressEvent(QMouseEvent* event) {
    if (dragging_ || !placeBox_) {
        return;
    }
    dragging_ = true;
    CenterPlaceBox(event->position().toPoint());
}

void TvtPlan::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_ || !placeBox_) {
        return;
    }
    // The cursor stays on the plan until the button is released.
    const QPoint pos = event->position().toPoint();
    const QPoint held(std::clamp(pos.x(), 0, std::max(width() - 1, 0)),
                      std::clamp(pos.y(), 0, std::max(height() - 1, 0)));
    if (held != pos) {
        QCursor::setPos(mapToGlobal(held));
    }
    CenterPlaceBox(held);
}

void TvtPlan::mouseReleaseEvent(QMouseEvent*) {
    dragging_ = false;
}

void TvtPlan::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Background();
}
