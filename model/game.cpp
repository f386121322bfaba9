#include "game.h"

#include "base/numbers.h"

#include <algorithm>

TBase::TBase(TGame& game, bool prebuilt, int32_t column, int32_t row, const TBaseType& kind)
    : TBaseState{.Placed = game.Date,
                 .BuildDays = prebuilt ? 0 : kind.BuildTime,
                 .LifeDays = kind.FullLifeDays()},
      Game(&game), Kind(&kind), Column(column), Row(row) {}

bool TBase::IsWorking() const {
    return IsWorkingIn(Game->Season);
}

TGame::TGame(const TBaseTypeList& catalogue, int32_t startColumn, int32_t startRow)
    : Catalogue(catalogue), cells_(static_cast<size_t>(MapCols) * MapRows) {
    if (catalogue.empty())
        throw TGameError(QStringLiteral("В каталоге строений (BASES.INI) нет ни одного типа."));
    AddBase(catalogue.front(), std::clamp(startColumn, 0, MapCols - 1),
            std::clamp(startRow, 0, MapRows - 1), true);
}

TGame::~TGame() = default;

size_t TGame::CellIndex(int32_t column, int32_t row) {
    return static_cast<size_t>(column) * MapRows + static_cast<size_t>(row);
}

TBase& TGame::AddBase(const TBaseType& kind, int32_t column, int32_t row, bool prebuilt) {
    buildings_.push_back(std::make_unique<TBase>(*this, prebuilt, column, row, kind));
    TBase* base = buildings_.back().get();
    TBase*& slot = BaseSlot(column, row);
    if (!slot)
        slot = base;
    return *base;
}

TBase* TGame::BaseAt(int32_t column, int32_t row) const {
    if (!TTerrainGrid::Contains(column, row))
        return nullptr;
    const auto& columnSlots = columnBases_[static_cast<size_t>(column)];
    return columnSlots ? columnSlots[static_cast<size_t>(row)] : nullptr;
}

TBase*& TGame::BaseSlot(int32_t column, int32_t row) {
    auto& columnSlots = columnBases_[static_cast<size_t>(column)];
    if (!columnSlots)
        columnSlots = std::make_unique<TBase*[]>(static_cast<size_t>(MapRows));
    return columnSlots[static_cast<size_t>(row)];
}

void TGame::RemoveBase(TBase* base) {
    const auto it = std::find_if(buildings_.begin(), buildings_.end(),
                                 [base](const auto& b) { return b.get() == base; });
    if (it == buildings_.end())
        return;
    const int32_t column = base->Column;
    const int32_t row = base->Row;
    Cell(column, row).Ruins = RuinsDays;
    buildings_.erase(it);
    TBase*& slot = BaseSlot(column, row);
    if (slot == base) {
        slot = nullptr;
        for (const auto& b : buildings_)
            if (b->Column == column && b->Row == row) {
                slot = b.get();
                break;
            }
    }
}

void TGame::ClearBases() {
    buildings_.clear();
    for (auto& columnSlots : columnBases_)
        columnSlots.reset();
}

TGame::TPlaces TGame::TotalPlaces() const {
    int64_t homes = 0;
    int64_t work = 0;
    for (const auto& b : buildings_)
        if (b->IsWorkingIn(Season)) {
            homes += b->Kind->HomePlaces;
            work += b->Kind->NeedWorkers;
        }
    return {ClampToInt32(homes), ClampToInt32(work)};
}

int32_t TGame::TotalHomePlaces() const {
    return TotalPlaces().Homes;
}

int32_t TGame::TotalWorkPlaces() const {
    return TotalPlaces().Work;
}
