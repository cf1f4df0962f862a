#include "cli/shortcircuitjson.h"

#include "cli/statenames.h"

#include <optional>

namespace cli {

using namespace engine;

namespace {

Json orNull(const std::optional<double> &value)
{
    return value ? Json(*value) : Json(nullptr);
}

Json caseJson(const ShortCircuitTemperatureCase &temperatureCase, const ShortCircuitResult &result)
{
    const ShortCircuitCase &c = temperatureCase.values;
    const ShortCircuitInputs &in = result.inputs;
    return {
        {"state", stateName(temperatureCase.state)},
        {"temperature_degC", temperatureCase.temperature_degC},
        {"FstTyped", temperatureCase.staticTensionTyped},
        {"Fst_N", c.staticTension_N},
        {"Fprime_N_m", c.forcePerLength_N_m},
        {"r", c.forceRatio},
        {"delta1_deg", c.resultantAngle_deg},
        {"fes_m", c.staticSag_m},
        {"T_s", c.period_s},
        {"Tres_s", c.resultingPeriod_s},
        {"Es_N_m2", c.actualModulus_N_m2},
        {"N_per_N", c.stiffnessNorm_per_N},
        {"zeta", c.stressFactor},
        {"deltaEnd_deg", c.endAngle_deg},
        {"chi", c.chi},
        {"deltaM_deg", c.maxSwingAngle_deg},
        {"phi", c.loadParameter},
        {"psi", c.psi},
        {"Ft_N", c.tensileForce_N},
        {"epsEla", c.elasticStrain},
        {"epsTh", c.thermalStrain},
        {"CD", c.sagFactorCD},
        {"CF", c.sagFactorCF},
        {"fed_m", c.dynamicSag_m},
        {"bh_m", c.horizontalDisplacement_m},
        {"amin_m", c.minimumClearance_m},
        {"Ff_N", orNull(c.dropForce_N)},
        {"Fpi_N", orNull(c.pinchForce_N)},
        {"FpiNote", c.pinchForce_N ? Json(nullptr) : Json(c.pinchNote)},
        {"designLoad_N", c.designLoad_N},
        {"Ik3_A", in.initialCurrent_A},
        {"Tk1_s", in.firstDuration_s},
        {"l_m", in.span_m},
        {"li_m", in.stringLength_m},
        {"lc_m", in.cordLength_m()},
        {"a_m", in.phaseSpacing_m},
        {"n", in.subConductors},
        {"As_m2", in.subConductorArea_m2},
        {"ds_m", in.subConductorDiameter_m},
        {"E_N_m2", in.elasticModulus_N_m2},
        {"ms_kg_m", in.massPerLength_kg_m},
        {"S_N_m", in.springConstant_N_m},
        {"cth", in.thermalStrainConstant},
        {"as_m", orNull(in.subConductorSpacing_m)},
        {"ls_m", in.spacerDistance_m},
    };
}

Json strengthCheckJson(const std::optional<ShortCircuitCheck> &check)
{
    if (!check)
        return nullptr;
    return {
        {"conductorFactor", orNull(check->conductorFactor)},
        {"stringFactorA", orNull(check->stringFactorA)},
        {"stringFactorB", orNull(check->stringFactorB)},
        {"requiredConductorFactor", check->requiredConductorFactor},
        {"requiredStringFactor", check->requiredStringFactor},
        {"verdict", verdictText(check->pass, check->unchecked)},
    };
}

} // namespace

Json shortCircuitToJson(const ShortCircuitResult &shortCircuit)
{
    Json cases = Json::array();
    for (const ShortCircuitTemperatureCase &c : shortCircuit.cases)
        cases.push_back(caseJson(c, shortCircuit));
    const ThermalWithstand &thermal = shortCircuit.thermal;
    const auto &supports = shortCircuit.settings.supportSpringConstants_N_m;
    return {
        {"frequency_Hz", shortCircuit.settings.frequency_Hz},
        {"cthBasis", shortCircuit.settings.thermalStrainBasis},
        {"SA_N_m", supports ? Json((*supports)[0]) : Json(nullptr)},
        {"SB_N_m", supports ? Json((*supports)[1]) : Json(nullptr)},
        {"cases", cases},
        {"designLoad_N", shortCircuit.designLoad_N},
        {"governingState", stateName(shortCircuit.cases[shortCircuit.governingCase].state)},
        {"minimumClearance_m", shortCircuit.minimumClearance_m},
        {"thermal",
         {
             {"Tk_s", thermal.duration_s},
             {"C_A_sqrts_per_mm2", thermal.coefficient},
             {"Amin_mm2", thermal.minimumSection_mm2},
             {"section_mm2", thermal.section_mm2},
             {"pass", thermal.met},
         }},
        {"strengthCheck", strengthCheckJson(shortCircuit.strengthCheck)},
        {"warnings", shortCircuit.warnings},
    };
}

} // namespace cli
