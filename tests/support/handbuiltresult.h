#pragma once

#include "engine/calculationresult.h"

namespace testing_span {

/**
 * A twin bundle (N = 2) on a 40 m span with height difference \a h. Every
 * state: H = 20000 N, RA = 560 kgf, RB = 540 kgf, shear 500 kgf just right of
 * PA and 480 kgf just left of PB (one conductor piece between the strings).
 * Installation and marking at the nine temperatures: H = 15000 .. 23000 N.
 */
engine::CalculationResult handBuiltResult(float h);

} // namespace testing_span
