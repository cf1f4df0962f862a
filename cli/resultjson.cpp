#include "cli/resultjson.h"

#include "cli/statenames.h"
#include "engine/catenarycrosscheck.h"
#include "engine/numberformatting.h"

#include <string>

namespace cli {

using Json = nlohmann::ordered_json;
using namespace engine;

namespace {

constexpr const char *stateNames[loadStateCount] = {
    "maxTemperature", "maxLoad", "maxWind", "minTemperature", "lightning", "switching", "powerFrequency",
    "threePhaseHot", "threePhaseCold", "singlePhaseHot", "singlePhaseCold", "installation", "marking",
};

constexpr const char *leadNames[leadCount] = {"PA", "P1", "P2", "P3", "P4", "PB"};
constexpr const char *rowNames[stateEquationRowCount] = {
    "M_N_m", "Cm", "alphaE", "Cn", "sigmaN_N_mm2", "thetaN_degC", "thetaM_degC", "deltaTheta_degC",
    "B_N_mm2", "A_N_mm2", "sigmaM_N_mm2", "H_N", "f_m",
};

Json perLead(const std::array<float, leadCount> &values)
{
    Json json = Json::object();
    for (int k = 0; k < leadCount; ++k)
        json[leadNames[k]] = shortestDouble(values[k]);
    return json;
}

Json spanJson(const SpanData &span)
{
    Json leads = Json::object();
    for (int k = 0; k < leadCount; ++k) {
        const LeadData &lead = span.leads[k];
        leads[leadNames[k]] = {
            {"present", lead.present},
            {"unitWeight_kgf_m", shortestDouble(lead.unitWeight)},
            {"diameter_mm", shortestDouble(lead.diameter)},
            {"bundleCount", lead.bundleCount},
            {"subSpan_m", shortestDouble(lead.subSpan)},
            {"spacerWeight_kgf", shortestDouble(lead.spacerWeight)},
            {"length_m", shortestDouble(lead.length)},
            {"fittingWeight_kgf", shortestDouble(lead.fittingWeight)},
            {"relativeDistance_m", shortestDouble(lead.relativeDistance)},
        };
    }
    Json markingTemperatures = Json::array();
    for (float t : span.markingTemperature)
        markingTemperatures.push_back(shortestDouble(t));
    return {
        {"voltageLevel_kV", span.voltageLevel},
        {"bundleCount", span.bundleCount},
        {"spanLength_m", shortestDouble(span.spanLength)},
        {"heightDifference_m", shortestDouble(span.heightDifference)},
        {"controlSag_m", shortestDouble(span.controlSag)},
        {"cosGamma", shortestDouble(span.cosGamma)},
        {"conductorSpan_m", shortestDouble(span.conductorSpan())},
        {"stringAProjection_m", shortestDouble(span.stringAProjection)},
        {"stringBProjection_m", shortestDouble(span.stringBProjection)},
        {"maintenancePointX_m", shortestDouble(span.maintenancePointX)},
        {"conductorDiameter_mm", shortestDouble(span.conductorDiameter)},
        {"conductorUnitWeight_kgf_m", shortestDouble(span.conductorUnitWeight)},
        {"conductorArea_mm2", shortestDouble(span.conductorArea)},
        {"elasticModulus_N_mm2", shortestDouble(span.elasticModulus)},
        {"expansionCoefficient_1e-6_per_degC", shortestDouble(span.expansionCoefficient)},
        {"markingTemperatures_degC", markingTemperatures},
        {"leads", leads},
    };
}

Json stateJson(const SpanData &span, const StateResult &state, int s)
{
    Json points = Json::array();
    for (const PointLoad &p : state.points)
        points.push_back({{"load_kgf", shortestDouble(p.load)}, {"position_m", shortestDouble(p.position)}});
    Json segments = Json::array();
    for (const Segment &seg : state.segments)
        segments.push_back({
            {"length_m", shortestDouble(seg.length)},
            {"distributedLoad_kgf", shortestDouble(seg.distributedLoad)},
            {"pointLoad_kgf", shortestDouble(seg.pointLoad)},
            {"shearLeft_kgf", shortestDouble(seg.shearLeft)},
            {"shearRight_kgf", shortestDouble(seg.shearRight)},
            {"moment_kgf_m", shortestDouble(seg.moment)},
            {"momentSquaredOverLength", shortestDouble(seg.momentTerm)},
            {"loadSquaredLengthOver12", shortestDouble(seg.loadTerm)},
            {"loadFactorTerm", shortestDouble(seg.loadFactorTerm)},
        });
    return {
        {"index", s},
        {"name", stateNames[s]},
        {"label", loadStateLabel(s)},
        {"temperature_degC", shortestDouble(span.temperature[s])},
        {"windSpeed_m_s", shortestDouble(span.windSpeed[s])},
        {"ice_mm", shortestDouble(span.iceOfState[s])},
        {"conductorLoad_kgf_m", shortestDouble(state.conductorLoad)},
        {"conductorWindPhase_kgf_m", shortestDouble(state.conductorWind)},
        {"stringALoad_kgf", shortestDouble(state.stringALoad)},
        {"stringBLoad_kgf", shortestDouble(state.stringBLoad)},
        {"stringAWindWhole_kgf", shortestDouble(state.stringAWind)},
        {"stringBWindWhole_kgf", shortestDouble(state.stringBWind)},
        {"leadLoad_kgf", perLead(state.leadLoad)},
        {"leadWindAllSubConductors_kgf_m", perLead(state.leadWind)},
        {"points", points},
        {"reactionA_kgf", shortestDouble(state.reactionA)},
        {"reactionB_kgf", shortestDouble(state.reactionB)},
        {"segments", segments},
        {"maxMoment_kgf_m", shortestDouble(state.maxMoment)},
        {"momentCheck_kgf_m", shortestDouble(state.momentCheck)},
        {"loadFactor", shortestDouble(state.loadFactor)},
        {"stringAMoment_kgf_m", shortestDouble(state.stringAMoment)},
        {"stringBMoment_kgf_m", shortestDouble(state.stringBMoment)},
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
            column[rowNames[row]] = shortestDouble(result.stateEquation[c][row]);
        columns.push_back(column);
    }
    return {
        {"conductorCoefficient", shortestDouble(result.conductorCoefficient)},
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
            {"tensionPhase_kN", shortestDouble(row.tension)},
            {"sag_m", shortestDouble(row.sag)},
            {"reactionAPhase_kN", shortestDouble(row.reactionA)},
            {"reactionBPhase_kN", shortestDouble(row.reactionB)},
            {"lateralForceA_kN", shortestDouble(row.lateralA)},
            {"lateralForceB_kN", shortestDouble(row.lateralB)},
            {"stringASag_m", shortestDouble(row.stringASag)},
            {"stringBSag_m", shortestDouble(row.stringBSag)},
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
            {"conductorLoad_kgf_m", shortestDouble(row.conductorLoad)},
            {"conductorWind_kgf_m", shortestDouble(row.conductorWind)},
            {"stringALoad_kgf", shortestDouble(row.stringALoad)},
            {"stringAWind_kgf", shortestDouble(row.stringAWind)},
            {"leadLoad_kgf", perLead(row.leadLoad)},
            {"leadWind_kgf_m", perLead(row.leadWind)},
            {"stringBLoad_kgf", shortestDouble(row.stringBLoad)},
            {"stringBWind_kgf", shortestDouble(row.stringBWind)},
        });
    }
    return rows;
}

