#pragma once

#include "account.h"
#include "base/gameerror.h"
#include "base/terrain.h"
#include "basetype.h"
#include "gamedate.h"
#include "goods.h"
#include "orders.h"
#include "random.h"

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

private:
    friend class TGame;
    size_t index_ = 0; // its place in the game's list, kept by the game
};

// One building as a record: what it takes to place it again as it stood.
struct TBaseRecord : TBaseState {
    const TBaseType* Kind = nullptr;
    int16_t Column = 0;
    int16_t Row = 0;

    bool operator==(const TBaseRecord&) const = default;
};

// What a step of the game changed of the land and the buildings, as the way
// back: each cell and building as it was, and where a building was placed or
// removed. Applied to the game (TGame::Apply), it puts them back and becomes
// the way forward again. Figures are not in it: a step copies them whole.
class TGameEdits {
public:
    size_t ByteSize() const;

private:
    friend class TGame;
    struct TCellEdit {
        uint32_t Index; // where the grid keeps the cell
        TCellState State;
    };
    enum class TBaseEditKind : uint8_t {
        Put,    // the building at Index as Record has it
        Insert, // Record placed again at Index
        Erase,  // the building at Index taken out
        All,    // the whole list as allBases_ has it
    };
    struct TBaseEdit {
        TBaseEditKind Kind;
        uint32_t Index;
        TBaseRecord Record;
    };

    std::vector<TCellEdit> cells_; // each cell at most once
    std::vector<TBaseEdit> bases_; // in the order the changes were made
    std::vector<TBaseRecord> allBases_;
    bool keepsAllBases_ = false; // an All edit covers every later change of a building
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
    // The market's standing orders, good by good.
    TStandingOrders Orders;

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
    // The colony's own chance: its days and events draw on it alone.
    TRandom Random;
    // The buildings in order of placement. The list changes only through
    // AddBase, RemoveBase, ClearBases, AssignBases and Apply, which keep
    // BaseAt's index true.
    const std::vector<std::unique_ptr<TBase>>& Buildings() const { return buildings_; }

    static constexpr int32_t MaxHealth = 1000;

    // The only way the colony's money changes: the new amount, with the
    // change booked under the flow in the year of the game's date.
    void SetMoney(TMoneyFlow flow, int32_t money) {
        Account.Book(Date.Year, flow, Money, money);
        Money = money;
    }

    // A cell to change: the step being recorded keeps it as it was.
    TCellState& Cell(int32_t column, int32_t row) {
        const size_t index = CellIndex(column, row);
        KeepCell(index);
        return cells_[index];
    }
    const TCellState& Cell(int32_t column, int32_t row) const {
        return cells_[CellIndex(column, row)];
    }
    // Every cell record at once: for reading, and for putting the whole land
    // back from a record, which no step keeps.
    std::span<TCellState> Cells() { return cells_; }
    std::span<const TCellState> Cells() const { return cells_; }
    // A day of the ruins gone on every cell.
    void AgeRuins();

    // Places a new building at the end of the list and returns it.
    TBase& AddBase(const TBaseType& kind, int32_t column, int32_t row, bool prebuilt);
    // The first building in list order on the cell, or none.
    TBase* BaseAt(int32_t column, int32_t row) const;
    // Leaves ruins on the building's cell and frees the building.
    void RemoveBase(TBase* base);
    // A building is about to change in place: the step being recorded keeps
    // it as it is.
    void WillChange(const TBase& base);
    // Frees every building and leaves no ruins: the land is bare for a game
    // put back from a record.
    void ClearBases();
    // Every building as a record, in list order, and the list made again
    // from such records (their types from the catalogue's) without ruins.
    std::vector<TBaseRecord> BaseRecords() const;
    void AssignBases(const std::vector<TBaseRecord>& records);

    // Records the changes of the land and the buildings as the way back, from
    // now on into the given edits, which outlive the recording; a step moved
    // elsewhere while it is recorded goes on there. EndEdits stops.
    void RecordEdits(TGameEdits* edits) { edits_ = edits; }
    void EndEdits();
    // The step being recorded keeps every building as it stands now, once,
    // and no single building's change after it: for a day, which changes
    // most of them in place.
    void KeepAllBases();
    // Puts back what the edits changed, which turns them into the way
    // forward. Nothing of it is recorded. Edits made on another colony are
    // left out where they do not fit this one.
    void Apply(TGameEdits& edits);

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
    static size_t CellIndex(int32_t column, int32_t row) {
        return static_cast<size_t>(column) * MapRows + static_cast<size_t>(row);
    }

    // The slot of the first building on a cell, its column's slots made on
    // first use.
    TBase*& BaseSlot(int32_t column, int32_t row);
    // The list changed at an index: each building from there on learns its
    // new place.
    void Renumber(size_t from);
    // Puts a building into the list, or takes one out, keeping BaseAt true.
    void InsertBase(size_t index, std::unique_ptr<TBase> base);
    std::unique_ptr<TBase> EraseBase(size_t index);
    // A building of this game as the record has it.
    std::unique_ptr<TBase> BaseOf(const TBaseRecord& record);
    // For the step being recorded: a cell as it was, the first time it changes.
    void KeepCell(size_t index) {
        if (edits_)
            KeepCellOnce(index);
    }
    void KeepCellOnce(size_t index);
    void KeepBase(TGameEdits::TBaseEditKind kind, size_t index, const TBaseRecord& record);

    std::vector<std::unique_ptr<TBase>> buildings_;
    std::vector<TCellState> cells_;
    // The first building in list order on each cell, so that looking a cell up
    // costs the same for a colony of any size. The slots are kept by column,
    // made when a building first stands in the column: a new game touches a
    // few kilobytes instead of a pointer for each of the map's cells.
    std::array<std::unique_ptr<TBase*[]>, MapCols> columnBases_;
    TGameEdits* edits_ = nullptr; // the step being recorded, or none
    // A bit for each cell the step being recorded keeps already, made on
    // first use and cleared by EndEdits.
    std::vector<uint64_t> keptCells_;
};
