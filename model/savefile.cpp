#include "savefile.h"

#include "base/numbers.h"
#include "base/paths.h"
#include "base/terrain.h"
#include "colony.h"
#include "game.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
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

// Since version 2: the land's name in full (a path may be long), the grid's
// checksum, and the files of an island that the save carries.
void WriteLand(QDataStream& out, const TSavedLand& land) {
    WriteBytes(out, land.Name.toUtf8());
    out << land.GridChecksum << static_cast<quint8>(land.Carried());
    if (land.Carried())
        for (const QByteArray* file : {&land.Grid, &land.Scene, &land.Ini})
            WriteBytes(out, *file);
}

TSavedLand ReadLand(QDataStream& in) {
    TSavedLand land;
    land.Name = QString::fromUtf8(ReadBytes(in));
    quint8 carried = 0;
    in >> land.GridChecksum >> carried;
    if (in.status() != QDataStream::Ok)
        return land;
    if (land.Name.isEmpty() || carried > 1)
        BadValue(QT_TRANSLATE_NOOP("SaveFile", "карта"));
    if (carried) {
        for (QByteArray* file : {&land.Grid, &land.Scene, &land.Ini})
            *file = ReadBytes(in);
        if (in.status() == QDataStream::Ok &&
            (land.Grid.size() < TTerrainGrid::ByteSize || Crc32(land.Grid) != land.GridChecksum))
            BadValue(QT_TRANSLATE_NOOP("SaveFile", "карта"));
    }
    return land;
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

QByteArray EncodeContent(const TSavedGame& game) {
    const TColonyState& state = game.Colony;
    // The types the buildings use, by section name, in order of first use.
    std::vector<const TBaseType*> types;
    std::vector<quint16> typeIndex;
    typeIndex.reserve(state.Bases.size());
    for (const TBaseRecord& base : state.Bases) {
        auto it = std::find(types.begin(), types.end(), base.Kind);
        if (it == types.end())
            it = types.insert(types.end(), base.Kind);
        typeIndex.push_back(static_cast<quint16>(it - types.begin()));
    }

    QByteArray content;
    content.reserve(static_cast<qsizetype>(CellBytes + state.Bases.size() * 20 + 1024));
    QDataStream out(&content, QIODevice::WriteOnly);
    out.setVersion(StreamVersion);
    // Since version 3: the game's identity first, so that it is read before
    // anything else.
    const QByteArray identity = game.Identity.toRfc4122();
    out.writeRawData(identity.constData(), static_cast<int>(identity.size()));
    WriteLand(out, game.Land);
    out << static_cast<quint16>(types.size());
    for (const TBaseType* type : types)
        WriteText(out, type->Id);
    WriteDate(out, state.Date);
    out << static_cast<quint8>(state.Season);
    out << state.Money << state.People << state.Health << state.Employed << state.Upkeep;
    for (int32_t amount : state.Stock.Items)
        out << amount;
    out << state.Purchases << state.Sales;
    std::vector<TCellState> cells(TTerrainGrid::CellCount);
    SpreadCells(state.Cells, cells);
    out.writeRawData(reinterpret_cast<const char*>(cells.data()), CellBytes);
    out << static_cast<quint32>(state.Bases.size());
    for (size_t i = 0; i < state.Bases.size(); ++i) {
        const TBaseRecord& base = state.Bases[i];
        out << typeIndex[i] << static_cast<quint16>(base.Column) << static_cast<quint16>(base.Row);
        WriteDate(out, base.Placed);
        out << static_cast<quint8>(base.Blocked) << base.Status << base.BuildDays << base.LifeDays;
    }
    for (uint64_t word : state.Random)
        out << static_cast<quint64>(word);
    out << state.SelectedColumn << state.SelectedRow;
    out << static_cast<qint32>(game.View.x()) << static_cast<qint32>(game.View.y());
    out << static_cast<quint8>(game.Sound);

    // Since version 2: the account and the history.
    const std::span<const TYearAccount> years = state.Account.Years();
    out << static_cast<quint32>(years.size()) << static_cast<quint8>(MoneyFlowCount);
    for (const TYearAccount& year : years) {
        out << static_cast<quint16>(year.Year) << static_cast<qint64>(year.Opening);
        for (int64_t flow : year.Flows)
            out << static_cast<qint64>(flow);
    }
    // The days are most of a long game's file: each is packed by hand into
    // its bytes, the same as the stream would write them, and written whole.
    out << static_cast<quint32>(game.Days.size());
    QByteArray days(static_cast<qsizetype>(game.Days.size() * DayBytes(SaveFormat::Version)),
                    Qt::Uninitialized);
    char* at = days.data();
    for (const THistoryDay& day : game.Days)
        at = PackDay(day, at);
    out.writeRawData(days.constData(), static_cast<int>(days.size()));

    // Since version 4: what the goals count, and the scenario in play.
    out << state.Counters.YearlyTaxesPaid << state.Counters.MainTaxesPaid
        << state.Counters.TaxesRefused;
    const TScenarioPlay& play = game.Scenario;
    out << static_cast<quint8>(play.Scenario != nullptr);
    if (play.Scenario) {
        WriteBytes(out, play.Scenario->Name.toUtf8());
        WriteBytes(out, play.Scenario->Source);
        out << static_cast<quint8>(play.Difficulty) << static_cast<quint8>(play.UndoUsed)
            << play.TutorialStep << static_cast<quint32>(state.Goals.size());
        for (const TGoalProgress& goal : state.Goals)
            out << static_cast<quint8>(goal.State) << goal.Held;
    }

    // Since version 5: the journal.
    out << static_cast<quint32>(game.Journal.size());
    for (const TJournalEntry& entry : game.Journal) {
        WriteDate(out, entry.Date);
        out << static_cast<quint8>(entry.Kind) << entry.Column << entry.Row;
        WriteBytes(out, entry.Text.toUtf8());
    }
    return content;
}

// The checks of a number read: in range, or the file is refused.
int32_t InRange(int32_t value, int32_t low, int32_t high, const char* what) {
    if (value < low || value > high)
        BadValue(what);
    return value;
}

// The part every version has: the colony, the selection and the view.
TSavedGame DecodeColony(QDataStream& in, uint32_t version, const TBaseTypeList& catalogue) {
    TSavedGame game;
    TColonyState& state = game.Colony;
    if (version >= 3) {
        char identity[IdentityBytes];
        if (in.readRawData(identity, IdentityBytes) != IdentityBytes)
            in.setStatus(QDataStream::ReadPastEnd);
        game.Identity = QUuid::fromRfc4122(QByteArrayView(identity, IdentityBytes));
        if (in.status() == QDataStream::Ok && game.Identity.isNull())
            BadValue(QT_TRANSLATE_NOOP("SaveFile", "игра"));
    }
    // Version 1 named its map, always "01", and nothing more.
    if (version == 1)
        game.Land.Name = ReadText(in);
    else
        game.Land = ReadLand(in);

    quint16 typeCount = 0;
    in >> typeCount;
    std::vector<const TBaseType*> types;
    for (quint16 i = 0; i < typeCount && in.status() == QDataStream::Ok; ++i) {
        const QString id = ReadText(in);
        const TBaseType* type = FindBaseType(catalogue, id);
        if (in.status() == QDataStream::Ok && !type)
            Refuse(QCoreApplication::translate("SaveFile",
                                               "в каталоге строений (BASES.INI) нет типа «%1»")
                       .arg(id));
        types.push_back(type);
    }

    state.Date = ReadDate(in);
    quint8 season = 0;
    in >> season >> state.Money >> state.People >> state.Health >> state.Employed >> state.Upkeep;
    for (int32_t& amount : state.Stock.Items)
        in >> amount;
    in >> state.Purchases >> state.Sales;
    if (in.status() != QDataStream::Ok)
        return game;
    if (season != SeasonOfMonth(state.Date.Month))
        BadValue(QT_TRANSLATE_NOOP("SaveFile", "время года"));
    state.Season = season;
    InRange(state.Money, 0, INT32_MAX, QT_TRANSLATE_NOOP("SaveFile", "деньги"));
    InRange(state.People, 0, MaxSavedPeople(catalogue), QT_TRANSLATE_NOOP("SaveFile", "люди"));
    InRange(state.Health, 0, TGame::MaxHealth, QT_TRANSLATE_NOOP("SaveFile", "здоровье"));
    InRange(state.Employed, 0, INT32_MAX, QT_TRANSLATE_NOOP("SaveFile", "занятые"));
    InRange(state.Upkeep, 0, INT32_MAX, QT_TRANSLATE_NOOP("SaveFile", "содержание"));
    InRange(state.Purchases, 0, INT32_MAX, QT_TRANSLATE_NOOP("SaveFile", "покупки"));
    InRange(state.Sales, 0, INT32_MAX, QT_TRANSLATE_NOOP("SaveFile", "продажи"));

    std::vector<TCellState> cells(TTerrainGrid::CellCount);
    if (in.readRawData(reinterpret_cast<char*>(cells.data()), CellBytes) !=
        static_cast<int>(CellBytes))
        in.setStatus(QDataStream::ReadPastEnd);
    for (const TCellState& cell : cells)
        if (cell.Improved > 1 || cell.Ruins > RuinsDays)
            BadValue(QT_TRANSLATE_NOOP("SaveFile", "клетка"));
    RecordCells(cells, state.Cells);

    quint32 baseCount = 0;
    in >> baseCount;
    if (baseCount > static_cast<quint32>(TTerrainGrid::CellCount))
        BadValue(QT_TRANSLATE_NOOP("SaveFile", "число строений"));
    state.Bases.reserve(in.status() == QDataStream::Ok ? baseCount : 0);
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
            break;
        if (type >= types.size() || !TTerrainGrid::Contains(column, row) || blocked > 1 ||
            base.Status > (bsLacksGoods | bsLacksWorkers) || base.BuildDays < 0 ||
            base.LifeDays < 0 || taken[column * MapRows + row])
            BadValue(QT_TRANSLATE_NOOP("SaveFile", "строение"));
        taken[column * MapRows + row] = true;
        base.Kind = types[type];
        base.Column = static_cast<int16_t>(column);
        base.Row = static_cast<int16_t>(row);
        base.Blocked = blocked != 0;
        state.Bases.push_back(base);
    }

    for (uint64_t& word : state.Random) {
        quint64 value = 0;
        in >> value;
        word = value;
    }
    qint32 viewX = 0;
    qint32 viewY = 0;
    quint8 sound = 0; // the player's setting now: read past
    in >> state.SelectedColumn >> state.SelectedRow >> viewX >> viewY >> sound;
    if (in.status() != QDataStream::Ok)
        return game;
    if (state.Random == TRandomState{})
        BadValue(QT_TRANSLATE_NOOP("SaveFile", "случайные числа"));
    if (!TTerrainGrid::Contains(state.SelectedColumn, state.SelectedRow))
        BadValue(QT_TRANSLATE_NOOP("SaveFile", "выбранная клетка"));
    game.View = QPoint(InRange(viewX, 0, WorldSize, QT_TRANSLATE_NOOP("SaveFile", "вид карты")),
                       InRange(viewY, 0, WorldSize, QT_TRANSLATE_NOOP("SaveFile", "вид карты")));
    return game;
}

