#pragma once

#include "engine/calculationinput.h"
#include "engine/calculationresult.h"

namespace engine {

/**
 * Runs the strain-conductor method on one input snapshot: the unit loads of
 * the 13 load states, the point lists with the maintenance loads, the
 * reactions and moments, the state equation with the installation and
 * marking temperatures, the loads on the structures, and the cross-check of
 * the design states as exact elastic-catenary chains.
 *
 * @throws ConversionError when a text the engine reads is not a number
 * @throws CalculationError when the span cannot be computed
 */
CalculationResult runCalculation(const CalculationInput &input);

} // namespace engine
