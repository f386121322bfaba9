// The map generator: the terrain grid, the background scene with the
// overview's shapes and the start position of an island, made in memory.
// Only integer arithmetic, IEEE-exact operations (+ - * / and sqrt) and
// fixed draws are used, built without contraction, so a seed gives the same
// bytes wherever it is made.

#include "island/islandgen.h"

#include "base/terrain.h"
#include "island/genrandom.h"
#include "island/placenames.h"

#include <QStringConverter>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>
#include <deque>
#include <functional>
#include <utility>

namespace {

constexpr int Unset = 1 << 20;
// Every building's ground lies this near to the start, in cells.
constexpr int StartReach = 25;

// The kinds of the whole grid, column-major like the map file.
class TKindGrid {
public:
    TKindGrid() : kinds_(MapCols * MapRows, ekSea), variants_(MapCols * MapRows, 0) {}
    // The kinds of a grid as it reads them, so that a stray byte draws as an
    // unidentified object.
    explicit TKindGrid(const TTerrainGrid& terrain) : TKindGrid() {
        for (int c = 0; c < MapCols; ++c)
            for (int r = 0; r < MapRows; ++r)
                SetKind(c, r, terrain.EarthKind(c, r));
    }
    TTerrainGrid Terrain() const {
        TTerrainGrid terrain;
        for (int c = 0; c < MapCols; ++c)
            for (int r = 0; r < MapRows; ++r) {
                terrain.Cell(c, r).Kind = static_cast<int8_t>(Kind(c, r));
                terrain.Cell(c, r).Variant = static_cast<int8_t>(Variant(c, r));
            }
        return terrain;
    }
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

// The distance between two cells, exact for whole cells.
double CellDistance(int dc, int dr) {
    return std::sqrt(static_cast<double>(dc * dc + dr * dr));
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

struct TEllipse {
    double Col, Row, RadiusX, RadiusY;
};

// What makes one map: the seed of its noise and draws, the land's shapes and
// its names.
struct TMapPlan {
    uint64_t Seed = 0;
    // The main island first, then the smaller ones.
    std::vector<TEllipse> Islands;
    // Land that grows out of the main island, making it less round.
    std::vector<TEllipse> Lobes;
    // Bays that the sea cuts into the land.
    std::vector<TEllipse> Bays;
    // The names written on the map; none for a map that names its places
    // once its land is made.
    std::vector<TMapLabel> Labels;
};

// Map "01": the main island in the middle, seven smaller ones around it and
// three bays.
TMapPlan Plan01() {
    TMapPlan plan;
    plan.Seed = 1890;
    plan.Islands = {{136, 142, 96, 84}, {38, 40, 17, 13}, {240, 44, 21, 16}, {40, 234, 15, 19},
                    {242, 236, 20, 15}, {150, 24, 13, 8}, {262, 142, 8, 13}, {16, 134, 7, 10}};
    plan.Bays = {{222, 148, 40, 17}, {56, 198, 22, 14}, {150, 236, 14, 18}};
    plan.Labels = {
        {QStringLiteral("Тарвения"), QStringLiteral("island"), {118, 96}},
        {QStringLiteral("о. Чаячий"), QStringLiteral("place"), {30, 56}},
        {QStringLiteral("о. Медвежий"), QStringLiteral("place"), {228, 64}},
        {QStringLiteral("о. Дальний"), QStringLiteral("place"), {30, 256}},
        {QStringLiteral("о. Каменный"), QStringLiteral("place"), {230, 254}},
        {QStringLiteral("о. Рыбачий"), QStringLiteral("place"), {140, 35}},
        {QStringLiteral("Северное море"), QStringLiteral("water"), {60, 10}},
        {QStringLiteral("Южное море"), QStringLiteral("water"), {150, 262}},
        {QStringLiteral("Залив Надежды"), QStringLiteral("water"), {200, 140}},
    };
    return plan;
}

// Whether two ellipses keep a gap of so many cells, measured along the line
// between their centres.
bool Apart(const TEllipse& a, const TEllipse& b, double gap) {
    const double dc = a.Col - b.Col, dr = a.Row - b.Row;
    const double d = std::sqrt(dc * dc + dr * dr);
    // Each ellipse's reach towards the other is at most its larger radius.
    return d >= std::max(a.RadiusX, a.RadiusY) + std::max(b.RadiusX, b.RadiusY) + gap;
}

// Whether a point lies well off an ellipse, in the ellipse's own measure.
bool OffEllipse(const TEllipse& e, double col, double row, double margin) {
    const double dc = (col - e.Col) / e.RadiusX, dr = (row - e.Row) / e.RadiusY;
    return dc * dc + dr * dr > margin;
}

// A direction drawn evenly over the circle, as a unit vector.
std::pair<double, double> Direction(TGenRandom& rng) {
    for (;;) {
        const double x = rng.Between(-1, 1), y = rng.Between(-1, 1);
        const double length = std::sqrt(x * x + y * y);
        if (length >= 0.2 && length <= 1)
            return {x / length, y / length};
    }
}

// The land's shapes of a seed: a large main island near the middle with a
// lobe growing out of it, four to seven smaller ones in the sea around it,
// one to three bays in its coast.
TMapPlan RandomPlan(uint32_t seed) {
    TMapPlan plan;
    plan.Seed = HashPoint(0x7a8e, seed, 1);
    TGenRandom rng(HashPoint(0x7a8e, seed, 2));
    const TEllipse main{rng.Between(128, 152), rng.Between(128, 152), rng.Between(68, 88),
                        rng.Between(60, 80)};
    plan.Islands.push_back(main);
    const auto [lx, ly] = Direction(rng);
    const double reach = rng.Between(0.9, 1.25), size = rng.Between(0.4, 0.6);
    TEllipse lobe{main.Col + lx * reach * main.RadiusX, main.Row + ly * reach * main.RadiusY,
                  size * main.RadiusX, size * main.RadiusY};
    lobe.RadiusX = std::min({lobe.RadiusX, lobe.Col - 24, MapCols - 24 - lobe.Col});
    lobe.RadiusY = std::min({lobe.RadiusY, lobe.Row - 24, MapRows - 24 - lobe.Row});
    plan.Lobes.push_back(lobe);
    const int islets = 4 + rng.Below(4);
    for (int tries = 0; tries < 200 && static_cast<int>(plan.Islands.size()) <= islets; ++tries) {
        const TEllipse islet{rng.Between(24, MapCols - 24), rng.Between(24, MapRows - 24),
                             rng.Between(7, 20), rng.Between(7, 18)};
        const bool offMain = OffEllipse(main, islet.Col, islet.Row, 1.6) &&
                             OffEllipse(lobe, islet.Col, islet.Row, 2.2);
        const bool alone = std::all_of(plan.Islands.begin() + 1, plan.Islands.end(),
                                       [&](const TEllipse& i) { return Apart(islet, i, 10); });
        if (offMain && alone && islet.Col - islet.RadiusX >= 12 &&
            islet.Col + islet.RadiusX <= MapCols - 12 && islet.Row - islet.RadiusY >= 12 &&
            islet.Row + islet.RadiusY <= MapRows - 12)
            plan.Islands.push_back(islet);
    }
    const int bays = 1 + rng.Below(3);
    while (static_cast<int>(plan.Bays.size()) < bays) {
        const auto [ux, uy] = Direction(rng);
        const double across = rng.Between(10, 18), along = rng.Between(16, 38);
        const bool wide = std::abs(ux) > std::abs(uy);
        plan.Bays.push_back({main.Col + ux * main.RadiusX, main.Row + uy * main.RadiusY,
                             wide ? along : across, wide ? across : along});
    }
    return plan;
}

// Elevation above the sea: positive on land, highest inland.
TField MakeElevation(const TMapPlan& plan) {
    TField e(MapCols * MapRows);
    for (int c = 0; c < MapCols; ++c)
        for (int r = 0; r < MapRows; ++r) {
            double best = -1;
            for (const std::vector<TEllipse>* land : {&plan.Islands, &plan.Lobes})
                for (const TEllipse& i : *land) {
                    const double dx = (c - i.Col) / i.RadiusX, dy = (r - i.Row) / i.RadiusY;
                    best = std::max(best, 1 - std::sqrt(dx * dx + dy * dy));
                }
            for (const TEllipse& b : plan.Bays) {
                const double dx = (c - b.Col) / b.RadiusX, dy = (r - b.Row) / b.RadiusY;
                best -= 1.8 * std::max(0.0, 1 - std::sqrt(dx * dx + dy * dy));
            }
            const double shore = 0.7 * (FractalNoise(plan.Seed, c / 20.0, r / 20.0, 5) - 0.5);
            const double inland = 0.35 * (FractalNoise(plan.Seed + 7, c / 15.0, r / 15.0, 3) - 0.5);
            const int border = std::min({c, r, MapCols - 1 - c, MapRows - 1 - r});
            At(e, c, r) = border < 7 ? -1 : best + shore + std::max(0.0, best) * inland;
        }
    return e;
}

// Blobs of a kind around picked centres: a cell joins when it lies within a
// noisy radius, drawn between lo and hi, and the filter accepts it. The draws
// come one after the other in a fixed order (the noise's seed, then the
// radius), whatever order a compiler evaluates arguments in.
void Spread(TKindGrid& grid, TCellPoint centre, TGenRandom& rng, double lo, double hi, int kind,
            const std::function<bool(int, int)>& accept) {
    const uint64_t noiseSeed = rng.Next();
    const double radius = rng.Between(lo, hi);
    const int reach = static_cast<int>(radius) + 3;
    for (int c = centre.X - reach; c <= centre.X + reach; ++c)
        for (int r = centre.Y - reach; r <= centre.Y + reach; ++r) {
            if (!TKindGrid::Inside(c, r) || !accept(c, r))
                continue;
            const double d = CellDistance(c - centre.X, r - centre.Y);
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
    TCellPoint Start;
};

// The steps from every cell to the nearest sea or coast.
std::vector<int> CoastDistance(const TKindGrid& grid) {
    return Distance(grid.Mask([](int k) { return k <= ekCoast; }));
}

// Relief: high ground inland, rising towards the island's middle; zero off
// the land. It depends only on where the coast is, so the scene draws the
// same hills over a grid whose inland kinds changed.
TField Relief(const TKindGrid& grid, const std::vector<int>& toCoast, uint64_t seed) {
    TField height(MapCols * MapRows, 0);
    for (int c = 0; c < MapCols; ++c)
        for (int r = 0; r < MapRows; ++r)
            if (grid.Kind(c, r) >= ekLand)
                At(height, c, r) = std::min(1.0, toCoast[c * MapRows + r] / 40.0) * 0.55 +
                                   0.45 * FractalNoise(seed + 11, c / 18.0, r / 18.0, 4);
    return height;
}

// The kinds that some building needs for its ground, besides plain land.
constexpr std::array<int, 6> BuildingGrounds{ekWater, ekForest, ekCoal, ekOre, ekOil, ekGold};

// Whether a cell of the kind lies within the start's reach.
bool WithinReach(const TKindGrid& grid, TCellPoint start, int kind) {
    for (int c = start.X - StartReach; c <= start.X + StartReach; ++c)
        for (int r = start.Y - StartReach; r <= start.Y + StartReach; ++r)
            if (grid.Kind(c, r) == kind)
                return true;
    return false;
}

// A ground that a building needs and the start's surroundings lack gets a
// small patch of open land a walk away from the start.
void BringGroundsNear(TMap& map, uint64_t seed, TGenRandom& rng, const std::vector<int>& toCoast) {
    TKindGrid& grid = map.Grid;
    for (int kind : BuildingGrounds) {
        if (WithinReach(grid, map.Start, kind))
            continue;
        const int margin = kind == ekWater ? 3 : 2;
        auto open = [&](int c, int r) {
            return grid.Kind(c, r) == ekLand && toCoast[c * MapRows + r] >= margin;
        };
        const std::vector<TCellPoint> sites = PickCentres(rng, 1, 1, [&](int c, int r) {
            const int d = std::max(std::abs(c - map.Start.X), std::abs(r - map.Start.Y));
            return d >= 6 && d <= StartReach - 5 && open(c, r);
        });
        if (sites.empty())
            continue;
        const TCellPoint site = sites.front();
        Spread(grid, site, rng, 1.8, 2.6, kind, open);
        for (int c = site.X - 6; c <= site.X + 6; ++c)
            for (int r = site.Y - 6; r <= site.Y + 6; ++r)
                if (TKindGrid::Inside(c, r) && grid.Kind(c, r) == kind)
                    grid.SetVariant(c, r, static_cast<int>(HashPoint(seed + 41, c, r) % 10));
    }
}

TMap MakeTerrain(const TMapPlan& plan) {
    TMap map;
    TKindGrid& grid = map.Grid;
    const uint64_t seed = plan.Seed;
    const TField elevation = MakeElevation(plan);

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
    const std::vector<int> toCoast = CoastDistance(grid);
    auto coastDist = [&](int c, int r) { return toCoast[c * MapRows + r]; };
    const TField relief = Relief(grid, toCoast, seed);
    auto height = [&](int c, int r) { return At(relief, c, r); };
    auto inland = [&](int margin) {
        return [&, margin](int c, int r) {
            return grid.Kind(c, r) == ekLand && coastDist(c, r) >= margin;
        };
    };

    TGenRandom rng(seed);
    // Forests on the lower and middle ground.
    for (int c = 0; c < MapCols; ++c)
        for (int r = 0; r < MapRows; ++r)
            if (grid.Kind(c, r) == ekLand && coastDist(c, r) >= 2 && height(c, r) < 0.62 &&
                FractalNoise(seed + 21, c / 11.0, r / 11.0, 4) > 0.55)
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
        Spread(grid, p, rng, 1.8, 3.6, ekCoal, onLand);
    for (const TCellPoint& p : PickCentres(
             rng, 10, 16, [&](int c, int r) { return inland(6)(c, r) && height(c, r) >= 0.6; }))
        Spread(grid, p, rng, 1.8, 3.2, ekOre, onLand);
    for (const TCellPoint& p : PickCentres(
             rng, 4, 30, [&](int c, int r) { return inland(8)(c, r) && height(c, r) >= 0.7; }))
        Spread(grid, p, rng, 1.8, 2.8, ekGold, onLand);
    for (const TCellPoint& p : PickCentres(rng, 7, 22, [&](int c, int r) {
             return inland(2)(c, r) && coastDist(c, r) <= 9 && height(c, r) < 0.42;
         }))
        Spread(grid, p, rng, 1.5, 3.0, ekOil, onLand);
    // Lakes in the hollows, never touching the coast.
    for (const TCellPoint& p : PickCentres(
             rng, 11, 20, [&](int c, int r) { return inland(6)(c, r) && height(c, r) < 0.5; }))
        Spread(grid, p, rng, 2.5, 5.5, ekWater,
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
                const double n = ValueNoise(seed + 31, c / 1.7, r / 1.7);
                grid.SetVariant(c, r, (static_cast<int>(n * 10) + rng.Below(3)) % 10);
            }
        }

    // The colony starts on open land near water and forest, with coal and ore
    // within a short walk, on the main island.
    auto distTo = [&](int kind) {
        return Distance(grid.Mask([kind](int k) { return k == kind; }));
    };
    const std::vector<int> lake = distTo(ekWater), forest = distTo(ekForest), coal = distTo(ekCoal),
                           ore = distTo(ekOre), oil = distTo(ekOil);
    const TEllipse& middle = plan.Islands.front();
    double bestScore = 1e9;
    // Where no cell is that open, the start is the cell farthest from the coast.
    TCellPoint farthest;
    for (int c = 0; c < MapCols; ++c)
        for (int r = 0; r < MapRows; ++r) {
            if (grid.Kind(c, r) != ekLand)
                continue;
            if (coastDist(c, r) > coastDist(farthest.X, farthest.Y))
                farthest = {c, r};
            if (coastDist(c, r) < 6)
                continue;
            int open = 0;
            for (int dc = -3; dc <= 3; ++dc)
                for (int dr = -3; dr <= 3; ++dr)
                    open += grid.Kind(c + dc, r + dr) == ekLand;
            const int i = c * MapRows + r;
            if (open < 30 || lake[i] < 3 || forest[i] < 2)
                continue;
            const double score = lake[i] + forest[i] + 0.5 * coal[i] + 0.4 * ore[i] + 0.2 * oil[i] +
                                 0.05 * std::sqrt((c - middle.Col) * (c - middle.Col) +
                                                  (r - middle.Row) * (r - middle.Row));
            if (score < bestScore) {
                bestScore = score;
                map.Start = {c, r};
            }
        }
    if (bestScore == 1e9)
        map.Start = farthest;
    BringGroundsNear(map, seed, rng, toCoast);
    return map;
}

QString PointList(const TCellLoop& loop) {
    QStringList pairs;
    for (const TCellPoint& p : loop)
        pairs << QStringLiteral("%1:%2").arg(p.X * CellSize).arg(p.Y * CellSize);
    return pairs.join(QLatin1Char(','));
}

// One filled outline per region of the mask, in a named brush.
void WriteOutlines(QStringList& tags, const QString& prefix, const QString& brush, bool plan,
                   TCellMask mask, std::vector<TMapOutline>* outlines) {
    FillHoles(mask);
    int n = 0;
    for (const TCellLoop& loop : TraceLoops(mask)) {
        const QString name = QStringLiteral("%1%2").arg(prefix).arg(++n, 2, 10, QLatin1Char('0'));
        tags << QStringLiteral("<PLACE name=%1 brush=%2%3 points=%4>")
                    .arg(name, brush, plan ? QStringLiteral(" style=plan") : QString(),
                         PointList(loop));
        if (outlines)
            outlines->push_back({brush == QLatin1String("shore"), loop});
    }
}

// Whether the cells of a rectangle are all sea.
bool OpenSea(const TKindGrid& grid, int left, int top, int width, int height) {
    for (int c = left; c < left + width; ++c)
        for (int r = top; r < top + height; ++r)
            if (grid.Kind(c, r) != ekSea)
                return false;
    return true;
}

// The names of a generated island and where they are written: the main
// island's over its middle, the smaller ones' beside them, the seas' in open
// water along the top and the bottom, the bay's in its mouth.
std::vector<TMapLabel> NamePlaces(const TMapPlan& plan, const TKindGrid& grid) {
    TGenRandom rng(plan.Seed + 51);
    TPlaceNames names(rng);
    std::vector<TMapLabel> labels;
    const TEllipse& main = plan.Islands.front();
    const QString island = names.Island();
    labels.push_back({island,
                      QStringLiteral("island"),
                      {static_cast<int>(main.Col) - 2 * static_cast<int>(island.size()) - 2,
                       static_cast<int>(main.Row - 0.55 * main.RadiusY)}});
    for (size_t i = 1; i < plan.Islands.size(); ++i) {
        const TEllipse& islet = plan.Islands[i];
        const int below = static_cast<int>(islet.Row + islet.RadiusY) + 3;
        const int top =
            below < MapRows - 12 ? below : static_cast<int>(islet.Row - islet.RadiusY) - 5;
        labels.push_back({names.Islet(),
                          QStringLiteral("place"),
                          {std::clamp(static_cast<int>(islet.Col) - 8, 2, MapCols - 16), top}});
    }
    for (const int row : {9, MapRows - 18}) {
        const int first = rng.Below(120) + 10;
        for (int left = first; left < first + 140; left += 5)
            if (OpenSea(grid, left, row - 1, 16, 4)) {
                labels.push_back({names.Sea(), QStringLiteral("water"), {left, row}});
                break;
            }
    }
    const TEllipse& bay = plan.Bays.front();
    const TCellPoint mouth{static_cast<int>(bay.Col), static_cast<int>(bay.Row)};
    if (grid.Kind(mouth.X, mouth.Y) == ekSea)
        labels.push_back({names.Bay(),
                          QStringLiteral("water"),
                          {std::clamp(mouth.X - 10, 2, MapCols - 18), mouth.Y}});
    return labels;
}

QString SceneText(const TKindGrid& grid, uint64_t reliefSeed, const std::vector<TMapLabel>& labels,
                  std::vector<TMapOutline>* outlines) {
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
    WriteOutlines(tags, QStringLiteral("island"), QStringLiteral("shore"), true, land, outlines);
    WriteOutlines(tags, QStringLiteral("land"), QStringLiteral("land"), true,
                  grid.Mask([](int k) { return k >= ekLand; }), outlines);
    const TField relief = Relief(grid, CoastDistance(grid), reliefSeed);
    for (const auto& [name, level] :
         {std::pair{QStringLiteral("hills"), 0.45}, std::pair{QStringLiteral("highland"), 0.68}}) {
        TCellMask high(MapCols, MapRows);
        for (int c = 0; c < MapCols; ++c)
            for (int r = 0; r < MapRows; ++r)
                high.Set(c, r, grid.Kind(c, r) >= ekLand && At(relief, c, r) >= level);
        WriteOutlines(tags, name, name, false, high, nullptr);
    }
    WriteOutlines(tags, QStringLiteral("forest"), QStringLiteral("forest"), true,
                  grid.Mask([](int k) { return k == ekForest; }), nullptr);
    WriteOutlines(tags, QStringLiteral("lake"), QStringLiteral("lake"), true,
                  grid.Mask([](int k) { return k == ekWater; }), outlines);

    for (const TMapLabel& l : labels)
        tags << QStringLiteral("<TEXT left=%1 top=%2 font=%3 value=\"%4\">")
                    .arg(l.Cell.X * CellSize)
                    .arg(l.Cell.Y * CellSize)
                    .arg(l.Font, l.Text);
    return tags.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

TIslandLand MakeLand(const TMapPlan& plan) {
    const TMap map = MakeTerrain(plan);
    return {map.Grid.Terrain(), map.Start,
            plan.Labels.empty() ? NamePlaces(plan, map.Grid) : plan.Labels, plan.Seed};
}

} // namespace

TIslandLand GenerateMap01Land() {
    return MakeLand(Plan01());
}

TIslandLand GenerateIslandLand(uint32_t seed) {
    return MakeLand(RandomPlan(seed));
}

QByteArray DrawScene(const TIslandLand& land, std::vector<TMapOutline>* outlines) {
    QStringEncoder toAnsi("windows-1251");
    return toAnsi.encode(SceneText(TKindGrid(land.Grid), land.ReliefSeed, land.Labels, outlines));
}

TMapFiles LandFiles(const TIslandLand& land, std::vector<TMapOutline>* outlines) {
    return LandFiles(land, DrawScene(land, outlines));
}

TMapFiles LandFiles(const TIslandLand& land, QByteArray scene) {
    TMapFiles files;
    files.Grid = QByteArray(land.Grid.Bytes(), TTerrainGrid::ByteSize);
    files.Scene = std::move(scene);
    files.Ini = QStringLiteral("[Init]\r\nScreenX=%1\r\nScreenY=%2\r\nSelX=%3\r\nSelY=%4\r\n")
                    .arg(std::max(0, land.Start.X - 10))
                    .arg(std::max(0, land.Start.Y - 7))
                    .arg(land.Start.X)
                    .arg(land.Start.Y)
                    .toLatin1();
    return files;
}

TMapFiles GenerateMap01(std::vector<TMapOutline>* outlines) {
    return LandFiles(GenerateMap01Land(), outlines);
}

TMapFiles GenerateIsland(uint32_t seed, std::vector<TMapOutline>* outlines) {
    return LandFiles(GenerateIslandLand(seed), outlines);
}
