#pragma once

#include "account.h"
#include "base/gameerror.h"
#include "base/terrain.h"
#include "basetype.h"
#include "gamedate.h"
#include "goods.h"

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

class TGame;

// What the colony keeps of each cell of the land.
struct TCellState {
    uint8_t Improved = 0; // set by improving the land, never cleared in a game
    uint8_t Ruins = 0;    // days of ruins left, 12 when a building is removed

    bool operator==(const TCellState&) const = default;
};
inline constexpr uint8_t RuinsDays = 12;

// Status bits of a building, recomputed every day.
enum TBaseStatus : uint8_t {
    bsLacksGoods = 1 << 0,
    bsLacksWorkers = 1 << 1,
};

// What a building's days change of it: the building holds it, and an undo
// step or a save keeps a copy.
struct TBaseState {
    TGameDate Placed;
    bool Blocked = false;
    uint8_t Status = 0;
    int32_t BuildDays = 0;
    int32_t LifeDays = 0;

    bool operator==(const TBaseState&) const = default;
};

// One placed building. It refers to its type and never owns it.
class TBase : public TBaseState {
public:
    TBase(TGame& game, bool prebuilt, int32_t column, int32_t row, const TBaseType& kind);

    TGame* Game;
    const TBaseType* Kind;
    int32_t Column;
    int32_t Row;

    // Built, not blocked and in one of its working seasons. A lack of goods or
    // workers does not make it stop working in this sense.
    bool IsWorking() const;
    // The same in a given season, for passes over every building that read
    // the colony's season once.
    bool IsWorkingIn(int season) const {
        return BuildDays == 0 && !Blocked && Kind->WorksIn(season);
    }
    // Within WornDays of its end, shown in flames; an everlasting type never is.
    static constexpr int32_t WornDays = 60;
    bool IsWorn() const { return Kind->LiveYears != 0 && LifeDays <= WornDays; }
};

// The colony's figures: all of its state but the land and the buildings, as
// a new game begins.
struct TColonyFigures {
    TGameDate Date;
    uint8_t Season = ssSpring;
    int32_t Employed = 0;
    int32_t Health = 1000;
    int32_t Money = 82000;
    int32_t People = 28;
    int32_t Upkeep = 1;
    TResources Stock;
    int32_t Purchases = 0;
    int32_t Sales = 0;
    // Every change of Money, booked year by year.
    TAccount Account;

    bool operator==(const TColonyFigures&) const = default;
};

// The colony: its figures, the land's cells and the buildings.
class TGame : public TColonyFigures {
public:
    // A new game: the founding building of the catalogue's first type stands
    // ready on the start cell. The catalogue must not be empty.
    TGame(const TBaseTypeList& catalogue, int32_t startColumn, int32_t startRow);
    ~TGame();
    TGame(const TGame&) = delete;
    TGame& operator=(const TGame&) = delete;

    const TBaseTypeList& Catalogue;
    // The buildings in order of placement. The list changes only through
    // AddBase, RemoveBase and ClearBases, which keep BaseAt's index true.
    const std::vector<std::unique_ptr<TBase>>& Buildings() const { return buildings_; }

    static constexpr int32_t MaxHealth = 1000;

    // The only way the colony's money changes: the new amount, with the
    // change booked under the flow in the year of the game's date.
    void SetMoney(TMoneyFlow flow, int32_t money) {
        Account.Book(Date.Year, flow, Money, money);
        Money = money;
    }

    TCellState& Cell(int32_t column, int32_t row) { return cells_[CellIndex(column, row)]; }
    const TCellState& Cell(int32_t column, int32_t row) const {
        return cells_[CellIndex(column, row)];
    }
    // Every cell record at once, for the daily pass over the whole land.
    std::span<TCellState> Cells() { return cells_; }
    std::span<const TCellState> Cells() const { return cells_; }

    // Places a new building at the end of the list and returns it.
    TBase& AddBase(const TBaseType& kind, int32_t column, int32_t row, bool prebuilt);
    // The first building in list order on the cell, or none.
    TBase* BaseAt(int32_t column, int32_t row) const;
    // Leaves ruins on the building's cell and frees the building.
    void RemoveBase(TBase* base);
    // Frees every building and leaves no ruins: the land is bare for a game
    // put back from a record.
    void ClearBases();
    int32_t TotalHomePlaces() const;
    int32_t TotalWorkPlaces() const;
    // Both at once, in one pass over the buildings.
    struct TPlaces {
        int32_t Homes = 0;
        int32_t Work = 0;
    };
    TPlaces TotalPlaces() const;
    // People without work as the status panel shows them: never below 0.
    int32_t Unemployed() const { return std::max(People - Employed, 0); }

private:
    static size_t CellIndex(int32_t column, int32_t row);

    // The slot of the first building on a cell, its column's slots made on
    // first use.
    TBase*& BaseSlot(int32_t column, int32_t row);

    std::vector<std::unique_ptr<TBase>> buildings_;
    std::vector<TCellState> cells_;
    // The first building in list order on each cell, so that looking a cell up
    // costs the same for a colony of any size. The slots are kept by column,
    // made when a building first stands in the column: a new game touches a
    // few kilobytes instead of a pointer for each of the map's cells.
    std::array<std::unique_ptr<TBase*[]>, MapCols> columnBases_;
};
