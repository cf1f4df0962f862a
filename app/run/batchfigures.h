#pragma once

#include "app/run/calculationpipeline.h"

#include <string>
#include <vector>

namespace app {

/// One cell of a batch table: the text as printed; numbers are also written as numbers in a workbook.
struct TableCell
{
    std::string text;
    bool isNumber = false;

    bool operator==(const TableCell &other) const = default;
};

using TableRow = std::vector<TableCell>;

/// The result figures of one computed span in the batch tables, as the report prints them.
struct SpanFigures
{
    /// The summary's result columns: largest H, f, reactions and wind forces,
    /// beam loads, design check, catenary differences, and the cut length at
    /// the stringing temperature nearest 15 degC with that temperature, and
    /// the short circuit's forces, a_min and thermal verdict.
    TableRow summary;
    /// Page 1's table of the design states, one row per state.
    std::vector<TableRow> pageOne;
};

/// The headers of SpanFigures::summary and of the rows of SpanFigures::pageOne, with their units.
const std::vector<std::string> &summaryFigureHeader();
const std::vector<std::string> &pageOneHeader();

/**
 * Page 1's table of the design states of \a result, one row per state under
 * pageOneHeader(): the state's name, its temperature as typed, then forces in
 * kN of the whole phase and sags in m with 3 decimals.
 *
 * @throws engine::CalculationError for a figure that is not finite
 */
std::vector<TableRow> pageOneRows(const engine::CalculationResult &result);

/**
 * The figures of a run that went through. Forces in kN of the whole phase
 * and sags in m with 3 decimals, the states by their page-1 names; the
 * largest of a quantity is that of the first state of equal value.
 *
 * @throws engine::CalculationError for a figure that is not finite
 */
SpanFigures spanFigures(const CalculationRun &run);

} // namespace app
