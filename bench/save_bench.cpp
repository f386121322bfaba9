// Saving, loading and the undo history on a colony of 3 000 buildings on the
// real map and catalogue, beside loading the map itself: the save and the
// load against the map, a new week with its undo step against the same seven
// days without one, the memory of a full history and the size of the files;
// and the day, one command with its undo step, the save and the load against
// the colony's size, from 1 000 to 20 000 buildings. The game's data lies
// beside this program.
#include "base/crashguard.h"
#include "bench/balancecolony.h"
#include "bench/bigcolony.h"
#include "bench/twocenturies.h"
#include "model/nextday.h"
#include "model/quietservices.h"
#include "model/savecodec.h"
#include "model/savefile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <fstream>
#include <malloc.h>
#include <memory>
#include <set>
#include <string>
#include <time.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr size_t BuildingCount = 3000;
const QString MapName = QStringLiteral("01");

QString DataFolder() {
    return QCoreApplication::applicationDirPath();
}

// A colony (bench/bigcolony.h) with a save of it in a temporary folder.
struct TWorld : TBigColony {
    QTemporaryDir folder;
    QString savePath;

    explicit TWorld(size_t buildingCount) : TBigColony(buildingCount, DataFolder()) {
        savePath = folder.filePath(QStringLiteral("colony.dat"));
        WriteSaveFile(savePath, Saved());
    }

    // What the window writes: the colony, the map, the view and the sound switch.
    TSavedGame Saved() const {
        return SavedGameOf(*colony, earth.SavedLand(), earth.StartScreen, true);
    }
};

// The colony of BuildingCount buildings, or of another number.
TWorld& World(size_t buildingCount = BuildingCount) {
    return BigColony<TWorld>(buildingCount);
}

void ColonyCounters(benchmark::State& state) {
    const TGame& game = World().colony->Game();
    state.counters["buildings"] = static_cast<double>(game.Buildings().size());
    state.counters["people"] = game.People;
    double blocked = 0;
    double lacking = 0;
    std::set<const TBaseType*> types;
    for (const auto& base : game.Buildings()) {
        types.insert(base->Kind);
        blocked += base->Blocked ? 1 : 0;
        lacking += base->Status != 0 ? 1 : 0;
    }
    state.counters["blocked"] = blocked;
    state.counters["lacking"] = lacking;
    state.counters["types"] = static_cast<double>(types.size());
}

double FileBytes(const QString& path) {
    return static_cast<double>(QFileInfo(path).size());
}

double Milliseconds(qint64 nanoseconds) {
    return static_cast<double>(nanoseconds) / 1e6;
}

void BM_LoadEarth(benchmark::State& state) {
    for (auto _ : state) {
        TEarth earth;
        earth.LoadEarth(MapName, DataFolder());
        benchmark::DoNotOptimize(earth.Scene.Sprites.Count());
    }
}
BENCHMARK(BM_LoadEarth)->Unit(benchmark::kMillisecond);

// The whole save as the window does it: the colony taken as a record, then
// written to a file at once or not at all.
void BM_Save(benchmark::State& state) {
    TWorld& world = World();
    world.colony->RestoreState(world.start);
    const QString path = world.folder.filePath(QStringLiteral("save.dat"));
    for (auto _ : state)
        WriteSaveFile(path, world.Saved());
    state.counters["file_bytes"] = FileBytes(path);
    ColonyCounters(state);
}
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);

// The same record turned into the file's bytes, without the file.
void BM_SaveToBytes(benchmark::State& state) {
    TWorld& world = World();
    world.colony->RestoreState(world.start);
    const TSavedGame saved = world.Saved();
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray encoded = EncodeSave(saved);
        bytes = encoded.size();
        benchmark::DoNotOptimize(encoded.constData());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_SaveToBytes)->Unit(benchmark::kMillisecond);

// A new game saved: its file's size.
void BM_SaveNewGame(benchmark::State& state) {
    TWorld& world = World();
    TQuietServices services;
    TColony colony(world.catalogue, world.events, world.earth.Grid, services,
                   world.earth.StartCell.x(), world.earth.StartCell.y());
    const QString path = world.folder.filePath(QStringLiteral("new.dat"));
    for (auto _ : state)
        WriteSaveFile(path,
                      SavedGameOf(colony, world.earth.SavedLand(), world.earth.StartScreen, true));
    state.counters["file_bytes"] = FileBytes(path);
}
BENCHMARK(BM_SaveNewGame)->Unit(benchmark::kMillisecond);

