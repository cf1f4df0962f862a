#pragma once

#include "engine/designchecks.h"
#include "report/reportpage.h"

#include <optional>
#include <vector>

namespace engine {
struct CalculationInput;
struct CalculationResult;
} // namespace engine

namespace report {

/// What page 18 shows: the checks and the strengths and factors they used.
struct DesignCheckPage
{
    engine::DesignChecks checks;
    engine::DesignCheckSettings settings;
};

/**
 * The 17 pages of the calculation report of one calculation, page 1 first.
 *
 * Every page (1188 x 840 page units) receives its frame and fixed content in
 * black; then the input texts and the results of \a result are written in
 * teal, or in black when \a resultsInBlack (for black-and-white printers).
 * \a result must come from a calculation of \a input that went through: the
 * pages show its numbers as they stand. With \a designCheck the report has an
 * 18th page "设计校核" and every page counts 18; without, it is exactly the 17.
 *
 * @throws engine::CalculationError when a result is not finite; no partial
 *         report is returned
 */
std::vector<ReportPage> buildReport(const engine::CalculationInput &input, const engine::CalculationResult &result,
                                    bool resultsInBlack,
                                    const std::optional<DesignCheckPage> &designCheck = std::nullopt);

} // namespace report
