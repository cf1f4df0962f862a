#pragma once

#include "app/run/batchpdf.h"
#include "app/run/batchrun.h"

#include <filesystem>
#include <string>
#include <vector>

namespace app {

/// Whether a summary file name asks for CSV or for an Excel workbook (by its ending, in any case).
bool isCsvSummary(const std::filesystem::path &file);
bool isXlsxSummary(const std::filesystem::path &file);

/**
 * Writes the summary of \a spans to \a file as a workbook when its name
 * ends in ".xlsx", else as CSV; whole or not at all.
 * @throws std::system_error when it cannot be written, std::runtime_error
 *         when the workbook cannot be made
 */
void writeSummary(const std::filesystem::path &file, const std::vector<SpanOutcome> &spans);

/// What a batch started from the window writes: the summary table the user
/// named and, beside it under the same name, one PDF of every span's pages.
struct BatchOutputs
{
    std::filesystem::path summary;
    std::filesystem::path pdf;
};

/**
 * The outputs for the summary file name \a chosen: a name that asks for
 * neither format gets \a suffix (".xlsx" or ".csv"), the PDF takes the same
 * name with ".pdf".
 */
BatchOutputs batchOutputsFor(std::filesystem::path chosen, const std::string &suffix);

/// How writing the outputs went: a failure is its reason in Chinese, empty when the file was written.
struct BatchWriting
{
    std::string summaryFailure;
    bool pdfWritten = false;
    std::string pdfFailure;
};

/**
 * Writes the summary (a workbook or CSV, by its suffix) and, when a span
 * was computed, the PDF of the computed spans of \a spans, whose pages
 * \a pdf's finishers took. Each output is written whole or not at all.
 */
BatchWriting writeBatchOutputs(const BatchOutputs &outputs, const std::vector<SpanOutcome> &spans,
                               const BatchPdf &pdf);

/**
 * What the user reads when the batch has ended: how many spans were
 * computed, each span that was not with its reason, and the files written
 * or why they were not. A cancelled batch writes nothing and says so.
 */
std::string batchDoneText(const BatchRun &run, const BatchOutputs &outputs, const BatchWriting &writing);

} // namespace app
