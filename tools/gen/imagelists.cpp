// The pictures of the game's image lists, drawn in code.

#include "imagelists.h"

#include "imagegen.h"
#include "island/genrandom.h"

#include "base/terrain.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <array>
#include <cmath>
#include <functional>

using namespace gen;

namespace {

const QColor Ink(40, 30, 20);
const QColor Gold(245, 200, 50);
const QColor Brick(170, 70, 50);
const QColor Roof(180, 50, 40);
const QColor Plank(160, 110, 60);
const QColor Steel(150, 155, 165);

using TDraw = std::function<void(QPainter&)>;

QImage Draw(int scale, int width, int height, const TDraw& draw) {
    TCanvas canvas(width, height, scale);
    draw(canvas.P);
    canvas.P.end();
    return canvas.Image;
}

// A command or goods picture: a dark rounded tile with a bright symbol.
QImage ToolPicture(int scale, const TDraw& symbol) {
    return Draw(scale, 25, 25, [&](QPainter& p) {
        QLinearGradient shade(0, 0, 0, 100);
        shade.setColorAt(0, QColor(78, 92, 122));
        shade.setColorAt(1, QColor(34, 42, 60));
        QPainterPath tile;
        tile.addRoundedRect(QRectF(2, 2, 96, 96), 16, 16);
        p.setBrush(shade);
        p.setPen(QPen(QColor(150, 165, 195), 4));
        p.drawPath(tile);
        symbol(p);
    });
}

void Logs(QPainter& p, QPointF at, double s) {
    for (int i = 0; i < 3; ++i) {
        const QPointF c(at.x() + (i == 2 ? 0.5 : i) * 0.52 * s - 0.26 * s,
                        at.y() - (i == 2 ? 0.45 * s : 0));
        Box(p, QRectF(c.x() - 0.8 * s, c.y() - 0.25 * s, 0.8 * s, 0.5 * s), Plank,
            Plank.darker(180), 0.06 * s);
        Disc(p, c, 0.25 * s, QColor(215, 170, 110), Plank.darker(180), 0.06 * s);
        Disc(p, c, 0.08 * s, Plank.darker(140));
    }
}

void Lumps(QPainter& p, QPointF at, double s, QColor colour) {
    Poly(p,
         {{at.x() - s, at.y()},
          {at.x() - 0.6 * s, at.y() - 0.6 * s},
          {at.x(), at.y() - 0.75 * s},
          {at.x() + 0.3 * s, at.y() - 0.3 * s},
          {at.x(), at.y()}},
         colour, QColor(175, 175, 185), 0.07 * s);
    Poly(p,
         {{at.x() - 0.1 * s, at.y()},
          {at.x() + 0.3 * s, at.y() - 0.55 * s},
          {at.x() + 0.9 * s, at.y() - 0.45 * s},
          {at.x() + s, at.y()}},
         colour.lighter(130), QColor(175, 175, 185), 0.07 * s);
}

void Ingot(QPainter& p, QPointF at, double s, QColor colour) {
    Poly(p,
         {{at.x() - s, at.y()},
          {at.x() + s, at.y()},
          {at.x() + 0.7 * s, at.y() - 0.55 * s},
          {at.x() - 0.7 * s, at.y() - 0.55 * s}},
         colour, colour.darker(170), 0.07 * s);
    Box(p, QRectF(at.x() - 0.6 * s, at.y() - 0.5 * s, 1.2 * s, 0.12 * s), colour.lighter(140));
}

void Barrel(QPainter& p, QRectF r, QColor colour) {
    QPainterPath body;
    body.addRoundedRect(r, 0.2 * r.width(), 0.12 * r.height());
    Fill(p, body, colour, colour.lighter(220), 3);
    for (double f : {0.25, 0.75})
        Box(p, QRectF(r.left(), r.top() + f * r.height() - 2, r.width(), 4), colour.lighter(200));
}

void Arrow(QPainter& p, QPointF from, QPointF to, QColor colour) {
    Stroke(p, {from, to}, colour.darker(160), 14);
    Stroke(p, {from, to}, colour, 8);
    const double a = std::atan2(to.y() - from.y(), to.x() - from.x());
    const QPointF side(-std::sin(a) * 14, std::cos(a) * 14),
        ahead(std::cos(a) * 16, std::sin(a) * 16);
    Poly(p, {to + ahead, to + side, to - side}, colour, colour.darker(160), 3);
}

void Crate(QPainter& p, QRectF r) {
    Box(p, r, QColor(196, 150, 90), QColor(100, 65, 30), 4);
    Stroke(p, {r.topLeft(), r.bottomRight()}, QColor(120, 80, 40), 4);
    Stroke(p, {r.bottomLeft(), r.topRight()}, QColor(120, 80, 40), 4);
}

void Sun(QPainter& p, QPointF c, double r) {
    p.setPen(QPen(QColor(255, 200, 40), r * 0.18, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4;
        p.drawLine(c + QPointF(std::cos(a), std::sin(a)) * r * 1.35,
                   c + QPointF(std::cos(a), std::sin(a)) * r * 1.8);
    }
    Disc(p, c, r, QColor(255, 220, 60), QColor(220, 140, 20), r * 0.12);
}

void Gear(QPainter& p, QPointF c, double r) {
    QPainterPath path;
    for (int i = 0; i < 16; ++i) {
        const double a = i * M_PI / 8, rr = i % 2 ? r * 0.78 : r;
        const QPointF pt = c + QPointF(std::cos(a), std::sin(a)) * rr;
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    path.addEllipse(c, r * 0.32, r * 0.32);
    path.setFillRule(Qt::OddEvenFill);
    Fill(p, path, Steel, Steel.darker(180), 3);
}

} // namespace

std::vector<QImage> MakeTools(int scale) {
    const std::array<TDraw, 29> symbols{{
        // 0..8: the nine goods.
        [](QPainter& p) {
            Ingot(p, {50, 80}, 34, Gold);
            Ingot(p, {50, 52}, 26, Gold.lighter(110));
        },
        [](QPainter& p) {
            QPainterPath loaf;
            loaf.addRoundedRect(QRectF(16, 38, 68, 40), 20, 20);
            Fill(p, loaf, QColor(214, 150, 70), QColor(120, 70, 20), 4);
            for (int i = 0; i < 3; ++i)
                Stroke(p, {{32.0 + i * 16, 46}, {40.0 + i * 16, 62}}, QColor(250, 215, 150), 5);
            for (int i = 0; i < 3; ++i)
                Stroke(p, {{38.0 + i * 10, 36}, {44.0 + i * 8, 14}}, QColor(240, 210, 90), 5);
        },
        [](QPainter& p) {
            Lumps(p, {50, 74}, 40, QColor(52, 52, 58));
        },
        [](QPainter& p) {
            Ingot(p, {50, 80}, 34, Steel);
            Ingot(p, {50, 52}, 26, Steel.lighter(115));
        },
        [](QPainter& p) {
            Barrel(p, QRectF(28, 28, 44, 60), QColor(30, 30, 36));
            Drop(p, {50, 22}, 14, QColor(20, 20, 24));
        },
        [](QPainter& p) {
            Box(p, QRectF(14, 58, 36, 26), QColor(170, 170, 165), QColor(80, 80, 80), 3);
            Box(p, QRectF(50, 58, 36, 26), QColor(150, 150, 145), QColor(80, 80, 80), 3);
            Box(p, QRectF(32, 32, 36, 26), QColor(190, 190, 185), QColor(80, 80, 80), 3);
        },
        [](QPainter& p) {
            Drop(p, {50, 52}, 36, QColor(70, 160, 235));
        },
        [](QPainter& p) {
            Logs(p, {62, 66}, 40);
        },
        [](QPainter& p) {
            Bolt(p, {24, 12}, 74);
        },
        // 9: improve land.
        [](QPainter& p) {
            Box(p, QRectF(12, 70, 76, 16), QColor(120, 80, 40));
            Stroke(p, {{50, 70}, {50, 44}}, QColor(60, 160, 60), 6);
            Poly(p, {{50, 52}, {28, 38}, {36, 58}}, QColor(90, 200, 80), QColor(30, 100, 30), 3);
            Poly(p, {{50, 46}, {74, 30}, {66, 52}}, QColor(90, 200, 80), QColor(30, 100, 30), 3);
            Stroke(p, {{76, 14}, {70, 60}}, Plank, 6);
            Poly(p, {{62, 58}, {78, 58}, {76, 76}, {64, 76}}, Steel, Steel.darker(170), 3);
        },
        // 10: new day.
        [](QPainter& p) {
            Sun(p, {50, 60}, 18);
            Box(p, QRectF(8, 66, 84, 26), QColor(60, 120, 60));
            Stroke(p, {{8, 66}, {92, 66}}, QColor(140, 200, 120), 4);
        },
        // 11: sell, goods go out for coins.
        [](QPainter& p) {
            Crate(p, QRectF(12, 46, 38, 38));
            Arrow(p, {54, 64}, {78, 64}, QColor(90, 210, 90));
            Coin(p, {70, 28}, 15);
        },
        // 12: buy, goods come in for coins.
        [](QPainter& p) {
            Crate(p, QRectF(50, 46, 38, 38));
            Arrow(p, {22, 64}, {42, 64}, QColor(240, 150, 60));
            Coin(p, {28, 28}, 15);
        },
        // 13: demolish.
        [](QPainter& p) {
            House(p, QRectF(16, 52, 46, 34), QColor(220, 210, 190), Roof, 1);
            Stroke(p, {{88, 20}, {56, 62}}, Plank, 8);
            Box(p, QRectF(70, 10, 26, 16), Steel, Steel.darker(170), 3);
        },
        // 14: new week.
        [](QPainter& p) {
            Box(p, QRectF(16, 18, 68, 68), QColor(245, 240, 225), Ink, 3);
            Box(p, QRectF(16, 18, 68, 18), QColor(200, 60, 50), Ink, 3);
            p.setPen(Ink);
            QFont font(QStringLiteral("DejaVu Sans"));
            font.setPixelSize(40);
            font.setBold(true);
            p.setFont(font);
            p.drawText(QRectF(16, 36, 68, 50), Qt::AlignCenter, QStringLiteral("7"));
        },
        // 15: find the weakest building.
        [](QPainter& p) {
            Stroke(p, {{62, 62}, {86, 86}}, Plank.darker(130), 12);
            Disc(p, {42, 42}, 26, QColor(190, 225, 250, 200), QColor(220, 220, 230), 8);
            Flame(p, {42, 58}, 28);
        },
        // 16: restore.
        [](QPainter& p) {
            Wrench(p, {24, 78}, {66, 34}, Steel.lighter(120));
        },
        // 17: money.
        [](QPainter& p) {
            for (int i = 0; i < 4; ++i)
                Disc(p, {40, 80.0 - i * 9}, 20, Gold, QColor(140, 95, 10), 3);
            Coin(p, {66, 40}, 20);
        },
        // 18: people.
        [](QPainter& p) {
            Figure(p, {34, 88}, 58, QColor(230, 200, 160));
            Figure(p, {64, 88}, 68, QColor(120, 170, 230));
        },
        // 19..22: pictures for the menu: save, load, settings, music.
        [](QPainter& p) {
            Box(p, QRectF(22, 16, 56, 70), QColor(120, 40, 40), Ink, 3);
            Box(p, QRectF(30, 24, 40, 20), QColor(240, 230, 200));
            Arrow(p, {50, 52}, {50, 70}, QColor(240, 230, 200));
        },
        [](QPainter& p) {
            Poly(p, {{50, 30}, {14, 22}, {14, 78}, {50, 86}}, QColor(245, 240, 225), Ink, 3);
            Poly(p, {{50, 30}, {86, 22}, {86, 78}, {50, 86}}, QColor(235, 230, 210), Ink, 3);
            for (int i = 0; i < 3; ++i) {
                Stroke(p, {{22, 42.0 + i * 12}, {42, 46.0 + i * 12}}, QColor(120, 110, 90), 3);
                Stroke(p, {{58, 46.0 + i * 12}, {78, 42.0 + i * 12}}, QColor(120, 110, 90), 3);
            }
        },
        [](QPainter& p) {
            Gear(p, {50, 50}, 34);
        },
        [](QPainter& p) {
            Stroke(p, {{40, 74}, {40, 22}, {76, 14}, {76, 64}}, QColor(240, 230, 200), 6);
            Disc(p, {32, 74}, 11, QColor(240, 230, 200));
            Disc(p, {68, 66}, 11, QColor(240, 230, 200));
        },
        // 23: block or unblock.
        [](QPainter& p) { Padlock(p, QRectF(22, 14, 56, 72)); },
        // 24: restore all.
        [](QPainter& p) {
            Wrench(p, {20, 82}, {52, 48}, Steel);
            Wrench(p, {46, 60}, {74, 28}, Steel.lighter(125));
        },
        // 25: play on, day after day.
        [](QPainter& p) {
            const QColor green(90, 200, 80);
            const QColor dark(30, 100, 30);
            Poly(p, {{14, 22}, {50, 50}, {14, 78}}, green, dark, 4);
            Poly(p, {{50, 22}, {86, 50}, {50, 78}}, green, dark, 4);
        },
        // 26: stop the game playing on.
        [](QPainter& p) { Box(p, QRectF(24, 24, 52, 52), QColor(210, 60, 50), Ink, 4); },
        // 27: the advisor has warnings: an amber sign with "!".
        [](QPainter& p) {
            Poly(p, {{50, 14}, {88, 82}, {12, 82}}, QColor(250, 190, 40), Ink, 4);
            Stroke(p, {{50, 36}, {50, 60}}, Ink, 9);
            Disc(p, {50, 72}, 5, Ink);
        },
        // 28: the advisor has nothing to warn of: a green tick.
        [](QPainter& p) {
            Stroke(p, {{22, 52}, {42, 72}, {78, 30}}, QColor(90, 200, 80), 12);
        },
    }};
    std::vector<QImage> pictures;
    pictures.reserve(symbols.size());
    for (const TDraw& symbol : symbols)
        pictures.push_back(ToolPicture(scale, symbol));
    return pictures;
}

namespace {

// The ground under a building, by the terrain it stands on.
QImage BaseTile(int scale, int earth, const TDraw& building) {
    return Draw(scale, 25, 25, [&](QPainter& p) {
        struct TGround {
            QColor Base, Fleck;
        };
        static const std::array<TGround, 9> grounds{{{QColor(125, 176, 90), QColor(95, 150, 70)},
                                                     {QColor(125, 176, 90), QColor(95, 150, 70)},
                                                     {QColor(125, 176, 90), QColor(95, 150, 70)},
                                                     {QColor(80, 150, 215), QColor(150, 200, 240)},
                                                     {QColor(70, 125, 60), QColor(45, 95, 40)},
                                                     {QColor(85, 85, 90), QColor(35, 35, 40)},
                                                     {QColor(150, 100, 80), QColor(170, 60, 40)},
                                                     {QColor(110, 100, 80), QColor(30, 25, 25)},
                                                     {QColor(190, 160, 90), QColor(245, 210, 60)}}};
        const TGround& g = grounds[earth >= 0 && earth <= ekGold ? earth : ekLand];
        Box(p, QRectF(0, 0, 100, 100), g.Base);
        TGenRandom rng(static_cast<uint64_t>(earth) + 500);
        for (int i = 0; i < 18; ++i)
            Disc(p, {rng.Between(4, 96), rng.Between(4, 96)}, rng.Between(2, 4), g.Fleck);
        building(p);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0, 0, 0, 90), 4));
        p.drawRect(QRectF(2, 2, 96, 96));
    });
}

