#include "scene/gdi.h"

#include "base/numbers.h"
#include "scene/scanfill.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

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

namespace {

// The part of the painter's device that painting can reach, in the painter's
// coordinates, or nothing when the painter is not simply moved. A widget's
// paint event reaches only the region being repainted, the engine's system
// clip, which lies in the coordinates of the surface painted on.
std::optional<QRect> ReachableRect(const QPainter& painter) {
    const QPaintDevice* device = painter.device();
    if (!device || painter.deviceTransform().type() > QTransform::TxTranslate)
        return std::nullopt;
    QRect reach = QRect(0, 0, device->width(), device->height())
                      .translated(-painter.worldTransform().map(QPoint(0, 0)));
    if (painter.hasClipping())
        reach &= painter.clipBoundingRect().toAlignedRect();
    if (const QPaintEngine* engine = painter.paintEngine();
        engine && !engine->systemClip().isEmpty())
        reach &= engine->systemClip().boundingRect().translated(
            -painter.deviceTransform().map(QPoint(0, 0)));
    return reach;
}

// Whether the segment a-b comes into the rectangle; in 64 bits, as points
// may lie anywhere in the 32-bit range.
bool SegmentMeets(QPoint a, QPoint b, const QRect& rect) {
    return int64_t{std::max(a.x(), b.x())} >= rect.left() &&
           int64_t{std::min(a.x(), b.x())} <= rect.right() &&
           int64_t{std::max(a.y(), b.y())} >= rect.top() &&
           int64_t{std::min(a.y(), b.y())} <= rect.bottom();
}

// The outline runs of a closed polygon that come within the margin of the
// rectangle, as open subpaths. Each run keeps one far segment at either end:
// the join where a run meets a far segment is then the closed outline's own
// (the inner corner of a join can reach back along the near segment), and
// the run's end caps lie on far points, beyond the margin. Nothing when
// every segment is near.
std::optional<QPainterPath> NearRuns(const QPolygon& points, const QRect& near) {
    const qsizetype n = points.size();
    auto at = [&](qsizetype i) { return QPointF(points[(i % n + n) % n]); };
    std::vector<bool> isNear(static_cast<size_t>(n));
    qsizetype far = -1;
    for (qsizetype i = 0; i < n; ++i) {
        isNear[static_cast<size_t>(i)] = SegmentMeets(points[i], points[(i + 1) % n], near);
        if (!isNear[static_cast<size_t>(i)])
            far = i;
    }
    if (far < 0)
        return std::nullopt;
    QPainterPath runs;
    // Walk once around from just after a far segment.
    for (qsizetype k = 1; k <= n; ++k) {
        const qsizetype i = far + k;
        if (!isNear[static_cast<size_t>(i % n)])
            continue;
        if (!isNear[static_cast<size_t>((i - 1) % n)]) {
            runs.moveTo(at(i - 1));
            runs.lineTo(at(i));
        }
        runs.lineTo(at(i + 1));
        if (!isNear[static_cast<size_t>((i + 1) % n)])
            runs.lineTo(at(i + 2));
    }
    return runs;
}

// Which side of the rectangle a point lies beyond: 0 inside, then left,
// right, above, below, the first that holds.
int SideBeyond(QPoint p, const QRect& rect) {
    if (p.x() < rect.left())
        return 1;
    if (p.x() > rect.right())
        return 2;
    if (p.y() < rect.top())
        return 3;
    return p.y() > rect.bottom() ? 4 : 0;
}

// The polygon with every run of points beyond one side of the rectangle cut
// down to the run's first and last point, or nothing when no point goes. The
// fill inside the rectangle stays the same, pixel for pixel: the shortcut
// between the kept points lies beyond that side as the run did, and crosses
// each scanline an even number of times more or less than the run, the
// same number as far as which side of the scanline its ends lie on. One pass,
// which copies the points only from the first that goes.
std::optional<QPolygon> WithoutFarRuns(const QPolygon& points, const QRect& rect) {
    const qsizetype n = points.size();
    if (n < 3)
        return std::nullopt;
    std::optional<QPolygon> cut;
    int before = SideBeyond(points[0], rect);
    int side = SideBeyond(points[1], rect);
    for (qsizetype i = 1; i + 1 < n; ++i) {
        const int after = SideBeyond(points[i + 1], rect);
        const bool dropped = side != 0 && before == side && after == side;
        if (dropped && !cut) {
            cut.emplace(points.first(i));
            cut->reserve(n);
        } else if (!dropped && cut) {
            cut->append(points[i]);
        }
        before = side;
        side = after;
    }
    if (cut)
        cut->append(points.back());
    return cut;
}

// The polygon without the points that add nothing to its area: a point
// repeating the one before it, and a point in the middle of a straight
// horizontal or vertical run. A shape drawn small, as the overview map draws
// the coasts, has many: the cells' corners meet. Its fill is the same pixels,
// and Qt's cost is per point. (The stroke is not: Qt's one-pixel lines do
// differ where a run is cut in two.)
const QPolygon& WithoutIdlePoints(const QPolygon& points, QPolygon& buffer) {
    const auto idle = [](const QPoint& a, const QPoint& b, const QPoint& c) {
        if (b == c)
            return true;
        if (a.x() == b.x() && b.x() == c.x())
            return std::min(a.y(), c.y()) <= b.y() && b.y() <= std::max(a.y(), c.y());
        if (a.y() == b.y() && b.y() == c.y())
            return std::min(a.x(), c.x()) <= b.x() && b.x() <= std::max(a.x(), c.x());
        return false;
    };
    buffer.resize(0);
    buffer.reserve(points.size());
    for (const QPoint& p : points) {
        if (!buffer.isEmpty() && buffer.back() == p)
            continue;
        while (buffer.size() >= 2 && idle(buffer[buffer.size() - 2], buffer.back(), p))
            buffer.removeLast();
        buffer.append(p);
    }
    return buffer.size() < points.size() ? buffer : points;
}

// Fills a polygon without outline. Qt walks every edge of a polygon to fill
// it, however little of it shows, so the long coasts of a map made the strip
// uncovered by a scroll step cost as much as a whole repaint; the edges far
// beyond the reachable part of the device are left out first, then the
// points that add nothing to what is left.
void FillPolygon(QPainter& painter, const QPolygon& points, const std::optional<QRect>& reach) {
    const QPen pen = painter.pen();
    painter.setPen(Qt::NoPen);
    std::optional<QPolygon> cut;
    if (reach && !painter.testRenderHint(QPainter::Antialiasing))
        cut = WithoutFarRuns(points, reach->adjusted(-2, -2, 2, 2));
    // The map view and the new island's overview paint on two threads at once,
    // so each call has its own buffer.
    QPolygon buffer;
    painter.drawPolygon(WithoutIdlePoints(cut ? *cut : points, buffer), Qt::OddEvenFill);
    painter.setPen(pen);
}

} // namespace

