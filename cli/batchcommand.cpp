#include "cli/batchcommand.h"

#include "app/run/batchoutputs.h"
#include "app/run/batchpdf.h"
#include "app/run/batchrun.h"
#include "cli/checksettings.h"
#include "cli/exitcodes.h"
#include "cli/reportapplication.h"

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
    return [](std::size_t finished, std::size_t total) {
        std::cerr << "\r批量计算 " << finished << '/' << total << (finished == total ? "\n" : "") << std::flush;
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

/// Names every span that was not computed, every unusual value computed, and every note; returns the worst exit code.
int reportSpans(const std::vector<app::SpanOutcome> &spans)
{
    int code = success;
    for (const app::SpanOutcome &span : spans) {
        if (!span.missingKeysNote.empty())
            std::cerr << span.missingKeysNote << '\n';
        if (span.status != app::SpanStatus::Computed)
            std::cerr << span.file.string() << ": " << span.message << '\n';
        else {
            for (const std::string &warning : span.run.warnings)
                std::cerr << span.file.string() << ": 警告: " << warning << '\n';
        }
        code = std::max(code, spanExitCode(span));
    }
    std::cout << app::batchCountLine(spans) << '\n';
    return code;
}

/// Writes the outputs asked for; each failure is told on standard error.
bool writeOutputs(const CommandLine &command, const std::vector<app::SpanOutcome> &spans, const app::BatchPdf &pdf)
{
    app::BatchOutputs outputs{{command.summaryFiles.begin(), command.summaryFiles.end()}, {}};
    if (command.pdfFile)
        outputs.pdf = *command.pdfFile;
    const std::vector<app::OutputWriting> writing = app::writeBatchOutputs(outputs, spans, pdf);
    for (const app::OutputWriting &output : writing) {
        if (output.result == app::OutputWriting::Result::Failed)
            std::cerr << output.failure << '\n';
        else if (output.result == app::OutputWriting::Result::NoPages)
            // The spans' own exit code says why.
            std::cerr << "没有计算完成的跨线, 未写出 " << output.file.string() << ".\n";
    }
    return app::allWritten(writing);
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

    std::unique_ptr<QGuiApplication> application;
    app::BatchPdf pdf;
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
