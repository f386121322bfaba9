// Saved games and undo: what is written reads back exactly, every damaged
// file is refused with its reason, a failed write keeps the old file, and
// commands are taken back and played again with the generator's state.
#include "rules_fixture.h"

#include "base/crashguard.h"

#include "model/messages.h"
#include "model/random.h"
#include "model/savefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtEndian>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

class SavedGame : public ::testing::Test, public TRulesFixture {
protected:
    // A colony with something of everything a save holds.
    TSavedGame Played() {
        Select(11, 10);
        Colony.Build(Catalogue[1]);
        Place(2, 12, 10).Blocked = true;
        Place(4, 40, 40, false).LifeDays = 3;
        Game().Cell(50, 60).Improved = 1;
        Game().Cell(51, 60).Ruins = 7;
        Game().Stock[gdWood] = -4;
        Game().Purchases = 1234;
        Game().Random.Seed(99);
        Colony.NewWeek();
        return SavedGameOf(Colony, TSavedLand::Named("01", 0x1234), QPoint(2500, 2400), false);
    }

    TSavedGame Decode(const QByteArray& bytes) { return DecodeSave(bytes, Catalogue, Events); }

    // The reason a damaged file is refused with.
    QString Refusal(const QByteArray& bytes) {
        try {
            Decode(bytes);
        } catch (const TGameError& error) {
            return error.Text();
        }
        return QStringLiteral("<loaded>");
    }
};

TEST_F(SavedGame, ReadsBackExactlyWhatWasWritten) {
    const TSavedGame saved = Played();
    const TSavedGame read = Decode(EncodeSave(saved));
    EXPECT_EQ(read.Colony, saved.Colony);
    EXPECT_EQ(read.Days, saved.Days);
    EXPECT_EQ(read.Days.size(), 7u);
    EXPECT_EQ(read.Land, saved.Land);
    EXPECT_EQ(read.View, saved.View);
    EXPECT_TRUE(read.Sound) << "the sound switch is the player's setting, not the save's";
    EXPECT_EQ(read.Identity, Colony.Identity());

    // Loaded into a new colony, the game goes on exactly as the saved one,
    // whatever the generator drew in between.
    Colony.NewWeek();
    const TColonyState week = Colony.TakeState();
    TRulesFixture other;
    TSavedGame loaded = DecodeSave(EncodeSave(saved), other.Catalogue, other.Events);
    other.Colony.LoadState(loaded.Colony, std::move(loaded.Days), loaded.Identity, loaded.Scenario);
    EXPECT_EQ(other.Colony.Identity(), Colony.Identity());
    other.Colony.NewWeek();
    // The records of the buildings point into each fixture's own catalogue.
    const TColonyState again = other.Colony.TakeState();
    EXPECT_EQ(static_cast<const TColonyFigures&>(again), static_cast<const TColonyFigures&>(week));
    EXPECT_EQ(again.Cells, week.Cells);
    EXPECT_EQ(again.Bases.size(), week.Bases.size());
    EXPECT_EQ(again.Random, week.Random);
    EXPECT_TRUE(std::ranges::equal(other.Colony.History().Days(), Colony.History().Days()));

    TRulesFixture fresh;
    EXPECT_LE(EncodeSave(SavedGameOf(fresh.Colony, TSavedLand::Named("01"), {}, true)).size(),
              64 * 1024);
}

