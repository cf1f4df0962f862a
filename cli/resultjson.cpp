#include "cli/resultjson.h"

#include "cli/statenames.h"
#include "engine/catenarycrosscheck.h"

#include <string>

namespace cli {

using namespace engine;

namespace {

constexpr const char *stateNames[loadStateCount] = {
    "maxTemperature", "maxLoad", "maxWind", "minTemperature", "lightning", "switching", "powerFrequency",
    "threePhaseHot", "threePhaseCold", "singlePhaseHot", "singlePhaseCold", "installation", "marking",
};

constexpr const char *leadNames[leadCount] = {"PA", "P1", "P2", "P3", "P4", "PB"};
constexpr const char *rowNames[stateEquationRowCount] = {
    "MSub_Nm",         "Cm_N3_mm6", "alphaE_N_mm2degC", "Cn_N3_mm6",    "sigmaN_N_mm2", "thetaN_degC", "thetaM_degC",
    "deltaTheta_degC", "B_N_mm2",   "A_N_mm2",          "sigmaM_N_mm2", "HSub_N",       "f_m",
};

Json perLead(const std::array<float, leadCount> &values)
{
    Json json = Json::object();
    for (int k = 0; k < leadCount; ++k)
        json[leadNames[k]] = values[k];
    return json;
}

Json spanJson(const CalculationInput &input, const SpanData &span, const LeadTicks &ticked)
{
    Json leads = Json::object();
    for (int k = 0; k < leadCount; ++k) {
        const LeadData &lead = span.leads[k];
        leads[leadNames[k]] = {
            {"present", ticked[k]},
            {"unitWeightSub_kgf_m", lead.unitWeight},
            {"diameterSub_mm", lead.diameter},
            {"bundleCount", lead.bundleCount},
            {"subSpan_m", lead.subSpan},
            {"spacerWeight_kgf", lead.spacerWeight},
            {"length_m", lead.length},
            {"fittingWeight_kgf", lead.fittingWeight},
            {"relativeDistance_m", lead.relativeDistance},
        };
    }
    Json markingTemperatures = Json::array();
    for (float t : span.markingTemperature)
        markingTemperatures.push_back(t);
    return {
        {"name", input[slot::spanTitle]},
        {"conductorDesignation", input[slot::conductorType]},
        {"stringADesignation", input[slot::stringA + stringType]},
        {"stringBDesignation", input[slot::stringB + stringType]},
        {"voltageLevel_kV", span.voltageLevel},
        {"bundleCount", span.bundleCount},
        {"spanLength_m", span.spanLength},
        {"heightDifference_m", span.heightDifference},
        {"controlSag_m", span.controlSag},
        {"cosGamma", span.cosGamma},
        {"conductorSpan_m", span.conductorSpan()},
        {"stringAProjection_m", span.stringAProjection},
        {"stringBProjection_m", span.stringBProjection},
        {"maintenancePointX_m", span.maintenancePointX},
        {"conductorDiameterSub_mm", span.conductorDiameter},
        {"conductorUnitWeightSub_kgf_m", span.conductorUnitWeight},
        {"conductorAreaSub_mm2", span.conductorArea},
        {"elasticModulus_N_mm2", span.elasticModulus},
        {"expansionCoefficient_1e-6_per_degC", span.expansionCoefficient},
        {"markingTemperatures_degC", markingTemperatures},
        {"leads", leads},
    };
}

Json stateJson(const SpanData &span, const StateResult &state, int s)
{
    Json points = Json::array();
    for (const PointLoad &p : state.points)
        points.push_back({{"loadSub_kgf", p.load}, {"position_m", p.position}});
    Json segments = Json::array();
    for (const Segment &seg : state.segments)
        segments.push_back({
            {"length_m", seg.length},
            {"distributedLoadSub_kgf", seg.distributedLoad},
            {"pointLoadSub_kgf", seg.pointLoad},
            {"shearLeftSub_kgf", seg.shearLeft},
            {"shearRightSub_kgf", seg.shearRight},
            {"momentSub_kgfm", seg.moment},
            {"momentSquaredOverLengthSub_kgf2m", seg.momentTerm},
            {"loadSquaredLengthOver12Sub_kgf2m", seg.loadTerm},
            {"loadFactorTermSub_kgf2m", seg.loadFactorTerm},
        });
    return {
        {"index", s},
        {"name", stateNames[s]},
        {"label", loadStateLabel(s)},
        {"temperature_degC", span.temperature[s]},
        {"windSpeed_m_s", span.windSpeed[s]},
        {"ice_mm", span.iceOfState[s]},
        {"conductorLoadSub_kgf_m", state.conductorLoad},
        {"conductorWindPhase_kgf_m", state.conductorWind},
        {"stringALoadSub_kgf", state.stringALoad},
        {"stringBLoadSub_kgf", state.stringBLoad},
        {"stringAWindPhase_kgf", state.stringAWind},
        {"stringBWindPhase_kgf", state.stringBWind},
        {"leadLoadSub_kgf", perLead(state.leadLoad)},
        {"leadWindPhase_kgf_m", perLead(state.leadWind)},
        {"points", points},
        {"reactionASub_kgf", state.reactionA},
        {"reactionBSub_kgf", state.reactionB},
        {"segments", segments},
        {"maxMomentSub_kgfm", state.maxMoment},
        {"momentCheckSub_kgfm", state.momentCheck},
        {"loadFactorDSub_kgf2m", state.loadFactor},
        {"stringAMomentSub_kgfm", state.stringAMoment},
        {"stringBMomentSub_kgfm", state.stringBMoment},
    };
}

Json stateEquationJson(const CalculationResult &result)
{
    Json columns = Json::array();
    for (int c = 0; c < stateEquationColumnCount; ++c) {
        Json column = {{"column", c}, {"name", stateEquationColumnName(c)}};
        for (int row = 0; row < stateEquationRowCount; ++row)
            column[rowNames[row]] = result.stateEquation[c][row];
        columns.push_back(column);
    }
    return {
        {"xi_N_mm6m", result.conductorCoefficient},
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
            {"tensionPhase_kN", row.tension},
            {"sag_m", row.sag},
            {"reactionAPhase_kN", row.reactionA},
            {"reactionBPhase_kN", row.reactionB},
            {"lateralForceAPhase_kN", row.lateralA},
            {"lateralForceBPhase_kN", row.lateralB},
            {"stringASag_m", row.stringASag},
            {"stringBSag_m", row.stringBSag},
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
            {"conductorLoadSub_kgf_m", row.conductorLoad},
            {"conductorWindSub_kgf_m", row.conductorWind},
            {"stringALoadSub_kgf", row.stringALoad},
            {"stringAWindSub_kgf", row.stringAWind},
            {"leadLoadSub_kgf", perLead(row.leadLoad)},
            {"leadWindSub_kgf_m", perLead(row.leadWind)},
            {"stringBLoadSub_kgf", row.stringBLoad},
            {"stringBWindSub_kgf", row.stringBWind},
        });
    }
    return rows;
}

