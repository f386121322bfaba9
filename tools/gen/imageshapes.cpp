#include "imagegen.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <cmath>

namespace gen {

TCanvas::TCanvas(int width, int height, int scale)
    : Image(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied) {
    Image.fill(Qt::transparent);
    P.begin(&Image);
    P.setRenderHint(QPainter::Antialiasing);
    P.scale(width * scale / 100.0, height * scale / 100.0);
}

void Fill(QPainter& p, const QPainterPath& path, QColor fill, QColor line, double width) {
    p.setBrush(fill);
    p.setPen(line.alpha() ? QPen(line, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                          : QPen(Qt::NoPen));
    p.drawPath(path);
}

void Shade(QPainter& p, const QPainterPath& path, double y0, double y1, QColor top, QColor bottom,
           QColor line, double width) {
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setBrush(g);
    p.setPen(line.alpha() ? QPen(line, width) : QPen(Qt::NoPen));
    p.drawPath(path);
}

void Box(QPainter& p, QRectF r, QColor fill, QColor line, double width) {
    QPainterPath path;
    path.addRect(r);
    Fill(p, path, fill, line, width);
}

void Disc(QPainter& p, QPointF centre, double radius, QColor fill, QColor line, double width) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    Fill(p, path, fill, line, width);
}

void Poly(QPainter& p, std::initializer_list<QPointF> points, QColor fill, QColor line,
          double width) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    Fill(p, path, fill, line, width);
}

void Stroke(QPainter& p, std::initializer_list<QPointF> points, QColor colour, double width) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF(QList<QPointF>(points)));
}

void Bolt(QPainter& p, QPointF at, double s) {
    const double x = at.x(), y = at.y();
    Poly(p,
         {{x + 0.1 * s, y},
          {x + 0.55 * s, y},
          {x + 0.38 * s, y + 0.38 * s},
          {x + 0.7 * s, y + 0.38 * s},
          {x + 0.2 * s, y + s},
          {x + 0.32 * s, y + 0.52 * s},
          {x, y + 0.52 * s}},
         QColor(255, 222, 40), QColor(120, 80, 0), 0.06 * s);
}

void Padlock(QPainter& p, QRectF r) {
    const double w = r.width(), h = r.height();
    QPainterPath shackle;
    shackle.addRoundedRect(QRectF(r.left() + 0.22 * w, r.top(), 0.56 * w, 0.7 * h), 0.28 * w,
                           0.28 * w);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(70, 70, 80), 0.12 * w));
    p.drawPath(shackle);
    QPainterPath body;
    body.addRoundedRect(QRectF(r.left() + 0.08 * w, r.top() + 0.42 * h, 0.84 * w, 0.58 * h),
                        0.1 * w, 0.1 * w);
    Fill(p, body, QColor(230, 180, 40), QColor(110, 70, 10), 0.06 * w);
    Disc(p, QPointF(r.center().x(), r.top() + 0.68 * h), 0.07 * w, QColor(60, 40, 10));
}

void Flame(QPainter& p, QPointF b, double s) {
    QPainterPath outer;
    outer.moveTo(b.x(), b.y());
    outer.cubicTo(b.x() - 0.55 * s, b.y() - 0.1 * s, b.x() - 0.35 * s, b.y() - 0.6 * s,
                  b.x() - 0.05 * s, b.y() - s);
    outer.cubicTo(b.x() + 0.05 * s, b.y() - 0.6 * s, b.x() + 0.25 * s, b.y() - 0.75 * s,
                  b.x() + 0.3 * s, b.y() - 0.8 * s);
    outer.cubicTo(b.x() + 0.6 * s, b.y() - 0.4 * s, b.x() + 0.45 * s, b.y() - 0.05 * s, b.x(),
                  b.y());
    Fill(p, outer, QColor(235, 70, 20), QColor(140, 20, 0), 0.05 * s);
    QPainterPath inner;
    inner.moveTo(b.x(), b.y() - 0.05 * s);
    inner.cubicTo(b.x() - 0.25 * s, b.y() - 0.15 * s, b.x() - 0.15 * s, b.y() - 0.4 * s, b.x(),
                  b.y() - 0.55 * s);
    inner.cubicTo(b.x() + 0.2 * s, b.y() - 0.35 * s, b.x() + 0.25 * s, b.y() - 0.1 * s, b.x(),
                  b.y() - 0.05 * s);
    Fill(p, inner, QColor(255, 215, 60));
}