void Chimney(QPainter& p, QRectF r, bool smoke) {
    Box(p, r, Brick, Brick.darker(170), 2.5);
    if (smoke)
        Smoke(p, {r.center().x() + 4, r.top() - 6}, 14);
}

void Headframe(QPainter& p, QColor colour) {
    Stroke(p, {{28, 80}, {46, 16}, {64, 80}}, colour, 6);
    Stroke(p, {{34, 58}, {58, 58}}, colour, 5);
    Stroke(p, {{46, 16}, {80, 70}}, colour, 5);
    Disc(p, {46, 18}, 9, Qt::transparent, colour.darker(140), 5);
}

void Cart(QPainter& p, QPointF at, QColor load) {
    Poly(p,
         {{at.x() - 16, at.y() - 14},
          {at.x() + 16, at.y() - 14},
          {at.x() + 12, at.y()},
          {at.x() - 12, at.y()}},
         QColor(110, 80, 60), Ink, 3);
    Disc(p, {at.x(), at.y() - 16}, 9, load);
    Disc(p, {at.x() - 8, at.y() + 2}, 4, Ink);
    Disc(p, {at.x() + 8, at.y() + 2}, 4, Ink);
}

void Factory(QPainter& p, QColor wall) {
    Box(p, QRectF(10, 48, 62, 40), wall, wall.darker(170), 3);
    Poly(p, {{10, 48}, {26, 36}, {26, 48}, {42, 36}, {42, 48}, {58, 36}, {58, 48}, {72, 48}},
         wall.darker(120), wall.darker(170), 3);
    for (int i = 0; i < 3; ++i)
        Box(p, QRectF(16.0 + i * 18, 60, 10, 12), QColor(255, 230, 140), Ink, 2);
}

} // namespace

