#include "base/terrain.h"

#include <QCoreApplication>

namespace {

const char* const KindNames[EarthKindCount] = {
    QT_TRANSLATE_NOOP("Terrain", "Море"),
    QT_TRANSLATE_NOOP("Terrain", "Берег"),
    QT_TRANSLATE_NOOP("Terrain", "Земля"),
    QT_TRANSLATE_NOOP("Terrain", "Вода"),
    QT_TRANSLATE_NOOP("Terrain", "Лес"),
    QT_TRANSLATE_NOOP("Terrain", "Уголь"),
    QT_TRANSLATE_NOOP("Terrain", "Залежи руды"),
    QT_TRANSLATE_NOOP("Terrain", "Нефтяное месторождение"),
    QT_TRANSLATE_NOOP("Terrain", "Месторождение золота"),
    QT_TRANSLATE_NOOP("Terrain", "Неизвестный объект")};

} // namespace

QString EarthKindName(int kind) {
    if (kind < 0 || kind >= EarthKindCount)
        kind = ekUnknown;
    return QCoreApplication::translate("Terrain", KindNames[kind]);
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
