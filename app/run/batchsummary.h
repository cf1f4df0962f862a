#pragma once

#include "app/run/batchrun.h"

#include <string>
#include <vector>

namespace app {

/// "计算完成" for a computed span, else why it was refused or failed.
std::string spanStatusText(const SpanOutcome &span);

/**
 * The span's own columns of the summary as typed: file, span name, voltage,
 * L, h, f, conductor and bundle count; blank after the file when it could
 * not be read.
 */
TableRow spanColumns(const SpanOutcome &span);

/// The span's name as typed; empty when its file could not be read.
std::string spanName(const SpanOutcome &span);

/**
 * The batch summary, one row per span in input order: file, span name,
 * voltage, L, h, f, conductor and bundle count as typed, the span's figures
 * (SpanFigures::summary; blank for a span that was not computed), the
 * unusual values it was computed with (警告, blank when none) and its
 * status. The header names each column with its unit.
 */
std::vector<std::string> batchSummaryHeader();
TableRow batchSummaryRow(const SpanOutcome &span);

/// Page 1's state table of a computed span (none for another), its rows led by file and span name.
std::vector<std::string> pageOneTableHeader();
std::vector<TableRow> pageOneTableRows(const SpanOutcome &span);

} // namespace app