// Since version 2: the account and the history, each in time order and none
// of it after the game's date.
void DecodeChronicle(QDataStream& in, uint32_t version, TSavedGame& game) {
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

    quint32 dayCount = 0;
    in >> dayCount;
    // A count the data cannot hold is not believed before memory is taken
    // for it.
    const int dayBytes = DayBytes(version);
    if (in.status() != QDataStream::Ok || dayCount > in.device()->bytesAvailable() / dayBytes)
        return in.setStatus(QDataStream::ReadPastEnd);
    game.Days.reserve(dayCount);
    for (quint32 i = 0; i < dayCount && in.status() == QDataStream::Ok; ++i) {
        char bytes[DayBytes(SaveFormat::Version)];
        if (in.readRawData(bytes, dayBytes) != dayBytes) {
            in.setStatus(QDataStream::ReadPastEnd);
            return;
        }
        const THistoryDay day = UnpackDay(bytes, version);
        if (day.Date > state.Date || (!game.Days.empty() && day.Date <= game.Days.back().Date))
            BadValue(QT_TRANSLATE_NOOP("SaveFile", "история"));
        game.Days.push_back(day);
    }
    state.HistoryDays = static_cast<uint32_t>(game.Days.size());
}

// Since version 4: the goals' counters and the scenario, read again from the
// file it carries and checked against the progress saved with it.
void DecodeScenario(QDataStream& in, const TBaseTypeList& catalogue, TSavedGame& game) {
    TColonyState& state = game.Colony;
    TGoalCounters& counters = state.Counters;
    quint8 played = 0;
    in >> counters.YearlyTaxesPaid >> counters.MainTaxesPaid >> counters.TaxesRefused >> played;
    if (in.status() != QDataStream::Ok || played == 0)
        return;
    if (played != 1 || counters.YearlyTaxesPaid < 0 || counters.MainTaxesPaid < 0 ||
        counters.TaxesRefused < 0)
        BadValue(QT_TRANSLATE_NOOP("SaveFile", "сценарий"));
    const QString name = QString::fromUtf8(ReadBytes(in));
    const QByteArray source = ReadBytes(in);
    quint8 difficulty = 0;
    quint8 undoUsed = 0;
    quint32 step = 0;
    quint32 goalCount = 0;
    in >> difficulty >> undoUsed >> step >> goalCount;
    if (in.status() != QDataStream::Ok)
        return;
    TScenarioReading reading = ReadScenario(source, name, catalogue);
    if (!reading.Scenario)
        Refuse(QCoreApplication::translate("SaveFile", "сценарий игры не читается: %1")
                   .arg(reading.Errors.value(0)));
    const TScenario& scenario = *reading.Scenario;
    if (difficulty >= DifficultyCount || undoUsed > 1 || step > scenario.Tutorial.size() ||
        goalCount != scenario.Goals.size())
        BadValue(QT_TRANSLATE_NOOP("SaveFile", "сценарий"));
    state.Goals.resize(goalCount);
    for (TGoalProgress& goal : state.Goals) {
        quint8 goalState = 0;
        in >> goalState >> goal.Held;
        if (goalState > static_cast<quint8>(TGoalState::Failed))
            BadValue(QT_TRANSLATE_NOOP("SaveFile", "цели"));
        goal.State = static_cast<TGoalState>(goalState);
    }
    if (in.status() == QDataStream::Ok && !TGoalBook(scenario.Goals).Assign(state.Goals))
        BadValue(QT_TRANSLATE_NOOP("SaveFile", "цели"));
    game.Scenario = {std::make_shared<const TScenario>(std::move(*reading.Scenario)),
                     static_cast<TDifficulty>(difficulty), undoUsed != 0, step};
}

