#include "colonystate.h"

#include <algorithm>

size_t TColonyState::ByteSize() const {
    return sizeof(*this) + Cells.capacity() * sizeof(TCellState) +
           Bases.capacity() * sizeof(TBaseRecord);
}

void RecordGame(const TGame& game, TColonyState& state) {
    static_cast<TColonyFigures&>(state) = game;
    const std::span<const TCellState> cells = game.Cells();
    state.Cells.assign(cells.begin(), cells.end());
    state.Bases.clear();
    state.Bases.reserve(game.Buildings.size());
    for (const auto& base : game.Buildings)
        state.Bases.push_back({base->Kind, base->Placed, base->Blocked, base->Status,
                               base->BuildDays, base->LifeDays, static_cast<int16_t>(base->Column),
                               static_cast<int16_t>(base->Row)});
}

void RestoreGame(TGame& game, const TColonyState& state) {
    static_cast<TColonyFigures&>(game) = state;
    std::copy(state.Cells.begin(), state.Cells.end(), game.Cells().begin());
    game.ClearBases();
    for (const TBaseRecord& record : state.Bases) {
        TBase& base = game.AddBase(*record.Kind, record.Column, record.Row, false);
        base.Placed = record.Placed;
        base.Blocked = record.Blocked;
        base.Status = record.Status;
        base.BuildDays = record.BuildDays;
        base.LifeDays = record.LifeDays;
    }
}
