#pragma once

// A colony of any size on the real catalogue and map "01", for the benchmarks
// that measure a cost against the colony's size and for those that want one
// large colony. The game's data lies in the folder given.
#include "land/earth.h"
#include "model/basetype.h"
#include "model/colony.h"
#include "model/eventtype.h"
#include "model/quietservices.h"
#include "model/random.h"

#include <QPoint>
#include <QString>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>
#include <vector>

// The buildings stand on every step-th buildable cell, the map's cells taken
// column by column, each of a type its ground takes, those types in turn: a
// third still being built, every eleventh that may be blocked blocked, every
// fifth on improved land. Of the cells between them, one in seven has ruins,
// one in seven improved land, the rest are bare. There is one person for
// every PeoplePerBuilding buildings, 5 000 of each good, and three days have
// been played, so that every status is set. Where the map has fewer than
// MinStep buildable cells for each building, sea and coast spread evenly
// over the map are made land until it has them.
struct TBigColony {
    static constexpr size_t PeoplePerBuilding = 5;
    static constexpr size_t MinStep = 2;
    // Enough for every day and command of the benchmarks: nothing is refused
    // for lack of money, and health never falls for it.
    static constexpr int32_t PlentyOfMoney = 1'000'000'000;

    TEarth earth;
    TBaseTypeList catalogue;
    TEventTypeList events;
    TQuietServices services;
    std::unique_ptr<TColony> colony;
    // The colony as a record, to start each measurement from.
    TColonyState start;
    std::vector<QPoint> emptyCells;         // buildable, bare and not improved
    std::vector<QPoint> blockableBuildings; // may be blocked and unblocked

    TBigColony(size_t buildings, const QString& dataFolder) {
        earth.LoadEarth(QStringLiteral("01"), dataFolder);
        LoadBaseTypes(catalogue, dataFolder);
        LoadEventTypes(events, dataFolder);
        MakeLand(buildings * MinStep);
        colony = std::make_unique<TColony>(catalogue, events, earth.Grid, services,
                                           earth.StartCell.x(), earth.StartCell.y());
        Build(buildings);
        TGame& game = colony->Game();
        game.People = static_cast<int32_t>(buildings / PeoplePerBuilding);
        for (int32_t& amount : game.Stock.Items)
            amount = 5000;
        // The same days for every colony of the program, whatever drew before.
        game.Random.Seed(0);
        for (int day = 0; day < 3; ++day) {
            game.Money = PlentyOfMoney;
            if (!colony->DayTurn())
                throw TGameError(QStringLiteral("a day of the benchmark's colony did not pass"));
        }
        game.Money = PlentyOfMoney;
        start = colony->TakeState();
    }

    size_t Buildings() const { return colony->Game().Buildings().size(); }

private:
    std::vector<QPoint> BuildableCells() const {
        std::vector<QPoint> cells;
        for (int col = 0; col < MapCols; ++col)
            for (int row = 0; row < MapRows; ++row)
                if (IsBuildableKind(earth.EarthKind(col, row)) &&
                    earth.StartCell != QPoint(col, row))
                    cells.push_back(QPoint(col, row));
        return cells;
    }

    // Makes land of every so many cells that take no building until the map
    // has the buildable cells wanted, if it has not.
    void MakeLand(size_t wanted) {
        const size_t buildable = BuildableCells().size();
        const size_t others = TTerrainGrid::CellCount - buildable;
        if (buildable >= wanted || others == 0)
            return;
        const size_t every = std::max<size_t>(others / (wanted - buildable), 1);
        size_t seen = 0;
        for (int col = 0; col < MapCols; ++col)
            for (int row = 0; row < MapRows; ++row)
                if (!IsBuildableKind(earth.EarthKind(col, row)) && seen++ % every == 0)
                    earth.Grid.Cell(col, row) = TEarthCell{ekLand, 0, 0, 0};
    }

    void Build(size_t buildings) {
        TGame& game = colony->Game();
        const std::vector<QPoint> buildable = BuildableCells();
        const size_t step = std::max<size_t>(buildable.size() / buildings, 1);
        for (size_t i = 0; i < buildable.size(); ++i) {
            const QPoint cell = buildable[i];
            const size_t n = i / step;
            if (i % step != 0 || game.Buildings().size() > buildings) {
                if (i % 7 == 1)
                    game.Cell(cell.x(), cell.y()).Ruins = static_cast<uint8_t>(1 + i % RuinsDays);
                else if (i % 7 == 2)
                    game.Cell(cell.x(), cell.y()).Improved = 1;
                else
                    emptyCells.push_back(cell);
                continue;
            }
            const int ground = earth.EarthKind(cell.x(), cell.y());
            std::vector<const TBaseType*> fitting;
            for (const TBaseType& type : catalogue)
                if (type.AcceptsEarth(ground))
                    fitting.push_back(&type);
            if (fitting.empty()) {
                emptyCells.push_back(cell);
                continue;
            }
            const TBaseType& type = *fitting[n % fitting.size()];
            TBase& base = game.AddBase(type, cell.x(), cell.y(), n % 3 != 0);
            if (n % 5 == 0)
                game.Cell(cell.x(), cell.y()).Improved = 1;
            if (!type.HasStyle(bsNoPreserve)) {
                base.Blocked = n % 11 == 0;
                blockableBuildings.push_back(cell);
            }
        }
    }
};

// One colony of each size and kind for the whole program, made when first
// wanted from the number of its buildings and the arguments given.
template <typename TKind = TBigColony, typename... TArgs>
TKind& BigColony(size_t buildings, const TArgs&... args) {
    static std::map<size_t, std::unique_ptr<TKind>> colonies;
    std::unique_ptr<TKind>& colony = colonies[buildings];
    if (!colony)
        colony = std::make_unique<TKind>(buildings, args...);
    return *colony;
}

// The sizes a cost is measured at: from 1 000 to 20 000 buildings it may
// grow 25 times, where 20 is in proportion to the colony.
inline void ColonySizes(benchmark::internal::Benchmark* benchmark) {
    benchmark->ArgName("buildings")->Arg(1000)->Arg(5000)->Arg(20000);
}

// The counters of a benchmark over a colony: its buildings and the time of
// an iteration for each of them.
inline void PerBuilding(benchmark::State& state, const TBigColony& colony) {
    const double buildings = static_cast<double>(colony.Buildings());
    state.counters["buildings"] = buildings;
    state.counters["per_building"] = benchmark::Counter(
        buildings, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
