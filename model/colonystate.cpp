#include "colonystate.h"

#include <algorithm>
#include <cstring>

namespace {

// Calls visit(index) for each cell that is not bare land, in the grid's
// order. Four cells at a time are passed over while all four are bare.
template <typename TVisit> void ForEachBuiltCell(std::span<const TCellState> cells, TVisit visit) {
    constexpr size_t Group = sizeof(uint64_t) / sizeof(TCellState);
    const size_t whole = cells.size() - cells.size() % Group;
    for (size_t i = 0; i < cells.size(); ++i) {
        if (i % Group == 0 && i < whole) {
            uint64_t group = 0;
            std::memcpy(&group, &cells[i], sizeof(group));
            if (group == 0) {
                i += Group - 1;
                continue;
            }
        }
        if (cells[i] != TCellState{})
            visit(i);
    }
}

} // namespace

void RecordCells(std::span<const TCellState> cells, std::vector<TCellRecord>& records) {
    // Counted first, so the records take their memory once: a record is most
    // often new memory, which costs most where it is first touched.
    size_t count = 0;
    ForEachBuiltCell(cells, [&count](size_t) { ++count; });
    records.clear();
    records.reserve(count);
    ForEachBuiltCell(cells, [&](size_t i) {
        records.push_back({static_cast<int32_t>(i), cells[i]});
    });
}

void SpreadCells(const std::vector<TCellRecord>& records, std::span<TCellState> cells) {
    std::fill(cells.begin(), cells.end(), TCellState{});
    for (const TCellRecord& record : records)
        if (record.Index >= 0 && static_cast<size_t>(record.Index) < cells.size())
            cells[static_cast<size_t>(record.Index)] = record.State;
}

void RecordGame(const TGame& game, TColonyState& state) {
    RecordCells(game.Cells(), state.Cells);
    state.Bases = game.BaseRecords();
}

void RestoreGame(TGame& game, const TColonyState& state) {
    SpreadCells(state.Cells, game.Cells());
    game.AssignBases(state.Bases);
}
