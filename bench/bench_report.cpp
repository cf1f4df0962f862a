// Speed of the report of the default span: building the 17 pages and
// writing them as one PDF and as 17 placeable metafiles.
#include "app/model/calculationinputassembly.h"
#include "engine/calculation.h"
#include "report/exporters.h"
#include "report/fonts.h"
#include "report/reportbuilder.h"
#include "report/reportpage.h"
#include "report/wmfwriter.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct DefaultReport
{
    engine::CalculationInput input = app::defaultCalculationInput();
    engine::CalculationResult result = engine::runCalculation(input);
    std::vector<report::ReportPage> pages = report::buildReport(input, result, false);
};

const DefaultReport &defaultReport()
{
    static const DefaultReport report;
    return report;
}

} // namespace

static void buildSeventeenPages(benchmark::State &state)
{
    const DefaultReport &r = defaultReport();
    for (auto _ : state)
        benchmark::DoNotOptimize(report::buildReport(r.input, r.result, false));
}
BENCHMARK(buildSeventeenPages)->Unit(benchmark::kMillisecond);

static void writeReportPdf(benchmark::State &state)
{
    const DefaultReport &r = defaultReport();
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("report.pdf"));
    report::PdfExporter pdf;
    for (auto _ : state)
        if (!pdf.write(r.pages, fileName))
            state.SkipWithError("PDF not written");
}
BENCHMARK(writeReportPdf)->Unit(benchmark::kMillisecond);

static void seventeenPlaceableMetafiles(benchmark::State &state)
{
    const DefaultReport &r = defaultReport();
    for (auto _ : state)
        for (const report::ReportPage &page : r.pages)
            benchmark::DoNotOptimize(report::wmfBytes(page));
}
BENCHMARK(seventeenPlaceableMetafiles)->Unit(benchmark::kMillisecond);
