#include "game.h"

#include "base/numbers.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstring>

namespace {

TBaseRecord RecordOf(const TBase& base) {
    return {base, base.Kind, static_cast<int16_t>(base.Column), static_cast<int16_t>(base.Row)};
}

// All of the record but the place, which never changes in place.
void SetRecord(TBase& base, const TBaseRecord& record) {
    static_cast<TBaseState&>(base) = record;
    base.Kind = record.Kind;
}

} // namespace

size_t TGameEdits::ByteSize() const {
    return cells_.capacity() * sizeof(TCellEdit) + bases_.capacity() * sizeof(TBaseEdit) +
           allBases_.capacity() * sizeof(TBaseRecord);
}

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
        throw TGameError(QCoreApplication::translate(
            "Colony", "В каталоге строений (BASES.INI) нет ни одного типа."));
    AddBase(catalogue.front(), std::clamp(startColumn, 0, MapCols - 1),
            std::clamp(startRow, 0, MapRows - 1), true);
}

TGame::~TGame() = default;

void TGame::AgeRuins() {
    const auto age = [this](size_t from, size_t to) {
        for (size_t i = from; i < to; ++i)
            if (cells_[i].Ruins > 0) {
                KeepCell(i);
                cells_[i].Ruins -= 1;
            }
    };
    // Nearly all of the land is without ruins: the cells are read as words,
    // and a block of words without any ruins is passed over.
    constexpr size_t WordCells = sizeof(uint64_t) / sizeof(TCellState);
    constexpr size_t BlockWords = 8;
    constexpr size_t BlockCells = WordCells * BlockWords;
    std::array<TCellState, WordCells> ruinsOnly;
    ruinsOnly.fill({0, 0xFF});
    uint64_t ruinsMask = 0;
    std::memcpy(&ruinsMask, ruinsOnly.data(), sizeof(ruinsMask));
    const size_t whole = cells_.size() - cells_.size() % BlockCells;
    for (size_t start = 0; start < whole; start += BlockCells) {
        uint64_t any = 0;
        for (size_t cell = start; cell < start + BlockCells; cell += WordCells) {
            uint64_t word = 0;
            std::memcpy(&word, &cells_[cell], sizeof(word));
            any |= word;
        }
        if ((any & ruinsMask) != 0)
            age(start, start + BlockCells);
    }
    age(whole, cells_.size());
}