std::vector<QImage> MakeBases(int scale) {
    struct TBasePicture {
        int Earth;
        TDraw Building;
    };
    const std::array<TBasePicture, 22> bases{{
        // 0: the colony's administration, with the flag.
        {ekLand,
         [](QPainter& p) {
             Box(p, QRectF(12, 44, 76, 44), QColor(235, 225, 200), Ink, 3);
             Poly(p, {{8, 46}, {92, 46}, {50, 24}}, QColor(60, 110, 160), Ink, 3);
             for (int i = 0; i < 4; ++i)
                 Box(p, QRectF(20.0 + i * 17, 52, 6, 36), QColor(250, 248, 240),
                     QColor(150, 140, 120), 2);
             Box(p, QRectF(44, 68, 12, 20), QColor(110, 70, 40));
             Stroke(p, {{50, 26}, {50, 4}}, Ink, 3);
             Poly(p, {{50, 4}, {74, 9}, {50, 15}}, QColor(220, 40, 40));
         }},
        // 1: log hut.
        {ekLand,
         [](QPainter& p) {
             Box(p, QRectF(22, 50, 56, 36), Plank, Plank.darker(180), 3);
             for (int i = 0; i < 4; ++i)
                 Stroke(p, {{22, 56.0 + i * 9}, {78, 56.0 + i * 9}}, Plank.darker(150), 2.5);
             Poly(p, {{14, 52}, {86, 52}, {50, 22}}, QColor(120, 85, 50), Ink, 3);
             Box(p, QRectF(42, 62, 16, 24), QColor(90, 60, 30), Ink, 2);
         }},
        // 2: dwelling house.
        {ekLand,
         [](QPainter& p) {
             House(p, QRectF(18, 46, 64, 42), QColor(240, 232, 210), Roof, 2);
             Box(p, QRectF(44, 70, 12, 18), QColor(110, 70, 40));
             Chimney(p, QRectF(64, 20, 8, 16), true);
         }},
        // 3: tenement house, tall with many windows.
        {ekLand,
         [](QPainter& p) {
             Box(p, QRectF(20, 14, 60, 76), QColor(210, 190, 160), Ink, 3);
             Box(p, QRectF(16, 10, 68, 8), QColor(120, 110, 100), Ink, 2);
             for (int row = 0; row < 4; ++row)
                 for (int col = 0; col < 3; ++col)
                     Box(p, QRectF(27.0 + col * 17, 22.0 + row * 16, 10, 10), QColor(255, 236, 150),
                         Ink, 1.5);
             Box(p, QRectF(44, 78, 12, 12), QColor(110, 70, 40));
         }},
        // 4: workers' barracks, long and low.
        {ekLand,
         [](QPainter& p) {
             Box(p, QRectF(8, 54, 84, 30), QColor(150, 130, 100), Ink, 3);
             Poly(p, {{4, 56}, {96, 56}, {88, 38}, {12, 38}}, QColor(100, 100, 100), Ink, 3);
             for (int i = 0; i < 5; ++i)
                 Box(p, QRectF(14.0 + i * 16, 62, 8, 9), QColor(255, 236, 150), Ink, 1.5);
         }},
        // 5: farm: barn and furrows.
        {ekLand,
         [](QPainter& p) {
             for (int i = 0; i < 5; ++i)
                 Box(p, QRectF(4, 64.0 + i * 7, 92, 4), QColor(225, 195, 80));
             House(p, QRectF(16, 30, 40, 30), QColor(180, 50, 40), QColor(90, 60, 40), 0);
             Box(p, QRectF(30, 42, 12, 18), QColor(240, 230, 210), Ink, 2);
             Disc(p, {74, 44}, 12, QColor(230, 200, 90), QColor(150, 110, 30), 3);
         }},
        // 6: fishing boat with its net, on water.
        {ekWater,
         [](QPainter& p) {
             Poly(p, {{12, 62}, {88, 62}, {76, 80}, {24, 80}}, QColor(140, 90, 50), Ink, 3);
             Stroke(p, {{50, 62}, {50, 14}}, Ink, 4);
             Poly(p, {{52, 16}, {80, 56}, {52, 56}}, QColor(245, 240, 225), Ink, 2.5);
             for (int i = 0; i < 3; ++i)
                 Stroke(p, {{18.0 + i * 8, 30}, {22.0 + i * 8, 58}}, QColor(90, 80, 60), 2);
             Stroke(p, {{14, 34}, {40, 34}}, QColor(90, 80, 60), 2);
         }},
        // 7: well with its little roof and bucket.
        {ekWater,
         [](QPainter& p) {
             Box(p, QRectF(26, 58, 48, 28), QColor(160, 160, 155), Ink, 3);
             for (int i = 0; i < 3; ++i)
                 Stroke(p, {{26, 66.0 + i * 8}, {74, 66.0 + i * 8}}, QColor(110, 110, 105), 2);
             Stroke(p, {{30, 58}, {30, 26}}, Plank.darker(130), 5);
             Stroke(p, {{70, 58}, {70, 26}}, Plank.darker(130), 5);
             Poly(p, {{20, 30}, {80, 30}, {50, 10}}, QColor(120, 85, 50), Ink, 3);
             Stroke(p, {{50, 30}, {50, 44}}, Ink, 2);
             Box(p, QRectF(44, 44, 12, 10), QColor(90, 140, 200), Ink, 2);
         }},
        // 8: steam waterworks: brick house, chimney and a tank.
        {ekWater,
         [](QPainter& p) {
             Box(p, QRectF(12, 48, 48, 40), Brick, Ink, 3);
             Chimney(p, QRectF(20, 20, 10, 28), true);
             Box(p, QRectF(62, 30, 28, 30), QColor(80, 130, 190), Ink, 3);
             Stroke(p, {{66, 60}, {66, 88}}, Ink, 4);
             Stroke(p, {{86, 60}, {86, 88}}, Ink, 4);
             Drop(p, {36, 70}, 10, QColor(140, 200, 245));
         }},
        // 9: sawmill: a shed, a saw blade and logs, in the forest.
        {ekForest,
         [](QPainter& p) {
             Box(p, QRectF(10, 40, 52, 34), QColor(170, 130, 80), Ink, 3);
             Poly(p, {{6, 42}, {66, 42}, {36, 22}}, QColor(110, 80, 50), Ink, 3);
             Disc(p, {36, 58}, 11, Steel, Ink, 2.5);
             Logs(p, {80, 86}, 14);
         }},
        // 10: charcoal kiln: a smoking earth dome.
        {ekForest,
         [](QPainter& p) {
             QPainterPath dome;
             dome.moveTo(14, 84);
             dome.cubicTo(18, 30, 82, 30, 86, 84);
             dome.closeSubpath();
             Fill(p, dome, QColor(90, 70, 55), Ink, 3);
             Box(p, QRectF(42, 68, 16, 16), QColor(240, 120, 30), Ink, 2);
             Smoke(p, {48, 36}, 16);
         }},
        // 11: coal mine: headframe and a cart of coal.
        {ekCoal,
         [](QPainter& p) {
             Headframe(p, QColor(170, 120, 80));
             Cart(p, {68, 84}, QColor(20, 20, 24));
         }},
        // 12: iron mine: an adit in the rock and a cart of ore.
        {ekOre,
         [](QPainter& p) {
             Poly(p, {{4, 80}, {30, 20}, {60, 34}, {96, 80}}, QColor(130, 110, 100), Ink, 3);
             QPainterPath adit;
             adit.moveTo(30, 80);
             adit.arcTo(QRectF(30, 48, 30, 40), 180, -180);
             adit.closeSubpath();
             Fill(p, adit, QColor(30, 25, 25), Plank, 5);
             Cart(p, {72, 88}, QColor(190, 70, 40));
         }},
        // 13: oil derrick.
        {ekOil,
         [](QPainter& p) {
             Stroke(p, {{26, 90}, {50, 8}, {74, 90}}, QColor(215, 210, 195), 6);
             for (int i = 0; i < 4; ++i) {
                 const double y = 30.0 + i * 16, half = 6 + i * 5.5;
                 Stroke(p, {{50 - half, y}, {50 + half, y + 16}}, QColor(185, 180, 170), 3);
                 Stroke(p, {{50 + half, y}, {50 - half, y + 16}}, QColor(185, 180, 170), 3);
             }
             Drop(p, {82, 70}, 12, QColor(20, 20, 24));
         }},
        // 14: gold diggings: a sluice, a pick and nuggets.
        {ekGold,
         [](QPainter& p) {
             Poly(p, {{6, 50}, {70, 70}, {70, 82}, {6, 62}}, Plank, Ink, 3);
             Stroke(p, {{70, 20}, {88, 84}}, Plank.darker(140), 6);
             Poly(p, {{56, 26}, {74, 14}, {92, 18}, {74, 24}}, Steel, Ink, 2.5);
             Disc(p, {30, 84}, 7, Gold, QColor(140, 95, 10), 2);
             Disc(p, {46, 88}, 5, Gold, QColor(140, 95, 10), 2);
             Disc(p, {20, 36}, 6, Gold, QColor(140, 95, 10), 2);
         }},
        // 15: quarry: stepped grey rock and cut blocks.
        {ekLand,
         [](QPainter& p) {
             Poly(p, {{4, 86}, {4, 30}, {36, 30}, {36, 50}, {66, 50}, {66, 70}, {96, 70}, {96, 86}},
                  QColor(165, 165, 160), Ink, 3);
             Box(p, QRectF(50, 24, 18, 14), QColor(200, 200, 195), Ink, 2.5);
             Box(p, QRectF(72, 40, 18, 14), QColor(190, 190, 185), Ink, 2.5);
         }},
        // 16: coal power station: factory, two chimneys and a bolt.
        {ekLand,
         [](QPainter& p) {
             Factory(p, QColor(150, 150, 160));
             Chimney(p, QRectF(76, 22, 10, 66), true);
             Bolt(p, {22, 6}, 38);
         }},
        // 17: oil power station: factory, a round tank and a bolt.
        {ekLand,
         [](QPainter& p) {
             Factory(p, QColor(190, 180, 150));
             Barrel(p, QRectF(74, 50, 22, 38), QColor(40, 40, 46));
             Bolt(p, {22, 6}, 38);
         }},
        // 18: brickworks: kiln chimney and stacks of bricks.
        {ekLand,
         [](QPainter& p) {
             Box(p, QRectF(10, 46, 46, 40), QColor(200, 180, 150), Ink, 3);
             Chimney(p, QRectF(40, 12, 10, 34), true);
             for (int row = 0; row < 3; ++row)
                 for (int col = 0; col < 2; ++col)
                     Box(p, QRectF(62.0 + col * 15, 60.0 + row * 9, 14, 8), Brick, Ink, 1.5);
         }},
        // 19: greenhouse: glass panes over green plants.
        {ekLand,
         [](QPainter& p) {
             QPainterPath glass;
             glass.moveTo(10, 86);
             glass.lineTo(10, 50);
             glass.cubicTo(10, 20, 90, 20, 90, 50);
             glass.lineTo(90, 86);
             glass.closeSubpath();
             Fill(p, glass, QColor(200, 235, 245, 230), QColor(60, 90, 110), 3);
             for (int i = 1; i < 4; ++i)
                 Stroke(p, {{10.0 + i * 20, 30}, {10.0 + i * 20, 86}}, QColor(60, 90, 110), 2);
             for (int i = 0; i < 4; ++i)
                 Disc(p, {20.0 + i * 20, 74}, 8, QColor(60, 170, 60), QColor(30, 100, 30), 2);
         }},
        // 20: forester's lodge among firs.
        {ekForest,
         [](QPainter& p) {
             Fir(p, {18, 90}, 62, QColor(40, 110, 50));
             Fir(p, {82, 90}, 70, QColor(40, 110, 50));
             House(p, QRectF(34, 56, 32, 30), Plank, QColor(60, 110, 60), 1);
         }},
        // 21: hydroelectric dam with falling water and a bolt.
        {ekWater,
         [](QPainter& p) {
             Box(p, QRectF(0, 0, 100, 34), QColor(60, 120, 190));
             Poly(p, {{0, 34}, {100, 34}, {92, 60}, {8, 60}}, QColor(170, 170, 165), Ink, 3);
             for (int i = 0; i < 4; ++i)
                 Box(p, QRectF(16.0 + i * 20, 60, 8, 30), QColor(200, 230, 250, 220));
             Bolt(p, {62, 2}, 32);
         }},
    }};
    std::vector<QImage> pictures;
    pictures.reserve(bases.size());
    for (const TBasePicture& b : bases)
        pictures.push_back(BaseTile(scale, b.Earth, b.Building));
    return pictures;
}

