// Feeds arbitrary bytes to the data-file reader as a building catalogue and as
// an event catalogue, then plays the values through the code that uses them.
#include "base/inifile.h"
#include "model/basetype.h"
#include "model/eventtype.h"
#include "model/game.h"

#include <cstddef>
#include <cstdint>

namespace {

// One colony kept for the whole run: a new one per input would spend nearly
// all the time allocating and clearing its cell tables. Its catalogue is
// swapped only while it holds no building, so no building outlives its type.
TBaseTypeList& Catalogue() {
    static TBaseTypeList catalogue(1);
    return catalogue;
}

TGame& Colony() {
    static TGame game(Catalogue(), 0, 0);
    return game;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const TIniFile ini = TIniFile::FromBytes(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const TBaseTypeList types = LoadBaseTypesFrom(ini);
    for (const TBaseType& type : types) {
        (void)RestoreRate(type);
        (void)type.FullLifeDays();
        for (int kind = 0; kind < EarthKindCount; ++kind)
            (void)type.AcceptsEarth(kind);
    }
    for (const TEventType& event : LoadEventTypesFrom(ini))
        (void)RollEvent(event, Colony().Random);
    if (!types.empty()) {
        TGame& game = Colony();
        while (!game.Buildings().empty())
            game.RemoveBase(game.Buildings().back().get());
        Catalogue() = types;
        for (size_t i = 0; i < types.size() && i < 64; ++i)
            game.AddBase(types[i], static_cast<int32_t>(i % MapCols), 1, false);
        (void)game.TotalHomePlaces();
        (void)game.TotalWorkPlaces();
    }
    return 0;
}