TBase& TGame::AddBase(const TBaseType& kind, int32_t column, int32_t row, bool prebuilt) {
    auto base = std::make_unique<TBase>(*this, prebuilt, column, row, kind);
    const size_t index = buildings_.size();
    KeepBase(TGameEdits::TBaseEditKind::Erase, index, {});
    InsertBase(index, std::move(base));
    return *buildings_[index];
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

void TGame::Renumber(size_t from) {
    for (size_t i = from; i < buildings_.size(); ++i)
        buildings_[i]->index_ = i;
}

void TGame::InsertBase(size_t index, std::unique_ptr<TBase> base) {
    TBase* placed =
        buildings_.insert(buildings_.begin() + static_cast<ptrdiff_t>(index), std::move(base))
            ->get();
    Renumber(index);
    TBase*& slot = BaseSlot(placed->Column, placed->Row);
    if (!slot || slot->index_ > index)
        slot = placed;
}

std::unique_ptr<TBase> TGame::EraseBase(size_t index) {
    std::unique_ptr<TBase> base = std::move(buildings_[index]);
    buildings_.erase(buildings_.begin() + static_cast<ptrdiff_t>(index));
    Renumber(index);
    TBase*& slot = BaseSlot(base->Column, base->Row);
    if (slot == base.get()) {
        // The next building on the cell, if any, stands later in the list.
        slot = nullptr;
        for (size_t i = index; i < buildings_.size() && !slot; ++i)
            if (buildings_[i]->Column == base->Column && buildings_[i]->Row == base->Row)
                slot = buildings_[i].get();
    }
    return base;
}

void TGame::RemoveBase(TBase* base) {
    if (!base || base->index_ >= buildings_.size() || buildings_[base->index_].get() != base)
        return;
    const size_t index = base->index_;
    KeepBase(TGameEdits::TBaseEditKind::Insert, index, RecordOf(*base));
    Cell(base->Column, base->Row).Ruins = RuinsDays;
    EraseBase(index);
}

void TGame::WillChange(const TBase& base) {
    KeepBase(TGameEdits::TBaseEditKind::Put, base.index_, RecordOf(base));
}

void TGame::ClearBases() {
    buildings_.clear();
    for (auto& columnSlots : columnBases_)
        columnSlots.reset();
}

std::vector<TBaseRecord> TGame::BaseRecords() const {
    std::vector<TBaseRecord> records;
    records.reserve(buildings_.size());
    for (const auto& base : buildings_)
        records.push_back(RecordOf(*base));
    return records;
}

void TGame::AssignBases(const std::vector<TBaseRecord>& records) {
    ClearBases();
    buildings_.reserve(records.size());
    for (const TBaseRecord& record : records)
        InsertBase(buildings_.size(), BaseOf(record));
}

std::unique_ptr<TBase> TGame::BaseOf(const TBaseRecord& record) {
    auto base = std::make_unique<TBase>(*this, false, record.Column, record.Row, *record.Kind);
    SetRecord(*base, record);
    return base;
}

void TGame::EndEdits() {
    if (!edits_)
        return;
    for (const TGameEdits::TCellEdit& cell : edits_->cells_)
        keptCells_[cell.Index / 64] &= ~(uint64_t{1} << (cell.Index % 64));
    edits_ = nullptr;
}

void TGame::KeepCellOnce(size_t index) {
    if (keptCells_.empty())
        keptCells_.resize((cells_.size() + 63) / 64);
    uint64_t& word = keptCells_[index / 64];
    const uint64_t bit = uint64_t{1} << (index % 64);
    if ((word & bit) != 0)
        return;
    edits_->cells_.push_back({static_cast<uint32_t>(index), cells_[index]});
    word |= bit;
}

void TGame::KeepBase(TGameEdits::TBaseEditKind kind, size_t index, const TBaseRecord& record) {
    if (edits_ && !edits_->keepsAllBases_)
        edits_->bases_.push_back({kind, static_cast<uint32_t>(index), record});
}

void TGame::KeepAllBases() {
    if (!edits_ || edits_->keepsAllBases_)
        return;
    edits_->allBases_ = BaseRecords();
    edits_->bases_.push_back({TGameEdits::TBaseEditKind::All, 0, {}});
    edits_->keepsAllBases_ = true;
}

void TGame::Apply(TGameEdits& edits) {
    using TKind = TGameEdits::TBaseEditKind;
    for (TGameEdits::TCellEdit& cell : edits.cells_)
        if (cell.Index < cells_.size())
            std::swap(cells_[cell.Index], cell.State);
    // The buildings' edits go back from the last, each turned into its
    // opposite; in the opposite order they lead forward again.
    for (auto edit = edits.bases_.rbegin(); edit != edits.bases_.rend(); ++edit) {
        const size_t index = edit->Index;
        TBaseRecord& record = edit->Record;
        switch (edit->Kind) {
        case TKind::Put:
            if (index < buildings_.size() && record.Kind) {
                const TBaseRecord now = RecordOf(*buildings_[index]);
                SetRecord(*buildings_[index], record);
                record = now;
            }
            break;
        case TKind::Insert:
            if (index <= buildings_.size() && record.Kind &&
                TTerrainGrid::Contains(record.Column, record.Row)) {
                InsertBase(index, BaseOf(record));
                edit->Kind = TKind::Erase;
            }
            break;
        case TKind::Erase:
            if (index < buildings_.size()) {
                record = RecordOf(*EraseBase(index));
                edit->Kind = TKind::Insert;
            }
            break;
        case TKind::All: {
            std::vector<TBaseRecord> now = BaseRecords();
            AssignBases(edits.allBases_);
            edits.allBases_ = std::move(now);
            break;
        }
        }
    }
    std::reverse(edits.bases_.begin(), edits.bases_.end());
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