// A game in which every field of every section differs from its default
// comes back whole: a field a section forgets to write or read shows here.
TEST_F(SavedGame, EveryFieldOfEverySectionComesBack) {
    TSavedGame game;
    TColonyState& state = game.Colony;
    state.Date = {1893, 7, 14};
    state.Season = ssSummer;
    state.Employed = 5;
    state.Health = 900;
    state.Money = 12345;
    state.People = 77;
    state.Upkeep = 9;
    for (int good = 0; good < GoodsCount; ++good)
        state.Stock[good] = good % 2 ? good + 1 : -good - 1;
    state.Purchases = 11;
    state.Sales = 22;
    TYearAccount year{1891, 500, {}};
    for (int flow = 0; flow < MoneyFlowCount; ++flow)
        year.Flows[flow] = IsIncome(static_cast<TMoneyFlow>(flow)) ? flow + 1 : -flow - 1;
    TYearAccount later = year;
    later.Year = 1893;
    later.Opening = 600;
    state.Account.Assign({year, later});
    state.Random = {1, 2, 3, 4};
    state.SelectedColumn = 17;
    state.SelectedRow = 23;
    state.Counters = {3, 2, 1};
    state.Cells = {{5, {1, 0}}, {MapRows * 3 + 4, {0, 7}}, {MapRows * 9, {1, 3}}};
    state.Bases = {
        {{{1892, 5, 6}, true, bsLacksGoods | bsLacksWorkers, 4, 300}, &Catalogue[1], 40, 41},
        {{{1893, 1, 2}, false, bsLacksWorkers, 0, 20}, &Catalogue[3], 42, 43}};

    for (int i = 0; i < 2; ++i) {
        THistoryDay day;
        day.Date = {1893, 7, static_cast<int8_t>(12 + i)};
        int64_t value = 100 * (i + 1);
        for (const THistoryField& field : HistoryFields)
            for (int column = 0; column < field.Columns; ++column)
                field.Set(day, column, ++value);
        game.Days.push_back(day);
    }
    state.HistoryDays = 2;

    TScenarioReading reading = ReadScenario(
        "[Scenario]\nTitle=Проба\n[Goal1]\nText=Сто человек\nFigure=people\nValue=100\nHeld=5\n"
        "[Failure1]\nText=Налог\nFigure=refusedtaxes\nValue=1\n"
        "[Step1]\nText=Выберите клетку\nDo=select\n[Step2]\nText=Неделя\nDo=Week\n",
        "проба", Catalogue, Events);
    ASSERT_TRUE(reading.Scenario) << reading.Errors.join('\n').toStdString();
    game.Scenario = {std::make_shared<const TScenario>(std::move(*reading.Scenario)),
                     TDifficulty::Hard, true, 1};
    state.Goals = {{TGoalState::Done, 3}, {TGoalState::Failed, 1}};
    state.TutorialStep = 1;

    game.Journal = {{{1892, 3, 1}, TJournalKind::Tax, 7, 8, "Налоги"},
                    {{1893, 7, 13}, TJournalKind::Goal, -1, -1, "Цель"}};
    state.JournalEntries = 2;
    state.Orders[gdFood] = TStandingOrder{100, 200};
    state.Orders[gdEnergy] = TStandingOrder{0, TStandingOrder::MaxBound};
    const QByteArray grid(TTerrainGrid::ByteSize, '\x01');
    game.Land = {"random:5", GridChecksum(grid), grid, "scene", "ini"};
    game.View = QPoint(321, 654);
    game.Sound = false;
    game.Identity = QUuid(QStringLiteral("{0b5c9e2a-41d7-4f3e-8a61-5d2c7b9e0f14}"));
    // The log from a colony of its own, with an entry of every command.
    TColonyLog log{state, {}};
    log.Start.Money = 777;
    log.Start.HistoryDays = 1;
    log.Start.Goals = {{TGoalState::Open, 0}, {TGoalState::Open, 2}};
    log.Start.TutorialStep = 0;
    log.Start.JournalEntries = 0; // the journal is not played again
    for (int command = 0; command < LogCommandCount; ++command) {
        TLogEntry entry{.Command = static_cast<TLogCommand>(command),
                        .Column = static_cast<int16_t>(command),
                        .Row = static_cast<int16_t>(command + 1)};
        switch (entry.Command) {
        case TLogCommand::Build:
            entry.Type = &Catalogue[2];
            break;
        case TLogCommand::Sale:
        case TLogCommand::Buy:
            entry.Detail = TResources{{1, 2, 3, 4, 5, 6, 7, 8, 1000000}};
            break;
        case TLogCommand::Orders:
            entry.Detail = state.Orders;
            break;
        case TLogCommand::NewWeek:
        case TLogCommand::PlayOn:
            entry.Count = 5 + command;
            entry.Refused = command % 2 ? TRefusedTax::Main : TRefusedTax::Yearly;
            break;
        default:
            break;
        }
        log.Entries.push_back(entry);
    }
    state.LogEntries = LogCommandCount;
    game.Log = log;

    const TSavedGame read = Decode(EncodeSave(game));
    ASSERT_TRUE(read.Log);
    EXPECT_EQ(read.Log->Start, game.Log->Start);
    EXPECT_EQ(read.Log->Entries, game.Log->Entries);
    EXPECT_EQ(read.Colony, game.Colony);
    EXPECT_EQ(read.Days, game.Days);
    EXPECT_EQ(read.Land, game.Land);
    EXPECT_EQ(read.View, game.View);
    EXPECT_TRUE(read.Sound) << "the sound switch is the player's setting, not the save's";
    EXPECT_EQ(read.Identity, game.Identity);
    EXPECT_EQ(read.Journal, game.Journal);
    ASSERT_TRUE(read.Scenario.Scenario);
    EXPECT_EQ(read.Scenario.Scenario->Name, game.Scenario.Scenario->Name);
    EXPECT_EQ(read.Scenario.Scenario->Source, game.Scenario.Scenario->Source);
    EXPECT_EQ(read.Scenario.Difficulty, game.Scenario.Difficulty);
    EXPECT_EQ(read.Scenario.UndoUsed, game.Scenario.UndoUsed);
    EXPECT_EQ(read.Scenario.TutorialStep, game.Scenario.TutorialStep);
}