void Figure(QPainter& p, QPointF f, double h, QColor colour) {
    const QColor line = colour.darker(180);
    Disc(p, QPointF(f.x(), f.y() - 0.85 * h), 0.13 * h, colour, line, 0.04 * h);
    Poly(p,
         {{f.x() - 0.22 * h, f.y() - 0.68 * h},
          {f.x() + 0.22 * h, f.y() - 0.68 * h},
          {f.x() + 0.16 * h, f.y() - 0.3 * h},
          {f.x() + 0.14 * h, f.y()},
          {f.x() - 0.14 * h, f.y()},
          {f.x() - 0.16 * h, f.y() - 0.3 * h}},
         colour, line, 0.04 * h);
}

void Fir(QPainter& p, QPointF foot, double h, QColor colour) {
    Box(p, QRectF(foot.x() - 0.06 * h, foot.y() - 0.2 * h, 0.12 * h, 0.2 * h), QColor(100, 60, 30));
    for (int i = 0; i < 3; ++i) {
        const double base = foot.y() - 0.15 * h - i * 0.25 * h, half = (0.42 - 0.1 * i) * h;
        Poly(p, {{foot.x() - half, base}, {foot.x() + half, base}, {foot.x(), base - 0.45 * h}},
             colour, colour.darker(150), 0.03 * h);
    }
}

void Drop(QPainter& p, QPointF c, double s, QColor colour) {
    QPainterPath path;
    path.moveTo(c.x(), c.y() - s);
    path.cubicTo(c.x() + 0.2 * s, c.y() - 0.6 * s, c.x() + 0.65 * s, c.y() - 0.1 * s,
                 c.x() + 0.65 * s, c.y() + 0.3 * s);
    path.arcTo(QRectF(c.x() - 0.65 * s, c.y() - 0.35 * s, 1.3 * s, 1.3 * s), 0, -180);
    path.cubicTo(c.x() - 0.65 * s, c.y() - 0.1 * s, c.x() - 0.2 * s, c.y() - 0.6 * s, c.x(),
                 c.y() - s);
    Fill(p, path, colour, colour.darker(170), 0.08 * s);
    Disc(p, QPointF(c.x() - 0.25 * s, c.y() + 0.2 * s), 0.14 * s, QColor(255, 255, 255, 170));
}

void Coin(QPainter& p, QPointF c, double r) {
    Disc(p, c, r, QColor(245, 200, 50), QColor(140, 95, 10), 0.14 * r);
    Disc(p, c, 0.6 * r, Qt::transparent, QColor(190, 140, 20), 0.1 * r);
}

void Smoke(QPainter& p, QPointF from, double s) {
    for (int i = 0; i < 3; ++i)
        Disc(p, QPointF(from.x() + i * 0.35 * s, from.y() - i * 0.45 * s), (0.28 + 0.1 * i) * s,
             QColor(200, 200, 200, 200 - 40 * i));
}

void Wrench(QPainter& p, QPointF from, QPointF to, QColor colour) {
    p.setPen(QPen(colour.darker(160), 15, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    p.setPen(QPen(colour, 9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    // The head is a thick ring open towards the far end, the jaw.
    const double angle = std::atan2(from.y() - to.y(), to.x() - from.x()) * 180 / M_PI;
    const QRectF ring(to.x() - 11, to.y() - 11, 22, 22);
    QPainterPath head;
    head.arcMoveTo(ring, angle + 45);
    head.arcTo(ring, angle + 45, 270);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour.darker(160), 13, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(head);
    p.setPen(QPen(colour, 8, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(head);
}

void House(QPainter& p, QRectF w, QColor wall, QColor roof, int windows) {
    Box(p, w, wall, wall.darker(170), 3);
    const double rise = 0.55 * w.width();
    Poly(p,
         {{w.left() - 6, w.top() + 1},
          {w.right() + 6, w.top() + 1},
          {w.center().x(), w.top() - rise * 0.7}},
         roof, roof.darker(170), 3);
    const double step = w.width() / (windows + 1);
    for (int i = 1; i <= windows; ++i)
        Box(p, QRectF(w.left() + i * step - 5, w.top() + 0.3 * w.height(), 10, 11),
            QColor(255, 236, 150), QColor(70, 50, 30), 2);
}

} // namespace gen
