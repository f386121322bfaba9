// Generates the map "01": the terrain grid (01.LTS), the background scene
// (01.WLL) and the start position (01.INI), and optionally a check picture of
// the grid with the scene's outlines over it.
//
//   tarvenia-gen-map OUTDIR [--check PICTURE.png]
//
// Everything is drawn from fixed seeds, so the same files come out every time.

#include "cellcontour.h"
#include "genrandom.h"

#include "model/terrain.h"

#include <QColor>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringConverter>
#include <QStringList>
#include <QTextStream>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>

namespace {

constexpr uint64_t Seed = 1890;
constexpr int Unset = 1 << 20;

// The kinds of the whole grid, column-major like the map file.
class TKindGrid {
public:
    TKindGrid() : kinds_(MapCols * MapRows, ekSea), variants_(MapCols * MapRows, 0) {}
    static bool Inside(int c, int r) { return TTerrainGrid::Contains(c, r); }
    int Kind(int c, int r) const { return Inside(c, r) ? kinds_[c * MapRows + r] : int{ekSea}; }
    void SetKind(int c, int r, int kind) { kinds_[c * MapRows + r] = static_cast<int8_t>(kind); }
    int Variant(int c, int r) const { return variants_[c * MapRows + r]; }
    void SetVariant(int c, int r, int v) { variants_[c * MapRows + r] = static_cast<int8_t>(v); }
    TCellMask Mask(const std::function<bool(int)>& test) const {
        TCellMask mask(MapCols, MapRows);
        for (int c = 0; c < MapCols; ++c)
            for (int r = 0; r < MapRows; ++r)
                mask.Set(c, r, test(Kind(c, r)));
        return mask;
    }

private:
    std::vector<int8_t> kinds_;
    std::vector<int8_t> variants_;
};

using TField = std::vector<double>;
double& At(TField& f, int c, int r) {
    return f[c * MapRows + r];
}
double At(const TField& f, int c, int r) {
    return f[c * MapRows + r];
}

// Steps, counted with diagonal moves, from every cell to the nearest cell of
// the mask (Unset where the mask is empty).
std::vector<int> Distance(const TCellMask& from) {
    std::vector<int> dist(MapCols * MapRows, Unset);
    std::deque<TCellPoint> todo;
    for (int c = 0; c < MapCols; ++c)
        for (int r = 0; r < MapRows; ++r)
            if (from.At(c, r)) {
                dist[c * MapRows + r] = 0;
                todo.push_back({c, r});
            }
    while (!todo.empty()) {
        const TCellPoint p = todo.front();
        todo.pop_front();
        const int d = dist[p.X * MapRows + p.Y] + 1;
        for (int dc = -1; dc <= 1; ++dc)
            for (int dr = -1; dr <= 1; ++dr) {
                const int c = p.X + dc, r = p.Y + dr;
                if (TKindGrid::Inside(c, r) && dist[c * MapRows + r] > d) {
                    dist[c * MapRows + r] = d;
                    todo.push_back({c, r});
                }
            }
    }
    return dist;
}

struct TIsland {
    double Col, Row, RadiusX, RadiusY;
};

// The main island in the middle and six smaller ones around it.
constexpr std::array<TIsland, 8> Islands{{{136, 142, 96, 84},
                                          {38, 40, 17, 13},
                                          {240, 44, 21, 16},
                                          {40, 234, 15, 19},
                                          {242, 236, 20, 15},
                                          {150, 24, 13, 8},
                                          {262, 142, 8, 13},
                                          {16, 134, 7, 10}}};

// Bays that the sea cuts into the main island.
constexpr std::array<TIsland, 3> Bays{{{222, 148, 40, 17}, {56, 198, 22, 14}, {150, 236, 14, 18}}};

// Elevation above the sea: positive on land, highest inland.
TField MakeElevation() {
    TField e(MapCols * MapRows);
    for (int c = 0; c < MapCols; ++c)
        for (int r = 0; r < MapRows; ++r) {
            double best = -1;
            for (const TIsland& i : Islands) {
                const double dx = (c - i.Col) / i.RadiusX, dy = (r - i.Row) / i.RadiusY;
                best = std::max(best, 1 - std::sqrt(dx * dx + dy * dy));
            }
            for (const TIsland& b : Bays) {
                const double dx = (c - b.Col) / b.RadiusX, dy = (r - b.Row) / b.RadiusY;
                best -= 1.8 * std::max(0.0, 1 - std::sqrt(dx * dx + dy * dy));
            }
            const double shore = 0.7 * (FractalNoise(Seed, c / 20.0, r / 20.0, 5) - 0.5);
            const double inland = 0.35 * (FractalNoise(Seed + 7, c / 15.0, r / 15.0, 3) - 0.5);
            const int border = std::min({c, r, MapCols - 1 - c, MapRows - 1 - r});
            At(e, c, r) = border < 7 ? -1 : best + shore + std::max(0.0, best) * inland;
        }
    return e;
}

// Blobs of a kind around picked centres: a cell joins when it lies within a
// noisy radius and the filter accepts it.
void Spread(TKindGrid& grid, TCellPoint centre, double radius, int kind, uint64_t noiseSeed,
            const std::function<bool(int, int)>& accept) {
    const int reach = static_cast<int>(radius) + 3;
    for (int c = centre.X - reach; c <= centre.X + reach; ++c)
        for (int r = centre.Y - reach; r <= centre.Y + reach; ++r) {
            if (!TKindGrid::Inside(c, r) || !accept(c, r))
                continue;
            const double d = std::hypot(c - centre.X, r - centre.Y);
            const double wobble = 0.6 + 0.8 * ValueNoise(noiseSeed, c / 2.5, r / 2.5);
            if (d <= radius * wobble)
                grid.SetKind(c, r, kind);
        }
}

// Picks up to count cells that pass the test, in a random but fixed order,
// keeping them apart by at least spacing cells.
std::vector<TCellPoint> PickCentres(TGenRandom& rng, int count, int spacing,
                                    const std::function<bool(int, int)>& test) {
    std::vector<TCellPoint> all;
    for (int c = 0; c < MapCols; ++c)
        for (int r = 0; r < MapRows; ++r)
            if (test(c, r))
                all.push_back({c, r});
    for (size_t i = all.size(); i > 1; --i)
        std::swap(all[i - 1], all[rng.Below(static_cast<int>(i))]);
    std::vector<TCellPoint> picked;
    for (const TCellPoint& p : all) {
        if (static_cast<int>(picked.size()) >= count)
            break;
        const bool apart = std::all_of(picked.begin(), picked.end(), [&](const TCellPoint& q) {
            return std::max(std::abs(p.X - q.X), std::abs(p.Y - q.Y)) >= spacing;
        });
        if (apart)
            picked.push_back(p);
    }
    return picked;
}

struct TMap {
    TKindGrid Grid;
    TField Height;
    TCellPoint Start;
};

TMap MakeTerrain() {
    TMap map;
    TKindGrid& grid = map.Grid;
    const TField elevation = MakeElevation();

    // Land and sea; a pocket of sea cut off from the open sea is filled up,
    // and specks of land too small to matter sink.
    TCellMask land(MapCols, MapRows);
    for (int c = 0; c < MapCols; ++c)
        for (int r = 0; r < MapRows; ++r)
            land.Set(c, r, At(elevation, c, r) > 0.1);
    FillHoles(land);
    for (const TCellLoop& loop : TraceLoops(land))
        if (LoopArea2(loop) < 2 * 12)
            for (int c = loop.front().X - 4; c <= loop.front().X + 4; ++c)
                for (int r = loop.front().Y - 4; r <= loop.front().Y + 4; ++r)
                    land.Set(c, r, false);
    FillHoles(land);

    // A cell of land that sees the sea, also across a corner, is coast.
    for (int c = 0; c < MapCols; ++c)
        for (int r = 0; r < MapRows; ++r) {
            if (!land.At(c, r))
                continue;
            bool seesSea = false;
            for (int dc = -1; dc <= 1; ++dc)
                for (int dr = -1; dr <= 1; ++dr)
                    seesSea =
                        seesSea || (TKindGrid::Inside(c + dc, r + dr) && !land.At(c + dc, r + dr));
            grid.SetKind(c, r, seesSea ? ekCoast : ekLand);
        }
    const std::vector<int> toCoast = Distance(grid.Mask([](int k) { return k <= ekCoast; }));
    auto coastDist = [&](int c, int r) { return toCoast[c * MapRows + r]; };

    // Relief: high ground inland, rising towards the island's middle.
    map.Height = TField(MapCols * MapRows, 0);
    for (int c = 0; c < MapCols; ++c)
        for (int r = 0; r < MapRows; ++r)
            if (grid.Kind(c, r) == ekLand)
                At(map.Height, c, r) = std::min(1.0, coastDist(c, r) / 40.0) * 0.55 +
                                       0.45 * FractalNoise(Seed + 11, c / 18.0, r / 18.0, 4);
    auto height = [&](int c, int r) { return At(map.Height, c, r); };
    auto inland = [&](int margin) {
        return [&, margin](int c, int r) {
            return grid.Kind(c, r) == ekLand && coastDist(c, r) >= margin;
        };
    };

    TGenRandom rng(Seed);
    // Forests on the lower and middle ground.
    for (int c = 0; c < MapCols; ++c)
        for (int r = 0; r < MapRows; ++r)
            if (grid.Kind(c, r) == ekLand && coastDist(c, r) >= 2 && height(c, r) < 0.62 &&
                FractalNoise(Seed + 21, c / 11.0, r / 11.0, 4) > 0.55)
                grid.SetKind(c, r, ekForest);
    // Deposits where the ground suits them: coal in the hills, ore and gold in
    // the highlands, oil on the low plains near the shore.
    auto onLand = [&](int c, int r) {
        const int k = grid.Kind(c, r);
        return (k == ekLand || k == ekForest) && coastDist(c, r) >= 2;
    };
    for (const TCellPoint& p : PickCentres(rng, 16, 14, [&](int c, int r) {
             return inland(4)(c, r) && height(c, r) > 0.45 && height(c, r) < 0.62;
         }))
        Spread(grid, p, rng.Between(1.8, 3.6), ekCoal, rng.Next(), onLand);
    for (const TCellPoint& p : PickCentres(
             rng, 10, 16, [&](int c, int r) { return inland(6)(c, r) && height(c, r) >= 0.6; }))
        Spread(grid, p, rng.Between(1.8, 3.2), ekOre, rng.Next(), onLand);
    for (const TCellPoint& p : PickCentres(
             rng, 4, 30, [&](int c, int r) { return inland(8)(c, r) && height(c, r) >= 0.7; }))
        Spread(grid, p, rng.Between(1.8, 2.8), ekGold, rng.Next(), onLand);
    for (const TCellPoint& p : PickCentres(rng, 7, 22, [&](int c, int r) {
             return inland(2)(c, r) && coastDist(c, r) <= 9 && height(c, r) < 0.42;
         }))
        Spread(grid, p, rng.Between(1.5, 3.0), ekOil, rng.Next(), onLand);
    // Lakes in the hollows, never touching the coast.
    for (const TCellPoint& p : PickCentres(
             rng, 11, 20, [&](int c, int r) { return inland(6)(c, r) && height(c, r) < 0.5; }))
        Spread(grid, p, rng.Between(2.5, 5.5), ekWater, rng.Next(),
               [&](int c, int r) { return grid.Kind(c, r) >= ekLand && coastDist(c, r) >= 2; });
    TCellMask lakes = grid.Mask([](int k) { return k == ekWater; });
    FillHoles(lakes);
    for (int c = 0; c < MapCols; ++c)
        for (int r = 0; r < MapRows; ++r)
            if (lakes.At(c, r))
                grid.SetKind(c, r, ekWater);
    // A few things nobody has identified yet.
    for (const TCellPoint& p : PickCentres(rng, 7, 40, inland(3)))
        grid.SetKind(p.X, p.Y, ekUnknown);

    // Decorations vary from cell to cell, with neighbours alike more often
    // than not.
    for (int c = 0; c < MapCols; ++c)
        for (int r = 0; r < MapRows; ++r) {
            const int k = grid.Kind(c, r);
            if (k >= ekWater && k <= ekGold) {
                const double n = ValueNoise(Seed + 31, c / 1.7, r / 1.7);
                grid.SetVariant(c, r, (static_cast<int>(n * 10) + rng.Below(3)) % 10);
            }
        }

    // The colony starts on open land near water and forest, with coal and ore
    // within a short walk.
    auto distTo = [&](int kind) {
        return Distance(grid.Mask([kind](int k) { return k == kind; }));
    };
    const std::vector<int> lake = distTo(ekWater), forest = distTo(ekForest), coal = distTo(ekCoal),
                           ore = distTo(ekOre), oil = distTo(ekOil);
    double bestScore = 1e9;
    for (int c = 0; c < MapCols; ++c)
        for (int r = 0; r < MapRows; ++r) {
            if (grid.Kind(c, r) != ekLand || coastDist(c, r) < 6)
                continue;
            int open = 0;
            for (int dc = -3; dc <= 3; ++dc)
                for (int dr = -3; dr <= 3; ++dr)
                    open += grid.Kind(c + dc, r + dr) == ekLand;
            const int i = c * MapRows + r;
            if (open < 30 || lake[i] < 3 || forest[i] < 2)
                continue;
            const double score = lake[i] + forest[i] + 0.5 * coal[i] + 0.4 * ore[i] + 0.2 * oil[i] +
                                 0.05 * std::hypot(c - 136, r - 142);
            if (score < bestScore) {
                bestScore = score;
                map.Start = {c, r};
            }
        }
    return map;
}

QByteArray TerrainBytes(const TKindGrid& grid) {
    QByteArray bytes;
    for (int c = 0; c < MapCols; ++c)
        for (int r = 0; r < MapRows; ++r) {
            bytes.append(static_cast<char>(grid.Kind(c, r)));
            bytes.append('\0');
            bytes.append('\0');
            bytes.append(static_cast<char>(grid.Variant(c, r)));
        }
    return bytes;
}

QString PointList(const TCellLoop& loop) {
    QStringList pairs;
    for (const TCellPoint& p : loop)
        pairs << QStringLiteral("%1:%2").arg(p.X * CellSize).arg(p.Y * CellSize);
    return pairs.join(QLatin1Char(','));
}

// One filled outline per region of the mask, in a named brush.
void WriteOutlines(QStringList& tags, const QString& prefix, const QString& brush, bool plan,
                   TCellMask mask, std::vector<std::pair<QString, TCellLoop>>* outlines) {
    FillHoles(mask);
    int n = 0;
    for (const TCellLoop& loop : TraceLoops(mask)) {
        const QString name = QStringLiteral("%1%2").arg(prefix).arg(++n, 2, 10, QLatin1Char('0'));
        tags << QStringLiteral("<PLACE name=%1 brush=%2%3 points=%4>")
                    .arg(name, brush, plan ? QStringLiteral(" style=plan") : QString(),
                         PointList(loop));
        if (outlines)
            outlines->push_back({brush, loop});
    }
}

struct TLabel {
    QString Text;
    QString Font;
    TCellPoint Cell;
};

QString SceneText(const TMap& map, std::vector<std::pair<QString, TCellLoop>>& outlines) {
    const TKindGrid& grid = map.Grid;
    QStringList tags;
    tags << QStringLiteral("<PICTURE color=#2B6497>")
         << QStringLiteral("<BRUSH name=sea fill=#2B6497>")
         << QStringLiteral("<BRUSH name=shallows fill=#4C86B8>")
         << QStringLiteral("<BRUSH name=shore fill=#E3D3A0 line=#B49D68 size=2>")
         << QStringLiteral("<BRUSH name=land fill=#8CBB68>")
         << QStringLiteral("<BRUSH name=hills fill=#A6BD72>")
         << QStringLiteral("<BRUSH name=highland fill=#BFAE80>")
         << QStringLiteral("<BRUSH name=forest fill=#5F9650>")
         << QStringLiteral("<BRUSH name=lake fill=#5DA2D6 line=#2B6497>")
         << QStringLiteral("<FONT name=island face=\"Times New Roman\" size=30 color=#4A3418 "
                           "style=bold,italic>")
         << QStringLiteral("<FONT name=place face=\"Times New Roman\" size=15 color=#F4ECD4 "
                           "style=italic>")
         << QStringLiteral("<FONT name=water face=\"Times New Roman\" size=24 color=#D6E6F6 "
                           "style=italic>")
         << QStringLiteral("<RECT name=world left=0 top=0 width=%1 height=%1 brush=sea style=plan>")
                .arg(WorldSize);

    const TCellMask land = grid.Mask([](int k) { return k != ekSea; });
    const std::vector<int> toLand = Distance(land);
    TCellMask shallows(MapCols, MapRows);
    for (int c = 0; c < MapCols; ++c)
        for (int r = 0; r < MapRows; ++r)
            shallows.Set(c, r, toLand[c * MapRows + r] <= 3);
    WriteOutlines(tags, QStringLiteral("shallows"), QStringLiteral("shallows"), true, shallows,
                  nullptr);
    WriteOutlines(tags, QStringLiteral("island"), QStringLiteral("shore"), true, land, &outlines);
    WriteOutlines(tags, QStringLiteral("land"), QStringLiteral("land"), true,
                  grid.Mask([](int k) { return k >= ekLand; }), &outlines);
    for (const auto& [name, level] :
         {std::pair{QStringLiteral("hills"), 0.45}, std::pair{QStringLiteral("highland"), 0.68}}) {
        TCellMask high(MapCols, MapRows);
        for (int c = 0; c < MapCols; ++c)
            for (int r = 0; r < MapRows; ++r)
                high.Set(c, r, grid.Kind(c, r) >= ekLand && At(map.Height, c, r) >= level);
        WriteOutlines(tags, name, name, false, high, nullptr);
    }
    WriteOutlines(tags, QStringLiteral("forest"), QStringLiteral("forest"), true,
                  grid.Mask([](int k) { return k == ekForest; }), nullptr);
    WriteOutlines(tags, QStringLiteral("lake"), QStringLiteral("lake"), true,
                  grid.Mask([](int k) { return k == ekWater; }), &outlines);

    const std::array<TLabel, 9> labels{{
        {QStringLiteral("Тарвения"), QStringLiteral("island"), {118, 96}},
        {QStringLiteral("о. Чаячий"), QStringLiteral("place"), {30, 56}},
        {QStringLiteral("о. Медвежий"), QStringLiteral("place"), {228, 64}},
        {QStringLiteral("о. Дальний"), QStringLiteral("place"), {30, 256}},
        {QStringLiteral("о. Каменный"), QStringLiteral("place"), {230, 254}},
        {QStringLiteral("о. Рыбачий"), QStringLiteral("place"), {140, 35}},
        {QStringLiteral("Северное море"), QStringLiteral("water"), {60, 10}},
        {QStringLiteral("Южное море"), QStringLiteral("water"), {150, 262}},
        {QStringLiteral("Залив Надежды"), QStringLiteral("water"), {200, 140}},
    }};
    for (const TLabel& l : labels)
        tags << QStringLiteral("<TEXT left=%1 top=%2 font=%3 value=\"%4\">")
                    .arg(l.Cell.X * CellSize)
                    .arg(l.Cell.Y * CellSize)
                    .arg(l.Font, l.Text);
    return tags.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

QColor KindColor(int kind) {
    static const std::array<QColor, EarthKindCount> colors{
        QColor(0x2B, 0x64, 0x97), QColor(0xE3, 0xD3, 0xA0), QColor(0x8C, 0xBB, 0x68),
        QColor(0x5D, 0xA2, 0xD6), QColor(0x2F, 0x6A, 0x2A), QColor(0x20, 0x20, 0x20),
        QColor(0xB0, 0x40, 0x30), QColor(0x70, 0x30, 0x70), QColor(0xF0, 0xC8, 0x20),
        QColor(0xFF, 0x00, 0xFF)};
    return colors[kind];
}

// The grid at two pixels a cell, with the outlines of the scene drawn over it
// and the start cell marked.
QImage CheckPicture(const TMap& map, const std::vector<std::pair<QString, TCellLoop>>& outlines) {
    constexpr int scale = 2;
    QImage image(MapCols * scale, MapRows * scale, QImage::Format_RGB32);
    QPainter p(&image);
    for (int c = 0; c < MapCols; ++c)
        for (int r = 0; r < MapRows; ++r)
            p.fillRect(c * scale, r * scale, scale, scale, KindColor(map.Grid.Kind(c, r)));
    for (const auto& [brush, loop] : outlines) {
        QPolygon polygon;
        for (const TCellPoint& pt : loop)
            polygon << QPoint(pt.X * scale, pt.Y * scale);
        p.setPen(brush == QLatin1String("shore") ? Qt::red : Qt::black);
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(polygon);
    }
    p.setPen(QPen(Qt::white, 2));
    p.drawRect(map.Start.X * scale - 4, map.Start.Y * scale - 4, 9, 9);
    return image;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2 && !(args.size() == 4 && args[2] == QLatin1String("--check"))) {
        std::fprintf(stderr, "usage: tarvenia-gen-map OUTDIR [--check PICTURE.png]\n");
        return 2;
    }
    const QString dir = args[1] + QLatin1Char('/');
    const TMap map = MakeTerrain();
    std::vector<std::pair<QString, TCellLoop>> outlines;
    const QString scene = SceneText(map, outlines);
    const QByteArray ini = QStringLiteral("[Init]\r\nScreenX=%1\r\nScreenY=%2\r\nSelX=%3\r\n"
                                          "SelY=%4\r\n")
                               .arg(std::max(0, map.Start.X - 10))
                               .arg(std::max(0, map.Start.Y - 7))
                               .arg(map.Start.X)
                               .arg(map.Start.Y)
                               .toLatin1();
    QStringEncoder toAnsi("windows-1251");
    if (!WriteFile(dir + QStringLiteral("01.LTS"), TerrainBytes(map.Grid)) ||
        !WriteFile(dir + QStringLiteral("01.WLL"), toAnsi.encode(scene)) ||
        !WriteFile(dir + QStringLiteral("01.INI"), ini))
        return 1;
    if (args.size() == 4 && !CheckPicture(map, outlines).save(args[3])) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args[3]));
        return 1;
    }
    return 0;
}