TEST_F(SavedGame, EveryDamagedFileIsRefusedWithItsReason) {
    const TSavedGame good = Played();
    const QByteArray bytes = EncodeSave(good);
    // The header: signature, version, program version, size, checksum.
    const qsizetype crcAt = 8 + 4 + 1 + bytes[12] + 4;
    const auto with = [&bytes](const std::function<void(QByteArray&)>& damage) {
        QByteArray damaged = bytes;
        damage(damaged);
        return damaged;
    };
    const auto changed = [&good](const std::function<void(TSavedGame&)>& change) {
        TSavedGame game = good;
        change(game);
        return EncodeSave(game);
    };
    const struct {
        const char* what;
        QByteArray bytes;
        const char* reason;
    } cases[] = {
        {"empty", QByteArray(), "файл пуст"},
        {"another file", "<html></html>", "это не сохранённая игра"},
        {"cut in the header", bytes.left(15), "файл обрезан"},
        {"cut in the data", bytes.left(bytes.size() - 9), "не распаковываются"},
        {"a byte of the data changed", with([](QByteArray& b) { b[b.size() / 2] ^= 0x40; }),
         "файл повреждён"},
        {"checksum", with([crcAt](QByteArray& b) { b[crcAt] ^= 1; }), "контрольная сумма"},
        {"newer format", with([](QByteArray& b) { b[11] = SaveFormat::Version + 1; }),
         "более новой версией"},
        {"format 0", with([](QByteArray& b) { b[11] = 0; }), "это не сохранённая игра"},
        {"huge size",
         with([crcAt](QByteArray& b) { qToBigEndian<quint32>(~0u, b.data() + crcAt - 4); }),
         "размер"},
        {"a carried grid not its checksum's",
         changed([](TSavedGame& g) { g.Land.Grid = QByteArray(TTerrainGrid::ByteSize, 'x'); }),
         "карта"},
        {"negative money", changed([](TSavedGame& g) { g.Colony.Money = -1; }), "деньги"},
        {"an order's floor above its ceiling", changed([](TSavedGame& g) {
             g.Colony.Orders[gdWood] = TStandingOrder{5, 4};
         }),
         "заказы"},
        {"health", changed([](TSavedGame& g) { g.Colony.Health = 1001; }), "здоровье"},
        {"more people than the map could house",
         changed([this](TSavedGame& g) { g.Colony.People = MaxSavedPeople(Catalogue) + 1; }),
         "люди"},
        {"no identity", changed([](TSavedGame& g) { g.Identity = QUuid(); }), "игра"},
        {"30 February", changed([](TSavedGame& g) {
             g.Colony.Date = {1891, 2, 30};
         }),
         "дата"},
        {"before the founding", changed([](TSavedGame& g) {
             g.Colony.Date = {1889, 3, 1};
         }),
         "дата"},
        {"season of another month", changed([](TSavedGame& g) { g.Colony.Season = ssWinter; }),
         "время года"},
        {"ruins", changed([](TSavedGame& g) {
             g.Colony.Cells.push_back({5, {0, 13}});
         }),
         "клетка"},
        {"building off the map", changed([](TSavedGame& g) { g.Colony.Bases[1].Column = MapCols; }),
         "строение"},
        {"two buildings on a cell",
         changed([](TSavedGame& g) { g.Colony.Bases.push_back(g.Colony.Bases[1]); }), "строение"},
        {"building past its life", changed([](TSavedGame& g) { g.Colony.Bases[1].LifeDays = -1; }),
         "строение"},
        {"more buildings than cells", changed([](TSavedGame& g) {
             g.Colony.Bases.resize(MapCols * MapRows + 1, g.Colony.Bases[0]);
         }),
         "число строений"},
        {"no random state", changed([](TSavedGame& g) { g.Colony.Random = {}; }), "случайные"},
        {"selection", changed([](TSavedGame& g) { g.Colony.SelectedRow = -1; }), "клетка"},
        {"view", changed([](TSavedGame& g) { g.View.setX(WorldSize + 1); }), "вид карты"},
        {"account after the date", changed([](TSavedGame& g) {
             g.Colony.Account.Assign({{1990, 0, {}}});
         }),
         "счёт"},
        {"a counter below zero in a free game",
         changed([](TSavedGame& g) { g.Colony.Counters.TaxesRefused = -1; }), "сценарий"},
        {"a day twice", changed([](TSavedGame& g) { g.Days.push_back(g.Days.back()); }), "история"},
        {"a journal entry after the date", changed([](TSavedGame& g) {
             g.Journal.push_back({{1990, 1, 1}, TJournalKind::Event, -1, -1, "x"});
         }),
         "журнал"},
        {"a journal entry off the map", changed([](TSavedGame& g) {
             g.Journal.push_back({g.Colony.Date, TJournalKind::Error, MapCols, 0, "x"});
         }),
         "журнал"},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(Refusal(c.bytes).contains(QString::fromUtf8(c.reason)))
            << c.what << ": " << Refusal(c.bytes).toStdString();

    // A type the catalogue no longer has.
    TBaseTypeList renamed = Catalogue;
    renamed[1].Id = "Mill";
    EXPECT_THROW(
        {
            try {
                DecodeSave(bytes, renamed, Events);
            } catch (const TGameError& e) {
                EXPECT_EQ(e.Text(),
                          QString::fromUtf8("в каталоге строений (BASES.INI) нет типа «Farm»"));
                throw;
            }
        },
        TGameError);
}

TEST_F(SavedGame, FilesNameThemselvesInTheirErrorsAndAFailedWriteKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("Save.dat");
    const QString nothing = QDir(dir.path()).filePath("none.dat");
    const auto loadError = [this](const QString& file) {
        try {
            ReadSaveFile(file, Catalogue, Events);
        } catch (const TGameError& error) {
            return error.Text();
        }
        return QStringLiteral("<loaded>");
    };
    EXPECT_EQ(loadError(nothing),
              QString::fromUtf8("Не удалось загрузить игру из файла %1: файла нет.").arg(nothing));
    EXPECT_TRUE(loadError(dir.path()).endsWith(QString::fromUtf8(": это папка, а не файл.")));

    // What a save killed mid-way left beside the file goes with the next
    // save of it; other files stay.
    for (const char* name : {"Save.dat.Ab12Cd", "Save.dat.notes", "Save.dat.Ab12Cd.txt"}) {
        QFile other(QDir(dir.path()).filePath(name));
        ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    }
    WriteSaveFile(path, Played());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files, QDir::Name),
              QStringList({"Save.dat", "Save.dat.Ab12Cd.txt", "Save.dat.notes"}));
    for (const char* name : {"Save.dat.notes", "Save.dat.Ab12Cd.txt"})
        QFile::remove(QDir(dir.path()).filePath(name));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    Colony.NewWeek();
    EXPECT_THROW(WriteSaveFile(path, SavedGameOf(Colony, TSavedLand::Named("01"), {}, true),
                               [] { throw TGameError(QStringLiteral("диск полон")); }),
                 TGameError);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"Save.dat"}));
}

