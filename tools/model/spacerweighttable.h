#pragma once

#include "tools/model/weighttable.h"

namespace tools {

/**
 * The spacer lookup `Form_jgb` ("常用间隔棒的重量查询"): the 30 spacers of
 * the catalogues, weight per spacer in kg. Only the lower bound's text is
 * compared with a designation.
 */
WeightTable spacerWeightTable();

} // namespace tools
