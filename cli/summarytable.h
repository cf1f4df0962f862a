#pragma once

#include "engine/calculationinput.h"
#include "engine/calculationresult.h"

#include <ostream>

namespace cli {

/**
 * The page-1 summary as a plain-text table: for the design states their
 * temperature, tension, sag, reactions, lateral wind forces and string
 * sags; the added beam loads; the stringing table. Numbers are the report's
 * texts (formatNumber, 3 decimals).
 */
void printSummary(std::ostream &out, const engine::CalculationInput &input, const engine::CalculationResult &result);

} // namespace cli
