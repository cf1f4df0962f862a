#include "engine/windswing.h"

#include "engine/calculationerror.h"
#include "engine/stateequation.h"

#include <cmath>
#include <numbers>

namespace engine {

namespace {

constexpr double degreesPerRadian = 180 / std::numbers::pi;

void requireFinite(double value, const char *what)
{
    if (!std::isfinite(value))
        throw CalculationError(CalculationError::Kind::Arithmetic,
                               std::string("风偏计算: ") + what + "不是有限数值,无法计算.");
}

/// atan(W/G) in degrees of a string of wind W and weight G (kgf, whole string).
double stringAngle(double wind, double weight, const char *name)
{
    if (!(weight > 0))
        throw CalculationError(CalculationError::Kind::Arithmetic,
                               std::string("风偏计算: ") + name + "的重量应大于0,无法计算风偏角.");
    const double angle = std::atan(wind / weight) * degreesPerRadian;
    requireFinite(angle, name);
    return angle;
}

} // namespace

WindSwing windSwing(const CalculationResult &result, int state)
{
    const SpanData &span = result.span;
    const StateResult &loads = result.states.at(std::size_t(state));
    requireDivisor(span.bundleCount, "风偏计算: 分裂根数为0,无法计算.");

    // Per sub-conductor and per metre of horizontal span, kgf/m.
    const double wind = double(loads.conductorWind) / span.bundleCount;
    const double combined = loads.conductorLoad;
    const double verticalSquared = combined * combined - wind * wind;
    if (!(verticalSquared > 0))
        throw CalculationError(CalculationError::Kind::Arithmetic,
                               std::string("风偏计算: ") + loadStateLabel(state)
                                   + "导线的综合荷载不大于其风荷载,无法求出垂直荷载.");
    const double vertical = std::sqrt(verticalSquared);

    WindSwing swing;
    swing.state = state;
    swing.windSpeed_m_s = span.windSpeed[std::size_t(state)];
    const double eta = std::atan(wind / vertical);
    swing.conductorAngle_deg = eta * degreesPerRadian;
    requireFinite(swing.conductorAngle_deg, "导线风偏角");

    const bool iced = state == maxLoad;
    swing.stringAAngle_deg =
        stringAngle(loads.stringAWind, iced ? span.stringA.icedWeight : span.stringA.weight, "绝缘子串A");
    swing.stringBAngle_deg =
        stringAngle(loads.stringBWind, iced ? span.stringB.icedWeight : span.stringB.weight, "绝缘子串B");

    swing.sag_m = result.stateEquation.at(std::size_t(governingColumn(result, state)))[rowF];
    swing.displacement_m = swing.sag_m * std::sin(eta);
    requireFinite(swing.displacement_m, "导线风偏位移");
    return swing;
}

std::vector<WindSwing> windSwings(const CalculationResult &result)
{
    std::vector<WindSwing> swings;
    for (int state = 0; state < designStateCount; ++state) {
        if (result.span.windSpeed[std::size_t(state)] > 0)
            swings.push_back(windSwing(result, state));
    }
    return swings;
}

} // namespace engine
