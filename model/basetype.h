#pragma once

#include "goods.h"

#include <QString>
#include <cstdint>
#include <vector>

class TIniFile;
class TIniSection;

// Style flags of a building type, in their bit order.
enum TBaseStyle : uint8_t {
    bsNoNearBase = 1 << 0, // may stand away from other buildings
    bsNoPreserve = 1 << 1, // cannot be blocked
    bsPlan = 1 << 2,       // marked on the overview map
    bsNoOccupy = 1 << 3,   // not counted for the land tax
};

// NeedEarth value that accepts every buildable ground.
inline constexpr int32_t AnyBuildableEarth = 10;
// The longest service life whose days still fit in 32 bits.
inline constexpr int32_t MaxLiveYears = INT32_MAX / 364;
inline constexpr int32_t DaysPerYear = 364;

// One kind of building, as the catalogue describes it.
struct TBaseType {
    QString Id;
    QString Caption;
    int32_t BuildTime = 0;
    int32_t ImageIndex = 0;
    int32_t LiveYears = 0;
    int32_t HomePlaces = 0;
    int32_t NeedWorkers = 0;
    int32_t Price = 0;
    TResources Consume;
    TResources Profit;
    TResources ProfitRange;
    uint8_t Style = 0;
    // The whole number as read: 2..8 a ground kind, 10 any buildable ground,
    // anything else unbuildable.
    int32_t NeedEarth = 2;
    uint8_t WorkSeasons = 0; // bit n: works in season n

    bool HasStyle(TBaseStyle flag) const { return (Style & flag) != 0; }
    bool WorksIn(int season) const {
        return season >= 0 && season < 8 && (WorkSeasons >> season) & 1;
    }
    // Service life in days; 0 for a building that never wears out.
    int32_t FullLifeDays() const;
    // Whether a cell of the given ground kind can take this building.
    bool AcceptsEarth(int kind) const;
};

// The catalogue: its order is the palette's, and its first type founds the colony.
using TBaseTypeList = std::vector<TBaseType>;

void ReadBaseType(TBaseType& type, const TIniSection& section);
// Reads every section of BASES.INI in the given folder, in file order; a
// missing file gives an empty catalogue.
void LoadBaseTypes(TBaseTypeList& list, const QString& folder);
TBaseTypeList LoadBaseTypesFrom(const TIniFile& ini);
// The first type of the catalogue with the section name, or none.
const TBaseType* FindBaseType(const TBaseTypeList& list, const QString& id);

// Money per day of restored service life: 75 percent of the price spread over
// the days of the full life; 0 for a type that never wears out.
int32_t RestoreRate(const TBaseType& type);
