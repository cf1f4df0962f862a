#include "cli/checksjson.h"

#include "cli/statenames.h"
#include "engine/numberformatting.h"

namespace cli {

using Json = nlohmann::ordered_json;
using namespace engine;

namespace {

template <typename Number>
Json optionalNumber(const std::optional<Number> &value)
{
    if (!value)
        return nullptr;
    if constexpr (std::is_same_v<Number, float>)
        return shortestDouble(*value);
    else
        return *value;
}

Json optionalVerdict(const std::optional<bool> &pass)
{
    return pass ? Json(*pass) : Json(nullptr);
}

Json governingJson(const std::optional<GoverningFactor> &governing)
{
    if (!governing)
        return {{"factor", nullptr}, {"state", nullptr}};
    return {{"factor", shortestDouble(governing->factor)}, {"state", stateName(governing->state)}};
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
        {"horizontalTension_N", shortestDouble(check.horizontalTension)},
        {"conductorTensionA_N", shortestDouble(check.conductorTensionA)},
        {"conductorTensionB_N", shortestDouble(check.conductorTensionB)},
        {"stringPullA_N", shortestDouble(check.stringPullA)},
        {"stringPullB_N", shortestDouble(check.stringPullB)},
        {"conductorFactor", optionalNumber(check.conductorFactor)},
        {"stringFactorA", optionalNumber(check.stringFactorA)},
        {"stringFactorB", optionalNumber(check.stringFactorB)},
        {"required",
         {{"conductor", shortestDouble(check.requiredConductorFactor)}, {"string", shortestDouble(check.requiredStringFactor)}}},
        {"pass", optionalVerdict(check.pass)},
        {"unchecked", uncheckedJson(check.unchecked)},
        {"verdict", verdictText(check.pass, check.unchecked)},
    };
}

} // namespace

Json designChecksToJson(const DesignChecks &checks, const DesignCheckSettings &settings)
{
    Json states = Json::array();
    for (int s = 0; s < loadStateCount; ++s)
        states.push_back(stateCheckJson(checks.states[s], s));
    return {
        {"settings",
         {
             {"conductorRatedStrength_N", optionalNumber(settings.conductorRatedStrength_N)},
             {"stringARatedLoad_kN", optionalNumber(settings.stringARatedLoad_kN)},
             {"stringBRatedLoad_kN", optionalNumber(settings.stringBRatedLoad_kN)},
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

} // namespace cli
