#pragma once

#include "engine/clearances.h"
#include "engine/designchecks.h"
#include "engine/governingstates.h"

#include <string>
#include <vector>

namespace app {

/// One line of the main window's panel 控制工况: what it names and the figure with its state.
struct GoverningLine
{
    std::string label;
    std::string value;
    bool failing = false; ///< a requirement is not met: the line reads in red
};

/**
 * The lines of the panel 控制工况 for \a governing, the figures of \a checks
 * (which give the factor each state requires), in the words of the book's
 * page 控制工况: the largest H; the largest sag and the control sag
 * ("1.845 m (安装 40℃)" for the stringing states, which sag most at their
 * warmest temperature); the maintenance states whose sag is above the
 * control sag, when there are any, failing; the smallest K_c and K_s with
 * the factor their state requires, failing below it ("未校核" when not
 * checked); the verdict, failing when it is "不满足"; the largest pull of
 * the strings on structures A and B; the short-circuit design load with its
 * temperature when \a shortCircuit is given, failing when its strength
 * check fails; the verdict of the air distances when \a clearances is,
 * failing when one is not met. Forces of the whole phase in kN, sags in m
 * and factors with at most 3 decimals as the report prints them, states by
 * their report labels.
 */
std::vector<GoverningLine> governingLines(const engine::GoverningStates &governing, const engine::DesignChecks &checks,
                                          const engine::ShortCircuitResult *shortCircuit = nullptr,
                                          const engine::ClearanceResult *clearances = nullptr);

} // namespace app
