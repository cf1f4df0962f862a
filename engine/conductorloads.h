#pragma once

#include "engine/calculationresult.h"
#include "engine/spandata.h"

namespace engine {

/// Ice of density 0.9 g/cm³ in a ring b mm thick round a conductor of d mm:
/// gi = 0.9·π·b·(b + d)·10⁻³ kgf/m, the handbook's 0.00283·b·(b + d).
inline constexpr double iceDensity_gPerCm3 = 0.9;
inline constexpr double iceWeightCoefficient = 0.00283;

/// Wind on a conductor: gw = αc·W0·(d + 2b)·10⁻³ kgf/m with the base wind
/// pressure W0 = v²/16 kgf/m² and the shape coefficient c = 1.2 (α = 1), the
/// handbook's 0.075·v²·(d + 2b)·10⁻³.
inline constexpr double windPressureDivisor = 16;
inline constexpr double conductorShapeCoefficient = 1.2;
inline constexpr double conductorWindCoefficient = 0.075;

/// Wind on an insulator string of wind area A m²: W = 0.66·A·v²/16 kgf, the
/// handbook's 0.04125·A·v².
inline constexpr double stringShapeCoefficient = 0.66;
inline constexpr double stringWindCoefficient = 0.04125;

static_assert(conductorWindCoefficient == conductorShapeCoefficient / windPressureDivisor);
static_assert(stringWindCoefficient == stringShapeCoefficient / windPressureDivisor);

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

/// Every unit load of \a state: both strings, the conductor and the six
/// concentrated loads, as computeStringLoad(), computeConductorLoad() and
/// computeLeadLoad() give them.
void computeStateLoads(const SpanData &span, int state, StateResult &result);

/// Without string B in the marking state the conductor runs on to structure B
/// over the length the string would occupy.
void applyMarkingWithoutStringB(const SpanData &span, StateResult &markingState);

} // namespace engine
