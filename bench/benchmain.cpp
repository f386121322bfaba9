// The main of the benchmarks that paint or load scenes: one application
// object, headless unless told otherwise.
#include <QApplication>
#include <benchmark/benchmark.h>
#include <malloc.h>

int main(int argc, char** argv) {
    // Keep freed memory in the heap between iterations. Otherwise the C
    // library decides run by run whether to give it back to the system, and
    // when it does, every iteration pays for faulting fresh pages in: the
    // same benchmark then moves by a factor of four from one run to the next.
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's own event loop, as the game's application object chooses.
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB"))
        qputenv("QT_NO_GLIB", "1");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
