#pragma once

#include "basetype.h"
#include "game.h"
#include "gamedate.h"
#include "goals.h"
#include "goods.h"
#include "random.h"

#include <cstdint>
#include <span>
#include <vector>

// A cell that is not bare land: improved, or with ruins on it.
struct TCellRecord {
    int32_t Index = 0; // where the grid keeps it: column * MapRows + row
    TCellState State;

    bool operator==(const TCellRecord&) const = default;
};

// The cells of the land that are not bare, in the grid's order, and the land
// made again from them. Nearly every cell is bare land, so a record keeps a
// few kilobytes instead of the whole land.
void RecordCells(std::span<const TCellState> cells, std::vector<TCellRecord>& records);
void SpreadCells(const std::vector<TCellRecord>& records, std::span<TCellState> cells);

// The colony beside its land and buildings: the figures, the selected cell,
// the random generator and how many days its history and entries its journal
// held (the days themselves are too many to copy into every undo step). An
// undo step copies it whole.
struct TColonyHead : TColonyFigures {
    TRandomState Random{};
    int32_t SelectedColumn = 0;
    int32_t SelectedRow = 0;
    uint32_t HistoryDays = 0;
    uint32_t JournalEntries = 0;
    uint32_t LogEntries = 0;
    // The tutorial's step the player is on, so that a command taken back
    // takes back the step it made too.
    uint32_t TutorialStep = 0;
    // The scenario's goals and what they count; none in the free game.
    TGoalCounters Counters;
    std::vector<TGoalProgress> Goals;

    bool operator==(const TColonyHead&) const = default;
};

// Everything a game needs to go on exactly as it would have: the colony's
// head, its land and its buildings. A saved game writes one. A refused tax
// needs nothing of its own: the calendar stays on the tax's day, and the next
// turn asks again.
struct TColonyState : TColonyHead {
    std::vector<TCellRecord> Cells; // the cells that are not bare land
    std::vector<TBaseRecord> Bases; // in list order

    bool operator==(const TColonyState&) const = default;
};

// The land and the buildings of the record; the head is the colony's to
// fill in.
void RecordGame(const TGame& game, TColonyState& state);
// Puts the land and the buildings back as the record has them. The record's
// types belong to the game's catalogue.
void RestoreGame(TGame& game, const TColonyState& state);
