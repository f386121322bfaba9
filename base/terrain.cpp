#include "base/terrain.h"

namespace {

const char* const KindNames[EarthKindCount] = {"Море",
                                               "Берег",
                                               "Земля",
                                               "Вода",
                                               "Лес",
                                               "Уголь",
                                               "Залежи руды",
                                               "Нефтяное месторождение",
                                               "Месторождение золота",
                                               "Неизвестный объект"};

} // namespace

QString EarthKindName(int kind) {
    if (kind < 0 || kind >= EarthKindCount)
        kind = ekUnknown;
    return QString::fromUtf8(KindNames[kind]);
}

TEarthKind TTerrainGrid::EarthKind(int col, int row) const {
    if (!Contains(col, row))
        return ekUnknown;
    const int kind = cells_[Index(col, row)].Kind;
    return kind >= 0 && kind < EarthKindCount ? static_cast<TEarthKind>(kind) : ekUnknown;
}

int TTerrainGrid::EarthVariant(int col, int row) const {
    if (!Contains(col, row))
        return -1;
    const int variant = cells_[Index(col, row)].Variant;
    return variant >= 0 && variant <= 9 ? variant : -1;
}
