#include "cli/clearancesjson.h"

#include "cli/statenames.h"

#include <optional>

namespace cli {

using namespace engine;

namespace {

Json orNull(const std::optional<double> &value)
{
    return value ? Json(*value) : Json(nullptr);
}

const char *conditionName(ClearanceCondition condition)
{
    return condition == ClearanceCondition::shortCircuit ? "shortCircuit" : stateName(clearanceState(condition));
}

const char *verdictName(ClearanceVerdict verdict)
{
    switch (verdict) {
    case ClearanceVerdict::met:
        return "met";
    case ClearanceVerdict::notMet:
        return "notMet";
    case ClearanceVerdict::notChecked:
        break;
    }
    return "notChecked";
}

} // namespace

Json clearancesToJson(const ClearanceResult &clearances)
{
    const ClearanceSettings &set = clearances.settings;
    Json swings = Json::array();
    for (const WindSwing &s : clearances.swings)
        swings.push_back({{"state", stateName(s.state)},
                          {"windSpeed_m_s", s.windSpeed_m_s},
                          {"conductorAngle_deg", s.conductorAngle_deg},
                          {"stringAAngle_deg", s.stringAAngle_deg},
                          {"stringBAngle_deg", s.stringBAngle_deg},
                          {"f_m", s.sag_m},
                          {"b_m", s.displacement_m}});
    Json checks = Json::array();
    for (const ClearanceCheck &c : clearances.checks)
        checks.push_back({{"condition", conditionName(c.condition)},
                          {"kind", c.kind == ClearanceKind::phaseToPhase ? "phaseToPhase" : "phaseToEarth"},
                          {"required_m", orNull(c.required_m)},
                          {"remaining_m", orNull(c.remaining_m)},
                          {"verdict", verdictName(c.verdict)}});
    return {
        {"a_m", orNull(set.phaseSpacing_m)},
        {"c_m", orNull(set.earthDistance_m)},
        {"r_m", clearances.halfWidth_m},
        {"codeReference", set.codeReference},
        {"swings", swings},
        {"checks", checks},
    };
}

} // namespace cli
