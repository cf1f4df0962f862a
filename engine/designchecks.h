#pragma once

#include "engine/calculationresult.h"
#include "engine/loadstate.h"

#include <array>
#include <optional>
#include <string>

namespace engine {

/// Required safety factors for soft conductors and suspension insulators (DL/T 5222).
inline constexpr double defaultConductorLongTermFactor = 4.0;
inline constexpr double defaultConductorShortTermFactor = 2.5;
inline constexpr double defaultStringLongTermFactor = 5.3;
inline constexpr double defaultStringShortTermFactor = 3.3;

/**
 * What the strength checks compare the tensions with. A strength that is not
 * given leaves its check undone: it is never replaced by a guess.
 */
struct DesignCheckSettings
{
    std::optional<double> conductorRatedStrength_N;  ///< 计算拉断力 of one sub-conductor
    std::optional<double> stringARatedLoad_kN;       ///< rated failing load of string A, all parallel strings
    std::optional<double> stringBRatedLoad_kN;
    double conductorLongTermFactor = defaultConductorLongTermFactor;
    double conductorShortTermFactor = defaultConductorShortTermFactor;
    double stringLongTermFactor = defaultStringLongTermFactor;
    double stringShortTermFactor = defaultStringShortTermFactor;

    bool operator==(const DesignCheckSettings &) const = default;
};

/// The loads act for a long time in 最高温度, 最大荷载, 最大风速 and 最低温度; the other nine states are short.
constexpr bool isLongTermState(int state) { return state <= minTemperature; }

/// The strengths a check could not compare with because none was given.
/// String B while marking without it is not among them: there is no string to check.
struct UncheckedStrengths
{
    bool conductor = false;
    bool stringA = false;
    bool stringB = false;

    bool any() const { return conductor || stringA || stringB; }
    bool operator==(const UncheckedStrengths &) const = default;
};

/// The check of one load state. Tensions in N; an absent factor was not checked.
struct StateCheck
{
    float horizontalTension = 0;  ///< H per sub-conductor (installation and marking: the largest of the nine temperatures)
    float conductorTensionA = 0;  ///< T_A per sub-conductor, at string A
    float conductorTensionB = 0;  ///< T_B per sub-conductor, at string B
    float conductorTension = 0;   ///< T_c = max(T_A, T_B)
    float stringPullA = 0;        ///< S_A, whole phase, on structure A
    float stringPullB = 0;        ///< S_B, whole phase, on structure B
    std::optional<float> conductorFactor;  ///< K_c
    std::optional<float> stringFactorA;    ///< K_s(A)
    std::optional<float> stringFactorB;    ///< K_s(B)
    float requiredConductorFactor = 0;
    float requiredStringFactor = 0;
    /// True when every factor that was checked reaches its required value;
    /// absent when nothing was checked.
    std::optional<bool> pass;
    UncheckedStrengths unchecked;
};

/// The smallest factor of one kind and the state it occurs in.
struct GoverningFactor
{
    float factor = 0;
    int state = 0;
};

struct DesignChecks
{
    std::array<StateCheck, loadStateCount> states;
    std::optional<GoverningFactor> conductor;  ///< smallest K_c
    std::optional<GoverningFactor> string;     ///< smallest K_s of both ends
    /// True when every state passes, false when one fails; absent when nothing was checked.
    std::optional<bool> pass;
    UncheckedStrengths unchecked;  ///< of any state
};

/// The verdict words of the check wherever it is shown: the page, the
/// summaries, the viewer's status line, the JSON.
inline constexpr const char *verdictMet = "满足";
inline constexpr const char *verdictFailed = "不满足";
inline constexpr const char *verdictNotChecked = "未校核";

/**
 * "不满足" when a checked factor fails; "未校核" when nothing was checked;
 * "满足" only when every check was made and passed, and otherwise names
 * what was left unchecked: "满足(导线未校核)", "满足(B串未校核)",
 * "满足(导线、绝缘子串未校核)". A pass never claims a check that was not made.
 */
std::string verdictText(const std::optional<bool> &pass, const UncheckedStrengths &unchecked);

/**
 * Tensions of the conductor at its two ends and pulls of the strings on the
 * structures for each of the 13 load states, and their safety factors
 * against the rated strengths of \a settings.
 *
 * The vertical component at an end is the shear at the jumper there (the
 * handbook's beam, which knows no slope) plus H·tan γ at the higher
 * structure and minus H·tan γ at the lower one, so that the two ends
 * together carry the weight and nothing more.
 *
 * @throws CalculationError for a strength or factor that is not a positive number
 */
DesignChecks checkDesign(const CalculationResult &result, const DesignCheckSettings &settings);

} // namespace engine
