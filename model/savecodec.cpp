#include "savecodec.h"

#include "base/gameerror.h"
#include "base/numbers.h"
#include "base/paths.h"
#include "base/terrain.h"
#include "colony.h"
#include "game.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QIODevice>
#include <QUuid>
#include <QtEndian>
#include <algorithm>
#include <zlib.h>

namespace {

static_assert(sizeof(TCellState) == 2, "cells are written as two bytes each");
constexpr size_t CellBytes = static_cast<size_t>(TTerrainGrid::CellCount) * sizeof(TCellState);
constexpr QDataStream::Version StreamVersion = QDataStream::Qt_6_0;
constexpr int IdentityBytes = 16;
// Files saved before games had an identity are given one from their bytes,
// in a namespace of this game's own.
const QUuid EarlySaves(QStringLiteral("{6f1c2a57-3d0e-4a8b-9c41-2b7e5d90a3f6}"));

// A reason why a file cannot be loaded, in the player's words.
[[noreturn]] void Refuse(const QString& reason) {
    throw TGameError(reason);
}

[[noreturn]] void BadValue(const char* what) {
    Refuse(QCoreApplication::translate("SaveFile", "недопустимое значение (%1)")
               .arg(QCoreApplication::translate("SaveFile", what)));
}

// The checks of a number read: in range, or the file is refused.
int32_t InRange(int32_t value, int32_t low, int32_t high, const char* what) {
    if (value < low || value > high)
        BadValue(what);
    return value;
}

uint32_t Crc32(const QByteArray& bytes) {
    return static_cast<uint32_t>(crc32(crc32(0L, Z_NULL, 0),
                                       reinterpret_cast<const Bytef*>(bytes.constData()),
                                       static_cast<uInt>(bytes.size())));
}

// Bytes of any length: their count in four bytes, then the bytes. A count
// the data cannot hold is refused before memory is taken for it.
void WriteBytes(QDataStream& out, const QByteArray& bytes) {
    out << static_cast<quint32>(bytes.size());
    out.writeRawData(bytes.constData(), static_cast<int>(bytes.size()));
}

QByteArray ReadBytes(QDataStream& in) {
    quint32 size = 0;
    in >> size;
    if (in.status() != QDataStream::Ok || size > in.device()->bytesAvailable()) {
        in.setStatus(QDataStream::ReadPastEnd);
        return QByteArray();
    }
    QByteArray bytes(static_cast<qsizetype>(size), Qt::Uninitialized);
    in.readRawData(bytes.data(), static_cast<int>(size));
    return bytes;
}

// A short text: its length in a byte, then its UTF-8 bytes; longer texts
// are cut, which the reader then refuses by name rather than misreads.
void WriteText(QDataStream& out, const QString& text) {
    const QByteArray utf8 = text.toUtf8().left(UINT8_MAX);
    out << static_cast<quint8>(utf8.size());
    out.writeRawData(utf8.constData(), static_cast<int>(utf8.size()));
}

QString ReadText(QDataStream& in) {
    quint8 length = 0;
    in >> length;
    char buffer[UINT8_MAX];
    if (in.readRawData(buffer, length) != length) {
        in.setStatus(QDataStream::ReadPastEnd);
        return QString();
    }
    return QString::fromUtf8(buffer, length);
}

// A day the calendar has, from the colony's founding year, or the file is
// refused.
void CheckDate(const TGameDate& date) {
    if (date.Year < FoundingYear || date.Month < 1 || date.Month > 12 || date.Day < 1 ||
        date.Day > DaysInMonth(date.Year, date.Month))
        BadValue(QT_TRANSLATE_NOOP("SaveFile", "дата"));
}

void WriteDate(QDataStream& out, const TGameDate& date) {
    out << static_cast<quint16>(date.Year) << static_cast<quint8>(date.Month)
        << static_cast<quint8>(date.Day);
}

TGameDate ReadDate(QDataStream& in) {
    quint16 year = 0;
    quint8 month = 0;
    quint8 day = 0;
    in >> year >> month >> day;
    const TGameDate date{year, static_cast<int8_t>(month), static_cast<int8_t>(day)};
    if (in.status() == QDataStream::Ok)
        CheckDate(date);
    return date;
}

// One day of the history in a file of the version: its date (2 + 1 + 1),
// then the columns of each field that the version has, in the order of
// HistoryFields.
constexpr int DayBytes(uint32_t version) {
    int bytes = 4;
    for (const THistoryField& field : HistoryFields)
        if (field.Since <= version)
            bytes += field.Columns * field.Bytes;
    return bytes;
}

// Today's format writes every field: a field that a later format brings
// needs that format to be today's.
static_assert(std::ranges::all_of(HistoryFields, [](const THistoryField& field) {
    return field.Since <= SaveFormat::Version;
}));

// A day in the bytes of today's format.
char* PackDay(const THistoryDay& day, char* at) {
    qToBigEndian<quint16>(day.Date.Year, at);
    at[2] = static_cast<char>(day.Date.Month);
    at[3] = static_cast<char>(day.Date.Day);
    at += 4;
    for (const THistoryField& field : HistoryFields)
        for (int column = 0; column < field.Columns; ++column, at += field.Bytes) {
            const int64_t value = field.Get(day, column);
            if (field.Bytes == 8)
                qToBigEndian<qint64>(value, at);
            else
                qToBigEndian<qint32>(static_cast<qint32>(value), at);
        }
    return at;
}

// A day from its bytes in a file of the version; a field the version does
// not have stays zero. A date not in the calendar or a value out of its
// field's range refuses the file.
THistoryDay UnpackDay(const char* at, uint32_t version) {
    THistoryDay day;
    day.Date = {qFromBigEndian<quint16>(at), static_cast<int8_t>(at[2]),
                static_cast<int8_t>(at[3])};
    CheckDate(day.Date);
    at += 4;
    for (const THistoryField& field : HistoryFields) {
        if (field.Since > version)
            continue;
        for (int column = 0; column < field.Columns; ++column, at += field.Bytes) {
            const int64_t value =
                field.Bytes == 8 ? qFromBigEndian<qint64>(at) : qFromBigEndian<qint32>(at);
            if (value < field.Low || value > field.High)
                BadValue(QT_TRANSLATE_NOOP("SaveFile", "история"));
            field.Set(day, column, value);
        }
    }
    return day;
}

// What a section is written with: the stream, and the building types the
// types' section listed, each building's as an index into them.
struct TWriting {
    QDataStream& Out;
    std::vector<const TBaseType*> Types;
    std::vector<quint16> TypeIndex;
};

// What a section is read with: the stream, the file's format, the catalogue
// its types are found in, the events a scenario in play may name, the whole file (an early game is
// known by its bytes), and the building types the types' section listed.
struct TReading {
    QDataStream& In;
    uint32_t Version;
    const TBaseTypeList& Catalogue;
    const TEventTypeList& Events;
    const QByteArray& File;
    std::vector<const TBaseType*> Types;
};

// Each section of the content as a writer and a reader, side by side. A
// reader leaves the rest to the walk once its stream has run dry: the walk
// then refuses the file as cut.

// Since version 3: the game's identity first, so that it is read before
// anything else. A file saved before games had one is known by its bytes:
// the same file always gives the same.
void WriteIdentity(TWriting& to, const TSavedGame& game) {
    const QByteArray identity = game.Identity.toRfc4122();
    to.Out.writeRawData(identity.constData(), static_cast<int>(identity.size()));
}

void ReadIdentity(TReading& from, TSavedGame& game) {
    char identity[IdentityBytes];
    if (from.In.readRawData(identity, IdentityBytes) != IdentityBytes)
        return from.In.setStatus(QDataStream::ReadPastEnd);
    game.Identity = QUuid::fromRfc4122(QByteArrayView(identity, IdentityBytes));
    if (game.Identity.isNull())
        BadValue(QT_TRANSLATE_NOOP("SaveFile", "игра"));
}

void IdentityOfBytes(const TReading& from, TSavedGame& game) {
    game.Identity = QUuid::createUuidV5(EarlySaves, from.File);
}

// The land: since version 2 its name in full (a path may be long), the
// grid's checksum, and the files of an island that the save carries;
// version 1 named its map, always "01", and nothing more.
void WriteLand(TWriting& to, const TSavedGame& game) {
    const TSavedLand& land = game.Land;
    WriteBytes(to.Out, land.Name.toUtf8());
    to.Out << land.GridChecksum << static_cast<quint8>(land.Carried());
    if (land.Carried())
        for (const QByteArray* file : {&land.Grid, &land.Scene, &land.Ini})
            WriteBytes(to.Out, *file);
}

void ReadLand(TReading& from, TSavedGame& game) {
    QDataStream& in = from.In;
    TSavedLand& land = game.Land;
    if (from.Version == 1) {
        land.Name = ReadText(in);
        return;
    }
    land.Name = QString::fromUtf8(ReadBytes(in));
    quint8 carried = 0;
    in >> land.GridChecksum >> carried;
    if (in.status() != QDataStream::Ok)
        return;
    if (land.Name.isEmpty() || carried > 1)
        BadValue(QT_TRANSLATE_NOOP("SaveFile", "карта"));
    if (carried) {
        for (QByteArray* file : {&land.Grid, &land.Scene, &land.Ini})
            *file = ReadBytes(in);
        if (in.status() == QDataStream::Ok &&
            (land.Grid.size() < TTerrainGrid::ByteSize || Crc32(land.Grid) != land.GridChecksum))
            BadValue(QT_TRANSLATE_NOOP("SaveFile", "карта"));
    }
}

// The types the buildings use, by section name, in order of first use.
void WriteTypes(TWriting& to, const TSavedGame& game) {
    const std::vector<TBaseRecord>& bases = game.Colony.Bases;
    to.TypeIndex.reserve(bases.size());
    for (const TBaseRecord& base : bases) {
        auto it = std::find(to.Types.begin(), to.Types.end(), base.Kind);
        if (it == to.Types.end())
            it = to.Types.insert(to.Types.end(), base.Kind);
        to.TypeIndex.push_back(static_cast<quint16>(it - to.Types.begin()));
    }
    to.Out << static_cast<quint16>(to.Types.size());
    for (const TBaseType* type : to.Types)
        WriteText(to.Out, type->Id);
}

void ReadTypes(TReading& from, TSavedGame&) {
    quint16 typeCount = 0;
    from.In >> typeCount;
    for (quint16 i = 0; i < typeCount && from.In.status() == QDataStream::Ok; ++i) {
        const QString id = ReadText(from.In);
        const TBaseType* type = FindBaseType(from.Catalogue, id);
        if (from.In.status() == QDataStream::Ok && !type)
            Refuse(QCoreApplication::translate("SaveFile",
                                               "в каталоге строений (BASES.INI) нет типа «%1»")
                       .arg(id));
        from.Types.push_back(type);
    }
}

// The colony's figures: the date and its season, money, people, health,
// workers, upkeep, the stock and the year's trade.
void WriteFigures(TWriting& to, const TSavedGame& game) {
    const TColonyState& state = game.Colony;
    WriteDate(to.Out, state.Date);
    to.Out << static_cast<quint8>(state.Season);
    to.Out << state.Money << state.People << state.Health << state.Employed << state.Upkeep;
    for (int32_t amount : state.Stock.Items)
        to.Out << amount;
    to.Out << state.Purchases << state.Sales;
}

void ReadFigures(TReading& from, TSavedGame& game) {
    QDataStream& in = from.In;
    TColonyState& state = game.Colony;
    state.Date = ReadDate(in);
    quint8 season = 0;
    in >> season >> state.Money >> state.People >> state.Health >> state.Employed >> state.Upkeep;
    for (int32_t& amount : state.Stock.Items)
        in >> amount;
    in >> state.Purchases >> state.Sales;
    if (in.status() != QDataStream::Ok)
        return;
    if (season != SeasonOfMonth(state.Date.Month))
        BadValue(QT_TRANSLATE_NOOP("SaveFile", "время года"));
    state.Season = season;
    InRange(state.Money, 0, INT32_MAX, QT_TRANSLATE_NOOP("SaveFile", "деньги"));
    InRange(state.People, 0, MaxSavedPeople(from.Catalogue), QT_TRANSLATE_NOOP("SaveFile", "люди"));
    InRange(state.Health, 0, TGame::MaxHealth, QT_TRANSLATE_NOOP("SaveFile", "здоровье"));
    InRange(state.Employed, 0, INT32_MAX, QT_TRANSLATE_NOOP("SaveFile", "занятые"));
    InRange(state.Upkeep, 0, INT32_MAX, QT_TRANSLATE_NOOP("SaveFile", "содержание"));
    InRange(state.Purchases, 0, INT32_MAX, QT_TRANSLATE_NOOP("SaveFile", "покупки"));
    InRange(state.Sales, 0, INT32_MAX, QT_TRANSLATE_NOOP("SaveFile", "продажи"));
}

// Every cell of the land, bare or not, as the map file orders them.
void WriteCells(TWriting& to, const TSavedGame& game) {
    std::vector<TCellState> cells(TTerrainGrid::CellCount);
    SpreadCells(game.Colony.Cells, cells);
    to.Out.writeRawData(reinterpret_cast<const char*>(cells.data()), CellBytes);
}

void ReadCells(TReading& from, TSavedGame& game) {
    std::vector<TCellState> cells(TTerrainGrid::CellCount);
    if (from.In.readRawData(reinterpret_cast<char*>(cells.data()), CellBytes) !=
        static_cast<int>(CellBytes))
        return from.In.setStatus(QDataStream::ReadPastEnd);
    for (const TCellState& cell : cells)
        if (cell.Improved > 1 || cell.Ruins > RuinsDays)
            BadValue(QT_TRANSLATE_NOOP("SaveFile", "клетка"));
    RecordCells(cells, game.Colony.Cells);
}

// The buildings in list order, each with its type by the types' section.
void WriteBuildings(TWriting& to, const TSavedGame& game) {
    const std::vector<TBaseRecord>& bases = game.Colony.Bases;
    to.Out << static_cast<quint32>(bases.size());
    for (size_t i = 0; i < bases.size(); ++i) {
        const TBaseRecord& base = bases[i];
        to.Out << to.TypeIndex[i] << static_cast<quint16>(base.Column)
               << static_cast<quint16>(base.Row);
        WriteDate(to.Out, base.Placed);
        to.Out << static_cast<quint8>(base.Blocked) << base.Status << base.BuildDays
               << base.LifeDays;
    }
}

void ReadBuildings(TReading& from, TSavedGame& game) {
    QDataStream& in = from.In;
    std::vector<TBaseRecord>& bases = game.Colony.Bases;
    quint32 baseCount = 0;
    in >> baseCount;
    if (baseCount > static_cast<quint32>(TTerrainGrid::CellCount))
        BadValue(QT_TRANSLATE_NOOP("SaveFile", "число строений"));
    bases.reserve(in.status() == QDataStream::Ok ? baseCount : 0);
    // No command puts a building where one stands.
    std::vector<bool> taken(TTerrainGrid::CellCount);
    for (quint32 i = 0; i < baseCount && in.status() == QDataStream::Ok; ++i) {
        quint16 type = 0;
        quint16 column = 0;
        quint16 row = 0;
        TBaseRecord base;
        in >> type >> column >> row;
        base.Placed = ReadDate(in);
        quint8 blocked = 0;
        in >> blocked >> base.Status >> base.BuildDays >> base.LifeDays;
        if (in.status() != QDataStream::Ok)
            return;
        if (type >= from.Types.size() || !TTerrainGrid::Contains(column, row) || blocked > 1 ||
            base.Status > (bsLacksGoods | bsLacksWorkers) || base.BuildDays < 0 ||
            base.LifeDays < 0 || taken[column * MapRows + row])
            BadValue(QT_TRANSLATE_NOOP("SaveFile", "строение"));
        taken[column * MapRows + row] = true;
        base.Kind = from.Types[type];
        base.Column = static_cast<int16_t>(column);
        base.Row = static_cast<int16_t>(row);
        base.Blocked = blocked != 0;
        bases.push_back(base);
    }
}

// The random generator's state, never all zero.
void WriteRandom(TWriting& to, const TSavedGame& game) {
    for (uint64_t word : game.Colony.Random)
        to.Out << static_cast<quint64>(word);
}

void ReadRandom(TReading& from, TSavedGame& game) {
    TRandomState& random = game.Colony.Random;
    for (uint64_t& word : random) {
        quint64 value = 0;
        from.In >> value;
        word = value;
    }
    if (from.In.status() == QDataStream::Ok && random == TRandomState{})
        BadValue(QT_TRANSLATE_NOOP("SaveFile", "случайные числа"));
}

// The selected cell, on the map.
void WriteSelection(TWriting& to, const TSavedGame& game) {
    to.Out << game.Colony.SelectedColumn << game.Colony.SelectedRow;
}

void ReadSelection(TReading& from, TSavedGame& game) {
    TColonyState& state = game.Colony;
    from.In >> state.SelectedColumn >> state.SelectedRow;
    if (from.In.status() == QDataStream::Ok &&
        !TTerrainGrid::Contains(state.SelectedColumn, state.SelectedRow))
        BadValue(QT_TRANSLATE_NOOP("SaveFile", "выбранная клетка"));
}

// The map view's corner inside the world, and the sound switch of the
// window that saved it, which loading reads past: the switch is the
// player's setting now.
void WriteView(TWriting& to, const TSavedGame& game) {
    to.Out << static_cast<qint32>(game.View.x()) << static_cast<qint32>(game.View.y());
    to.Out << static_cast<quint8>(game.Sound);
}

void ReadView(TReading& from, TSavedGame& game) {
    qint32 viewX = 0;
    qint32 viewY = 0;
    quint8 sound = 0;
    from.In >> viewX >> viewY >> sound;
    if (from.In.status() != QDataStream::Ok)
        return;
    game.View = QPoint(InRange(viewX, 0, WorldSize, QT_TRANSLATE_NOOP("SaveFile", "вид карты")),
                       InRange(viewY, 0, WorldSize, QT_TRANSLATE_NOOP("SaveFile", "вид карты")));
}

// Since version 2: the account, year by year in time order, none of them
// after the game's date.
void WriteAccount(TWriting& to, const TSavedGame& game) {
    const std::span<const TYearAccount> years = game.Colony.Account.Years();
    to.Out << static_cast<quint32>(years.size()) << static_cast<quint8>(MoneyFlowCount);
    for (const TYearAccount& year : years) {
        to.Out << static_cast<quint16>(year.Year) << static_cast<qint64>(year.Opening);
        for (int64_t flow : year.Flows)
            to.Out << static_cast<qint64>(flow);
    }
}

void ReadAccount(TReading& from, TSavedGame& game) {
    QDataStream& in = from.In;
    TColonyState& state = game.Colony;
    quint32 yearCount = 0;
    quint8 flowCount = 0;
    in >> yearCount >> flowCount;
    if (in.status() != QDataStream::Ok)
        return;
    if (flowCount != MoneyFlowCount || yearCount > UINT16_MAX)
        BadValue(QT_TRANSLATE_NOOP("SaveFile", "счёт"));
    std::vector<TYearAccount> years;
    for (quint32 i = 0; i < yearCount && in.status() == QDataStream::Ok; ++i) {
        quint16 year = 0;
        qint64 opening = 0;
        TYearAccount account;
        in >> year >> opening;
        for (size_t flow = 0; flow < account.Flows.size(); ++flow) {
            qint64 amount = 0;
            in >> amount;
            const bool income = IsIncome(static_cast<TMoneyFlow>(flow));
            if (income ? amount < 0 : amount > 0)
                BadValue(QT_TRANSLATE_NOOP("SaveFile", "счёт"));
            account.Flows[flow] = amount;
        }
        if (in.status() != QDataStream::Ok)
            return;
        if (year < FoundingYear || year > state.Date.Year || opening < 0 || opening > INT32_MAX ||
            (!years.empty() && year <= years.back().Year))
            BadValue(QT_TRANSLATE_NOOP("SaveFile", "счёт"));
        account.Year = year;
        account.Opening = opening;
        years.push_back(account);
    }
    state.Account.Assign(std::move(years));
}

// Since version 2: the history, day by day in time order, none of it after
// the game's date. The days are most of a long game's file: each is packed
// by hand into its bytes, the same as the stream would write them, and
// written whole.
void WriteHistory(TWriting& to, const TSavedGame& game) {
    to.Out << static_cast<quint32>(game.Days.size());
    QByteArray days(static_cast<qsizetype>(game.Days.size() * DayBytes(SaveFormat::Version)),
                    Qt::Uninitialized);
    char* at = days.data();
    for (const THistoryDay& day : game.Days)
        at = PackDay(day, at);
    to.Out.writeRawData(days.constData(), static_cast<int>(days.size()));
}

void ReadHistory(TReading& from, TSavedGame& game) {
    QDataStream& in = from.In;
    quint32 dayCount = 0;
    in >> dayCount;
    // A count the data cannot hold is not believed before memory is taken
    // for it.
    const int dayBytes = DayBytes(from.Version);
    if (in.status() != QDataStream::Ok || dayCount > in.device()->bytesAvailable() / dayBytes)
        return in.setStatus(QDataStream::ReadPastEnd);
    game.Days.reserve(dayCount);
    for (quint32 i = 0; i < dayCount; ++i) {
        char bytes[DayBytes(SaveFormat::Version)];
        if (in.readRawData(bytes, dayBytes) != dayBytes)
            return in.setStatus(QDataStream::ReadPastEnd);
        const THistoryDay day = UnpackDay(bytes, from.Version);
        if (day.Date > game.Colony.Date ||
            (!game.Days.empty() && day.Date <= game.Days.back().Date))
            BadValue(QT_TRANSLATE_NOOP("SaveFile", "история"));
        game.Days.push_back(day);
    }
    game.Colony.HistoryDays = static_cast<uint32_t>(game.Days.size());
}

// Since version 4: what the goals count, never below zero.
void WriteCounters(TWriting& to, const TSavedGame& game) {
    const TGoalCounters& counters = game.Colony.Counters;
    to.Out << counters.YearlyTaxesPaid << counters.MainTaxesPaid << counters.TaxesRefused;
}

void ReadCounters(TReading& from, TSavedGame& game) {
    TGoalCounters& counters = game.Colony.Counters;
    from.In >> counters.YearlyTaxesPaid >> counters.MainTaxesPaid >> counters.TaxesRefused;
    if (counters.YearlyTaxesPaid < 0 || counters.MainTaxesPaid < 0 || counters.TaxesRefused < 0)
        BadValue(QT_TRANSLATE_NOOP("SaveFile", "сценарий"));
}

// Whether an optional part follows: a byte 0 or 1.
bool Present(QDataStream& in, const char* what) {
    quint8 present = 0;
    in >> present;
    if (in.status() != QDataStream::Ok || present == 0)
        return false;
    if (present != 1)
        BadValue(what);
    return true;
}

// The goals' progress: each goal's state and the turns its condition held.
void WriteGoals(QDataStream& out, const std::vector<TGoalProgress>& goals) {
    for (const TGoalProgress& goal : goals)
        out << static_cast<quint8>(goal.State) << goal.Held;
}

void ReadGoals(QDataStream& in, std::vector<TGoalProgress>& goals, const char* what) {
    for (TGoalProgress& goal : goals) {
        quint8 goalState = 0;
        in >> goalState >> goal.Held;
        if (goalState > static_cast<quint8>(TGoalState::Failed))
            BadValue(what);
        goal.State = static_cast<TGoalState>(goalState);
    }
}

// Since version 4: the scenario in play, if any, with its file, its level,
// the tutorial's step and its goals' progress. Its file is read again and
// the progress checked against it.
void WritePlay(TWriting& to, const TSavedGame& game) {
    const TScenarioPlay& play = game.Scenario;
    to.Out << static_cast<quint8>(play.Scenario != nullptr);
    if (!play.Scenario)
        return;
    const std::vector<TGoalProgress>& goals = game.Colony.Goals;
    WriteBytes(to.Out, play.Scenario->Name.toUtf8());
    WriteBytes(to.Out, play.Scenario->Source);
    to.Out << static_cast<quint8>(play.Difficulty) << static_cast<quint8>(play.UndoUsed)
           << play.TutorialStep << static_cast<quint32>(goals.size());
    WriteGoals(to.Out, goals);
}

void ReadPlay(TReading& from, TSavedGame& game) {
    QDataStream& in = from.In;
    if (!Present(in, QT_TRANSLATE_NOOP("SaveFile", "сценарий")))
        return;
    const QString name = QString::fromUtf8(ReadBytes(in));
    const QByteArray source = ReadBytes(in);
    quint8 difficulty = 0;
    quint8 undoUsed = 0;
    quint32 step = 0;
    quint32 goalCount = 0;
    in >> difficulty >> undoUsed >> step >> goalCount;
    if (in.status() != QDataStream::Ok)
        return;
    TScenarioReading reading = ReadScenario(source, name, from.Catalogue, from.Events);
    if (!reading.Scenario)
        Refuse(QCoreApplication::translate("SaveFile", "сценарий игры не читается: %1")
                   .arg(reading.Errors.value(0)));
    const TScenario& scenario = *reading.Scenario;
    if (difficulty >= DifficultyCount || undoUsed > 1 || step > scenario.Tutorial.size() ||
        goalCount != scenario.Goals.size())
        BadValue(QT_TRANSLATE_NOOP("SaveFile", "сценарий"));
    std::vector<TGoalProgress>& goals = game.Colony.Goals;
    goals.resize(goalCount);
    ReadGoals(in, goals, QT_TRANSLATE_NOOP("SaveFile", "цели"));
    if (in.status() == QDataStream::Ok && !TGoalBook(scenario.Goals).Assign(goals))
        BadValue(QT_TRANSLATE_NOOP("SaveFile", "цели"));
    game.Colony.TutorialStep = step;
    game.Scenario = {std::make_shared<const TScenario>(std::move(*reading.Scenario)),
                     static_cast<TDifficulty>(difficulty), undoUsed != 0, step};
}

// Since version 5: the journal, in time order and none of it after the
// game's date; an entry's cell is on the map or none.
void WriteJournal(TWriting& to, const TSavedGame& game) {
    to.Out << static_cast<quint32>(game.Journal.size());
    for (const TJournalEntry& entry : game.Journal) {
        WriteDate(to.Out, entry.Date);
        to.Out << static_cast<quint8>(entry.Kind) << entry.Column << entry.Row;
        WriteBytes(to.Out, entry.Text.toUtf8());
    }
}

void ReadJournal(TReading& from, TSavedGame& game) {
    QDataStream& in = from.In;
    // Its date, kind, cell and the length of its text.
    constexpr qint64 EntryBytes = 4 + 1 + 2 + 2 + 4;
    quint32 count = 0;
    in >> count;
    if (in.status() != QDataStream::Ok || count > in.device()->bytesAvailable() / EntryBytes)
        return in.setStatus(QDataStream::ReadPastEnd);
    game.Journal.reserve(count);
    for (quint32 i = 0; i < count; ++i) {
        TJournalEntry entry;
        entry.Date = ReadDate(in);
        quint8 kind = 0;
        in >> kind >> entry.Column >> entry.Row;
        entry.Text = QString::fromUtf8(ReadBytes(in));
        if (in.status() != QDataStream::Ok)
            return;
        const bool noCell = entry.Column == -1 && entry.Row == -1;
        if (kind >= JournalKindCount || entry.Date > game.Colony.Date ||
            (!game.Journal.empty() && entry.Date < game.Journal.back().Date) ||
            (!noCell && !TTerrainGrid::Contains(entry.Column, entry.Row)))
            BadValue(QT_TRANSLATE_NOOP("SaveFile", "журнал"));
        entry.Kind = static_cast<TJournalKind>(kind);
        game.Journal.push_back(std::move(entry));
    }
    game.Colony.JournalEntries = static_cast<uint32_t>(game.Journal.size());
}

// Since version 6: the standing orders, in goods order: the good, its
// floor and its ceiling.
void WriteOrderList(QDataStream& out, const TStandingOrders& orders) {
    out << static_cast<quint8>(
        std::ranges::count_if(orders, [](const auto& o) { return o.has_value(); }));
    for (int good = 0; good < GoodsCount; ++good)
        if (orders[good])
            out << static_cast<quint8>(good) << orders[good]->Floor << orders[good]->Ceiling;
}

void WriteOrders(TWriting& to, const TSavedGame& game) {
    WriteOrderList(to.Out, game.Colony.Orders);
}

void ReadOrderList(QDataStream& in, TStandingOrders& orders) {
    quint8 count = 0;
    in >> count;
    int last = -1;
    for (quint8 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        quint8 good = 0;
        TStandingOrder order;
        in >> good >> order.Floor >> order.Ceiling;
        if (in.status() != QDataStream::Ok)
            return;
        if (good >= GoodsCount || good <= last || !OrderError(order.Floor, order.Ceiling).isEmpty())
            BadValue(QT_TRANSLATE_NOOP("SaveFile", "заказы"));
        last = good;
        orders[good] = order;
    }
}

void ReadOrders(TReading& from, TSavedGame& game) {
    ReadOrderList(from.In, game.Colony.Orders);
}

// Since version 7: the command log. First the colony it began from, as 4
// bytes of length and the sections of a game's colony (types, figures,
// cells, buildings, generator, selection, account, counters, orders), then
// the days of the history before it, the tutorial's step and the goals'
// progress; then the entries, oldest first.
struct TStartSection {
    void (*Write)(TWriting& to, const TSavedGame& game);
    void (*Read)(TReading& from, TSavedGame& game);
};
constexpr TStartSection StartSections[] = {
    {WriteTypes, ReadTypes},         {WriteFigures, ReadFigures},   {WriteCells, ReadCells},
    {WriteBuildings, ReadBuildings}, {WriteRandom, ReadRandom},     {WriteSelection, ReadSelection},
    {WriteAccount, ReadAccount},     {WriteCounters, ReadCounters}, {WriteOrders, ReadOrders},
};

// The commands whose entries carry days, and the most days one may.
bool TakesDays(TLogCommand command) {
    return command == TLogCommand::NewDay || command == TLogCommand::NewWeek ||
           command == TLogCommand::PlayOn;
}
constexpr qint32 MaxLoggedDays = 36500;
// The most entries a log may hold: two thousand years of a command a day, and
// more.
constexpr size_t MaxLogEntries = size_t{1} << 20;

void WriteLogEntry(QDataStream& out, const TLogEntry& entry) {
    out << static_cast<quint8>(entry.Command) << static_cast<quint8>(entry.Refused) << entry.Column
        << entry.Row;
    if (entry.Command == TLogCommand::Build)
        WriteText(out, entry.Type ? entry.Type->Id : QString());
    else if (TakesDays(entry.Command))
        out << static_cast<qint32>(entry.Count);
    if (const auto* quantities = std::get_if<TResources>(&entry.Detail))
        for (int32_t quantity : quantities->Items)
            out << quantity;
    else if (const auto* orders = std::get_if<TStandingOrders>(&entry.Detail))
        WriteOrderList(out, *orders);
}

TLogEntry ReadLogEntry(QDataStream& in, const TBaseTypeList& catalogue) {
    TLogEntry entry;
    quint8 command = 0;
    quint8 refused = 0;
    in >> command >> refused >> entry.Column >> entry.Row;
    if (in.status() != QDataStream::Ok)
        return entry;
    entry.Command = static_cast<TLogCommand>(command);
    if (command >= LogCommandCount || refused > static_cast<quint8>(TRefusedTax::Main) ||
        (refused != 0 && !TakesDays(entry.Command)) ||
        !TTerrainGrid::Contains(entry.Column, entry.Row))
        BadValue(QT_TRANSLATE_NOOP("SaveFile", "журнал команд"));
    entry.Refused = static_cast<TRefusedTax>(refused);
    if (entry.Command == TLogCommand::Build) {
        const QString id = ReadText(in);
        const TBaseType* type = FindBaseType(catalogue, id);
        if (in.status() == QDataStream::Ok && !type)
            Refuse(QCoreApplication::translate("SaveFile",
                                               "в каталоге строений (BASES.INI) нет типа «%1»")
                       .arg(id));
        entry.Type = type;
    } else if (TakesDays(entry.Command)) {
        in >> entry.Count;
        if (in.status() == QDataStream::Ok && (entry.Count < 0 || entry.Count > MaxLoggedDays))
            BadValue(QT_TRANSLATE_NOOP("SaveFile", "журнал команд"));
    }
    if (entry.Command == TLogCommand::Sale || entry.Command == TLogCommand::Buy) {
        TResources quantities;
        for (int32_t& quantity : quantities.Items) {
            in >> quantity;
            if (in.status() == QDataStream::Ok && quantity < 0)
                BadValue(QT_TRANSLATE_NOOP("SaveFile", "журнал команд"));
        }
        entry.Detail = quantities;
    } else if (entry.Command == TLogCommand::Orders) {
        TStandingOrders orders;
        ReadOrderList(in, orders);
        entry.Detail = orders;
    }
    return entry;
}

void WriteLog(TWriting& to, const TSavedGame& game) {
    to.Out << static_cast<quint8>(game.Log.has_value());
    if (!game.Log)
        return;
    const TColonyState& start = game.Log->Start;
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out.setVersion(StreamVersion);
        TWriting writing{out, {}, {}};
        TSavedGame colony;
        colony.Colony = start;
        for (const TStartSection& section : StartSections)
            section.Write(writing, colony);
        out << start.HistoryDays << start.TutorialStep << static_cast<quint32>(start.Goals.size());
        WriteGoals(out, start.Goals);
    }
    WriteBytes(to.Out, bytes);
    // A run of the same entry, such as a day after day, is written once with
    // its length.
    const std::vector<TLogEntry>& entries = game.Log->Entries;
    std::vector<std::pair<size_t, quint32>> runs;
    for (size_t i = 0; i < entries.size(); ++i)
        if (!runs.empty() && entries[runs.back().first] == entries[i])
            ++runs.back().second;
        else
            runs.emplace_back(i, 1);
    to.Out << static_cast<quint32>(runs.size());
    for (const auto& [first, length] : runs) {
        to.Out << length;
        WriteLogEntry(to.Out, entries[first]);
    }
}

