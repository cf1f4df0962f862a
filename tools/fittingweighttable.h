#pragma once

#include "tools/weighttable.h"

namespace tools {

/// Number of catalogue rows of the fitting table.
inline constexpr int kFittingWeightRowCount = 297;

/**
 * The T-connection fitting lookup `Form_tjjj` ("常用T接引下金具重量查询"):
 * the drop-lead fittings of the LN catalogue (rows 1..130) and of the NJ
 * catalogue (rows 131..297) in catalogue order, weight per item in kg.
 * Both bound texts are compared with a designation.
 *
 * Figures not yet taken over from the printed catalogues are blank: such a
 * bound never matches and such a row gives no weight, so the lookup cannot
 * hand an unchecked number to a calculation.
 */
WeightTable fittingWeightTable();

} // namespace tools
