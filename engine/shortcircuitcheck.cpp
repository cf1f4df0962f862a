#include "engine/shortcircuitcheck.h"

namespace engine {

ShortCircuitCheck checkShortCircuit(double designLoad_N, int subConductors, const DesignCheckSettings &settings)
{
    ShortCircuitCheck check;
    check.designLoad_N = designLoad_N;
    check.requiredConductorFactor = settings.conductorShortTermFactor;
    check.requiredStringFactor = settings.stringShortTermFactor;
    const double load = designLoad_N;
    if (!(load > 0))
        return check;
    const auto judge = [&](std::optional<double> &factor, const std::optional<double> &strength_N, double required,
                           bool &unchecked) {
        if (!strength_N) {
            unchecked = true;
            return;
        }
        factor = *strength_N / load;
        check.pass = check.pass.value_or(true) && *factor >= required;
    };
    const auto kN = [](const std::optional<double> &value) {
        return value ? std::optional<double>(*value * 1000) : std::nullopt;
    };
    std::optional<double> conductorStrength;
    if (settings.conductorRatedStrength_N)
        conductorStrength = *settings.conductorRatedStrength_N * subConductors;
    judge(check.conductorFactor, conductorStrength, check.requiredConductorFactor, check.unchecked.conductor);
    judge(check.stringFactorA, kN(settings.stringARatedLoad_kN), check.requiredStringFactor, check.unchecked.stringA);
    judge(check.stringFactorB, kN(settings.stringBRatedLoad_kN), check.requiredStringFactor, check.unchecked.stringB);
    return check;
}

} // namespace engine
