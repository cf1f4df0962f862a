// The report benchmarks draw with real fonts: a QGuiApplication on the
// offscreen platform comes first.
#include "report/fonts.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    report::installReportFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
