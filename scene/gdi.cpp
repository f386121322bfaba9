#include "scene/gdi.h"

#include "model/numbers.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <utility>

namespace {

void AddShape(QPainterPath& path, TBoxShape shape, const QRectF& rect, int corner) {
    switch (shape) {
    case TBoxShape::Rect:
        path.addRect(rect);
        break;
    case TBoxShape::RoundRect:
        path.addRoundedRect(rect, corner / 2.0, corner / 2.0);
        break;
    case TBoxShape::Ellipse:
        path.addEllipse(rect);
        break;
    }
}

// A shape no bigger than its own outline: all of it is outline.
void FillSolid(QPainter& painter, TBoxShape shape, const QRect& rect, int corner,
               const QColor& color) {
    if (shape == TBoxShape::Rect) {
        painter.fillRect(rect, color);
        return;
    }
    QPainterPath path;
    AddShape(path, shape, rect, corner);
    painter.fillPath(path, color);
}

void DrawShape(QPainter& painter, TBoxShape shape, const QRectF& rect, int corner) {
    switch (shape) {
    case TBoxShape::Rect:
        painter.drawRect(rect);
        break;
    case TBoxShape::RoundRect:
        painter.drawRoundedRect(rect, corner / 2.0, corner / 2.0);
        break;
    case TBoxShape::Ellipse:
        painter.drawEllipse(rect);
        break;
    }
}

constexpr int PaintLimit = 1 << 24;

int Limited(int v) {
    return std::clamp(v, -PaintLimit, PaintLimit);
}

} // namespace

QRect BoxRect(int l, int t, int r, int b) {
    l = Limited(l);
    t = Limited(t);
    return QRect(l, t, Limited(r) - l, Limited(b) - t);
}

void DrawBox(QPainter& painter, TBoxShape shape, int l, int t, int r, int b, int corner) {
    if (l > r)
        std::swap(l, r);
    if (t > b)
        std::swap(t, b);
    const QRect box = BoxRect(l, t, r, b);
    l = box.left();
    t = box.top();
    const int width = box.width();
    const int height = box.height();
    if (width <= 0 || height <= 0)
        return;
    const QPen pen = painter.pen();
    if (pen.style() == Qt::NoPen) {
        if (width > 1 && height > 1)
            DrawShape(painter, shape, QRect(l, t, width - 1, height - 1), corner);
        return;
    }
    const int penWidth = pen.width();
    if (penWidth <= 1) {
        if (width == 1 || height == 1)
            painter.fillRect(QRect(l, t, width, height), pen.color());
        else
            DrawShape(painter, shape, QRect(l, t, width - 1, height - 1), corner);
        return;
    }
    if (width <= penWidth || height <= penWidth) {
        FillSolid(painter, shape, QRect(l, t, width, height), corner, pen.color());
        return;
    }
    // A wide outline lies inside the frame, with sharp corners on rectangles.
    QPen inside = pen;
    inside.setJoinStyle(shape == TBoxShape::Rect ? Qt::MiterJoin : Qt::RoundJoin);
    painter.setPen(inside);
    const double half = penWidth / 2.0;
    DrawShape(painter, shape, QRectF(l + half, t + half, width - penWidth, height - penWidth),
              std::max(0, corner - penWidth));
    painter.setPen(pen);
}

void DrawHandle(QPainter& painter, const QPoint& at, int size) {
    DrawBox(painter, TBoxShape::Rect, SaturatingSub(at.x(), size), SaturatingSub(at.y(), size),
            ClampToInt32(int64_t{at.x()} + size + 1), ClampToInt32(int64_t{at.y()} + size + 1));
}

void DrawPolygonShape(QPainter& painter, const QPolygon& points) {
    if (points.size() >= 2)
        painter.drawPolygon(points, Qt::OddEvenFill);
}

void DrawPolylineShape(QPainter& painter, const QPolygon& points) {
    if (points.size() >= 2)
        painter.drawPolyline(points);
}

void DrawFocusRect(QPainter& painter, int l, int t, int r, int b) {
    if (l > r)
        std::swap(l, r);
    if (t > b)
        std::swap(t, b);
    if (r <= l || b <= t)
        return;
    // Only the visible part of the frame is walked: a far-flung frame would
    // otherwise take forever.
    if (const QPaintDevice* device = painter.device()) {
        const QRect visible = painter.worldTransform().inverted().mapRect(
            QRect(-1, -1, device->width() + 2, device->height() + 2));
        l = std::max(l, visible.left() - 1);
        t = std::max(t, visible.top() - 1);
        r = std::min(r, visible.right() + 2);
        b = std::min(b, visible.bottom() + 2);
        if (r <= l || b <= t)
            return;
    }
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(Qt::white, 0));
    // Every other pixel of the frame, counted around it.
    QPolygon dots;
    int n = 0;
    auto dot = [&](int x, int y) {
        if (n++ % 2 == 0)
            dots.append(QPoint(x, y));
    };
    for (int x = l; x < r; ++x)
        dot(x, t);
    for (int y = t + 1; y < b; ++y)
        dot(r - 1, y);
    if (b - 1 > t)
        for (int x = r - 2; x >= l; --x)
            dot(x, b - 1);
    if (r - 1 > l)
        for (int y = b - 2; y > t; --y)
            dot(l, y);
    painter.drawPoints(dots);
    painter.restore();
}