void ReadLog(TReading& from, TSavedGame& game) {
    QDataStream& in = from.In;
    if (!Present(in, QT_TRANSLATE_NOOP("SaveFile", "журнал команд")))
        return;
    const QByteArray bytes = ReadBytes(in);
    if (in.status() != QDataStream::Ok)
        return;
    TColonyLog log;
    {
        QDataStream start(bytes);
        start.setVersion(StreamVersion);
        TReading reading{start, from.Version, from.Catalogue, from.Events, from.File, {}};
        TSavedGame colony;
        for (const TStartSection& section : StartSections)
            if (start.status() == QDataStream::Ok)
                section.Read(reading, colony);
        log.Start = std::move(colony.Colony);
        quint32 goalCount = 0;
        start >> log.Start.HistoryDays >> log.Start.TutorialStep >> goalCount;
        if (start.status() != QDataStream::Ok)
            Refuse(QCoreApplication::translate("SaveFile", "журнал команд обрезан"));
        if (log.Start.HistoryDays > game.Days.size() || goalCount != game.Colony.Goals.size() ||
            log.Start.TutorialStep > game.Scenario.TutorialStep)
            BadValue(QT_TRANSLATE_NOOP("SaveFile", "журнал команд"));
        log.Start.Goals.resize(goalCount);
        ReadGoals(start, log.Start.Goals, QT_TRANSLATE_NOOP("SaveFile", "журнал команд"));
        if (start.status() != QDataStream::Ok)
            Refuse(QCoreApplication::translate("SaveFile", "журнал команд обрезан"));
    }
    // Each run's length, and its entry's command, tax, cell and, for most,
    // nothing more.
    constexpr qint64 RunBytes = 4 + 1 + 1 + 2 + 2;
    quint32 runs = 0;
    in >> runs;
    if (in.status() != QDataStream::Ok || runs > in.device()->bytesAvailable() / RunBytes)
        return in.setStatus(QDataStream::ReadPastEnd);
    for (quint32 i = 0; i < runs && in.status() == QDataStream::Ok; ++i) {
        quint32 length = 0;
        in >> length;
        const TLogEntry entry = ReadLogEntry(in, from.Catalogue);
        if (in.status() != QDataStream::Ok)
            return;
        if (length == 0 || length > MaxLogEntries - log.Entries.size())
            BadValue(QT_TRANSLATE_NOOP("SaveFile", "журнал команд"));
        log.Entries.insert(log.Entries.end(), length, entry);
    }
    game.Colony.LogEntries = static_cast<uint32_t>(log.Entries.size());
    game.Log = std::move(log);
}

