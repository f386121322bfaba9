// Filling polygons straight into a picture must give Qt's own pixels, and
// leave to Qt every painter state it does not handle.
#include "scene/scanfill.h"

#include <QPainter>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

constexpr QRgb Background = 0xFF204060;
const QColor Fill(200, 30, 90);

QImage Blank(QImage::Format format = QImage::Format_RGB32) {
    QImage image(97, 71, format);
    image.fill(Background);
    return image;
}

// Polygons of every kind the fill meets: small staircases, large shapes
// that leave the picture on any side, thin slivers, steep and shallow
// edges, crossing edges, repeated points.
QPolygon RandomPolygon(QRandomGenerator& random, int round) {
    QPolygon points;
    const int count = 3 + random.bounded(round % 4 == 0 ? 60 : 9);
    const int spread = round % 3 == 0 ? 12 : round % 3 == 1 ? 140 : 2000;
    const QPoint centre(random.bounded(-20, 117), random.bounded(-20, 91));
    for (int i = 0; i < count; ++i) {
        if (i > 0 && random.bounded(8) == 0) {
            points.append(points.back()); // a point twice
            continue;
        }
        QPoint p = centre +
                   QPoint(random.bounded(-spread, spread + 1), random.bounded(-spread, spread + 1));
        if (round % 5 == 1 && i > 0) // only horizontal and vertical edges
            p = i % 2 ? QPoint(p.x(), points.back().y()) : QPoint(points.back().x(), p.y());
        points.append(p);
    }
    return points;
}

TEST(ScanFill, FillsThePixelsQtFills) {
    QRandomGenerator random(1890);
    for (int round = 0; round < 3000; ++round) {
        const QPolygon points = RandomPolygon(random, round);
        const QPoint shift =
            round % 7 == 0 ? QPoint(random.bounded(-50, 50), random.bounded(-50, 50)) : QPoint();
        QImage expected = Blank();
        QImage actual = Blank();
        {
            QPainter painter(&expected);
            painter.translate(shift);
            painter.setPen(Qt::NoPen);
            painter.setBrush(Fill);
            painter.drawPolygon(points, Qt::OddEvenFill);
        }
        {
            QPainter painter(&actual);
            painter.translate(shift);
            painter.setPen(Qt::NoPen);
            painter.setBrush(Fill);
            ASSERT_TRUE(FillSolidPolygon(painter, points)) << "round " << round;
        }
        ASSERT_EQ(actual, expected) << "round " << round << " " << points.size() << " points";
    }
}

TEST(ScanFill, LeavesToQtWhatItDoesNotHandle) {
    const QPolygon triangle({QPoint(5, 5), QPoint(60, 10), QPoint(20, 50)});
    struct TCase {
        const char* name;
        std::function<void(QPainter&)> setUp;
        QImage::Format format = QImage::Format_RGB32;
    };
    const TCase cases[] = {
        {"smoothed edges", [](QPainter& p) { p.setRenderHint(QPainter::Antialiasing); }},
        {"a clip", [](QPainter& p) { p.setClipRect(10, 10, 20, 20); }},
        {"a hatched brush", [](QPainter& p) { p.setBrush(QBrush(Fill, Qt::CrossPattern)); }},
        {"a see-through colour", [](QPainter& p) { p.setBrush(QColor(200, 30, 90, 128)); }},
        {"half opacity", [](QPainter& p) { p.setOpacity(0.5); }},
        {"an inverting mode",
         [](QPainter& p) { p.setCompositionMode(QPainter::RasterOp_SourceXorDestination); }},
        {"a scale", [](QPainter& p) { p.scale(2, 2); }},
        {"half a pixel's move", [](QPainter& p) { p.translate(0.5, 0); }},
        {"a 16-bit picture", [](QPainter&) {}, QImage::Format_RGB16},
    };
    for (const TCase& c : cases) {
        QImage image = Blank(c.format);
        const QImage before = image;
        QPainter painter(&image);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Fill);
        c.setUp(painter);
        EXPECT_FALSE(FillSolidPolygon(painter, triangle)) << c.name;
        painter.end();
        EXPECT_EQ(image, before) << c.name;
    }

    // Points beyond the range whose arithmetic is safe.
    QImage image = Blank();
    QPainter painter(&image);
    painter.setBrush(Fill);
    EXPECT_FALSE(FillSolidPolygon(
        painter, QPolygon({QPoint(0, 0), QPoint(1 << 20, 5), QPoint(3, 1 << 20)})));
}

} // namespace
