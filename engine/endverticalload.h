#pragma once

#include "engine/calculationresult.h"
#include "engine/spandata.h"

namespace engine {

enum class StructureEnd { A, B };

/**
 * What the slope of the span adds to the vertical force at \a end, N per
 * sub-conductor: +H·tan γ at the higher structure and −H·tan γ at the lower,
 * with tan γ = |h|/L. The handbook's beam knows no slope, so its reactions
 * share the weight as on a level span; the conductor leaves the higher
 * structure the steeper way, and the two ends together still carry the
 * weight and nothing more.
 *
 * @param horizontal_N  H, N per sub-conductor
 * @throws CalculationError when the span length is 0
 */
double slopeComponent(const SpanData &span, double horizontal_N, StructureEnd end);

/**
 * The true vertical load one sub-conductor puts on the structure at \a end in
 * \a state, N: the beam's reaction (RA or RB) with the slope component of the
 * state's governing H. The design check's string pulls and the structure
 * loads both take it from here.
 */
double verticalLoadAtEnd(const CalculationResult &result, int state, StructureEnd end);

} // namespace engine
