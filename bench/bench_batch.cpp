// Speed of span files and batches: reading and writing one span file, and a
// batch of 100 spans (the default span under 100 names) to the summaries
// alone and to one PDF. Targets: the summary batch under 0.2 s, the PDF
// under 8 ms a span, on 2 cores.
#include "app/model/spanfile.h"
#include "app/run/batchpdf.h"
#include "app/run/batchrun.h"
#include "app/run/summarycsv.h"
#include "app/run/summaryxlsx.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <atomic>
#include <string>

namespace {

constexpr int batchSize = 100;

std::filesystem::path folderPath(const QTemporaryDir &folder)
{
    return folder.path().toStdString();
}

/// A folder of batchSize span files, each the default span.
struct SpanFolder
{
    QTemporaryDir folder;
    std::vector<std::filesystem::path> files;

    SpanFolder()
    {
        for (int i = 0; i < batchSize; ++i) {
            files.push_back(folderPath(folder) / ("span-" + std::to_string(1000 + i) + ".tenrix"));
            app::writeSpanFile(files.back(), app::SpanFile{});
        }
    }
};

const SpanFolder &spanFolder()
{
    static const SpanFolder folder;
    return folder;
}

const std::atomic<bool> notCancelled = false;

} // namespace

static void readSpanFile(benchmark::State &state)
{
    const std::filesystem::path &file = spanFolder().files.front();
    for (auto _ : state)
        benchmark::DoNotOptimize(app::readSpanFile(file));
}
BENCHMARK(readSpanFile)->Unit(benchmark::kMicrosecond);

static void writeSpanFile(benchmark::State &state)
{
    QTemporaryDir folder;
    const std::filesystem::path file = folderPath(folder) / "span.tenrix";
    const app::SpanFile span;
    for (auto _ : state)
        app::writeSpanFile(file, span);
}
BENCHMARK(writeSpanFile)->Unit(benchmark::kMicrosecond);

static void batchOf100ToSummaries(benchmark::State &state)
{
    QTemporaryDir out;
    for (auto _ : state) {
        const app::BatchRun batch = app::runBatch(spanFolder().files, {}, {}, notCancelled);
        app::writeSummaryCsv(folderPath(out) / "summary.csv", batch.spans);
        app::writeSummaryWorkbook(folderPath(out) / "summary.xlsx", batch.spans);
    }
}
BENCHMARK(batchOf100ToSummaries)->Unit(benchmark::kMillisecond)->UseRealTime();

static void batchOf100ToOnePdf(benchmark::State &state)
{
    QTemporaryDir out;
    for (auto _ : state) {
        app::BatchPdf pdf(folderPath(out) / "all.pdf");
        app::BatchSettings settings;
        settings.pages = app::ReportPages::Teal;
        settings.makeFinisher = pdf.finishers();
        const app::BatchRun batch = app::runBatch(spanFolder().files, settings, {}, notCancelled);
        pdf.write(folderPath(out) / "all.pdf", batch.spans);
    }
    // Seconds per span; shown in the unit benchmark chooses (ms).
    state.counters["per_span"] = benchmark::Counter(
        batchSize, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(batchOf100ToOnePdf)->Unit(benchmark::kMillisecond)->UseRealTime();
