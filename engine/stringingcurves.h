#pragma once

#include "engine/calculationresult.h"
#include "engine/spandata.h"

#include <array>
#include <vector>

namespace engine {

/// At most this many steps span the curves' range, whatever it is.
inline constexpr int maxStringingCurveSteps = 1000;

/**
 * The temperatures of the stringing curves, ascending, degC: each of the
 * nine stringing temperatures exactly (once, when two are equal) and, between
 * two neighbouring ones, equal steps of at most 1 degC. A range wider than
 * maxStringingCurveSteps degC, which no real site has, takes longer steps so
 * that the curve stays that short.
 */
std::vector<float> stringingCurveTemperatures(const std::array<float, markingTemperatureCount> &tabled);

/**
 * H (kN of the whole phase) and f (m) of installation and of marking at each
 * of stringingCurveTemperatures(), each point a state-equation column solved
 * against the reference as the stringing columns are: at a stringing
 * temperature it gives the stringing table's figures exactly.
 * Needs result.states and the solved result.stateEquation.
 * @throws CalculationError when a point cannot be solved
 */
StringingCurves stringingCurves(const SpanData &span, const CalculationResult &result);

} // namespace engine
