#include "cli/batchcommand.h"

#include "app/run/batchoutputs.h"
#include "app/run/batchpdf.h"
#include "app/run/batchrun.h"
#include "cli/checksettings.h"
#include "cli/commandoutputs.h"
#include "cli/exitcodes.h"
#include "cli/outputtargets.h"
#include "cli/reportapplication.h"

#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <system_error>

namespace cli {

namespace {

bool asksForOneSpanOutput(const CommandLine &command)
{
    return command.jsonFile || command.wmfBase || command.emfBase || command.svgDir || command.pngDir
           || command.textsFile || command.saveSpanFile;
}

app::BatchProgress terminalProgress()
{
    if (::isatty(STDERR_FILENO) == 0)
        return {};
    // The line is rewritten in place ("\033[K" clears what a longer name left).
    return [](std::size_t finished, std::size_t total, const std::filesystem::path &computing) {
        std::cerr << "\r\033[K批量计算 " << finished << '/' << total;
        if (computing.empty())
            std::cerr << '\n';
        else
            std::cerr << " 正在计算 " << computing.filename().string();
        std::cerr << std::flush;
    };
}

int spanExitCode(const app::SpanOutcome &span)
{
    switch (span.status) {
    case app::SpanStatus::Computed:
        return success;
    case app::SpanStatus::Failed:
        return calculationFailed;
    case app::SpanStatus::Refused:
        break;
    }
    return inputRefused;
}

/// Names every span that was not computed, every unusual value computed, and every note on standard error; returns the
/// worst exit code.
int reportSpans(const std::vector<app::SpanOutcome> &spans)
{
    int code = success;
    for (const app::SpanOutcome &span : spans) {
        if (!span.missingKeysNote.empty())
            std::cerr << span.missingKeysNote << '\n';
        if (span.status != app::SpanStatus::Computed)
            std::cerr << span.file.string() << ": " << span.message << '\n';
        else {
            for (const std::string &warning : span.warnings)
                std::cerr << span.file.string() << ": 警告: " << warning << '\n';
        }
        code = std::max(code, spanExitCode(span));
    }
    return code;
}

/**
 * Stages the outputs asked for and the count line, which goes to standard
 * output unless the PDF does, and writes them all or none; each failure is
 * told on standard error.
 */
bool writeOutputs(const CommandLine &command, const std::vector<app::SpanOutcome> &spans, const app::BatchPdf &pdf)
{
    CommandOutputs outputs(std::cerr);
    for (const std::string &summary : command.summaryFiles) {
        outputs.add(summary, [&](int descriptor) { app::writeSummary(descriptor, summary, spans); });
    }
    if (command.pdfFile) {
        if (app::computedSpanCount(spans) == 0)
            // The spans' own exit code says why.
            std::cerr << "没有计算完成的跨线, 未写出 " << *command.pdfFile << ".\n";
        else
            outputs.add(*command.pdfFile, [&](int descriptor) { pdf.write(descriptor, *command.pdfFile, spans); });
    }
    const std::string countLine = app::batchCountLine(spans) + "\n";
    if (command.pdfFile == standardOutputName)
        std::cerr << countLine;
    else
        outputs.add(std::string(standardOutputName), countLine);
    return outputs.commit();
}

} // namespace

bool isBatch(const CommandLine &command)
{
    std::error_code error;
    return command.spanSources.size() > 1 || !command.summaryFiles.empty()
           || (command.spanSources.size() == 1 && std::filesystem::is_directory(command.spanSources.front(), error));
}

int runBatchCommand(const CommandLine &command, int &argc, char *argv[])
{
    if (asksForOneSpanOutput(command)) {
        std::cerr << "tenrix-calc: 批量计算只能输出 --summary 和 --pdf\n\n" << usageText();
        return badArguments;
    }
    app::BatchSettings settings;
    if (command.designCheckFile) {
        settings.designCheck = loadDesignCheckOptions(command, {}, std::cerr);
        if (!settings.designCheck)
            return inputRefused;
    }
    std::vector<std::filesystem::path> files;
    try {
        files = app::batchFiles({command.spanSources.begin(), command.spanSources.end()});
    } catch (const app::SpanFileError &error) {
        std::cerr << error.what() << '\n';
        return inputRefused;
    }

    // A missing or read-only folder is told before the spans are computed.
    if (!checkOutputTargets(command, std::cerr))
        return outputNotWritten;

    // Each page is painted into buffers of a few MB made and freed anew; by
    // default glibc gives them back to the kernel every time, and a batch
    // then spends a quarter of its time in page faults. Kept, they are reused.
    ::mallopt(M_MMAP_THRESHOLD, 32 << 20);
    ::mallopt(M_TRIM_THRESHOLD, 32 << 20);

    std::unique_ptr<QGuiApplication> application;
    app::BatchPdf pdf(command.pdfFile ? std::filesystem::path(*command.pdfFile) : std::filesystem::path());
    if (command.pdfFile) {
        application = startReportApplication(argc, argv);
        settings.pages = command.black ? app::ReportPages::Black : app::ReportPages::Teal;
        settings.designCheckPage = command.designCheckPage;
        settings.makeFinisher = pdf.finishers();
    }
    const std::atomic<bool> neverCancelled = false;
    const app::BatchRun batch = app::runBatch(files, settings, terminalProgress(), neverCancelled);
    const int spansCode = reportSpans(batch.spans);
    return writeOutputs(command, batch.spans, pdf) ? spansCode : outputNotWritten;
}

} // namespace cli