Json stringingJson(const CalculationResult &result)
{
    Json rows = Json::array();
    for (const StringingRow &row : result.stringingTable)
        rows.push_back({
            {"temperature_degC", row.temperature},
            {"installationTensionPhase_kN", row.installationTension},
            {"installationSag_m", row.installationSag},
            {"markingTensionPhase_kN", row.markingTension},
            {"markingSag_m", row.markingSag},
        });
    return rows;
}

Json curveJson(const std::vector<CurvePoint> &points)
{
    Json curve = Json::array();
    for (const CurvePoint &point : points)
        curve.push_back(
            {{"temperature_degC", point.temperature}, {"tensionPhase_kN", point.tension}, {"sag_m", point.sag}});
    return curve;
}

// A length that was not found is left out, never written as 0.
Json cutLengthJson(const CalculationResult &result)
{
    Json entries = Json::array();
    for (const CutLength &cut : result.cutLengths) {
        Json entry = {
            {"temperature_degC", cut.temperature},
            {"tensionPhase_kN", cut.tension},
            {"sag_m", cut.sag},
            {"solved", cut.solved},
        };
        if (cut.solved)
            entry["lengthSub_m"] = cut.length;
        else
            entry["failure"] = cut.failure;
        entries.push_back(entry);
    }
    return entries;
}