// One section of the content: the format that brought it, how it is
// written and read, and what a game of an earlier format has instead (none:
// the saved game's defaults, which begin an account, a history or a journal
// at the game's date).
struct TSaveSection {
    uint32_t Since;
    void (*Write)(TWriting& to, const TSavedGame& game);
    void (*Read)(TReading& from, TSavedGame& game);
    void (*Absent)(const TReading& from, TSavedGame& game) = nullptr;
};

// The content's sections in the file's order. A new section is a row here
// whose Since is the new format that SaveFormat::Version then names, and a
// golden save of that format.
constexpr TSaveSection SaveSections[] = {
    {3, WriteIdentity, ReadIdentity, IdentityOfBytes},
    {1, WriteLand, ReadLand},
    {1, WriteTypes, ReadTypes},
    {1, WriteFigures, ReadFigures},
    {1, WriteCells, ReadCells},
    {1, WriteBuildings, ReadBuildings},
    {1, WriteRandom, ReadRandom},
    {1, WriteSelection, ReadSelection},
    {1, WriteView, ReadView},
    {2, WriteAccount, ReadAccount},
    {2, WriteHistory, ReadHistory},
    {4, WriteCounters, ReadCounters},
    {4, WritePlay, ReadPlay},
    {5, WriteJournal, ReadJournal},
    {6, WriteOrders, ReadOrders},
    {7, WriteLog, ReadLog},
};

