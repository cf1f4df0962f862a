#pragma once

#include "tools/model/weighttable.h"

namespace tools {

/// Number of catalogue rows of the fitting table.
inline constexpr int fittingWeightRowCount = 297;

/**
 * The T-connection fitting lookup `Form_tjjj` ("常用T接引下金具重量查询"):
 * the drop-lead fittings of the LN catalogue (rows 1..130) and of the NJ
 * catalogue (rows 131..297) in catalogue order, weight per item in kg.
 * Bounds are conductor designations or diameters in mm, by family.
 *
 * Nine rows are the catalogues' own figures; the others are derived from the
 * catalogued row of their family by the rules stated beside the data (a
 * weight scales with the diameter of the largest conductor the fitting
 * grips). Like all catalogue data of the program, they are for reference.
 */
WeightTable fittingWeightTable();

} // namespace tools
