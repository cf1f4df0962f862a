#include "cli/checksjson.h"

#include "cli/statenames.h"

namespace cli {

using namespace engine;

namespace {

template <typename Number>
Json optionalNumber(const std::optional<Number> &value)
{
    if (!value)
        return nullptr;
    return *value;
}

const char *sourceName(app::StrengthSource source)
{
    switch (source) {
    case app::StrengthSource::Typed:
        return "typed";
    case app::StrengthSource::Composer:
        return "composer";
    case app::StrengthSource::Catalogue:
        return "catalogue";
    case app::StrengthSource::Designation:
        return "designation";
    case app::StrengthSource::None:
        break;
    }
    return "none";
}

Json optionalVerdict(const std::optional<bool> &pass)
{
    return pass ? Json(*pass) : Json(nullptr);
}

Json governingJson(const std::optional<GoverningFactor> &governing)
{
    if (!governing)
        return {{"factor", nullptr}, {"state", nullptr}};
    return {{"factor", governing->factor}, {"state", stateName(governing->state)}};
}

/// The strengths that were not given, by name: ["conductor", "stringB"].
Json uncheckedJson(const UncheckedStrengths &unchecked)
{
    Json names = Json::array();
    if (unchecked.conductor)
        names.push_back("conductor");
    if (unchecked.stringA)
        names.push_back("stringA");
    if (unchecked.stringB)
        names.push_back("stringB");
    return names;
}

Json stateCheckJson(const StateCheck &check, int s)
{
    return {
        {"state", stateName(s)},
        {"horizontalTensionSub_N", check.horizontalTension},
        {"conductorTensionASub_N", check.conductorTensionA},
        {"conductorTensionBSub_N", check.conductorTensionB},
        {"stringPullAPhase_N", check.stringPullA},
        {"stringPullBPhase_N", check.stringPullB},
        {"conductorFactor", optionalNumber(check.conductorFactor)},
        {"stringFactorA", optionalNumber(check.stringFactorA)},
        {"stringFactorB", optionalNumber(check.stringFactorB)},
        {"required", {{"conductor", check.requiredConductorFactor}, {"string", check.requiredStringFactor}}},
        {"pass", optionalVerdict(check.pass)},
        {"unchecked", uncheckedJson(check.unchecked)},
        {"verdict", verdictText(check.pass, check.unchecked)},
    };
}

} // namespace

Json designChecksToJson(const DesignChecks &checks, const DesignCheckSettings &settings,
                        const app::StrengthSources &sources)
{
    Json states = Json::array();
    for (int s = 0; s < loadStateCount; ++s)
        states.push_back(stateCheckJson(checks.states[s], s));
    return {
        {"settings",
         {
             {"conductorRatedStrengthSub_N", optionalNumber(settings.conductorRatedStrength_N)},
             {"conductorRatedStrengthSource", sourceName(sources.conductor)},
             {"stringARatedLoadPhase_kN", optionalNumber(settings.stringARatedLoad_kN)},
             {"stringARatedLoadSource", sourceName(sources.stringA)},
             {"stringBRatedLoadPhase_kN", optionalNumber(settings.stringBRatedLoad_kN)},
             {"stringBRatedLoadSource", sourceName(sources.stringB)},
             {"conductorLongTermFactor", settings.conductorLongTermFactor},
             {"conductorShortTermFactor", settings.conductorShortTermFactor},
             {"stringLongTermFactor", settings.stringLongTermFactor},
             {"stringShortTermFactor", settings.stringShortTermFactor},
         }},
        {"states", states},
        {"governingConductorFactor", governingJson(checks.conductor)},
        {"governingStringFactor", governingJson(checks.string)},
        {"pass", optionalVerdict(checks.pass)},
        {"unchecked", uncheckedJson(checks.unchecked)},
        {"verdict", verdictText(checks.pass, checks.unchecked)},
    };
}

Json governingToJson(const GoverningStates &governing)
{
    Json maintenance = Json::array();
    for (int s : governing.maintenanceAboveControl)
        maintenance.push_back(stateName(s));
    const auto pull = [](const GoverningValue &value) {
        return Json{{"stringPullPhase_kN", value.value}, {"state", stateName(value.state)}};
    };
    return {
        {"largestTension",
         {{"tensionPhase_kN", governing.largestTension.value}, {"state", stateName(governing.largestTension.state)}}},
        {"largestSag",
         {
             {"sag_m", governing.largestSag.sag},
             {"state", stateName(governing.largestSag.state)},
             {"stateEquationColumn", stateEquationColumnName(governing.largestSag.column)},
             {"temperature_degC", governing.largestSag.temperature},
         }},
        {"controlSag_m", governing.controlSag},
        {"maintenanceSagAboveControl", maintenance},
        {"smallestConductorFactor", governingJson(governing.conductorFactor)},
        {"smallestStringFactor", governingJson(governing.stringFactor)},
        {"pass", optionalVerdict(governing.pass)},
        {"verdict", governing.verdict},
        {"largestLoadA", pull(governing.largestLoadA)},
        {"largestLoadB", pull(governing.largestLoadB)},
    };
}

} // namespace cli