// A game that dies leaves the game of its last finished command, which
// loads, and a log that says why, in place of an older pair; one that dies
// while writing them leaves the older pair whole.
TEST_F(SavedGame, ACrashLeavesTheLastCommandsGameAndALogInPlaceOfTheOlderPair) {
    QTemporaryDir dir;
    const QDir folder(dir.path());
    const auto read = [&folder](const char* name) {
        QFile file(folder.filePath(QLatin1String(name)));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
    };
    TSavedGame game = Played();
    game.Journal.push_back({Game().Date, TJournalKind::Event, 3, 4, "Пожар\nна лесопилке"});
    game.Colony.JournalEntries = 1;
    // Each crash is a child that prepares the game and then dies as told.
    const auto crash = [&](const std::function<void()>& die) {
        const pid_t child = fork();
        if (child == 0) {
            CrashGuard::Install(folder.path());
            KeepForCrash(game);
            die();
            _exit(0);
        }
        int status = 0;
        waitpid(child, &status, 0);
        return status;
    };
    // The child ends as the signal ends it, or as a sanitizer's report of
    // it does (SIGABRT).
    const int segv = crash([] { raise(SIGSEGV); });
    ASSERT_TRUE(WIFSIGNALED(segv));
    EXPECT_TRUE(WTERMSIG(segv) == SIGSEGV || WTERMSIG(segv) == SIGABRT) << WTERMSIG(segv);
    const TSavedGame crashed = Decode(read(CrashGuard::SaveName));
    EXPECT_EQ(crashed.Colony, game.Colony);
    ASSERT_TRUE(crashed.Log && game.Log);
    EXPECT_EQ(crashed.Log->Entries, game.Log->Entries);
    const QString log = QString::fromUtf8(read(CrashGuard::LogName));
    EXPECT_TRUE(log.startsWith("Tarvenia ")) << log.toStdString();
    EXPECT_TRUE(log.contains("\ncause: signal SIGSEGV\n"));
    EXPECT_TRUE(log.contains("backtrace:\n"));
    EXPECT_TRUE(log.endsWith("\n" + DateText(Game().Date) + ": Пожар на лесопилке\n"))
        << log.toStdString();

    // Out of a thread's function nothing catches it.
    const int thrown =
        crash([] { std::thread([] { throw std::runtime_error("колония потеряна"); }).join(); });
    ASSERT_TRUE(WIFSIGNALED(thrown));
    EXPECT_EQ(WTERMSIG(thrown), SIGABRT);
    EXPECT_TRUE(QString::fromUtf8(read(CrashGuard::LogName))
                    .contains("\ncause: uncaught exception: колония потеряна\n"));
    EXPECT_EQ(folder.entryList(QDir::Files, QDir::Name), QStringList({"Crash.dat", "Crash.log"}));
    // Qt gives up on the game: its message is the cause, not the abort after it.
    const int fatal = crash([] { qFatal("%s", "карта без земли"); });
    ASSERT_TRUE(WIFSIGNALED(fatal));
    EXPECT_TRUE(QString::fromUtf8(read(CrashGuard::LogName))
                    .contains("\ncause: Qt fatal message: карта без земли\n"));

    // The save's new bytes cannot be written: the older pair stays.
    const QByteArray save = read(CrashGuard::SaveName);
    const QByteArray older = read(CrashGuard::LogName);
    ASSERT_TRUE(folder.mkdir("Crash.dat.part"));
    game = Played();
    crash([] { raise(SIGBUS); });
    EXPECT_EQ(read(CrashGuard::SaveName), save);
    EXPECT_EQ(read(CrashGuard::LogName), older);
    EXPECT_FALSE(folder.exists("Crash.log.part"));
}

