#pragma once

#include "basetype.h"
#include "game.h"
#include "gamedate.h"
#include "goods.h"
#include "random.h"

#include <cstdint>
#include <span>
#include <vector>

// One building as a record: what it takes to place it again as it stood.
struct TBaseRecord : TBaseState {
    const TBaseType* Kind = nullptr;
    int16_t Column = 0;
    int16_t Row = 0;

    bool operator==(const TBaseRecord&) const = default;
};

// A cell that is not bare land: improved, or with ruins on it.
struct TCellRecord {
    int32_t Index = 0; // where the grid keeps it: column * MapRows + row
    TCellState State;

    bool operator==(const TCellRecord&) const = default;
};

// The cells of the land that are not bare, in the grid's order, and the land
// made again from them. Nearly every cell is bare land, so an undo step keeps
// a few kilobytes instead of the whole land.
void RecordCells(std::span<const TCellState> cells, std::vector<TCellRecord>& records);
void SpreadCells(const std::vector<TCellRecord>& records, std::span<TCellState> cells);

// Everything a game needs to go on exactly as it would have: the colony, the
// selected cell and the random generator. An undo step keeps one, a saved
// game writes one. A refused tax needs nothing of its own: the calendar stays
// on the tax's day, and the next turn asks again.
struct TColonyState : TColonyFigures {
    std::vector<TCellRecord> Cells; // the cells that are not bare land
    std::vector<TBaseRecord> Bases; // in list order
    TRandomState Random{};
    int32_t SelectedColumn = 0;
    int32_t SelectedRow = 0;
    // How many days the colony's history held; the days themselves are too
    // many to copy into every undo step.
    uint32_t HistoryDays = 0;

    // The memory the record holds: what an undo step costs, as the benchmarks
    // measure it (the history itself is bounded by its number of steps).
    size_t ByteSize() const;

    bool operator==(const TColonyState&) const = default;
};

// The game's part of the record; the selection and the generator are the
// colony's to fill in.
void RecordGame(const TGame& game, TColonyState& state);
// Puts the game back as the record has it. The record's types belong to the
// game's catalogue and its cells cover the whole grid.
void RestoreGame(TGame& game, const TColonyState& state);