Json largestDifferencesJson(const CatenaryCrossCheck &check)
{
    const std::optional<LargestCatenaryDifferences> largest = largestCatenaryDifferences(check);
    if (!largest)
        return nullptr;
    return {
        {"dH_percent", largest->tension.percent},
        {"dH_state", stateNames[largest->tension.state]},
        {"df_percent", largest->sag.percent},
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
            {"stateEquationColumn", stateEquationColumnName(state.column)},
            {"temperature_degC", result.stateEquation[state.column][rowThetaM]},
            {"converged", state.converged},
        };
        if (state.converged) {
            entry["HSub_N"] = state.tension;
            entry["f_m"] = state.sag;
            entry["dH_percent"] = state.tensionDifference;
            entry["df_percent"] = state.sagDifference;
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

Json loadsOnStructureJson(const std::array<PhaseLoadOnStructure, loadStateCount> &loads,
                          const GoverningLoadStates &governing, float stringing, float threePhaseMaintenance,
                          float singlePhaseMaintenance)
{
    Json states = Json::array();
    for (int s = 0; s < loadStateCount; ++s)
        states.push_back({
            {"state", stateNames[s]},
            {"horizontalPhase_kN", loads[s].horizontal},
            {"verticalPhase_kN", loads[s].vertical},
            {"lateralPhase_kN", loads[s].lateral},
        });
    return {
        {"states", states},
        {"governing",
         {
             {"horizontal", stateNames[governing.horizontal]},
             {"vertical", stateNames[governing.vertical]},
             {"lateral", stateNames[governing.lateral]},
         }},
        {"beamLoadsPhase_kN",
         {
             {"stringing", stringing},
             {"threePhaseMaintenance", threePhaseMaintenance},
             {"singlePhaseMaintenance", singlePhaseMaintenance},
         }},
    };
}

Json structureLoadsJson(const CalculationResult &result)
{
    const StructureDesignLoads &loads = result.structureLoads;
    const BeamLoads &beam = result.beamLoads;
    return {
        {"A", loadsOnStructureJson(loads.onA, loads.governingA, beam.stringingA, beam.threePhaseA, beam.singlePhaseA)},
        {"B", loadsOnStructureJson(loads.onB, loads.governingB, beam.stringingB, beam.threePhaseB, beam.singlePhaseB)},
    };
}

} // namespace

const char *stateName(int state)
{
    return stateNames[state];
}

std::string stateEquationColumnName(int column)
{
    if (column < installationColumn)
        return stateNames[column];
    if (column < markingColumn)
        return "installation" + std::to_string(column - installationColumn + 1);
    return "marking" + std::to_string(column - markingColumn + 1);
}

Json resultToJson(const CalculationInput &input, const CalculationResult &result, const LeadTicks &ticked)
{
    Json states = Json::array();
    for (int s = 0; s < loadStateCount; ++s)
        states.push_back(stateJson(result.span, result.states[s], s));
    const BeamLoads &beam = result.beamLoads;
    return {
        {"span", spanJson(input, result.span, ticked)},
        {"threePhaseMaintenanceLoadPhase_kgf", result.threePhaseMaintenanceLoad},
        {"singlePhaseMaintenanceLoadPhase_kgf", result.singlePhaseMaintenanceLoad},
        {"states", states},
        {"stateEquation", stateEquationJson(result)},
        {"summary", summaryJson(result)},
        {"loadTable", loadTableJson(result)},
        {"beamLoadsPhase_kN",
         {
             {"stringingA", beam.stringingA},
             {"stringingB", beam.stringingB},
             {"threePhaseMaintenanceA", beam.threePhaseA},
             {"threePhaseMaintenanceB", beam.threePhaseB},
             {"singlePhaseMaintenanceA", beam.singlePhaseA},
             {"singlePhaseMaintenanceB", beam.singlePhaseB},
         }},
        {"structureLoads", structureLoadsJson(result)},
        {"stringingTable", stringingJson(result)},
        {"stringingCurves",
         {
             {"installation", curveJson(result.stringingCurves.installation)},
             {"marking", curveJson(result.stringingCurves.marking)},
         }},
        {"cutLength", cutLengthJson(result)},
        {"catenary", catenaryJson(result)},
    };
}

} // namespace cli