Json stringingJson(const CalculationResult &result)
{
    Json rows = Json::array();
    for (const StringingRow &row : result.stringingTable)
        rows.push_back({
            {"temperature_degC", shortestDouble(row.temperature)},
            {"installationTensionPhase_kN", shortestDouble(row.installationTension)},
            {"installationSag_m", shortestDouble(row.installationSag)},
            {"markingTensionPhase_kN", shortestDouble(row.markingTension)},
            {"markingSag_m", shortestDouble(row.markingSag)},
        });
    return rows;
}

Json largestDifferencesJson(const CatenaryCrossCheck &check)
{
    const std::optional<LargestCatenaryDifferences> largest = largestCatenaryDifferences(check);
    if (!largest)
        return nullptr;
    return {
        {"dH_percent", shortestDouble(largest->tension.percent)},
        {"dH_state", stateNames[largest->tension.state]},
        {"df_percent", shortestDouble(largest->sag.percent)},
        {"df_state", stateNames[largest->sag.state]},
    };
}

// A state whose chain was not solved has no figures: its entry says why,
// and never carries zeros that could be read as results. Installation and
// marking are compared in the column of their largest H.
Json catenaryJson(const CalculationResult &result)
{
    const CatenaryCrossCheck &check = result.catenary;
    Json states = Json::array();
    for (int s = 0; s < loadStateCount; ++s) {
        const CatenaryStateCheck &state = check.states[s];
        Json entry = {
            {"state", stateNames[s]},
            {"stateEquationColumn", columnName(state.column)},
            {"temperature_degC", shortestDouble(result.stateEquation[state.column][rowThetaM])},
            {"converged", state.converged},
        };
        if (state.converged) {
            entry["H_N"] = shortestDouble(state.tension);
            entry["f_m"] = shortestDouble(state.sag);
            entry["dH_percent"] = shortestDouble(state.tensionDifference);
            entry["df_percent"] = shortestDouble(state.sagDifference);
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
        {"largest", largestDifferencesJson(check)},
    };
}

} // namespace

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
        {"maintenanceLoadThreePhase_kgf", shortestDouble(result.threePhaseMaintenanceLoad)},
        {"maintenanceLoadSinglePhase_kgf", shortestDouble(result.singlePhaseMaintenanceLoad)},
        {"states", states},
        {"stateEquation", stateEquationJson(result)},
        {"summary", summaryJson(result)},
        {"loadTable", loadTableJson(result)},
        {"beamLoads_kN",
         {
             {"stringingA", shortestDouble(beam.stringingA)},
             {"stringingB", shortestDouble(beam.stringingB)},
             {"threePhaseMaintenanceA", shortestDouble(beam.threePhaseA)},
             {"threePhaseMaintenanceB", shortestDouble(beam.threePhaseB)},
             {"singlePhaseMaintenanceA", shortestDouble(beam.singlePhaseA)},
             {"singlePhaseMaintenanceB", shortestDouble(beam.singlePhaseB)},
         }},
        {"stringingTable", stringingJson(result)},
        {"catenary", catenaryJson(result)},
    };
}

} // namespace cli
