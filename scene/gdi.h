#pragma once

#include <QPolygon>
#include <QRect>

class QPainter;

// Drawing with the pixels of the Windows drawing calls the scenes were made
// for: the rectangle (l, t, r, b) excludes its right column and bottom row,
// an outline of width 0 or 1 is one pixel wide, a wider outline is drawn
// inside the frame, and a shape without outline fills one pixel less. They
// use the painter's current pen and brush.
enum class TBoxShape { Rect, RoundRect, Ellipse };

// The rectangle (l, t, r, b) as a QRect, its corners first brought within
// the range the painter handles; no picture is that large.
QRect BoxRect(int l, int t, int r, int b);

void DrawBox(QPainter& painter, TBoxShape shape, int l, int t, int r, int b, int corner = 0);
// The square of a resize handle: (x - size, y - size, x + size + 1, y + size + 1).
void DrawHandle(QPainter& painter, const QPoint& at, int size);
void DrawPolygonShape(QPainter& painter, const QPolygon& points);
void DrawPolylineShape(QPainter& painter, const QPolygon& points);
// The dotted frame that marks a selected text or picture, drawn by inverting.
void DrawFocusRect(QPainter& painter, int l, int t, int r, int b);