class Undo : public ::testing::Test, public TRulesFixture {};

TEST_F(Undo, TakesBackWhatChangedTheGameAndPlaysItAgainWithTheSameLuck) {
    EXPECT_EQ(Colony.Undo(), QString::fromUtf8(Msg::NothingToUndo));
    Select(11, 10);
    const TColonyState start = Colony.TakeState();
    Colony.Build(Catalogue[1]);
    Colony.Build(Catalogue[1]); // the place is taken: nothing to take back
    const TColonyState built = Colony.TakeState();
    Colony.NewWeek();
    const TColonyState week = Colony.TakeState();
    EXPECT_EQ(Colony.UndoSteps().UndoCount(), 2u);

    EXPECT_EQ(Colony.Undo(), QString::fromUtf8("Отменено: новая неделя"));
    EXPECT_EQ(Colony.TakeState(), built);
    Colony.NewWeek(); // the same days again
    EXPECT_EQ(Colony.TakeState(), week);
    Colony.Undo();
    EXPECT_EQ(Colony.Undo(), QString::fromUtf8("Отменено: строительство"));
    EXPECT_EQ(Colony.TakeState(), start);
    EXPECT_EQ(Colony.Redo(), QString::fromUtf8("Повторено: строительство"));
    EXPECT_EQ(Colony.TakeState(), built);

    // Something new: what was taken back cannot be played again.
    Select(15, 15);
    Colony.ImproveLand();
    EXPECT_EQ(Colony.Redo(), QString::fromUtf8(Msg::NothingToRedo));
    for (int i = 0; i < 150; ++i)
        Colony.MoneyGesture(true, true);
    EXPECT_EQ(Colony.UndoSteps().UndoCount(), TUndoHistory::MaxSteps);
    const uint64_t revision = Colony.Revision();
    Colony.NewGame(StartCol, StartRow);
    EXPECT_GT(Colony.Revision(), revision);
    EXPECT_EQ(Colony.UndoSteps().UndoCount(), 0u);
}

