#pragma once

#include "engine/clearances.h"

#include <optional>
#include <string>

namespace options {

/**
 * The electrical clearances of a span as the engineer typed them, in m,
 * with the phase spacing a that the short circuit uses too.
 * Every field may be blank: a blank required distance is not checked, and
 * when every field is blank nothing is checked and no page is printed. A
 * given number must be greater than 0; a given requirement needs its
 * geometry, a for phase to phase in the voltage states and c for phase to
 * earth. The code reference is free text, printed as typed. These settings
 * live in the span file, never in default.dat.
 */
struct ClearanceOptions
{
    std::string phaseSpacing;   ///< a
    std::string earthDistance;  ///< c
    std::string halfWidth;      ///< r; blank: d/2 of a single conductor
    std::string phaseToPhaseLightning;
    std::string phaseToPhaseSwitching;
    std::string phaseToPhasePowerFrequency;
    std::string phaseToPhaseShortCircuit;
    std::string phaseToEarthLightning;
    std::string phaseToEarthSwitching;
    std::string phaseToEarthPowerFrequency;
    std::string phaseToEarthShortCircuit;
    std::string codeReference;

    bool operator==(const ClearanceOptions &) const = default;
};

/// The fields in the order of the span file and the messages.
enum class ClearanceField {
    phaseSpacing,
    earthDistance,
    halfWidth,
    phaseToPhaseLightning,
    phaseToPhaseSwitching,
    phaseToPhasePowerFrequency,
    phaseToPhaseShortCircuit,
    phaseToEarthLightning,
    phaseToEarthSwitching,
    phaseToEarthPowerFrequency,
    phaseToEarthShortCircuit,
    codeReference,
};
inline constexpr int clearanceFieldCount = 12;

/// "相间距离a(m)" and the like.
const char *clearanceFieldLabel(ClearanceField field);
/// The key of \a field in the span file's "clearances" section: "phaseSpacing_m" and the like.
const char *clearanceFieldKey(ClearanceField field);
std::string &clearanceFieldText(ClearanceOptions &options, ClearanceField field);
const std::string &clearanceFieldText(const ClearanceOptions &options, ClearanceField field);

/// Whether anything beyond a is filled in, the code reference included: a
/// alone is typed for the short circuit and asks for no clearance page.
bool isClearanceAsked(const ClearanceOptions &options);

/**
 * The first field that cannot be used as written: a number field whose
 * text is not a number greater than 0, or a blank a or c that a given
 * requirement needs; a is also needed when \a shortCircuitAsked, and r
 * by any requirement of a \a bundled phase, whose width no diameter gives.
 * Nothing when none.
 */
std::optional<ClearanceField> firstBadClearanceField(const ClearanceOptions &options, bool shortCircuitAsked = false,
                                                     bool bundled = false);

/**
 * a as typed, the one phase spacing of the span that the clearances and the
 * short circuit share; nothing when blank.
 * @throws std::invalid_argument with badClearanceFieldMessage() for a text that is not a number greater than 0
 */
std::optional<double> typedPhaseSpacing(const ClearanceOptions &options);

/// "电气距离校验: “相间距离a(m)”应为大于0的数值,留空则不校核相间距离." and the like.
std::string badClearanceFieldMessage(ClearanceField field);

/**
 * The engine's settings; nothing when isClearanceAsked() is not.
 * @throws std::invalid_argument with badClearanceFieldMessage() of the first
 *         bad field, \a bundled as firstBadClearanceField() takes it
 */
std::optional<engine::ClearanceSettings> clearanceSettings(const ClearanceOptions &options, bool bundled = false);

} // namespace options
