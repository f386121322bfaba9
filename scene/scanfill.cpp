#include "scene/scanfill.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cwchar>
#include <limits>
#include <optional>
#include <vector>

static_assert(sizeof(wchar_t) == sizeof(uint32_t), "pixels are filled as wide characters");

namespace {

// Edges step from row to row in 16.16 fixed point, as Qt's do: the same
// rounding gives the same pixels.
constexpr int FixedShift = 16;
constexpr int64_t FixedOne = int64_t{1} << FixedShift;
constexpr int64_t FixedHalf = FixedOne / 2;

// Points further out than this are left to Qt: the fixed-point products
// below stay far inside 64 bits up to it.
constexpr int CoordinateLimit = 1 << 15;

// A polygon edge that crosses the centres of the pixel rows Top to Bottom.
struct TEdge {
    int Top;
    int Bottom;
    int64_t X;    // where it crosses the current row's centre, plus half a pixel
    int64_t Step; // how far X moves from one row to the next
};

// The picture the painter paints on, when a fill can be written straight
// into it with the result of Qt's own, and how far the painter moves points
// on it.
struct TTarget {
    QImage* Image;
    QPoint Offset;
};

std::optional<TTarget> DirectTarget(QPainter& painter) {
    QPaintDevice* device = painter.device();
    if (!device || device->devType() != QInternal::Image)
        return std::nullopt;
    auto* image = static_cast<QImage*>(device);
    switch (image->format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        break;
    default:
        return std::nullopt;
    }
    const QBrush& brush = painter.brush();
    if (brush.style() != Qt::SolidPattern || brush.color().alpha() != 255 ||
        painter.opacity() != 1.0)
        return std::nullopt;
    const QPainter::CompositionMode mode = painter.compositionMode();
    if (mode != QPainter::CompositionMode_SourceOver && mode != QPainter::CompositionMode_Source)
        return std::nullopt;
    if (painter.testRenderHint(QPainter::Antialiasing) || painter.hasClipping())
        return std::nullopt;
    const QPaintEngine* engine = painter.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster || !engine->systemClip().isEmpty())
        return std::nullopt;
    const QTransform& transform = painter.deviceTransform();
    if (transform.type() > QTransform::TxTranslate ||
        transform.dx() != std::trunc(transform.dx()) ||
        transform.dy() != std::trunc(transform.dy()) ||
        std::abs(transform.dx()) > CoordinateLimit || std::abs(transform.dy()) > CoordinateLimit)
        return std::nullopt;
    return TTarget{image,
                   QPoint(static_cast<int>(transform.dx()), static_cast<int>(transform.dy()))};
}

} // namespace

bool FillSolidPolygon(QPainter& painter, const QPolygon& points) {
    const std::optional<TTarget> target = DirectTarget(painter);
    if (!target)
        return false;
    QImage* const image = target->Image;
    const QPoint offset = target->Offset;
    int minY = std::numeric_limits<int>::max();
    int maxY = std::numeric_limits<int>::min();
    for (const QPoint& p : points) {
        const QPoint q = p + offset;
        if (std::abs(q.x()) > CoordinateLimit || std::abs(q.y()) > CoordinateLimit)
            return false;
        minY = std::min(minY, q.y());
        maxY = std::max(maxY, q.y());
    }
    // The rows whose centres the polygon can cover.
    const int top = std::max(0, minY);
    const int bottom = std::min(image->height() - 1, maxY - 1);
    if (points.size() < 3 || top > bottom)
        return true;

    thread_local std::vector<TEdge> edges;
    edges.clear();
    // Each point with the one before it; the first closes the polygon with the last.
    QPoint previous = points.back() + offset;
    for (const QPoint& point : points) {
        QPoint a = previous;
        QPoint b = point + offset;
        previous = b;
        if (a.y() == b.y())
            continue;
        if (a.y() > b.y())
            std::swap(a, b);
        const int first = std::max(top, a.y());
        const int last = std::min(bottom, b.y() - 1);
        if (first > last)
            continue;
        TEdge edge{first, last, a.x() * FixedOne + FixedHalf, 0};
        if (a.x() != b.x()) {
            const double slope = static_cast<double>(b.x() - a.x()) / (b.y() - a.y());
            edge.Step = static_cast<int64_t>(slope * FixedOne);
            edge.X += (edge.Step * ((first - a.y()) * FixedOne + FixedHalf)) >> FixedShift;
        }
        edges.push_back(edge);
    }
    if (edges.empty())
        return true;
    std::sort(edges.begin(), edges.end(),
              [](const TEdge& a, const TEdge& b) { return a.Top < b.Top; });

    // Row by row, the crossings sorted from left to right; the odd-even rule
    // fills from each odd crossing to the next. A crossing beyond a side of
    // the picture counts at that side.
    const uint32_t colour = painter.brush().color().rgba();
    // A picture being painted has its pixels to itself: this does not copy them.
    uchar* const bits = image->bits();
    const qsizetype stride = image->bytesPerLine();
    const int64_t rightEdge = image->width() * FixedOne;
    thread_local std::vector<TEdge*> active;
    thread_local std::vector<int> crossings;
    active.clear();
    size_t next = 0;
    for (int y = edges.front().Top; y <= bottom; ++y) {
        for (; next < edges.size() && edges[next].Top == y; ++next)
            active.push_back(&edges[next]);
        if (active.empty()) {
            if (next == edges.size())
                break;
            y = edges[next].Top - 1;
            continue;
        }
        // A row crosses few edges: they are sorted by insertion.
        crossings.clear();
        for (const TEdge* edge : active) {
            const int x =
                static_cast<int>(std::clamp<int64_t>(edge->X, 0, rightEdge) >> FixedShift);
            crossings.push_back(x);
            size_t k = crossings.size() - 1;
            for (; k > 0 && crossings[k - 1] > x; --k)
                crossings[k] = crossings[k - 1];
            crossings[k] = x;
        }
        // The C library's wide-character fill is a vectorised 32-bit fill.
        auto* row = reinterpret_cast<wchar_t*>(bits + y * stride);
        for (size_t k = 0; k + 1 < crossings.size(); k += 2)
            wmemset(row + crossings[k], static_cast<wchar_t>(colour),
                    static_cast<size_t>(crossings[k + 1] - crossings[k]));
        // On to the next row, without the edges that end in this one.
        size_t kept = 0;
        for (TEdge* edge : active) {
            if (edge->Bottom == y)
                continue;
            edge->X += edge->Step;
            active[kept++] = edge;
        }
        active.resize(kept);
    }
    return true;
}
