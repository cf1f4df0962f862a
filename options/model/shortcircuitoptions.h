#pragma once

#include "engine/shortcircuitspan.h"
#include "options/model/clearanceoptions.h"

#include <optional>
#include <string>

namespace options {

/**
 * The short-circuit inputs of a span as the user typed them, in the units
 * of the window (kA, kN/m, kN). A blank short-circuit current means that no
 * short circuit is computed, and then nothing else is read; the fields with
 * a shortCircuitBlankMeaning() have a meaning when blank, every other one
 * must be a number greater than 0. The phase spacing a is not among them:
 * it is the layout's, typed once with the clearances (ClearanceOptions).
 * These settings live in the span file, never in default.dat.
 */
struct ShortCircuitOptions
{
    std::string initialCurrent;        ///< I″k3, kA; blank: no short circuit is computed
    std::string firstDuration;         ///< T_k1, s
    std::string thermalDuration;       ///< T_k, s; blank: T_k1
    std::string frequency = "50";      ///< f, Hz
    std::string springConstant;        ///< S of both supports together, kN/m; blank: from S_A and S_B
    std::string springConstantA;       ///< S_A of structure A alone, kN/m; only where S is blank
    std::string springConstantB;       ///< S_B, likewise
    std::string subConductorSpacing;   ///< a_s, m; blank: the pinch is not judged
    std::string thermalStrainConstant; ///< c_th in 10⁻¹⁸ m⁴/(A²·s); blank: by the conductor
    std::string thermalConstant;       ///< C, A·√s/mm²; the engine's default
    std::string staticTensionMin;      ///< F_st at the lowest temperature, kN; blank: computed
    std::string staticTensionMax;      ///< F_st at the highest conductor temperature, kN; blank: computed

    ShortCircuitOptions();
    bool operator==(const ShortCircuitOptions &) const = default;
};

/// The fields in the order of the span file and the messages.
enum class ShortCircuitField {
    initialCurrent,
    firstDuration,
    thermalDuration,
    frequency,
    springConstant,
    springConstantA,
    springConstantB,
    subConductorSpacing,
    thermalStrainConstant,
    thermalConstant,
    staticTensionMin,
    staticTensionMax,
};
inline constexpr int shortCircuitFieldCount = 12;

/// "短路电流I″k3(kA)" and the like.
const char *shortCircuitFieldLabel(ShortCircuitField field);
/// The key of \a field in the span file's "shortCircuit" section: "initialCurrent_kA" and the like.
const char *shortCircuitFieldKey(ShortCircuitField field);
std::string &shortCircuitFieldText(ShortCircuitOptions &options, ShortCircuitField field);
const std::string &shortCircuitFieldText(const ShortCircuitOptions &options, ShortCircuitField field);

/// What a blank \a field means, "不进行短路计算" and the like; nullptr where the field must be given.
const char *shortCircuitBlankMeaning(ShortCircuitField field);

/// Whether a short circuit is asked for: the current is not blank.
bool isShortCircuitAsked(const ShortCircuitOptions &options);

/**
 * The first field that cannot be used as written when a short circuit is
 * asked for: a blank where blank has no meaning, a text that is not a
 * number, or a number not greater than 0; and the spring constants given
 * one way only, S or both S_A and S_B (S blank without both is S's fault,
 * S_A or S_B beside S theirs). Nothing when none, or when no short circuit
 * is asked for.
 */
std::optional<ShortCircuitField> firstBadShortCircuitField(const ShortCircuitOptions &options);

/// "短路计算: “系统频率f(Hz)”应为大于0的数值." and, where a blank has a meaning, what it means.
std::string badShortCircuitFieldMessage(ShortCircuitField field);

/**
 * The engine's settings, in SI units, a taken from \a layout and a blank
 * c_th from the conductor named \a conductorDesignation
 * (engine::thermalStrainConstantOf()); nothing when no short circuit is
 * asked for.
 * @throws std::invalid_argument with badShortCircuitFieldMessage() of the
 *         first bad field, badClearanceFieldMessage() of a blank or bad a,
 *         or noThermalStrainConstantMessage() for a conductor whose c_th
 *         its designation does not tell
 */
std::optional<engine::ShortCircuitSettings> shortCircuitSettings(const ShortCircuitOptions &options,
                                                                 const ClearanceOptions &layout,
                                                                 const std::string &conductorDesignation);

/// "短路计算: 导线型号“LGJK-1250”看不出铝钢截面比,请填写“热应变系数cth(...)”."
std::string noThermalStrainConstantMessage(const std::string &conductorDesignation);

} // namespace options
