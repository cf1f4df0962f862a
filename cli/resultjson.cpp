#include "cli/resultjson.h"

#include "cli/jsonnumber.h"
#include "engine/numbers.h"

#include <string>

namespace cli {

using Json = nlohmann::ordered_json;
using namespace engine;

namespace {

constexpr const char *stateNames[loadStateCount] = {
    "maxTemperature", "maxLoad", "maxWind", "minTemperature", "lightning", "switching", "powerFrequency",
    "threePhaseHot", "threePhaseCold", "singlePhaseHot", "singlePhaseCold", "installation", "marking",
};

double number(float value)
{
    return jsonNumber(value);
}

constexpr const char *leadNames[leadCount] = {"PA", "P1", "P2", "P3", "P4", "PB"};
constexpr const char *rowNames[stateEquationRowCount] = {
    "M_N_m", "Cm", "alphaE", "Cn", "sigmaN_N_mm2", "thetaN_degC", "thetaM_degC", "deltaTheta_degC",
    "B_N_mm2", "A_N_mm2", "sigmaM_N_mm2", "H_N", "f_m",
};

Json perLead(const std::array<float, leadCount> &values)
{
    Json json = Json::object();
    for (int k = 0; k < leadCount; ++k)
        json[leadNames[k]] = number(values[k]);
    return json;
}

Json spanJson(const SpanData &span)
{
    Json leads = Json::object();
    for (int k = 0; k < leadCount; ++k) {
        const LeadData &lead = span.leads[k];
        leads[leadNames[k]] = {
            {"present", lead.present},
            {"unitWeight_kgf_m", number(lead.unitWeight)},
            {"diameter_mm", number(lead.diameter)},
            {"bundleCount", lead.bundleCount},
            {"subSpan_m", number(lead.subSpan)},
            {"spacerWeight_kgf", number(lead.spacerWeight)},
            {"length_m", number(lead.length)},
            {"fittingWeight_kgf", number(lead.fittingWeight)},
            {"relativeDistance_m", number(lead.relativeDistance)},
        };
    }
    Json markingTemperatures = Json::array();
    for (float t : span.markingTemperature)
        markingTemperatures.push_back(number(t));
    return {
        {"voltageLevel_kV", span.voltageLevel},
        {"bundleCount", span.bundleCount},
        {"spanLength_m", number(span.spanLength)},
        {"heightDifference_m", number(span.heightDifference)},
        {"controlSag_m", number(span.controlSag)},
        {"cosGamma", number(span.cosGamma)},
        {"conductorSpan_m", number(span.conductorSpan())},
        {"stringAProjection_m", number(span.stringAProjection)},
        {"stringBProjection_m", number(span.stringBProjection)},
        {"maintenancePointX_m", number(span.maintenancePointX)},
        {"conductorDiameter_mm", number(span.conductorDiameter)},
        {"conductorUnitWeight_kgf_m", number(span.conductorUnitWeight)},
        {"conductorArea_mm2", number(span.conductorArea)},
        {"elasticModulus_N_mm2", number(span.elasticModulus)},
        {"expansionCoefficient_1e-6_per_degC", number(span.expansionCoefficient)},
        {"markingTemperatures_degC", markingTemperatures},
        {"leads", leads},
    };
}

Json stateJson(const SpanData &span, const StateResult &state, int s)
{
    Json points = Json::array();
    for (const PointLoad &p : state.points)
        points.push_back({{"load_kgf", number(p.load)}, {"position_m", number(p.position)}});
    Json segments = Json::array();
    for (const Segment &seg : state.segments)
        segments.push_back({
            {"length_m", number(seg.length)},
            {"distributedLoad_kgf", number(seg.distributedLoad)},
            {"pointLoad_kgf", number(seg.pointLoad)},
            {"shearLeft_kgf", number(seg.shearLeft)},
            {"shearRight_kgf", number(seg.shearRight)},
            {"moment_kgf_m", number(seg.moment)},
            {"momentSquaredOverLength", number(seg.momentTerm)},
            {"loadSquaredLengthOver12", number(seg.loadTerm)},
            {"loadFactorTerm", number(seg.loadFactorTerm)},
        });
    return {
        {"index", s},
        {"name", stateNames[s]},
        {"label", loadStateLabel(s)},
        {"temperature_degC", number(span.temperature[s])},
        {"windSpeed_m_s", number(span.windSpeed[s])},
        {"ice_mm", number(span.iceOfState[s])},
        {"conductorLoad_kgf_m", number(state.conductorLoad)},
        {"conductorWindPhase_kgf_m", number(state.conductorWind)},
        {"stringALoad_kgf", number(state.stringALoad)},
        {"stringBLoad_kgf", number(state.stringBLoad)},
        {"stringAWindWhole_kgf", number(state.stringAWind)},
        {"stringBWindWhole_kgf", number(state.stringBWind)},
        {"leadLoad_kgf", perLead(state.leadLoad)},
        {"leadWindAllSubConductors_kgf_m", perLead(state.leadWind)},
        {"points", points},
        {"reactionA_kgf", number(state.reactionA)},
        {"reactionB_kgf", number(state.reactionB)},
        {"segments", segments},
        {"maxMoment_kgf_m", number(state.maxMoment)},
        {"momentCheck_kgf_m", number(state.momentCheck)},
        {"loadFactor", number(state.loadFactor)},
        {"stringAMoment_kgf_m", number(state.stringAMoment)},
        {"stringBMoment_kgf_m", number(state.stringBMoment)},
    };
}

std::string columnName(int c)
{
    if (c < installationColumn)
        return stateNames[c];
    if (c < markingColumn)
        return "installation" + std::to_string(c - installationColumn + 1);
    return "marking" + std::to_string(c - markingColumn + 1);
}

Json stateEquationJson(const CalculationResult &result)
{
    Json columns = Json::array();
    for (int c = 0; c < stateEquationColumnCount; ++c) {
        Json column = {{"column", c}, {"name", columnName(c)}};
        for (int row = 0; row < stateEquationRowCount; ++row)
            column[rowNames[row]] = number(result.stateEquation[c][row]);
        columns.push_back(column);
    }
    return {
        {"conductorCoefficient", number(result.conductorCoefficient)},
        {"referenceColumn", result.referenceColumn},
        {"columns", columns},
    };
}

Json summaryJson(const CalculationResult &result)
{
    Json rows = Json::array();
    for (int s = 0; s < designStateCount; ++s) {
        const SummaryRow &row = result.summary[s];
        rows.push_back({
            {"state", stateNames[s]},
            {"temperature_degC", row.temperature},
            {"tensionPhase_kN", number(row.tension)},
            {"sag_m", number(row.sag)},
            {"reactionAPhase_kN", number(row.reactionA)},
            {"reactionBPhase_kN", number(row.reactionB)},
            {"lateralForceA_kN", number(row.lateralA)},
            {"lateralForceB_kN", number(row.lateralB)},
            {"stringASag_m", number(row.stringASag)},
            {"stringBSag_m", number(row.stringBSag)},
        });
    }
    return rows;
}

Json loadTableJson(const CalculationResult &result)
{
    Json rows = Json::array();
    for (int s = 0; s < loadStateCount; ++s) {
        const LoadTableRow &row = result.loadTable[s];
        rows.push_back({
            {"state", stateNames[s]},
            {"conductorLoad_kgf_m", number(row.conductorLoad)},
            {"conductorWind_kgf_m", number(row.conductorWind)},
            {"stringALoad_kgf", number(row.stringALoad)},
            {"stringAWind_kgf", number(row.stringAWind)},
            {"leadLoad_kgf", perLead(row.leadLoad)},
            {"leadWind_kgf_m", perLead(row.leadWind)},
            {"stringBLoad_kgf", number(row.stringBLoad)},
            {"stringBWind_kgf", number(row.stringBWind)},
        });
    }
    return rows;
}

Json stringingJson(const CalculationResult &result)
{
    Json rows = Json::array();
    for (const StringingRow &row : result.stringingTable)
        rows.push_back({
            {"temperature_degC", number(row.temperature)},
            {"installationTensionPhase_kN", number(row.installationTension)},
            {"installationSag_m", number(row.installationSag)},
            {"markingTensionPhase_kN", number(row.markingTension)},
            {"markingSag_m", number(row.markingSag)},
        });
    return rows;
}

// A state whose chain was not solved has no figures: its entry says why,
// and never carries zeros that could be read as results.
Json catenaryJson(const CalculationResult &result)
{
    const CatenaryCrossCheck &check = result.catenary;
    Json states = Json::array();
    for (int s = 0; s < designStateCount; ++s) {
        const CatenaryStateCheck &state = check.states[s];
        Json entry = {{"state", stateNames[s]}, {"converged", state.converged}};
        if (state.converged) {
            entry["H_N"] = number(state.tension);
            entry["f_m"] = number(state.sag);
            entry["dH_percent"] = number(state.tensionDifference);
            entry["df_percent"] = number(state.sagDifference);
            entry["iterations"] = state.iterations;
        } else {
            entry["failure"] = state.failure;
        }
        states.push_back(entry);
    }
    return {
        {"model", "elastic catenary, strings as rigid links, B taken lower than A"},
        {"unstressedLength_m", check.unstressedLength},
        {"referenceColumn", result.referenceColumn},
        {"states", states},
    };
}

} // namespace

double jsonNumber(float value)
{
    return engine::shortestDouble(value);
}

const char *stateName(int state)
{
    return stateNames[state];
}

Json resultToJson(const CalculationResult &result)
{
    Json states = Json::array();
    for (int s = 0; s < loadStateCount; ++s)
        states.push_back(stateJson(result.span, result.states[s], s));
    const BeamLoads &beam = result.beamLoads;
    return {
        {"span", spanJson(result.span)},
        {"maintenanceLoadThreePhase_kgf", number(result.threePhaseMaintenanceLoad)},
        {"maintenanceLoadSinglePhase_kgf", number(result.singlePhaseMaintenanceLoad)},
        {"states", states},
        {"stateEquation", stateEquationJson(result)},
        {"summary", summaryJson(result)},
        {"loadTable", loadTableJson(result)},
        {"beamLoads_kN",
         {
             {"stringingA", number(beam.stringingA)},
             {"stringingB", number(beam.stringingB)},
             {"threePhaseMaintenanceA", number(beam.threePhaseA)},
             {"threePhaseMaintenanceB", number(beam.threePhaseB)},
             {"singlePhaseMaintenanceA", number(beam.singlePhaseA)},
             {"singlePhaseMaintenanceB", number(beam.singlePhaseB)},
         }},
        {"stringingTable", stringingJson(result)},
        {"catenary", catenaryJson(result)},
    };
}

} // namespace cli
