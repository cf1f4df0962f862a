#pragma once

#include "engine/designchecks.h"

#include <optional>

namespace engine {

/**
 * The short-circuit design load against the rated strengths. A fault is a
 * short-time load: the factors are the design check's short-term ones
 * (DL/T 5222: 2.5 for the conductor, 3.3 for the strings, as set), so the
 * same strengths and factors judge the static states and the fault. The
 * design load acts on the whole phase: the conductor's strength is that of
 * its n sub-conductors, each string's the rated load of all its parallel
 * strings. A strength not given leaves its factor unchecked.
 */
struct ShortCircuitCheck
{
    double designLoad_N = 0;              ///< whole phase
    std::optional<double> conductorFactor; ///< n·T_rated / F_d
    std::optional<double> stringFactorA;   ///< S_rated(A) / F_d
    std::optional<double> stringFactorB;
    double requiredConductorFactor = 0;
    double requiredStringFactor = 0;
    std::optional<bool> pass;  ///< absent when nothing was checked
    UncheckedStrengths unchecked;
};

/// The check of the short-circuit design load \a designLoad_N (whole phase) of a span of \a subConductors.
ShortCircuitCheck checkShortCircuit(double designLoad_N, int subConductors, const DesignCheckSettings &settings);

} // namespace engine