// Today's format writes every section.
static_assert(std::ranges::all_of(SaveSections, [](const TSaveSection& section) {
    return section.Since >= 1 && section.Since <= SaveFormat::Version;
}));

QByteArray EncodeContent(const TSavedGame& game) {
    QByteArray content;
    content.reserve(static_cast<qsizetype>(CellBytes) + std::ssize(game.Colony.Bases) * 20 + 1024);
    QDataStream out(&content, QIODevice::WriteOnly);
    out.setVersion(StreamVersion);
    TWriting writing{out, {}, {}};
    for (const TSaveSection& section : SaveSections)
        section.Write(writing, game);
    return content;
}

// The content of a file of the version: each section the version has, read
// while the stream holds out; one it has not is made by its row's Absent,
// or left at the saved game's defaults.
TSavedGame DecodeContent(QDataStream& in, uint32_t version, const TBaseTypeList& catalogue,
                         const TEventTypeList& events, const QByteArray& file) {
    TSavedGame game;
    TReading reading{in, version, catalogue, events, file, {}};
    for (const TSaveSection& section : SaveSections) {
        if (in.status() != QDataStream::Ok)
            break;
        if (section.Since <= version)
            section.Read(reading, game);
        else if (section.Absent)
            section.Absent(reading, game);
    }
    return game;
}

} // namespace

