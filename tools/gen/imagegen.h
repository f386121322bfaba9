#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

// Drawing helpers shared by the picture generators. Every small picture is
// drawn in a 100 x 100 design space scaled to its real size with smoothing,
// so the same drawing code serves 14-, 25- and 64-pixel pictures, and the
// same pictures drawn at twice the size for HiDPI screens.
namespace gen {

// A transparent picture of the given size times `scale` with a painter set
// up for the 100 x 100 design space.
struct TCanvas {
    TCanvas(int width, int height, int scale = 1);
    QImage Image;
    QPainter P;
};

void Fill(QPainter& p, const QPainterPath& path, QColor fill, QColor line = Qt::transparent,
          double width = 3);
// Fills a path with colours running from `top` at y0 down to `bottom` at y1.
void Shade(QPainter& p, const QPainterPath& path, double y0, double y1, QColor top, QColor bottom,
           QColor line = Qt::transparent, double width = 1);
void Box(QPainter& p, QRectF r, QColor fill, QColor line = Qt::transparent, double width = 3);
void Disc(QPainter& p, QPointF centre, double radius, QColor fill, QColor line = Qt::transparent,
          double width = 3);
void Poly(QPainter& p, std::initializer_list<QPointF> points, QColor fill,
          QColor line = Qt::transparent, double width = 3);
void Stroke(QPainter& p, std::initializer_list<QPointF> points, QColor colour, double width);

// Shapes that several pictures share.
void Bolt(QPainter& p, QPointF at, double size);
void Padlock(QPainter& p, QRectF r);
void Flame(QPainter& p, QPointF base, double size);
void Figure(QPainter& p, QPointF feet, double height, QColor colour);
void Fir(QPainter& p, QPointF foot, double height, QColor colour);
void Drop(QPainter& p, QPointF centre, double size, QColor colour);
void Coin(QPainter& p, QPointF centre, double radius);
void Smoke(QPainter& p, QPointF from, double size);
void Wrench(QPainter& p, QPointF from, QPointF to, QColor colour);
// A house: walls, a pitched roof and windows.
void House(QPainter& p, QRectF walls, QColor wall, QColor roof, int windows);

} // namespace gen
