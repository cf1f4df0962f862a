#pragma once

#include "engine/calculationresult.h"
#include "engine/spandata.h"

namespace engine {

/**
 * The unit loads and the beam of \a state with its wind taken away: the
 * span's own weight, its spacers and its concentrated loads, per
 * sub-conductor in kgf as StateResult holds them. Only 最大荷载 carries ice,
 * so the states without it are also free of ice here.
 * @throws CalculationError as the calculation of the state itself would
 */
StateResult windlessLoads(const SpanData &span, int state);

/**
 * F_st, N of the whole phase: the horizontal tension of \a state without
 * wind, at the state's temperature, by the state equation against the
 * reference state of \a result, the one that fixes how much conductor the
 * span holds: n times H of the column, as the shortest decimal of its single
 * precision. A state that the options give no wind has its own H of the
 * table. Needs a complete result of runCalculation().
 * @throws CalculationError when the state equation cannot be solved
 */
double staticTension(const SpanData &span, const CalculationResult &result, int state);

} // namespace engine