// A colony of two hundred years saved and loaded again: its history is
// most of the file.
void BM_SaveAndLoadTwoCenturies(benchmark::State& state) {
    TWorld& world = World();
    TQuietServices services;
    TColony colony(world.catalogue, world.events, world.earth.Grid, services,
                   world.earth.StartCell.x(), world.earth.StartCell.y());
    LoadTwoCenturies(colony);
    const QString path = world.folder.filePath(QStringLiteral("centuries.dat"));
    double save = 0;
    double load = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        WriteSaveFile(path,
                      SavedGameOf(colony, world.earth.SavedLand(), world.earth.StartScreen, true));
        save += Milliseconds(timer.nsecsElapsed());
        timer.restart();
        TSavedGame saved = ReadSaveFile(path, world.catalogue, world.events);
        colony.LoadState(saved.Colony, std::move(saved.Days));
        load += Milliseconds(timer.nsecsElapsed());
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["save_ms"] = save / runs;
    state.counters["load_ms"] = load / runs;
    state.counters["file_bytes"] = FileBytes(path);
}
BENCHMARK(BM_SaveAndLoadTwoCenturies)->Unit(benchmark::kMillisecond);

// A game's save with its command log and without it: the log is to take at
// most a tenth of the save. With 0, the balance player's colony of 1901,
// eleven years of a new game grown by its commands; with 1, a decade of a new
// game played a day a command, the most entries a decade can have.
void BM_DecadeLogAgainstSave(benchmark::State& state) {
    TWorld& world = World();
    TSavedGame saved;
    if (state.range(0) == 0) {
        saved = ReadSaveFile(BalanceSave1901(DataFolder(), world.folder.path()), world.catalogue,
                             world.events);
    } else {
        TQuietServices services;
        TColony colony(world.catalogue, world.events, world.earth.Grid, services,
                       world.earth.StartCell.x(), world.earth.StartCell.y());
        colony.SeedGame(1);
        for (int day = 0; day < 10 * 365; ++day)
            colony.NewDay();
        saved = SavedGameOf(colony, world.earth.SavedLand(), world.earth.StartScreen, true);
    }
    double with = 0;
    double without = 0;
    for (auto _ : state) {
        with = static_cast<double>(EncodeSave(saved).size());
        TSavedGame bare = saved;
        bare.Log.reset();
        without = static_cast<double>(EncodeSave(bare).size());
    }
    state.counters["entries"] = saved.Log ? static_cast<double>(saved.Log->Entries.size()) : 0;
    state.counters["save_bytes"] = with;
    state.counters["log_bytes"] = with - without;
    state.counters["log_share"] = (with - without) / with;
}
BENCHMARK(BM_DecadeLogAgainstSave)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

// What the window does after each command for a crash: the colony taken as
// a save and handed to the crash guard, stored unpacked. With 0, the colony
// of 1 000 buildings of three days; with 1, the balance player's colony of
// 1901 with its eleven years of history, journal and log.
void BM_CrashSaveAfterCommand(benchmark::State& state) {
    TWorld& world = World(1000);
    TQuietServices services;
    TColony balance(world.catalogue, world.events, world.earth.Grid, services,
                    world.earth.StartCell.x(), world.earth.StartCell.y());
    if (state.range(0) == 1) {
        TSavedGame saved = ReadSaveFile(BalanceSave1901(DataFolder(), world.folder.path()),
                                        world.catalogue, world.events);
        balance.LoadState(saved.Colony, std::move(saved.Days), saved.Identity, saved.Scenario,
                          std::move(saved.Journal), std::move(saved.Log));
    }
    const TColony& colony = state.range(0) == 0 ? *world.colony : balance;
    CrashGuard::Install(world.folder.path());
    for (auto _ : state)
        KeepForCrash(SavedGameOf(colony, world.earth.SavedLand(), world.earth.StartScreen, true));
    state.counters["buildings"] = static_cast<double>(colony.Game().Buildings().size());
    state.counters["bytes"] = static_cast<double>(
        EncodeSave(SavedGameOf(colony, world.earth.SavedLand(), world.earth.StartScreen, true),
                   TPacking::Stored)
            .size());
}
BENCHMARK(BM_CrashSaveAfterCommand)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The whole load as the window does it: the file read and checked, then the
// colony put back as it has it.
void BM_Load(benchmark::State& state) {
    TWorld& world = World();
    for (auto _ : state) {
        TSavedGame saved = ReadSaveFile(world.savePath, world.catalogue, world.events);
        world.colony->LoadState(saved.Colony, std::move(saved.Days));
    }
    state.counters["file_bytes"] = FileBytes(world.savePath);
    ColonyCounters(state);
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);

