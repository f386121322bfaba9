// The whole tarvenia-sim process playing ten game years on the game's own
// data, against the same process given no commands at all (start-up and map
// loading only). The simulator lies beside this program.
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <benchmark/benchmark.h>

namespace {

QString SimulatorPath() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("tarvenia-sim"));
}

// Ten years of 364 turns and more, with money enough for every tax.
QByteArray TenYears() {
    QByteArray commands;
    for (int year = 0; year < 10; ++year)
        commands += "set money 100000000\ndays 365\nstate\n";
    return commands;
}

void RunSimulator(benchmark::State& state, const QByteArray& commands) {
    for (auto _ : state) {
        QProcess sim;
        sim.start(SimulatorPath(), {QStringLiteral("--seed"), QStringLiteral("1")});
        sim.write(commands);
        sim.closeWriteChannel();
        if (!sim.waitForFinished(-1) || sim.exitCode() != 0) {
            state.SkipWithError("tarvenia-sim did not run");
            break;
        }
        benchmark::DoNotOptimize(sim.readAllStandardOutput());
    }
}

void BM_SimTenYears(benchmark::State& state) {
    RunSimulator(state, TenYears());
}
BENCHMARK(BM_SimTenYears)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SimNoCommands(benchmark::State& state) {
    RunSimulator(state, QByteArray());
}
BENCHMARK(BM_SimNoCommands)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
