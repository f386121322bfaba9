#pragma once

#include <QString>
#include <cstdint>
#include <vector>

// The map's grid: 280 x 280 cells of 25 pixels, a world of 7000 x 7000 pixels.
inline constexpr int MapCols = 280;
inline constexpr int MapRows = 280;
inline constexpr int CellSize = 25;
inline constexpr int WorldSize = MapCols * CellSize;

enum TEarthKind : int8_t {
    ekSea,
    ekCoast,
    ekLand,
    ekWater,
    ekForest,
    ekCoal,
    ekOre,
    ekOil,
    ekGold,
    ekUnknown
};
inline constexpr int EarthKindCount = 10;

// "Море", "Берег", ... ; a code outside 0..9 is named as an unidentified object.
QString EarthKindName(int kind);

// Only land and the resource grounds carry buildings.
inline constexpr bool IsBuildableKind(int kind) {
    return kind >= ekLand && kind <= ekGold;
}

// One cell of the terrain grid, exactly as the map file stores it.
struct TEarthCell {
    int8_t Kind = 0;
    uint8_t Spare1 = 0;
    uint8_t Spare2 = 0;
    int8_t Variant = 0;
    bool operator==(const TEarthCell&) const = default;
};
static_assert(sizeof(TEarthCell) == 4);

// The terrain of the whole map, column by column as in the map file: the cell
// (column, row) is entry column * 280 + row. Read-only once a map is loaded.
class TTerrainGrid {
public:
    static constexpr int CellCount = MapCols * MapRows;
    static constexpr int ByteSize = CellCount * static_cast<int>(sizeof(TEarthCell));

    TTerrainGrid() : cells_(CellCount) {}

    static bool Contains(int col, int row) {
        return col >= 0 && col < MapCols && row >= 0 && row < MapRows;
    }

    // The kind of a cell; a byte outside 0..9, or a cell off the grid, reads
    // as an unidentified object, which takes no building and no decoration.
    TEarthKind EarthKind(int col, int row) const;
    // The decoration variant 0..9, or -1 when the byte is out of range and
    // nothing is to be drawn.
    int EarthVariant(int col, int row) const;

    TEarthCell& Cell(int col, int row) { return cells_[Index(col, row)]; }
    const TEarthCell& Cell(int col, int row) const { return cells_[Index(col, row)]; }
    // The raw grid, for reading the map file straight into it.
    char* Bytes() { return reinterpret_cast<char*>(cells_.data()); }
    const char* Bytes() const { return reinterpret_cast<const char*>(cells_.data()); }

private:
    static int Index(int col, int row) { return col * MapRows + row; }
    std::vector<TEarthCell> cells_;
};
