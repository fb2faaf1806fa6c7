// The benchmarks' entry point: with the program's classes linked in, a QApplication on the
// offscreen platform and a private configuration folder come first, so that nothing reaches a
// display or the user's settings.
#include <benchmark/benchmark.h>

#ifdef THERMAVO_BENCH_QT
#include <QApplication>
#include <QTemporaryDir>
#endif

int main(int argc, char** argv) {
#ifdef THERMAVO_BENCH_QT
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QApplication application(argc, argv);
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
