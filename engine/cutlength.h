#pragma once

#include "engine/calculationresult.h"
#include "engine/spandata.h"

#include <array>

namespace engine {

/**
 * The cut length of one sub-conductor at each stringing temperature (see
 * CutLength for what it holds): the installation state's exact chain is
 * hung at the handbook's H of the installation column (N per sub-conductor)
 * and its unstressed conductor length found, in m. A temperature whose chain
 * cannot be solved is marked with the reason; the others go on.
 * Needs result.states, result.stateEquation and result.stringingTable.
 */
std::array<CutLength, markingTemperatureCount> cutLengths(const SpanData &span, const CalculationResult &result);

/// The batch summary names one cut length: that at the stringing
/// temperature nearest this one, a mild day near the yearly mean, degC.
inline constexpr float cutLengthReferenceTemperature = 15;

/// The entry of \a lengths nearest cutLengthReferenceTemperature, the first of equally near ones.
int referenceCutLength(const std::array<CutLength, markingTemperatureCount> &lengths);

} // namespace engine
