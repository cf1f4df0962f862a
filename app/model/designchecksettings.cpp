#include "app/model/designchecksettings.h"

#include "app/model/conductorcatalogue.h"
#include "app/model/trimspacesandcontrols.h"
#include "engine/numberconversion.h"
#include "tools/model/stringratedload.h"

#include <stdexcept>

namespace app {

namespace {

std::optional<double> catalogueConductorStrength(const std::string &typeName)
{
    for (const ConductorEntry &entry : conductorCatalogue()) {
        if (entry.typeName == typeName)
            return entry.ratedStrength.empty() ? std::nullopt : std::optional(engine::toNumber(entry.ratedStrength));
    }
    return std::nullopt;
}

/// The typed value of \a field, or \a fallback when it is blank.
std::optional<double> typedOr(const options::DesignCheckOptions &options, options::DesignCheckField field,
                              const std::optional<double> &fallback)
{
    const std::optional<double> typed = options::designCheckNumber(options::designCheckFieldText(options, field));
    return typed ? typed : fallback;
}

double factor(const options::DesignCheckOptions &options, options::DesignCheckField field)
{
    return *options::designCheckNumber(options::designCheckFieldText(options, field));
}

} // namespace

ComposedRatings composedRatings(const MainWindowModel &window)
{
    return {window.composedRatedLoad(StringSide::A), window.composedRatedLoad(StringSide::B)};
}

CatalogueStrengths catalogueStrengths(const engine::CalculationInput &input, const ComposedRatings &composed)
{
    using engine::slot::stringA;
    using engine::slot::stringB;
    return {
        catalogueConductorStrength(trimSpacesAndControls(input[engine::slot::conductorType])),
        composed.stringA_kN ? composed.stringA_kN : tools::ratedLoadOfDesignation(input[stringA + engine::stringType]),
        composed.stringB_kN ? composed.stringB_kN : tools::ratedLoadOfDesignation(input[stringB + engine::stringType]),
    };
}

engine::DesignCheckSettings designCheckSettings(const options::DesignCheckOptions &options,
                                                const engine::CalculationInput &input, const ComposedRatings &composed)
{
    using Field = options::DesignCheckField;
    if (const std::optional<Field> bad = options::firstBadDesignCheckField(options))
        throw std::invalid_argument(options::badDesignCheckFieldMessage(*bad));

    const CatalogueStrengths catalogue = catalogueStrengths(input, composed);
    engine::DesignCheckSettings settings;
    settings.conductorRatedStrength_N = typedOr(options, Field::conductorRatedStrength, catalogue.conductor_N);
    settings.stringARatedLoad_kN = typedOr(options, Field::stringARatedLoad, catalogue.stringA_kN);
    settings.stringBRatedLoad_kN = typedOr(options, Field::stringBRatedLoad, catalogue.stringB_kN);
    settings.conductorLongTermFactor = factor(options, Field::conductorLongTermFactor);
    settings.conductorShortTermFactor = factor(options, Field::conductorShortTermFactor);
    settings.stringLongTermFactor = factor(options, Field::stringLongTermFactor);
    settings.stringShortTermFactor = factor(options, Field::stringShortTermFactor);
    return settings;
}

StrengthSources strengthSources(const options::DesignCheckOptions &options, const engine::CalculationInput &input,
                                const ComposedRatings &composed)
{
    using Field = options::DesignCheckField;
    const auto typed = [&](Field field) {
        return options::designCheckNumber(options::designCheckFieldText(options, field)).has_value();
    };
    const CatalogueStrengths catalogue = catalogueStrengths(input, composed);
    const auto stringSource = [&](Field field, const std::optional<double> &composedRating,
                                  const std::optional<double> &found) {
        if (typed(field))
            return StrengthSource::Typed;
        if (composedRating)
            return StrengthSource::Composer;
        return found ? StrengthSource::Designation : StrengthSource::None;
    };
    return {
        typed(Field::conductorRatedStrength) ? StrengthSource::Typed
            : catalogue.conductor_N          ? StrengthSource::Catalogue
                                             : StrengthSource::None,
        stringSource(Field::stringARatedLoad, composed.stringA_kN, catalogue.stringA_kN),
        stringSource(Field::stringBRatedLoad, composed.stringB_kN, catalogue.stringB_kN),
    };
}

std::string designCheckStatusText(const engine::DesignChecks &checks)
{
    if (!checks.pass)
        return {};
    if (*checks.pass)
        return "设计校核: " + engine::verdictText(checks.pass, checks.unchecked);
    std::string failing;
    for (int s = 0; s < engine::loadStateCount; ++s) {
        if (checks.states[s].pass == std::optional<bool>(false))
            failing += (failing.empty() ? "" : "、") + std::string(engine::loadStateLabel(s));
    }
    return std::string("设计校核: ") + engine::verdictFailed + " (" + failing + ")";
}

} // namespace app