uint32_t GridChecksum(const QByteArray& grid) {
    return Crc32(grid);
}

TSavedGame SavedGameOf(const TColony& colony, TSavedLand land, QPoint view, bool sound) {
    const std::span<const THistoryDay> days = colony.History().Days();
    const std::span<const TJournalEntry> journal = colony.Journal().Entries();
    const std::span<const TLogEntry> log = colony.CommandLog().Entries();
    return {colony.TakeState(),
            {days.begin(), days.end()},
            std::move(land),
            view,
            sound,
            colony.Identity(),
            colony.ScenarioPlay(),
            {journal.begin(), journal.end()},
            TColonyLog{colony.LogStart(), {log.begin(), log.end()}}};
}

int32_t MaxSavedPeople(const TBaseTypeList& catalogue) {
    int64_t home = 0;
    for (const TBaseType& type : catalogue)
        home = std::max<int64_t>(home, type.HomePlaces);
    return ClampToInt32(std::max<int64_t>(home * TTerrainGrid::CellCount, TColonyFigures{}.People));
}

QByteArray EncodeSave(const TSavedGame& game, TPacking packing) {
    const QByteArray content = EncodeContent(game);
    // A file the game could not load again is not written.
    if (content.size() > static_cast<qsizetype>(SaveFormat::MaxContentSize))
        throw TGameError(
            QCoreApplication::translate("SaveFile", "история игры слишком длинна для сохранения"));
    // The fastest level: most of the content is the land's cells, nearly all
    // zero, which any level packs to almost nothing.
    uLongf packedSize = compressBound(static_cast<uLong>(content.size()));
    QByteArray packed(static_cast<qsizetype>(packedSize), Qt::Uninitialized);
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
                  reinterpret_cast<const Bytef*>(content.constData()),
                  static_cast<uLong>(content.size()),
                  packing == TPacking::Fast ? Z_BEST_SPEED : Z_NO_COMPRESSION) != Z_OK)
        throw TGameError(QCoreApplication::translate("SaveFile", "не хватило памяти для сжатия"));
    packed.resize(static_cast<qsizetype>(packedSize));

    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(StreamVersion);
    out.writeRawData(SaveFormat::Signature, sizeof(SaveFormat::Signature));
    out << SaveFormat::Version;
    WriteText(out, ProgramVersion());
    out << static_cast<quint32>(content.size()) << Crc32(content);
    out.writeRawData(packed.constData(), static_cast<int>(packed.size()));
    return bytes;
}

