#pragma once

#include "engine/calculationresult.h"
#include "engine/shortcircuit.h"
#include "engine/shortcircuitcheck.h"
#include "engine/shortcircuitthermal.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace engine {

/**
 * What the engineer states about the fault and the structures, beyond the
 * span. SI units; every number > 0.
 */
struct ShortCircuitSettings
{
    double initialCurrent_A = 0; ///< I″k3
    double firstDuration_s = 0;  ///< T_k1
    /// T_k of the thermal withstand, s; absent: T_k1 (one fault, no reclosing).
    std::optional<double> thermalDuration_s;
    /// f, Hz. Kept with the results: the steps computed here do not depend on
    /// it (the standard's full pinch method and the DC component of the Joule
    /// integral would).
    double frequency_Hz = 50;
    double phaseSpacing_m = 0;                                   ///< a
    double springConstant_N_m = 0;                               ///< S of both supports together: 1/S = 1/S_A + 1/S_B
    /// S_A and S_B as typed, N/m, when S was found from them; absent when S was typed.
    std::optional<std::array<double, 2>> supportSpringConstants_N_m;
    std::optional<double> subConductorSpacing_m;                 ///< a_s of a bundle; absent: the pinch is not judged
    double thermalStrainConstant = defaultThermalStrainConstant; ///< c_th, m⁴/(A²·s)
    /// Where c_th comes from, for the page: empty when typed, else thermalStrainConstantOf()'s basis.
    std::string thermalStrainBasis;
    double thermalCoefficient = defaultThermalCoefficient;       ///< C, A·√s/mm²
    std::optional<double> staticTensionMin_N; ///< F_st at the lowest temperature as typed; absent: computed
    std::optional<double> staticTensionMax_N; ///< F_st at the highest conductor temperature; absent: computed

    bool operator==(const ShortCircuitSettings &) const = default;
};

/// The method at one temperature of the span.
struct ShortCircuitTemperatureCase
{
    int state = 0;                   ///< minTemperature (最低温度) or maxTemperature (最高温度)
    float temperature_degC = 0;      ///< the state's temperature
    bool staticTensionTyped = false; ///< F_st as typed; otherwise by the state equation
    ShortCircuitCase values;
};

struct ShortCircuitResult
{
    ShortCircuitSettings settings;
    ShortCircuitInputs inputs; ///< what the span and the settings give the method
    /// The lowest temperature first, then the highest conductor temperature.
    std::array<ShortCircuitTemperatureCase, 2> cases{};
    double designLoad_N = 0;       ///< the largest design load of both cases, whole phase
    int governingCase = 0;         ///< the case it comes from, the first of equal ones
    double minimumClearance_m = 0; ///< the smaller a_min of both cases
    ThermalWithstand thermal;
    /// The design load against the strengths of the design check, once they are known.
    std::optional<ShortCircuitCheck> strengthCheck;
    /// Where the span lies outside what the method was made for, one text each.
    std::vector<std::string> warnings;
};

/**
 * m′_s, kg/m of one sub-conductor: its own mass, its share of the spacers
 * (spacer weight / sub-span among the sub-conductors, as the unit load of
 * the span takes them) and half the mass of every jumper and drop-down lead
 * spread over the cord length l_c among the sub-conductors (the other half
 * hangs on what the lead connects to). \a windless are the loads of a state
 * without wind (windlessLoads()).
 */
double shortCircuitMassPerLength(const SpanData &span, const StateResult &windless, double cordLength_m);

/**
 * The short-circuit forces of the span of \a result at its lowest
 * temperature (最低温度) and its highest conductor temperature (最高温度),
 * and the thermal withstand.
 *
 * From the span: l the span length; l_i the mean of the lengths of strings A
 * and B, so that l_c = l − 2·l_i is the conductor between them whatever each
 * string's length; l_s the sub-span, or l_c when the bundle has no spacers;
 * n, A_s, d_s and E of the conductor; m′_s by shortCircuitMassPerLength().
 * F_st not typed is staticTension() of the state.
 *
 * @throws CalculationError naming the quantity when a setting is out of
 *         range or a step cannot be computed
 */
ShortCircuitResult shortCircuitOfSpan(const CalculationResult &result, const ShortCircuitSettings &settings);

} // namespace engine