void DrawPolygonShape(QPainter& painter, const QPolygon& points) {
    if (points.size() < 2)
        return;
    // Qt strokes a wide outline whole, joining every one of its points, even
    // when a few pixels of it are shown: the long coasts of a map made each
    // repaint of the map view, of any size, cost the same. So the outline is
    // stroked only where it comes near the reachable part of the device. The
    // pixels are the same: each pixel of a solid stroke depends only on the
    // segments within the pen's reach of it.
    const QPen pen = painter.pen();
    const std::optional<QRect> reach = ReachableRect(painter);
    const bool plainWidePen =
        pen.style() == Qt::SolidLine && pen.width() > 1 &&
        (pen.joinStyle() == Qt::RoundJoin || pen.joinStyle() == Qt::BevelJoin) &&
        !painter.testRenderHint(QPainter::Antialiasing);
    const int margin = pen.width() + 2;
    const std::optional<QPainterPath> runs =
        plainWidePen && reach ? NearRuns(points, reach->adjusted(-margin, -margin, margin, margin))
                              : std::nullopt;
    if (painter.brush().style() != Qt::NoBrush && !FillSolidPolygon(painter, points))
        FillPolygon(painter, points, reach);
    if (pen.style() == Qt::NoPen || (runs && runs->isEmpty()))
        return;
    // Qt fills a polygon and then strokes it: the outline alone gives the
    // same pixels.
    const QBrush brush = painter.brush();
    painter.setBrush(Qt::NoBrush);
    if (runs)
        painter.drawPath(*runs);
    else
        painter.drawPolygon(points, Qt::OddEvenFill);
    painter.setBrush(brush);
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
