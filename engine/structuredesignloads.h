#pragma once

#include "engine/calculationresult.h"
#include <array>

namespace engine {

/**
 * The structure loads of \a result, whose states, reactions and state
 * equation are solved. The vertical loads are those the design check uses;
 * \a leadPositions places the drop-down leads for the wind's share.
 * @throws CalculationError for a load that is not a finite number
 */
StructureDesignLoads structureDesignLoads(const CalculationResult &result, const std::array<float, 4> &leadPositions);

} // namespace engine
