#pragma once

#include "app/run/batchpdf.h"
#include "app/run/batchrun.h"

#include <filesystem>
#include <optional>
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

/// The summary writeSummary() would write to \a file, written into \a descriptor.
void writeSummary(int descriptor, const std::filesystem::path &file, const std::vector<SpanOutcome> &spans);

/// What a batch writes: summary tables (workbook or CSV, by their names) and
/// one PDF of every computed span's pages.
struct BatchOutputs
{
    std::vector<std::filesystem::path> summaries;
    std::optional<std::filesystem::path> pdf;
};

/**
 * The window's outputs for the summary file name \a chosen: a name that asks
 * for neither format gets \a suffix (".xlsx" or ".csv"), and the PDF lies
 * beside it under the same name with ".pdf".
 */
BatchOutputs batchOutputsFor(std::filesystem::path chosen, const std::string &suffix);

/// How writing one output of a batch went.
struct OutputWriting
{
    enum class Result {
        Written,
        Failed,  ///< not written, for the reason in failure; an older file stays whole
        NoPages, ///< the PDF, not written because no span was computed
    };
    std::filesystem::path file;
    Result result = Result::Written;
    std::string failure; ///< the reason in Chinese, naming the file
};

/**
 * Writes the summaries and, when a span was computed, the PDF of the
 * computed spans of \a spans, whose pages \a pdf's finishers took: a PDF
 * of no page would be no document. The outputs stand or fall together: each
 * is staged beside its target, and all replace the old files only when every
 * one was made; after a failure every old file is whole.
 * @return one entry per output, the summaries first; after a failure the
 *         one that failed says why and the others that they were not written
 */
std::vector<OutputWriting> writeBatchOutputs(const BatchOutputs &outputs, const std::vector<SpanOutcome> &spans,
                                             const BatchPdf &pdf);

/// Whether every output was written (a PDF left out for want of pages counts as written).
bool allWritten(const std::vector<OutputWriting> &writing);

/// "批量计算: 共 N 个跨线, 计算完成 M 个.": the first line both programs give after a batch.
std::string batchCountLine(const std::vector<SpanOutcome> &spans);

/**
 * What the user reads in the window when the batch has ended: the count
 * line, each span that was not computed with its reason, and the files
 * written or why they were not. A cancelled batch writes nothing and says so.
 */
std::string batchDoneText(const BatchRun &run, const std::vector<OutputWriting> &writing);

} // namespace app
