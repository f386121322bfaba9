// Feeds arbitrary bytes to the save loader, for the map "01" and a small
// building catalogue with the types the seed saves use. A save that loads is
// put into a colony as the game loads it, looked at, saved again (the new
// bytes must load to the same buildings and money), and a day is played on
// it and taken back.
//
// A save's content is packed and checksummed, so changing its bytes almost
// never gets past the unpacking. The mutator below therefore unpacks a save,
// lets libFuzzer change the content and packs it again with its size and
// checksum; one input in eight, and every input that is not a save, is
// changed as it stands, for the header and the packing.
#include "base/inifile.h"
#include "model/colony.h"
#include "model/eventtype.h"
#include "model/quietservices.h"
#include "model/savecodec.h"

#include <QtEndian>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <zlib.h>

extern "C" size_t LLVMFuzzerMutate(uint8_t* data, size_t size, size_t maxSize);

namespace {

const TBaseTypeList& Catalogue() {
    static const TBaseTypeList catalogue = LoadBaseTypesFrom(TIniFile::FromBytes(
        "[Colony]\nLiveYears=60\nHomePlaces=40\nNeedWorkers=2\nNeedEarth=10\n"
        "WorkSeasons=Summer Autumn Winter Spring\n"
        "[Farm]\nBuildTime=3\nLiveYears=2\nNeedWorkers=6\nWorkSeasons=Summer Autumn\n"
        "Profit.food=40\n"
        "[Mill]\nBuildTime=2\nLiveYears=1\nNeedWorkers=4\nNeedEarth=4\n"
        "WorkSeasons=Summer Autumn Winter Spring\nConsume.water=1\nProfit.wood=10\n"
        "[Mine]\nBuildTime=1\nLiveYears=5\nNeedWorkers=2\nNeedEarth=8\nProfit.gold=1\n"
        "[Tower]\nHomePlaces=3\nWorkSeasons=Spring\n"));
    return catalogue;
}

// One colony for the whole run: making one costs more than loading a save.
TColony& Colony() {
    static const TEventTypeList events;
    static const TTerrainGrid terrain;
    static TQuietServices window;
    static TColony colony(Catalogue(), events, terrain, window, 0, 0);
    return colony;
}

// Where the packed content starts (after the signature, the format
// version, the program's version text, the content size and its checksum),
// or 0 when the bytes are too short to hold that much.
size_t PackedStart(const uint8_t* data, size_t size) {
    constexpr size_t textAt = sizeof(SaveFormat::Signature) + 4;
    return size > textAt && size >= textAt + 1 + data[textAt] + 8 ? textAt + 1 + data[textAt] + 8
                                                                  : 0;
}

} // namespace

extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* data, size_t size, size_t maxSize,
                                          unsigned int seed) {
    const size_t start = PackedStart(data, size);
    if (seed % 8 == 0 || start == 0)
        return LLVMFuzzerMutate(data, size, maxSize);
    uLongf contentSize = qFromBigEndian<quint32>(data + start - 8);
    if (contentSize > SaveFormat::MaxContentSize)
        return LLVMFuzzerMutate(data, size, maxSize);
    QByteArray content(static_cast<qsizetype>(contentSize), '\0');
    if (uncompress(reinterpret_cast<Bytef*>(content.data()), &contentSize, data + start,
                   static_cast<uLong>(size - start)) != Z_OK ||
        contentSize == 0)
        return LLVMFuzzerMutate(data, size, maxSize);
    content.resize(static_cast<qsizetype>(contentSize));
    // The content is mostly cells, two bytes each: three times in four the
    // piece changed is its head (the colony's numbers) or its tail (the
    // buildings, the generator and the view).
    const size_t piece = std::min<size_t>(contentSize, 1024);
    const unsigned pick = seed / 8;
    const size_t at = pick % 4 == 0   ? 0
                      : pick % 4 != 3 ? contentSize - piece
                                      : pick / 4 % (contentSize - piece + 1);
    QByteArray changed = content.mid(static_cast<qsizetype>(at), static_cast<qsizetype>(piece));
    changed.resize(static_cast<qsizetype>(piece + 64));
    changed.resize(static_cast<qsizetype>(
        LLVMFuzzerMutate(reinterpret_cast<uint8_t*>(changed.data()), piece, piece + 64)));
    content.replace(static_cast<qsizetype>(at), static_cast<qsizetype>(piece), changed);
    contentSize = static_cast<uLongf>(content.size());
    uLongf packedSize = compressBound(contentSize);
    QByteArray packed(static_cast<qsizetype>(packedSize), '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
                  reinterpret_cast<const Bytef*>(content.constData()), contentSize,
                  Z_BEST_SPEED) != Z_OK ||
        start + packedSize > maxSize)
        return LLVMFuzzerMutate(data, size, maxSize);
    const uLong crc = crc32(crc32(0L, Z_NULL, 0),
                            reinterpret_cast<const Bytef*>(content.constData()), contentSize);
    qToBigEndian(static_cast<quint32>(contentSize), data + start - 8);
    qToBigEndian(static_cast<quint32>(crc), data + start - 4);
    std::memcpy(data + start, packed.constData(), packedSize);
    return start + packedSize;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    TSavedGame saved;
    try {
        saved = DecodeSave(bytes, Catalogue());
    } catch (const TGameError&) {
        return 0; // refused with a reason for the player
    }
    TColony& colony = Colony();
    colony.LoadState(saved.Colony, saved.Days, saved.Identity, saved.Scenario, saved.Journal);
    const TGame& game = colony.Game();
    (void)game.TotalHomePlaces();
    (void)game.TotalWorkPlaces();
    for (const TBaseRecord& base : saved.Colony.Bases)
        if (!game.BaseAt(base.Column, base.Row))
            __builtin_trap();
    (void)colony.CellInfo(saved.Colony.SelectedColumn, saved.Colony.SelectedRow);

    // Saved again from the colony, the game loads back as it was and is
    // written the same way. A save of ours that does not load is a finding:
    // its TGameError is not caught.
    const QByteArray written = EncodeSave(SavedGameOf(colony, saved.Land, saved.View, saved.Sound));
    const TSavedGame reloaded = DecodeSave(written, Catalogue());
    if (reloaded.Colony.Bases != saved.Colony.Bases ||
        reloaded.Colony.Money != saved.Colony.Money || reloaded.Days != saved.Days ||
        reloaded.Identity != saved.Identity || reloaded.Journal != saved.Journal ||
        EncodeSave(reloaded) != written)
        __builtin_trap();

    // A day played on whatever the save holds, then taken back: the rules
    // stay defined on every value a save may bring, and undo returns to it.
    // A day draws for every person, so crowds of millions are left out for
    // the run's pace; their arithmetic is the same.
    const TColonyState loaded = colony.TakeState();
    constexpr int32_t MostPeoplePlayed = 100000;
    if (loaded.People <= MostPeoplePlayed && colony.NewDay() &&
        (colony.Undo(), colony.TakeState() != loaded))
        __builtin_trap();
    return 0;
}
