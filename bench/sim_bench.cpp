// The whole tarvenia-sim process, against the same process given no commands
// at all (start-up and map loading only): ten game years of the bare colony,
// and one new week of a colony of 200 buildings built by commands, alone and
// in turn with the process without commands. The simulator and the game's
// data lie beside this program.
#include "land/earth.h"
#include "model/basetype.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <benchmark/benchmark.h>
#include <deque>
#include <optional>
#include <vector>

namespace {

constexpr int ColonyBuildings = 200;

QString ProgramFolderPath() {
    return QCoreApplication::applicationDirPath();
}

QString SimulatorPath() {
    return QDir(ProgramFolderPath()).filePath(QStringLiteral("tarvenia-sim"));
}

// Ten years of 364 turns and more, with money enough for every tax.
QByteArray TenYears() {
    QByteArray commands;
    for (int year = 0; year < 10; ++year)
        commands += "set money 100000000\ndays 365\nstate\n";
    return commands;
}

// Commands that build a colony of ColonyBuildings buildings, the founding one
// included: the buildable cells are visited breadth-first from the start cell,
// so each new building stands next to one built before it, and each cell gets
// the next catalogue type, in turn, that its ground accepts.
QByteArray ColonyCommands() {
    TEarth earth;
    earth.LoadEarth(QStringLiteral("01"), ProgramFolderPath());
    TBaseTypeList catalogue;
    LoadBaseTypes(catalogue, ProgramFolderPath());
    QByteArray commands = "set money 2000000000\n";
    std::vector<bool> seen(static_cast<size_t>(MapCols) * MapRows);
    std::deque<QPoint> queue{earth.StartCell};
    seen[static_cast<size_t>(earth.StartCell.x() * MapRows + earth.StartCell.y())] = true;
    int built = 1;
    size_t nextType = 1;
    while (!queue.empty() && built < ColonyBuildings) {
        const QPoint cell = queue.front();
        queue.pop_front();
        const int kind = earth.EarthKind(cell.x(), cell.y());
        if (cell != earth.StartCell) {
            for (size_t tries = 0; tries < catalogue.size(); ++tries) {
                const TBaseType& type = catalogue[nextType++ % catalogue.size()];
                if (type.AcceptsEarth(kind)) {
                    commands += QStringLiteral("select %1 %2\nbuild %3\n")
                                    .arg(cell.x())
                                    .arg(cell.y())
                                    .arg(type.Id)
                                    .toUtf8();
                    ++built;
                    break;
                }
            }
        }
        for (const QPoint step : {QPoint(1, 0), QPoint(0, 1), QPoint(-1, 0), QPoint(0, -1)}) {
            const QPoint next = cell + step;
            if (!TTerrainGrid::Contains(next.x(), next.y()) ||
                !IsBuildableKind(earth.EarthKind(next.x(), next.y())))
                continue;
            const size_t index = static_cast<size_t>(next.x() * MapRows + next.y());
            if (!seen[index]) {
                seen[index] = true;
                queue.push_back(next);
            }
        }
    }
    return commands;
}

// What the simulator printed, or nothing when it did not run to a clean end.
std::optional<QByteArray> RunSimulator(const QByteArray& commands) {
    QProcess sim;
    sim.start(SimulatorPath(), {QStringLiteral("--seed"), QStringLiteral("1")});
    sim.write(commands);
    sim.closeWriteChannel();
    if (!sim.waitForFinished(-1) || sim.exitStatus() != QProcess::NormalExit || sim.exitCode() != 0)
        return std::nullopt;
    return sim.readAllStandardOutput();
}

void RunSimulator(benchmark::State& state, const QByteArray& commands) {
    for (auto _ : state) {
        const std::optional<QByteArray> output = RunSimulator(commands);
        if (!output) {
            state.SkipWithError("tarvenia-sim did not run");
            break;
        }
        benchmark::DoNotOptimize(output);
    }
}

void BM_SimTenYears(benchmark::State& state) {
    RunSimulator(state, TenYears());
}
BENCHMARK(BM_SimTenYears)->Unit(benchmark::kMillisecond)->UseRealTime();

// The commands of the colony's week, once the colony is known to stand: it
// must really stand before its week is worth timing.
std::optional<QByteArray> ColonyWeek(benchmark::State& state) {
    const QByteArray colony = ColonyCommands();
    const std::optional<QByteArray> check = RunSimulator(colony + "state\n");
    const QByteArray expected = " buildings=" + QByteArray::number(ColonyBuildings) + ' ';
    if (!check || !check->contains(expected)) {
        state.SkipWithError("the colony was not built");
        return std::nullopt;
    }
    state.counters["buildings"] = ColonyBuildings;
    return colony + "week\n";
}

void BM_SimColonyWeek(benchmark::State& state) {
    if (const std::optional<QByteArray> week = ColonyWeek(state))
        RunSimulator(state, *week);
}
BENCHMARK(BM_SimColonyWeek)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SimNoCommands(benchmark::State& state) {
    RunSimulator(state, QByteArray());
}
BENCHMARK(BM_SimNoCommands)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same two processes in turn, each timed on its own, so that the ratio
// holds when the machine's speed drifts between two benchmarks.
void BM_SimColonyWeekAgainstNoCommands(benchmark::State& state) {
    const std::optional<QByteArray> week = ColonyWeek(state);
    if (!week)
        return;
    qint64 weekTime = 0;
    qint64 noneTime = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        const bool ran = RunSimulator(*week).has_value();
        weekTime += timer.nsecsElapsed();
        timer.restart();
        const bool ranEmpty = RunSimulator(QByteArray()).has_value();
        noneTime += timer.nsecsElapsed();
        if (!ran || !ranEmpty) {
            state.SkipWithError("tarvenia-sim did not run");
            return;
        }
    }
    const double runs = static_cast<double>(state.iterations()) * 1e6;
    state.counters["week_ms"] = static_cast<double>(weekTime) / runs;
    state.counters["none_ms"] = static_cast<double>(noneTime) / runs;
    state.counters["ratio"] = static_cast<double>(weekTime) / static_cast<double>(noneTime);
}
BENCHMARK(BM_SimColonyWeekAgainstNoCommands)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