// Since version 5: the journal, in time order and none of it after the
// game's date; an entry's cell is on the map or none.
void DecodeJournal(QDataStream& in, TSavedGame& game) {
    // Its date, kind, cell and the length of its text.
    constexpr qint64 EntryBytes = 4 + 1 + 2 + 2 + 4;
    quint32 count = 0;
    in >> count;
    if (in.status() != QDataStream::Ok || count > in.device()->bytesAvailable() / EntryBytes)
        return in.setStatus(QDataStream::ReadPastEnd);
    game.Journal.reserve(count);
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
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

} // namespace

uint32_t GridChecksum(const QByteArray& grid) {
    return Crc32(grid);
}

TSavedGame SavedGameOf(const TColony& colony, TSavedLand land, QPoint view, bool sound) {
    const std::span<const THistoryDay> days = colony.History().Days();
    const std::span<const TJournalEntry> journal = colony.Journal().Entries();
    return {colony.TakeState(),
            {days.begin(), days.end()},
            std::move(land),
            view,
            sound,
            colony.Identity(),
            colony.ScenarioPlay(),
            {journal.begin(), journal.end()}};
}

int32_t MaxSavedPeople(const TBaseTypeList& catalogue) {
    int64_t home = 0;
    for (const TBaseType& type : catalogue)
        home = std::max<int64_t>(home, type.HomePlaces);
    return ClampToInt32(std::max<int64_t>(home * TTerrainGrid::CellCount, TColonyFigures{}.People));
}