std::vector<QImage> MakeEarth(int scale) {
    std::vector<QImage> pictures;
    // Ten pictures per resource kind, each with its own scatter of specks.
    struct TSpecks {
        QColor Colour, Edge;
        int Count;
        double Size;
    };
    const std::array<TSpecks, 6> kinds{{{QColor(215, 238, 252), QColor(90, 160, 220), 7, 5},
                                        {QColor(30, 95, 35), QColor(20, 60, 20), 6, 7},
                                        {QColor(25, 25, 28), QColor(70, 70, 75), 7, 5},
                                        {QColor(200, 60, 40), QColor(120, 30, 20), 7, 5},
                                        {QColor(15, 12, 12), QColor(60, 50, 70), 4, 8},
                                        {QColor(250, 215, 50), QColor(170, 120, 10), 6, 4.5}}};
    for (int k = 0; k < 6; ++k)
        for (int v = 0; v < 10; ++v)
            pictures.push_back(Draw(scale, 25, 25, [&](QPainter& p) {
                TGenRandom rng(static_cast<uint64_t>(k * 10 + v) + 100);
                const TSpecks& s = kinds[k];
                const int count = s.Count + rng.Below(3) - 1;
                for (int i = 0; i < count; ++i) {
                    const QPointF at(rng.Between(12, 88), rng.Between(12, 88));
                    const double size = s.Size * rng.Between(0.7, 1.3);
                    if (k + ekWater == ekForest)
                        Fir(p, at + QPointF(0, size), size * 2.6, s.Colour);
                    else if (k + ekWater == ekWater)
                        Stroke(p, {at - QPointF(size, 0), at, at + QPointF(size, -size * 0.6)},
                               s.Colour, 3.5);
                    else
                        Disc(p, at, size, s.Colour, s.Edge, 1.6);
                }
            }));
    // 60..63 and 65..69 are never drawn; 64 is the ruins of a building.
    for (int i = 60; i < 70; ++i)
        pictures.push_back(
            i != 64 ? Draw(scale, 25, 25, [](QPainter&) {}) : Draw(scale, 25, 25, [](QPainter& p) {
                Poly(p, {{14, 86}, {14, 40}, {26, 50}, {32, 36}, {40, 86}}, QColor(150, 140, 130),
                     Ink, 3);
                Poly(p, {{58, 86}, {62, 60}, {74, 66}, {80, 86}}, QColor(130, 120, 110), Ink, 3);
                TGenRandom rng(64);
                for (int j = 0; j < 9; ++j)
                    Box(p,
                        QRectF(rng.Between(10, 84), rng.Between(60, 88), rng.Between(5, 10),
                               rng.Between(4, 7)),
                        j % 2 ? Brick : QColor(110, 100, 95), Ink, 1.5);
                Stroke(p, {{44, 84}, {70, 50}}, QColor(60, 40, 30), 4);
            }));
    return pictures;
}

