#include "land/mapcheck.h"

#include "land/cellflood.h"
#include "model/game.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>
#include <vector>

namespace {

int Distance(QPoint a, QPoint b) {
    return std::max(std::abs(a.x() - b.x()), std::abs(a.y() - b.y()));
}

bool MakesGoods(const TBaseType& type) {
    return std::ranges::any_of(type.Profit.Items, [](int32_t amount) { return amount > 0; });
}

struct TLand {
    const TTerrainGrid& Grid;
    QPoint Start;
    const TBaseTypeList& Catalogue;
    std::array<int, EarthKindCount> Count{};
    std::array<int, EarthKindCount> Nearest{};
    std::array<QPoint, EarthKindCount> NearestCell{};

    bool CanStand(const TBaseType& type) const {
        for (int kind = 0; kind < EarthKindCount; ++kind)
            if (Count[kind] > 0 && type.AcceptsEarth(kind))
                return true;
        return false;
    }
};

void CheckStart(const TLand& land, std::vector<TMapProblem>& problems) {
    const TBaseType& founding = land.Catalogue.front();
    const TEarthKind kind = land.Grid.EarthKind(land.Start.x(), land.Start.y());
    if (!founding.AcceptsEarth(kind))
        problems.push_back({true,
                            QCoreApplication::translate(
                                "MapCheck", "На начальной клетке %1, %2 («%3») не построить «%4».")
                                .arg(land.Start.x())
                                .arg(land.Start.y())
                                .arg(EarthKindName(kind), founding.Caption),
                            {land.Start}});
}

// The first settlers need houses of the cheapest kind each ground takes, on
// the buildable ground joined to the start within a few cells of it.
void CheckHousing(const TLand& land, std::vector<TMapProblem>& problems) {
    std::array<int32_t, EarthKindCount> places{};
    std::array<int32_t, EarthKindCount> price{};
    price.fill(INT32_MAX);
    for (size_t i = 1; i < land.Catalogue.size(); ++i) {
        const TBaseType& type = land.Catalogue[i];
        for (int kind = 0; kind < EarthKindCount; ++kind)
            if (type.HomePlaces > 0 && type.AcceptsEarth(kind) && type.Price < price[kind]) {
                price[kind] = type.Price;
                places[kind] = type.HomePlaces;
            }
    }
    const auto kindAt = [&](QPoint cell) { return land.Grid.EarthKind(cell.x(), cell.y()); };
    int64_t homes = 0;
    TVisitedCells visited;
    FloodCells(
        visited, land.Start,
        [&](QPoint cell) {
            return IsBuildableKind(kindAt(cell)) &&
                   Distance(cell, land.Start) <= MapCheck::HousingRadius;
        },
        [&](QPoint cell) {
            if (cell != land.Start)
                homes += places[kindAt(cell)];
        });
    const int32_t settlers = TColonyFigures{}.People;
    if (homes >= settlers)
        return;
    // The whole square round the start is shown: where the houses must fit.
    std::vector<QPoint> square;
    for (int dc = -MapCheck::HousingRadius; dc <= MapCheck::HousingRadius; ++dc)
        for (int dr = -MapCheck::HousingRadius; dr <= MapCheck::HousingRadius; ++dr)
            square.push_back(land.Start + QPoint(dc, dr));
    problems.push_back(
        {true,
         QCoreApplication::translate("MapCheck", "У начала мало земли под дома: места для %1 из %2 "
                                                 "поселенцев.")
             .arg(homes)
             .arg(settlers),
         square});
}

// A type whose ground the map lacks is an error when it alone makes a good.
void CheckGoods(const TLand& land, std::vector<TMapProblem>& problems) {
    for (const TBaseType& type : land.Catalogue) {
        if (type.NeedEarth < ekLand || type.NeedEarth > ekGold || land.Count[type.NeedEarth] > 0)
            continue;
        QStringList lost;
        for (int good = 0; good < GoodsCount; ++good)
            if (type.Profit[good] > 0 &&
                std::ranges::none_of(land.Catalogue, [&](const TBaseType& other) {
                    return other.Profit[good] > 0 && land.CanStand(other);
                }))
                lost << QStringLiteral("«%1»").arg(GoodName(good));
        if (!lost.isEmpty())
            problems.push_back(
                {true,
                 QCoreApplication::translate(
                     "MapCheck", "На карте нет клеток «%1»: «%2» не построить, %3 не получить.")
                     .arg(EarthKindName(type.NeedEarth), type.Caption,
                          lost.join(QStringLiteral(", "))),
                 {}});
    }
}

void WarnFar(const TLand& land, std::vector<TMapProblem>& problems) {
    for (int kind = ekLand; kind <= ekGold; ++kind)
        if (land.Count[kind] > 0 && land.Nearest[kind] > MapCheck::FarCells &&
            std::ranges::any_of(land.Catalogue, [&](const TBaseType& type) {
                return type.NeedEarth == kind && MakesGoods(type);
            }))
            problems.push_back({false,
                                QCoreApplication::translate(
                                    "MapCheck", "«%1» далеко от начала: до ближайшей клетки %2.")
                                    .arg(EarthKindName(kind))
                                    .arg(land.Nearest[kind]),
                                {land.Start, land.NearestCell[kind]}});
}

// A tiny island is of use only when a building that may stand alone makes
// goods on one of its cells.
void WarnTinyIslands(const TLand& land, std::vector<TMapProblem>& problems) {
    const auto kindAt = [&](QPoint cell) { return land.Grid.EarthKind(cell.x(), cell.y()); };
    const auto ground = [&](QPoint cell) { return kindAt(cell) != ekSea; };
    std::array<bool, EarthKindCount> useful{};
    for (const TBaseType& type : land.Catalogue)
        for (int kind = 0; kind < EarthKindCount; ++kind)
            useful[kind] = useful[kind] || (type.HasStyle(bsNoNearBase) && MakesGoods(type) &&
                                            type.AcceptsEarth(kind));
    TVisitedCells visited;
    int tiny = 0;
    QPoint first;
    std::vector<QPoint> cells;
    for (int col = 0; col < MapCols; ++col)
        for (int row = 0; row < MapRows; ++row) {
            const QPoint seed(col, row);
            if (!ground(seed))
                continue;
            std::vector<QPoint> island;
            bool used = false;
            FloodCells(visited, seed, ground, [&](QPoint cell) {
                island.push_back(cell);
                used = used || cell == land.Start || useful[kindAt(cell)];
            });
            if (island.empty() || island.size() > MapCheck::TinyIsland || used)
                continue;
            if (tiny++ == 0)
                first = seed;
            cells.insert(cells.end(), island.begin(), island.end());
        }
    if (tiny > 0)
        problems.push_back(
            {false,
             QCoreApplication::translate(
                 "MapCheck", "Крошечных островов без пользы: %1, первый у клетки %2, %3.")
                 .arg(tiny)
                 .arg(first.x())
                 .arg(first.y()),
             cells});
}

} // namespace

std::vector<TMapProblem> CheckMap(const TTerrainGrid& grid, QPoint start,
                                  const TBaseTypeList& catalogue) {
    TLand land{grid, start, catalogue};
    land.Nearest.fill(INT_MAX);
    for (int col = 0; col < MapCols; ++col)
        for (int row = 0; row < MapRows; ++row) {
            const TEarthKind kind = grid.EarthKind(col, row);
            ++land.Count[kind];
            if (Distance({col, row}, start) < land.Nearest[kind]) {
                land.Nearest[kind] = Distance({col, row}, start);
                land.NearestCell[kind] = {col, row};
            }
        }
    std::vector<TMapProblem> problems;
    if (!catalogue.empty()) {
        CheckStart(land, problems);
        CheckHousing(land, problems);
        CheckGoods(land, problems);
        WarnFar(land, problems);
        WarnTinyIslands(land, problems);
    }
    return problems;
}