QByteArray EncodeSave(const TSavedGame& game) {
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
                  static_cast<uLong>(content.size()), Z_BEST_SPEED) != Z_OK)
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

TSavedGame DecodeSave(const QByteArray& bytes, const TBaseTypeList& catalogue) {
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
    // Version 1 ends after the colony; a game saved then has no account or
    // history yet, and both begin at its date.
    TSavedGame game = DecodeColony(contentIn, version, catalogue);
    if (version >= 2 && contentIn.status() == QDataStream::Ok)
        DecodeChronicle(contentIn, version, game);
    if (version >= 4 && contentIn.status() == QDataStream::Ok)
        DecodeScenario(contentIn, catalogue, game);
    if (version >= 5 && contentIn.status() == QDataStream::Ok)
        DecodeJournal(contentIn, game);
    if (contentIn.status() != QDataStream::Ok)
        Refuse(QCoreApplication::translate("SaveFile", "файл повреждён: данных меньше, чем нужно"));
    if (!contentIn.atEnd())
        Refuse(QCoreApplication::translate("SaveFile", "файл повреждён: лишние данные в конце"));
    if (version < 3)
        game.Identity = QUuid::createUuidV5(EarlySaves, bytes);
    return game;
}

namespace {

// A save killed after its new file got a name of its own and before that
// file replaced the old one leaves it beside the save, named as the save
// with a dot and six letters or digits; the next save of that name clears it.
void RemoveLeftovers(const QFileInfo& save) {
    QDir folder = save.absoluteDir();
    const QString prefix = save.fileName() + u'.';
    for (const QString& name : folder.entryList({prefix + QStringLiteral("??????")}, QDir::Files)) {
        const QStringView tail = QStringView(name).mid(prefix.size());
        if (std::ranges::all_of(tail,
                                [](QChar c) { return c.isLetterOrNumber() && c.unicode() < 128; }))
            folder.remove(name);
    }
}

} // namespace

