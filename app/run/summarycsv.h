#pragma once

#include "app/run/batchrun.h"

#include <filesystem>
#include <string>
#include <vector>

namespace app {

/**
 * The batch summary as CSV: UTF-8 with a byte-order mark and CR LF line
 * ends, so that spreadsheet programs open it in Chinese; the header, then
 * one row per span in input order. A field holding a comma, a quote or a
 * line break is quoted, its quotes doubled. A text field starting with =,
 * +, -, @, a tab or a carriage return starts with an apostrophe, so that no
 * spreadsheet program runs it as a formula; figures stay numbers.
 */
std::string summaryCsv(const std::vector<SpanOutcome> &spans);

/**
 * Writes summaryCsv() to \a path, replacing an old file only once the new
 * one is complete.
 * @throws common::FileWriteError when it cannot be written; \a path is then unchanged
 */
void writeSummaryCsv(const std::filesystem::path &path, const std::vector<SpanOutcome> &spans);

/// summaryCsv() written into \a descriptor a part at a time; \a file names it in messages.
void writeSummaryCsv(int descriptor, const std::filesystem::path &file, const std::vector<SpanOutcome> &spans);

} // namespace app