// Time spent on the wall clock and on this thread's processor.
struct TTimes {
    qint64 Wall = 0;
    qint64 Cpu = 0;

    static TTimes Now() {
        timespec cpu{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpu);
        timespec wall{};
        clock_gettime(CLOCK_MONOTONIC, &wall);
        return {wall.tv_sec * 1'000'000'000LL + wall.tv_nsec,
                cpu.tv_sec * 1'000'000'000LL + cpu.tv_nsec};
    }
    TTimes operator-(const TTimes& other) const { return {Wall - other.Wall, Cpu - other.Cpu}; }
    TTimes& operator+=(const TTimes& other) {
        Wall += other.Wall;
        Cpu += other.Cpu;
        return *this;
    }
};

// Per iteration, in milliseconds: "<name>_ms" on the wall clock and
// "<name>_cpu_ms" on the processor.
void TimeCounters(benchmark::State& state, const std::string& name, const TTimes& total) {
    const double n = static_cast<double>(state.iterations());
    state.counters[name + "_ms"] = Milliseconds(total.Wall) / n;
    state.counters[name + "_cpu_ms"] = Milliseconds(total.Cpu) / n;
}

// A save, a load and the map's loading in turn, each timed on its own, so
// that the ratios hold when the machine's speed drifts. The figure is the
// three together. The save's wall time includes waiting for the disk: the
// file is flushed before it replaces the old one.
void BM_SaveLoadAgainstLoadEarth(benchmark::State& state) {
    TWorld& world = World();
    world.colony->RestoreState(world.start);
    const QString path = world.folder.filePath(QStringLiteral("turn.dat"));
    TTimes earthTime;
    TTimes saveTime;
    TTimes loadTime;
    for (auto _ : state) {
        const TTimes begun = TTimes::Now();
        {
            TEarth earth;
            earth.LoadEarth(MapName, DataFolder());
            benchmark::DoNotOptimize(earth.Scene.Sprites.Count());
        }
        const TTimes earthDone = TTimes::Now();
        WriteSaveFile(path, world.Saved());
        const TTimes saveDone = TTimes::Now();
        TSavedGame saved = ReadSaveFile(path, world.catalogue, world.events);
        world.colony->LoadState(saved.Colony, std::move(saved.Days));
        const TTimes loadDone = TTimes::Now();
        earthTime += earthDone - begun;
        saveTime += saveDone - earthDone;
        loadTime += loadDone - saveDone;
    }
    TimeCounters(state, "earth", earthTime);
    TimeCounters(state, "save", saveTime);
    TimeCounters(state, "load", loadTime);
    const auto ratio = [](qint64 part, qint64 whole) {
        return static_cast<double>(part) / static_cast<double>(whole);
    };
    state.counters["save_ratio"] = ratio(saveTime.Wall, earthTime.Wall);
    state.counters["save_cpu_ratio"] = ratio(saveTime.Cpu, earthTime.Cpu);
    state.counters["load_ratio"] = ratio(loadTime.Wall, earthTime.Wall);
    state.counters["load_cpu_ratio"] = ratio(loadTime.Cpu, earthTime.Cpu);
}
BENCHMARK(BM_SaveLoadAgainstLoadEarth)->Unit(benchmark::kMillisecond);

// One command with its undo step: blocking a building and unblocking it
// again, on colonies of 1 000 to 20 000 buildings (bench/bigcolony.h), from
// an empty history that fills up and then takes the memory its oldest steps
// free. The step keeps the figures, the generator and the one building, so
// the time should not grow with the colony.
void BM_UndoStep(benchmark::State& state) {
    TWorld& world = World(static_cast<size_t>(state.range(0)));
    TColony& colony = *world.colony;
    colony.LoadState(world.start, {});
    const QPoint cell = world.blockableBuildings[world.blockableBuildings.size() / 2];
    colony.SelectCell(cell.x(), cell.y());
    for (auto _ : state)
        colony.Block();
    PerBuilding(state, world);
    state.counters["step_bytes"] = static_cast<double>(colony.UndoSteps().ByteSize()) /
                                   static_cast<double>(colony.UndoSteps().UndoCount());
    colony.LoadState(world.start, {});
}
BENCHMARK(BM_UndoStep)->Apply(ColonySizes)->Unit(benchmark::kMicrosecond);

// Each week starts from the same colony, put back outside the timed part, so
// both benchmarks play the same seven days. The history fills up as in a long
// game: the first hundred weeks put their steps in fresh memory, and from
// then on each new step takes the memory the oldest one frees.
void BM_WeekWithUndo(benchmark::State& state) {
    TWorld& world = World();
    for (auto _ : state) {
        state.PauseTiming();
        world.colony->RestoreState(world.start);
        state.ResumeTiming();
        world.colony->NewWeek();
    }
    ColonyCounters(state);
}
BENCHMARK(BM_WeekWithUndo)->Unit(benchmark::kMillisecond);

void BM_WeekWithoutUndo(benchmark::State& state) {
    TWorld& world = World();
    for (auto _ : state) {
        state.PauseTiming();
        world.colony->RestoreState(world.start);
        state.ResumeTiming();
        for (int day = 0; day < TColony::WeekDays; ++day)
            world.colony->DayTurn();
    }
    ColonyCounters(state);
}
BENCHMARK(BM_WeekWithoutUndo)->Unit(benchmark::kMillisecond);

// Whether two records hold the same colony on the same day, with the same
// generator behind it.
bool SameColony(const TColonyState& a, const TColonyState& b) {
    return a.Date == b.Date && a.Money == b.Money && a.People == b.People && a.Health == b.Health &&
           a.Stock.Items == b.Stock.Items && a.Random == b.Random && a.Bases == b.Bases;
}

// The same two weeks in turn, each timed on its own from the same colony.
// The figure is the pair's time; the ratio is of the processor's time, which
// the other programs of a busy machine do not add to. With argument 0 the
// history is kept, as in a long game; with 1 each week starts with an empty
// history and the freed memory handed back to the system, as the first week
// of a game or after a load, so its undo step lands in fresh memory.
void BM_WeekWithAgainstWithoutUndo(benchmark::State& state) {
    TWorld& world = World();
    const bool fresh = state.range(0) != 0;
    const auto startWeek = [&] {
        state.PauseTiming();
        if (fresh) {
            world.colony->LoadState(world.start, {});
            malloc_trim(0);
        } else {
            world.colony->RestoreState(world.start);
        }
        state.ResumeTiming();
    };
    TTimes with;
    TTimes without;
    for (auto _ : state) {
        startWeek();
        TTimes begun = TTimes::Now();
        world.colony->NewWeek();
        with += TTimes::Now() - begun;
        state.PauseTiming();
        const TColonyState afterWeek = world.colony->TakeState();
        state.ResumeTiming();
        startWeek();
        begun = TTimes::Now();
        for (int day = 0; day < TColony::WeekDays; ++day)
            world.colony->DayTurn();
        without += TTimes::Now() - begun;
        if (!SameColony(afterWeek, world.colony->TakeState())) {
            state.SkipWithError("the week with undo played other days than the week without");
            break;
        }
    }
    TimeCounters(state, "with", with);
    TimeCounters(state, "without", without);
    state.counters["ratio"] = static_cast<double>(with.Cpu) / static_cast<double>(without.Cpu);
}
BENCHMARK(BM_WeekWithAgainstWithoutUndo)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

double ResidentMegabytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1048576.0;
}

