// The larger pictures: seasons, the market strip, the start screen and the
// emblem.

#include "imagegen.h"
#include "imagelists.h"

#include "island/genrandom.h"

#include <QFont>
#include <QPainterPath>
#include <array>
#include <cmath>

using namespace gen;

namespace {

const QColor Ink(40, 30, 20);

// A painter in plain pixels of the 1x picture over an opaque picture.
struct TPixelCanvas : TCanvas {
    TPixelCanvas(int width, int height, int scale) : TCanvas(width, height, scale) {
        P.resetTransform();
        P.scale(scale, scale);
    }
};

void Sky(QPainter& p, QRectF r, QColor top, QColor bottom) {
    QPainterPath area;
    area.addRect(r);
    Shade(p, area, r.top(), r.bottom(), top, bottom);
}

void Hills(QPainter& p, double width, double height, double top, QColor colour, double phase) {
    QPainterPath hills;
    hills.moveTo(0, height);
    for (int x = 0; x <= static_cast<int>(width); x += 4)
        hills.lineTo(x, top + 6 * std::sin(x / width * 5 + phase) + 3 * std::sin(x / 7.0 + phase));
    hills.lineTo(width, height);
    hills.closeSubpath();
    Fill(p, hills, colour);
}

void Tree(QPainter& p, QPointF foot, double h, QColor crown) {
    Box(p, QRectF(foot.x() - 0.06 * h, foot.y() - 0.45 * h, 0.12 * h, 0.45 * h),
        QColor(100, 65, 35));
    if (crown.alpha())
        Disc(p, {foot.x(), foot.y() - 0.65 * h}, 0.33 * h, crown, crown.darker(140), 1);
    else
        for (int i = -1; i <= 1; i += 2)
            Stroke(p,
                   {{foot.x(), foot.y() - 0.4 * h}, {foot.x() + i * 0.3 * h, foot.y() - 0.85 * h}},
                   QColor(100, 65, 35), 1.5);
}

} // namespace

std::vector<QImage> MakeSeasons(int scale) {
    struct TSeason {
        QColor SkyTop, SkyLow, Far, Near, Crown, Roof;
    };
    // Summer, autumn, winter, spring.
    const std::array<TSeason, 4> seasons{{
        {QColor(70, 140, 220), QColor(180, 220, 250), QColor(90, 160, 80), QColor(110, 185, 80),
         QColor(40, 130, 45), QColor(180, 50, 40)},
        {QColor(120, 130, 150), QColor(200, 200, 190), QColor(150, 140, 70), QColor(170, 150, 80),
         QColor(220, 130, 30), QColor(150, 60, 40)},
        {QColor(150, 170, 200), QColor(230, 235, 245), QColor(225, 230, 240), QColor(245, 248, 252),
         QColor(0, 0, 0, 0), QColor(240, 244, 250)},
        {QColor(100, 170, 235), QColor(210, 235, 250), QColor(130, 190, 100), QColor(150, 210, 110),
         QColor(240, 190, 210), QColor(180, 50, 40)},
    }};
    std::vector<QImage> pictures;
    for (int s = 0; s < 4; ++s) {
        const TSeason& look = seasons[s];
        TPixelCanvas c(121, 57, scale);
        QPainter& p = c.P;
        Sky(p, QRectF(0, 0, 121, 57), look.SkyTop, look.SkyLow);
        if (s == 0 || s == 3)
            Disc(p, {100, 13}, s == 0 ? 8 : 6, QColor(255, 225, 70), QColor(240, 170, 30), 1);
        else
            for (int i = 0; i < 3; ++i)
                Disc(p, {20.0 + i * 11, 12.0 + (i % 2) * 3}, 7, QColor(235, 235, 240),
                     Qt::transparent);
        Hills(p, 121, 57, 30, look.Far, s);
        Hills(p, 121, 57, 42, look.Near, s + 2);
        House(p, QRectF(70, 33, 18, 12), QColor(235, 225, 200), look.Roof, 1);
        for (int i = 0; i < 3; ++i)
            Tree(p, {18.0 + i * 16, 48.0 - (i % 2) * 4}, 22 - i * 2, look.Crown);
        Fir(p, {104, 50}, 20, s == 2 ? QColor(60, 110, 80) : QColor(40, 110, 50));
        TGenRandom rng(static_cast<uint64_t>(s) + 40);
        for (int i = 0; i < 26; ++i) {
            const QPointF at(rng.Between(0, 121), rng.Between(0, 57));
            if (s == 2)
                Disc(p, at, 1.1, Qt::white);
            else if (s == 1)
                Stroke(p, {at, at + QPointF(-2, 5)}, QColor(120, 140, 180, 200), 0.8);
            else if (s == 3 && at.y() > 44)
                Disc(p, at, 1.2, i % 2 ? QColor(255, 255, 255) : QColor(255, 220, 60));
        }
        p.setPen(QPen(QColor(0, 0, 0, 120), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0.5, 0.5, 120, 56));
        p.end();
        pictures.push_back(c.Image);
    }
    return pictures;
}

