#pragma once

#include "engine/calculationresult.h"
#include "engine/shortcircuitspan.h"
#include "engine/windswing.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace engine {

/// The conditions whose air distances are checked, in the order of the page.
enum class ClearanceCondition { lightning, switching, powerFrequency, shortCircuit };
inline constexpr int clearanceConditionCount = 4;

/// The distances that must stay between a phase and its neighbour, or an earthed part.
enum class ClearanceKind { phaseToPhase, phaseToEarth };

/**
 * The geometry of the phases and the distances the engineer requires, m.
 * A distance not given is not checked; the required distances are those of
 * the code named in codeReference, as the engineer took them from it.
 */
struct ClearanceSettings
{
    std::optional<double> phaseSpacing_m;   ///< a, between the centres of adjacent phases
    std::optional<double> earthDistance_m;  ///< c, horizontally from the centre of the outer phase to the nearest earthed part
    /// r, from the centre of a phase to the outer surface of its outermost
    /// sub-conductor, across the span; absent: d/2 of a single conductor
    /// (a bundle must have it given).
    std::optional<double> halfWidth_m;
    std::array<std::optional<double>, clearanceConditionCount> phaseToPhase_m{};
    std::array<std::optional<double>, clearanceConditionCount> phaseToEarth_m{};
    std::string codeReference;

    bool operator==(const ClearanceSettings &) const = default;
};

enum class ClearanceVerdict { met, notMet, notChecked };

/// One line of the check: one condition, one kind of distance.
struct ClearanceCheck
{
    ClearanceCondition condition = ClearanceCondition::lightning;
    ClearanceKind kind = ClearanceKind::phaseToPhase;
    std::optional<double> required_m;
    std::optional<double> remaining_m; ///< absent when not checked
    ClearanceVerdict verdict = ClearanceVerdict::notChecked;
};

struct ClearanceResult
{
    ClearanceSettings settings;
    double halfWidth_m = 0;          ///< r as used
    std::vector<WindSwing> swings;   ///< every design state with wind, for the page
    /// Phase to phase of the four conditions, then phase to earth of the four.
    std::vector<ClearanceCheck> checks;
};

/// The load state of a voltage condition (雷电电压, 操作电压, 工频电压).
int clearanceState(ClearanceCondition condition);

/// "操作电压" (the state's label), or "短路".
const char *clearanceConditionLabel(ClearanceCondition condition);
/// "相间" or "对地".
const char *clearanceKindLabel(ClearanceKind kind);
/// "操作电压对地", "短路相间" and the like.
std::string clearanceCheckLabel(const ClearanceCheck &check);

/**
 * The verdict of all the checks: "未校核" when none was checked, else
 * "满足" or "不满足", followed by what is not met and how many
 * requirements were left blank, "不满足(操作电压对地;5项未校核)", so that
 * "满足" claims no more than was checked.
 */
std::string clearanceVerdictText(const ClearanceResult &clearances);

/// Whether a check was made and failed.
bool anyClearanceNotMet(const ClearanceResult &clearances);

/**
 * The air distances that remain under the swing of each voltage state, and
 * under the short circuit's swing, against the required ones.
 *
 * Conservative by choice, since the span alone cannot say how its
 * neighbours hang:
 * - phase to phase, 雷电电压/操作电压/工频电压: a − 2·b − 2·r. Adjacent
 *   phases are taken to swing toward each other by b each, as a wind that
 *   turns along the span or phases of unequal sag can make them, and the
 *   surfaces of the two outermost sub-conductors stand r inside each centre;
 * - phase to earth: c − b − r, the outer phase swinging its whole b toward
 *   the earthed part;
 * - 短路: a_min − 2·r between phases, a_min being the smaller least
 *   distance between the centres that the short circuit leaves at either
 *   temperature; c − b_h − r to earth, b_h the larger horizontal
 *   displacement of the two, the outer phase thrown its whole b_h toward
 *   the earthed part.
 * b is that of the state's governing column (windSwing()). A requirement
 * not given, or of the short circuit when \a shortCircuit is absent, is
 * not checked. A requirement met to the last digit is met.
 *
 * @throws CalculationError for a requirement whose geometry (a or c) is not
 *         given, a bundle without r, a distance not above 0, or a swing
 *         that cannot be computed
 */
ClearanceResult checkClearances(const CalculationResult &result, const ClearanceSettings &settings,
                                const std::optional<ShortCircuitResult> &shortCircuit);

} // namespace engine