double HeapInUseMegabytes() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd) / 1048576.0;
}

// A full history: a hundred commands in turn (a new day, blocking or
// unblocking a building, improving bare land) on the loaded colony, whose
// history starts empty. The history's own count of its memory, the growth
// of the heap in use and of the process's resident memory.
void BM_UndoHistoryMemory(benchmark::State& state) {
    TWorld& world = World();
    TColony& colony = *world.colony;
    double historyMegabytes = 0;
    double heapMegabytes = 0;
    double residentMegabytes = 0;
    for (auto _ : state) {
        colony.LoadState(world.start, {});
        // Hand the memory freed so far back to the system, so that the
        // resident growth is the history's and not the heap's leftovers.
        malloc_trim(0);
        const double heapBefore = HeapInUseMegabytes();
        const double residentBefore = ResidentMegabytes();
        size_t block = 0;
        size_t improve = 0;
        for (size_t command = 0; command < TUndoHistory::MaxSteps; ++command) {
            colony.Game().Money = TBigColony::PlentyOfMoney;
            if (command % 3 == 0) {
                colony.NewDay();
            } else if (command % 3 == 1) {
                const QPoint cell =
                    world.blockableBuildings[block++ * 37 % world.blockableBuildings.size()];
                colony.SelectCell(cell.x(), cell.y());
                colony.Block();
            } else {
                const QPoint cell = world.emptyCells[improve++ * 53 % world.emptyCells.size()];
                colony.SelectCell(cell.x(), cell.y());
                colony.ImproveLand();
            }
        }
        historyMegabytes = static_cast<double>(colony.UndoSteps().ByteSize()) / 1048576.0;
        heapMegabytes = HeapInUseMegabytes() - heapBefore;
        residentMegabytes = ResidentMegabytes() - residentBefore;
        state.counters["steps"] = static_cast<double>(colony.UndoSteps().UndoCount());
    }
    state.counters["history_MB"] = historyMegabytes;
    state.counters["heap_MB"] = heapMegabytes;
    state.counters["rss_MB"] = residentMegabytes;
    colony.LoadState(world.start, {});
}
BENCHMARK(BM_UndoHistoryMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

// Costs against the colony's size (bench/bigcolony.h), each timed per
// building; BM_UndoStep above is the family's command.

// The daily turn. Every four weeks the colony is put back as it started,
// outside the timed part, so that each size plays the same month again.
void BM_ScaleNextDay(benchmark::State& state) {
    TWorld& world = World(static_cast<size_t>(state.range(0)));
    world.colony->RestoreState(world.start);
    TGame& game = world.colony->Game();
    int day = 0;
    for (auto _ : state) {
        if (++day % 28 == 0) {
            state.PauseTiming();
            world.colony->RestoreState(world.start);
            state.ResumeTiming();
        }
        game.Money = TBigColony::PlentyOfMoney;
        benchmark::DoNotOptimize(NextDay(game));
    }
    PerBuilding(state, world);
}
BENCHMARK(BM_ScaleNextDay)->Apply(ColonySizes)->Unit(benchmark::kMicrosecond);

// The whole save, as BM_Save.
void BM_ScaleSave(benchmark::State& state) {
    TWorld& world = World(static_cast<size_t>(state.range(0)));
    world.colony->RestoreState(world.start);
    const QString path = world.folder.filePath(QStringLiteral("save.dat"));
    for (auto _ : state)
        WriteSaveFile(path, world.Saved());
    PerBuilding(state, world);
    state.counters["file_bytes"] = FileBytes(path);
}
BENCHMARK(BM_ScaleSave)->Apply(ColonySizes)->Unit(benchmark::kMillisecond);

// The whole load of the colony's save, as BM_Load.
void BM_ScaleLoad(benchmark::State& state) {
    TWorld& world = World(static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        TSavedGame saved = ReadSaveFile(world.savePath, world.catalogue, world.events);
        world.colony->LoadState(saved.Colony, std::move(saved.Days));
    }
    PerBuilding(state, world);
}
BENCHMARK(BM_ScaleLoad)->Apply(ColonySizes)->Unit(benchmark::kMillisecond);

} // namespace
