#pragma once

#include "engine/calculationresult.h"
#include "engine/spandata.h"

namespace engine {

/**
 * The loads of one load state (kgf, kgf/m), per sub-conductor where the span
 * calculation uses them: every load is divided by the bundle count, so that
 * the beam and the state equation compute one sub-conductor.
 * @throws CalculationError for a bundle count below 1
 */
void computeConductorLoad(const SpanData &span, int state, StateResult &result);

enum class StringSide { A, B };
void computeStringLoad(const SpanData &span, StringSide side, int state, StateResult &result);

/// Load and wind of concentrated load \a lead (0 = PA, 1..4 = P1..P4, 5 = PB),
/// with the marking state's rules of what is not yet connected.
void computeLeadLoad(const SpanData &span, int state, int lead, StateResult &result);

/// Without string B in the marking state the conductor runs on to structure B
/// over the length the string would occupy.
void applyMarkingWithoutStringB(const SpanData &span, StateResult &markingState);

} // namespace engine
