#include "engine/designchecks.h"

#include "engine/calculationerror.h"
#include "engine/endverticalload.h"
#include "engine/stateequation.h"
#include "engine/units.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace engine {

namespace {

void requirePositive(double value, const char *field)
{
    if (!(value > 0) || !std::isfinite(value))
        throw CalculationError(CalculationError::Kind::Arithmetic,
                               std::string("设计校核的") + field + "必须是大于0的数值,请检查选项设置.");
}

void requireValidSettings(const DesignCheckSettings &settings)
{
    if (settings.conductorRatedStrength_N)
        requirePositive(*settings.conductorRatedStrength_N, "导线额定拉断力");
    if (settings.stringARatedLoad_kN)
        requirePositive(*settings.stringARatedLoad_kN, "A串额定破坏荷载");
    if (settings.stringBRatedLoad_kN)
        requirePositive(*settings.stringBRatedLoad_kN, "B串额定破坏荷载");
    requirePositive(settings.conductorLongTermFactor, "导线长期荷载安全系数");
    requirePositive(settings.conductorShortTermFactor, "导线短时荷载安全系数");
    requirePositive(settings.stringLongTermFactor, "绝缘子串长期荷载安全系数");
    requirePositive(settings.stringShortTermFactor, "绝缘子串短时荷载安全系数");
}

/// The shears of the conductor where it leaves string A and where it meets string B, kgf.
struct EndShears
{
    double atA = 0;
    double atB = 0;
};

EndShears conductorEndShears(const StateResult &state, int stateIndex)
{
    // Segments: string A, at least one conductor piece, string B.
    if (state.segments.size() < 3)
        throw CalculationError(CalculationError::Kind::Arithmetic,
                               std::string(loadStateLabel(stateIndex)) + "状态缺少分段剪力,无法进行设计校核.");
    const Segment &first = state.segments[1];
    const Segment &last = state.segments[state.segments.size() - 2];
    return {std::fabs(double(first.shearLeft)), std::fabs(double(last.shearRight))};
}

/// √(H² + V²), stored.
float resultant(double horizontal, double vertical, const char *what)
{
    return storeFloat(std::hypot(horizontal, vertical), what);
}

std::optional<float> factor(const std::optional<double> &strength_N, double force_N, const char *what)
{
    if (!strength_N)
        return std::nullopt;
    requireDivisor(force_N, "设计校核的拉力为0,无法计算安全系数.");
    return storeFloat(*strength_N / force_N, what);
}

std::optional<double> newtons(const std::optional<double> &kN)
{
    if (!kN)
        return std::nullopt;
    return *kN * 1000.0;
}

/// Every checked factor against its requirement; absent when none was checked.
std::optional<bool> statePasses(const StateCheck &check)
{
    std::optional<bool> pass;
    const auto meet = [&pass](const std::optional<float> &value, float required) {
        if (value)
            pass = pass.value_or(true) && *value >= required;
    };
    meet(check.conductorFactor, check.requiredConductorFactor);
    meet(check.stringFactorA, check.requiredStringFactor);
    meet(check.stringFactorB, check.requiredStringFactor);
    return pass;
}

void keepSmallest(std::optional<GoverningFactor> &governing, const std::optional<float> &value, int state)
{
    if (value && (!governing || *value < governing->factor))
        governing = GoverningFactor{*value, state};
}

/// "导线、绝缘子串" and the like: the parts of \a unchecked in the page's order.
std::string uncheckedParts(const UncheckedStrengths &unchecked)
{
    std::string parts = unchecked.conductor ? "导线" : "";
    const char *strings = unchecked.stringA && unchecked.stringB ? "绝缘子串"
                          : unchecked.stringA                    ? "A串"
                          : unchecked.stringB                    ? "B串"
                                                                 : "";
    if (*strings)
        parts += (parts.empty() ? "" : "、") + std::string(strings);
    return parts;
}

} // namespace

std::string verdictText(const std::optional<bool> &pass, const UncheckedStrengths &unchecked)
{
    if (!pass)
        return verdictNotChecked;
    if (!*pass)
        return verdictFailed;
    if (!unchecked.any())
        return verdictMet;
    return std::string(verdictMet) + "(" + uncheckedParts(unchecked) + verdictNotChecked + ")";
}

DesignChecks checkDesign(const CalculationResult &result, const DesignCheckSettings &settings)
{
    requireValidSettings(settings);
    const SpanData &span = result.span;
    const double N = span.bundleCount;
    const std::optional<double> stringARated = newtons(settings.stringARatedLoad_kN);
    const std::optional<double> stringBRated = newtons(settings.stringBRatedLoad_kN);

    DesignChecks checks;
    for (int s = 0; s < loadStateCount; ++s) {
        const StateResult &state = result.states[s];
        StateCheck &check = checks.states[s];
        const double H = governingTension(result, s);
        const double slopeA = slopeComponent(span, H, StructureEnd::A);
        const double slopeB = slopeComponent(span, H, StructureEnd::B);
        const EndShears shears = conductorEndShears(state, s);

        check.horizontalTension = storeFloat(H, "水平张力");
        check.conductorTensionA = resultant(H, newtonPerKgf * shears.atA + slopeA, "导线A端拉力");
        check.conductorTensionB = resultant(H, newtonPerKgf * shears.atB + slopeB, "导线B端拉力");
        check.conductorTension = std::max(check.conductorTensionA, check.conductorTensionB);
        check.stringPullA = storeFloat(N * std::hypot(H, verticalLoadAtEnd(result, s, StructureEnd::A)), "A串拉力");
        check.stringPullB = storeFloat(N * std::hypot(H, verticalLoadAtEnd(result, s, StructureEnd::B)), "B串拉力");

        const bool longTerm = isLongTermState(s);
        check.requiredConductorFactor = static_cast<float>(longTerm ? settings.conductorLongTermFactor
                                                                    : settings.conductorShortTermFactor);
        check.requiredStringFactor =
            static_cast<float>(longTerm ? settings.stringLongTermFactor : settings.stringShortTermFactor);
        check.conductorFactor = factor(settings.conductorRatedStrength_N, check.conductorTension, "导线安全系数");
        check.stringFactorA = factor(stringARated, check.stringPullA, "A串安全系数");
        // While marking without string B the conductor is not yet on its string.
        if (!(s == marking && span.markingNoStringB))
            check.stringFactorB = factor(stringBRated, check.stringPullB, "B串安全系数");
        check.pass = statePasses(check);
        check.unchecked = {!check.conductorFactor, !check.stringFactorA,
                           !check.stringFactorB && !(s == marking && span.markingNoStringB)};
        checks.unchecked.conductor |= check.unchecked.conductor;
        checks.unchecked.stringA |= check.unchecked.stringA;
        checks.unchecked.stringB |= check.unchecked.stringB;

        keepSmallest(checks.conductor, check.conductorFactor, s);
        keepSmallest(checks.string, check.stringFactorA, s);
        keepSmallest(checks.string, check.stringFactorB, s);
        if (check.pass)
            checks.pass = checks.pass.value_or(true) && *check.pass;
    }
    return checks;
}

} // namespace engine