// Each kind of step, on a seeded colony with ruins, improved land and a
// building under way, goes back to exactly the colony before it and forward
// to exactly the colony after it; then the last ten go back and forth in a row.
TEST_F(Undo, EveryKindOfStepLeadsBackAndForthToTheSameColony) {
    Game().Random.Seed(2024);
    Place(1, 11, 10, false);
    Place(2, 12, 10).LifeDays = 100;
    Place(3, 20, 10).LifeDays = 0; // falls on the next day
    Place(3, 20, 11).LifeDays = 2; // and this one in the week after it
    Game().Cell(12, 10).Improved = 1;
    Game().Cell(13, 12).Ruins = 5;
    Game().Stock[gdWood] = 50;
    const auto deal = [this](bool sale, int good) {
        return [this, sale, good] {
            Window.OnMarket = [good](TMarketDialog& dialog) {
                dialog.SetFieldText(good, "5");
                dialog.Ok();
            };
            Colony.Market(sale);
        };
    };
    const struct {
        int col, row;
        std::function<void()> command;
        int newBuildings;
    } steps[] = {
        {11, 11, [this] { Colony.Build(Catalogue[1]); }, 1},
        {15, 15, [this] { Colony.ImproveLand(); }, 0},
        {12, 10, [this] { Colony.Restore(); }, 0},
        {11, 10, [this] { Colony.Block(); }, 0},
        {11, 10, deal(true, gdWood), 0},
        {11, 10, deal(false, gdFood), 0},
        {11, 10, [this] { Colony.MoneyGesture(true, true); }, 0},
        {11, 10, [this] { Colony.NewDay(); }, -1},
        {11, 10, [this] { Colony.NewWeek(); }, -1},
        {11, 10, [this] { Colony.RestoreAll(); }, 0},
        {11, 11, [this] { Colony.Demolish(); }, -1},
    };
    std::vector<TColonyState> befores;
    std::vector<TColonyState> afters;
    for (size_t i = 0; i < std::size(steps); ++i) {
        Select(steps[i].col, steps[i].row);
        befores.push_back(Colony.TakeState());
        steps[i].command();
        afters.push_back(Colony.TakeState());
        ASSERT_EQ(Colony.UndoSteps().UndoCount(), i + 1) << i;
        EXPECT_EQ(afters[i].Bases.size(), befores[i].Bases.size() + steps[i].newBuildings) << i;
        Colony.Undo();
        EXPECT_EQ(Colony.TakeState(), befores[i]) << i;
        Colony.Redo();
        EXPECT_EQ(Colony.TakeState(), afters[i]) << i;
    }
    for (size_t i = std::size(steps); i-- > std::size(steps) - 10;) {
        Colony.Undo();
        EXPECT_EQ(Colony.TakeState(), befores[i]) << i;
    }
    // Selecting a cell is no step: played again in a row, a step comes back
    // with the cell that the next one was given.
    for (size_t i = std::size(steps) - 10; i < std::size(steps); ++i) {
        Colony.Redo();
        EXPECT_EQ(Colony.TakeState(), i + 1 < std::size(steps) ? befores[i + 1] : afters[i]) << i;
    }
}

