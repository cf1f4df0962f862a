#pragma once

#include "engine/calculationresult.h"
#include "engine/spandata.h"

#include <array>

namespace engine {

/// Lateral wind forces on structures A and B in one state (kgf, whole phase).
struct LateralForces
{
    double onA = 0;
    double onB = 0;
};

/**
 * The wind on string A, the conductor, the concentrated loads and string B,
 * shared between the two structures as the reactions of a simple beam. The
 * wind on a concentrated load is its wind per metre times its conductor length.
 */
LateralForces lateralWindForces(const SpanData &span, const StateResult &state,
                                const std::array<float, 4> &leadPositions);

/// Added vertical loads on the cross-beams during stringing and maintenance, kN.
BeamLoads beamLoads(const SpanData &span, const CalculationResult &result);

} // namespace engine
