#pragma once

#include "engine/calculationresult.h"
#include "engine/designchecks.h"

#include <optional>
#include <string>
#include <vector>

namespace engine {

/// The largest value of one quantity and the load state it occurs in.
struct GoverningValue
{
    float value = 0;
    int state = 0;
};

/// The largest sag, with the state-equation column it was solved in (its
/// temperature: installation and marking sag most at their warmest).
struct GoverningSag
{
    float sag = 0;          ///< m
    int state = 0;
    int column = 0;
    float temperature = 0;  ///< θm of the column, degC
};

/**
 * The figures a review asks for first. Forces of the whole phase in kN;
 * the first state of equal values governs.
 */
struct GoverningStates
{
    GoverningValue largestTension;  ///< H of the phase
    GoverningSag largestSag;
    float controlSag = 0;           ///< m, as entered
    /// The maintenance states, in report order, whose sag exceeds the
    /// control sag: a person on the conductor pulls it below the line the
    /// clearances were set by.
    std::vector<int> maintenanceAboveControl;
    std::optional<GoverningFactor> conductorFactor;  ///< smallest K_c
    std::optional<GoverningFactor> stringFactor;     ///< smallest K_s of both ends
    std::optional<bool> pass;                         ///< the check's verdict; absent when nothing was checked
    std::string verdict;                              ///< verdictText of the whole check
    /// The largest pull of the phase's string on each structure,
    /// √(H² + V²) with the true vertical load: S_A and S_B of the check.
    GoverningValue largestLoadA;
    GoverningValue largestLoadB;
};

/// The governing figures of \a result and its design check \a checks.
GoverningStates governingStates(const CalculationResult &result, const DesignChecks &checks);

} // namespace engine