TEST_F(Undo, TheTurnThatBeginsAMonthAsksForTheAutosave) {
    Game().Date = {1890, 3, 30};
    Colony.NewDay();
    EXPECT_FALSE(Window.Calls.contains("autosave"));
    Colony.NewDay();
    EXPECT_EQ(Game().Date, (TGameDate{1890, 4, 1}));
    EXPECT_EQ(Window.Calls.count("autosave"), 1);
}

} // namespace

// A save made before games had an identity is known by its bytes: the game
// loaded from it finds the file its own when it saves again.
TEST(OlderSaves, AreKnownByTheirBytes) {
    TBaseTypeList catalogue;
    LoadBaseTypes(catalogue, QStringLiteral(TARVENIA_TEST_DATA "/sim"));
    const QDir saves(QStringLiteral(TARVENIA_TEST_DATA "/saves"));
    QList<QUuid> identities;
    for (const char* name : {"format1.dat", "format2.dat"}) {
        const QUuid identity = ReadSaveFile(saves.filePath(name), catalogue, {}).Identity;
        EXPECT_FALSE(identity.isNull()) << name;
        EXPECT_EQ(ReadSaveFile(saves.filePath(name), catalogue, {}).Identity, identity) << name;
        identities << identity;
    }
    EXPECT_NE(identities[0], identities[1]);
}

// A save's content, unpacked: it follows the signature, the format, the
// program's version text, the content's size and its checksum.
QByteArray ContentOf(const QByteArray& save) {
    const qsizetype sizeAt = 8 + 4 + 1 + static_cast<quint8>(save.at(12));
    // qUncompress takes the unpacked size first, as the header has it.
    return qUncompress(save.mid(sizeAt, 4) + save.mid(sizeAt + 8));
}

// Every format the game has written has its golden save, and today's is
// what today's program writes of the game it holds, byte for byte.
TEST(GoldenSaves, EveryFormatHasOneAndTodaysIsWrittenAgainByteForByte) {
    const QDir saves(QStringLiteral(TARVENIA_TEST_DATA "/saves"));
    for (uint32_t format = 1; format <= SaveFormat::Version; ++format)
        for (const char* ending : {".dat", ".expected"}) {
            const QString name = QStringLiteral("format%1").arg(format) + QLatin1String(ending);
            EXPECT_TRUE(QFileInfo::exists(saves.filePath(name))) << name.toStdString();
        }
    QFile file(saves.filePath(QStringLiteral("format%1.dat").arg(SaveFormat::Version)));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray golden = file.readAll();
    ASSERT_GT(golden.size(), 12);
    EXPECT_EQ(qFromBigEndian<quint32>(golden.constData() + 8), SaveFormat::Version);
    TBaseTypeList catalogue;
    LoadBaseTypes(catalogue, QStringLiteral(TARVENIA_TEST_DATA "/sim"));
    const QByteArray content = ContentOf(golden);
    ASSERT_FALSE(content.isEmpty());
    EXPECT_TRUE(ContentOf(EncodeSave(DecodeSave(golden, catalogue, {}))) == content);
}