QImage MakeMarketItem(int scale) {
    TPixelCanvas c(197, 16, scale);
    QPainterPath bar;
    bar.addRoundedRect(QRectF(0.5, 0.5, 196, 15), 6, 6);
    Shade(c.P, bar, 0, 16, QColor(246, 238, 214), QColor(214, 198, 160), QColor(150, 125, 80));
    c.P.end();
    return c.Image;
}

QImage MakeTitle(int scale) {
    TPixelCanvas c(447, 251, scale);
    QPainter& p = c.P;
    Sky(p, QRectF(0, 0, 447, 130), QColor(40, 80, 150), QColor(250, 210, 150));
    Disc(p, {330, 118}, 26, QColor(255, 220, 120), Qt::transparent);
    Sky(p, QRectF(0, 118, 447, 50), QColor(40, 100, 160), QColor(70, 140, 190));
    // The island on the horizon, with a town and its flag.
    QPainterPath island;
    island.moveTo(40, 128);
    island.cubicTo(100, 104, 160, 106, 200, 112);
    island.cubicTo(240, 102, 280, 108, 320, 128);
    island.closeSubpath();
    Fill(p, island, QColor(70, 120, 70), QColor(40, 80, 40), 1.5);
    for (int i = 0; i < 5; ++i)
        House(p, QRectF(140.0 + i * 14, 113.0 - (i % 2) * 2, 8, 7), QColor(240, 230, 210),
              QColor(180, 50, 40), 0);
    Stroke(p, {{222, 110}, {222, 94}}, Ink, 1.5);
    Poly(p, {{222, 94}, {234, 97}, {222, 100}}, QColor(220, 40, 40));
    // A sailing ship bringing the settlers.
    Poly(p, {{352, 128}, {414, 128}, {404, 140}, {360, 140}}, QColor(110, 70, 40), Ink, 1.5);
    Stroke(p, {{382, 128}, {382, 82}}, Ink, 2);
    Poly(p, {{384, 84}, {410, 124}, {384, 124}}, QColor(245, 240, 225), Ink, 1);
    Poly(p, {{380, 88}, {358, 124}, {380, 124}}, QColor(235, 230, 215), Ink, 1);
    // A light shore below for the menu.
    QPainterPath shore;
    shore.moveTo(0, 150);
    shore.cubicTo(120, 138, 260, 160, 447, 146);
    shore.lineTo(447, 251);
    shore.lineTo(0, 251);
    shore.closeSubpath();
    Shade(p, shore, 140, 251, QColor(238, 224, 180), QColor(250, 244, 222), QColor(200, 180, 130),
          2);
    Fir(p, {300, 246}, 56, QColor(50, 120, 60));
    Fir(p, {330, 240}, 44, QColor(40, 110, 50));
    // The game's name and the line under it are the start screen's own
    // texts, in the language the game speaks.
    p.setPen(QPen(QColor(120, 95, 50), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, 445, 249));
    p.end();
    return c.Image;
}

QImage MakeEmblem(int size) {
    TCanvas c(size, size);
    QPainter& p = c.P;
    Disc(p, {50, 50}, 46, QColor(45, 105, 165), QColor(200, 150, 40), 6);
    QPainterPath island;
    island.moveTo(16, 66);
    island.cubicTo(24, 44, 44, 40, 56, 46);
    island.cubicTo(66, 38, 80, 44, 86, 66);
    island.cubicTo(70, 74, 34, 76, 16, 66);
    Fill(p, island, QColor(110, 180, 80), QColor(40, 90, 40), 2.5);
    House(p, QRectF(40, 44, 18, 14), QColor(245, 235, 210), QColor(190, 50, 40), 0);
    Stroke(p, {{64, 46}, {64, 18}}, Ink, 3);
    Poly(p, {{64, 18}, {82, 23}, {64, 29}}, QColor(220, 40, 40));
    for (int i = 0; i < 3; ++i)
        Stroke(p, {{24.0 + i * 20, 82}, {32.0 + i * 20, 80}, {40.0 + i * 20, 82}},
               QColor(200, 230, 250), 2.5);
    p.end();
    return c.Image;
}