std::vector<QImage> MakeIcons(int scale) {
    const std::array<TDraw, 7> icons{{
        [](QPainter& p) {
            Flame(p, {50, 96}, 92);
        },
        [](QPainter& p) {
            Disc(p, {50, 50}, 38, QColor(255, 220, 30), QColor(150, 110, 0), 8);
        },
        [](QPainter& p) {
            Box(p, QRectF(36, 8, 28, 84), QColor(40, 200, 40), QColor(0, 90, 0), 6);
            Box(p, QRectF(8, 36, 84, 28), QColor(40, 200, 40), QColor(0, 90, 0), 6);
            Box(p, QRectF(39, 39, 22, 22), QColor(40, 200, 40));
        },
        [](QPainter& p) { Padlock(p, QRectF(12, 4, 76, 92)); },
        [](QPainter& p) {
            Poly(p, {{50, 6}, {96, 92}, {4, 92}}, QColor(255, 210, 0), QColor(60, 40, 0), 7);
            Box(p, QRectF(44, 32, 12, 34), Ink);
            Box(p, QRectF(44, 72, 12, 11), Ink);
        },
        [](QPainter& p) {
            Disc(p, {50, 50}, 30, QColor(130, 210, 255), QColor(30, 100, 170), 7);
        },
        [](QPainter& p) {
            Figure(p, {50, 98}, 94, QColor(230, 30, 30));
        },
    }};
    std::vector<QImage> pictures;
    pictures.reserve(icons.size());
    for (const TDraw& icon : icons)
        pictures.push_back(Draw(scale, 14, 14, icon));
    return pictures;
}