TSavedGame DecodeSave(const QByteArray& bytes, const TBaseTypeList& catalogue,
                      const TEventTypeList& events) {
    if (bytes.isEmpty())
        Refuse(QCoreApplication::translate("SaveFile", "файл пуст"));
    QDataStream in(bytes);
    in.setVersion(StreamVersion);
    char signature[sizeof(SaveFormat::Signature)] = {};
    if (in.readRawData(signature, sizeof(signature)) != sizeof(signature) ||
        !std::equal(std::begin(signature), std::end(signature), SaveFormat::Signature))
        Refuse(QCoreApplication::translate("SaveFile", "это не сохранённая игра"));
    quint32 version = 0;
    in >> version;
    // A later version may lay out even the rest of its header otherwise.
    if (in.status() == QDataStream::Ok && version > SaveFormat::Version)
        Refuse(QCoreApplication::translate("SaveFile", "файл записан более новой версией игры"));
    ReadText(in); // the version of the program that wrote it, for people
    quint32 contentSize = 0;
    quint32 crc = 0;
    in >> contentSize >> crc;
    if (in.status() != QDataStream::Ok)
        Refuse(QCoreApplication::translate("SaveFile", "файл обрезан"));
    if (version == 0)
        Refuse(QCoreApplication::translate("SaveFile", "это не сохранённая игра"));
    if (contentSize > SaveFormat::MaxContentSize)
        BadValue(QT_TRANSLATE_NOOP("SaveFile", "размер"));

    const qsizetype packedStart = bytes.size() - in.device()->bytesAvailable();
    QByteArray content(static_cast<qsizetype>(contentSize), Qt::Uninitialized);
    uLongf unpackedSize = contentSize;
    const int unpacked = uncompress(reinterpret_cast<Bytef*>(content.data()), &unpackedSize,
                                    reinterpret_cast<const Bytef*>(bytes.constData() + packedStart),
                                    static_cast<uLong>(bytes.size() - packedStart));
    if (unpacked != Z_OK || unpackedSize != contentSize)
        Refuse(QCoreApplication::translate(
            "SaveFile", "файл повреждён или обрезан: данные не распаковываются"));
    if (Crc32(content) != crc)
        Refuse(QCoreApplication::translate("SaveFile",
                                           "файл повреждён: не сходится контрольная сумма"));

    QDataStream contentIn(content);
    contentIn.setVersion(StreamVersion);
    TSavedGame game = DecodeContent(contentIn, version, catalogue, events, bytes);
    if (contentIn.status() != QDataStream::Ok)
        Refuse(QCoreApplication::translate("SaveFile", "файл повреждён: данных меньше, чем нужно"));
    if (!contentIn.atEnd())
        Refuse(QCoreApplication::translate("SaveFile", "файл повреждён: лишние данные в конце"));
    return game;
}
