#pragma once

#include "engine/calculationresult.h"
#include "engine/spandata.h"

#include <array>

namespace engine {

/// Load on the cross-beam at every stringing or maintenance besides the conductor's (people and tools), kgf.
inline constexpr double beamBaseLoad_kgf = 200;
/// Stringing pulls the conductor with T = 1.2·H (the handbook's 1.1 to 1.2) at α = 45° to the beam.
inline constexpr double stringingTensionFactor = 1.2;
inline constexpr double stringingPullAngle_deg = 45;

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
