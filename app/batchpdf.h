#pragma once

#include "app/batchrun.h"

#include <filesystem>
#include <vector>

namespace app {

/**
 * Makes the PDF of a computed span's pages and keeps it as the span's
 * document, dropping the pages: BatchSettings::finishSpan of a batch
 * written to one PDF, so that the pages are painted on all cores.
 * @throws std::runtime_error when the PDF cannot be made
 */
void keepSpanPdf(SpanOutcome &span);

/**
 * Writes the documents of the computed spans (made by keepSpanPdf()) into
 * one PDF at \a path, in input order, each span starting on a new sheet.
 * Its outline, shown when the file opens, has one entry per span (the span
 * name and its file) and below it one per page ("第2页 各种工况下的荷载计算表").
 * An old file is replaced only once the new one is complete.
 *
 * @throws std::runtime_error when no span was computed or the documents
 *         cannot be joined, std::system_error when the file cannot be
 *         written; \a path is then unchanged
 */
void writeBatchPdf(const std::filesystem::path &path, const std::vector<SpanOutcome> &spans);

} // namespace app