void WriteSaveFile(const QString& path, const TSavedGame& game,
                   const std::function<void()>& beforeCommit) {
    const auto fail = [&path](const QString& reason) {
        throw TGameError(
            QCoreApplication::translate("SaveFile", "Не удалось сохранить игру в файл %1: %2.")
                .arg(QDir::toNativeSeparators(path), reason));
    };
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        fail(QCoreApplication::translate("SaveFile", "не удалось создать папку %1")
                 .arg(info.absolutePath()));
    if (info.isDir())
        fail(QCoreApplication::translate("SaveFile", "это папка, а не файл"));
    QByteArray bytes;
    try {
        bytes = EncodeSave(game);
    } catch (const TGameError& error) {
        fail(error.Text());
    }
    RemoveLeftovers(info);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        fail(QCoreApplication::translate("SaveFile", "файл не открывается для записи (%1)")
                 .arg(file.errorString()));
    // The write goes through a buffer: a full disk shows only when it is
    // flushed, and the file must not be committed then.
    if (file.write(bytes) != bytes.size() || !file.flush())
        fail(QCoreApplication::translate("SaveFile", "запись не удалась (%1)")
                 .arg(file.errorString()));
    try {
        if (beforeCommit)
            beforeCommit();
    } catch (const std::exception& e) {
        fail(QString::fromStdString(e.what()));
    }
    if (!file.commit())
        fail(QCoreApplication::translate("SaveFile", "запись не удалась (%1)")
                 .arg(file.errorString()));
}

TGameError LoadFailure(const QString& path, const QString& reason) {
    return TGameError(
        QCoreApplication::translate("SaveFile", "Не удалось загрузить игру из файла %1: %2.")
            .arg(QDir::toNativeSeparators(path), reason));
}

TSavedGame ReadSaveFile(const QString& path, const TBaseTypeList& catalogue) {
    const auto fail = [&path](const QString& reason) { throw LoadFailure(path, reason); };
    const QFileInfo info(path);
    if (!info.exists()) {
        // A file in a folder the player may not open looks as if it were not
        // there: say which it is.
        const QFileInfo folder(info.absolutePath());
        if (folder.isDir() && !(folder.isReadable() && folder.isExecutable()))
            fail(QCoreApplication::translate("SaveFile", "нет доступа к папке %1")
                     .arg(QDir::toNativeSeparators(folder.absoluteFilePath())));
        fail(QCoreApplication::translate("SaveFile", "файла нет"));
    }
    if (info.isDir())
        fail(QCoreApplication::translate("SaveFile", "это папка, а не файл"));
    // No saved game comes near this size; a larger file is not read into memory.
    if (info.size() > static_cast<qint64>(SaveFormat::MaxContentSize))
        fail(QCoreApplication::translate("SaveFile", "это не сохранённая игра"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(QCoreApplication::translate("SaveFile", "файл не читается (%1)")
                 .arg(file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        fail(QCoreApplication::translate("SaveFile", "файл не читается (%1)")
                 .arg(file.errorString()));
    try {
        return DecodeSave(bytes, catalogue);
    } catch (const TGameError& error) {
        fail(error.Text());
    }
    return {};
}

QString SaveFolder() {
    const QString chosen = qEnvironmentVariable("TARVENIA_SAVE_DIR");
    if (!chosen.isEmpty())
        return chosen;
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("tarvenia"));
}

QString LatestSave(const QString& folder) {
    const QFileInfoList saves =
        QDir(folder).entryInfoList({QStringLiteral("*.dat")}, QDir::Files, QDir::Time);
    return saves.isEmpty() ? QString() : saves.front().absoluteFilePath();
}
