#pragma once

#include "app/run/batchrun.h"

#include <filesystem>
#include <vector>

namespace app {

/**
 * Writes the batch summary as an Excel workbook to \a path: sheet "汇总"
 * with the header and one row per span in input order (summaryCsv()'s
 * table), and sheet "第1页汇总表" with page 1's state table of every
 * computed span. Figures are number cells holding the printed value; texts
 * as typed stay texts. An old file is replaced only once the new one is
 * complete.
 *
 * @throws std::runtime_error when the workbook cannot be made,
 *         common::FileWriteError when the file cannot be written; \a path is then unchanged
 */
void writeSummaryWorkbook(const std::filesystem::path &path, const std::vector<SpanOutcome> &spans);

/// The same workbook written into \a descriptor, which stands for \a file in messages.
void writeSummaryWorkbook(int descriptor, const std::filesystem::path &file, const std::vector<SpanOutcome> &spans);

} // namespace app
