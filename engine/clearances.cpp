#include "engine/clearances.h"

#include "engine/calculationerror.h"
#include "engine/designchecks.h"
#include "engine/loadstate.h"

#include <algorithm>
#include <cmath>

namespace engine {

namespace {

[[noreturn]] void refuse(const std::string &message)
{
    throw CalculationError(CalculationError::Kind::Arithmetic, "电气距离校验: " + message);
}

/// \a value, which must be finite and above 0 when given.
std::optional<double> positive(const std::optional<double> &value, const char *name)
{
    if (value && !(*value > 0 && std::isfinite(*value)))
        refuse(std::string(name) + "应为大于0的数值.");
    return value;
}

double halfWidthOf(const SpanData &span, const ClearanceSettings &settings)
{
    if (positive(settings.halfWidth_m, "相导线外缘半宽r"))
        return *settings.halfWidth_m;
    if (span.bundleCount > 1)
        refuse("分裂导线应填写相导线外缘半宽r(相中心至最外侧子导线外表面的水平距离).");
    return double(span.conductorDiameter) / 2000;
}

ClearanceCheck judged(ClearanceCondition condition, ClearanceKind kind, std::optional<double> required,
                      std::optional<double> remaining)
{
    ClearanceCheck check{condition, kind, required, std::nullopt, ClearanceVerdict::notChecked};
    if (!required || !remaining)
        return check;
    if (!std::isfinite(*remaining))
        refuse("剩余距离不是有限数值.");
    check.remaining_m = remaining;
    check.verdict = *remaining >= *required ? ClearanceVerdict::met : ClearanceVerdict::notMet;
    return check;
}

} // namespace

int clearanceState(ClearanceCondition condition)
{
    switch (condition) {
    case ClearanceCondition::lightning:
        return lightning;
    case ClearanceCondition::switching:
        return switching;
    case ClearanceCondition::powerFrequency:
        return powerFrequency;
    case ClearanceCondition::shortCircuit:
        break;
    }
    refuse("短路不是一个荷载状态.");
}

const char *clearanceConditionLabel(ClearanceCondition condition)
{
    return condition == ClearanceCondition::shortCircuit ? "短路" : loadStateLabel(clearanceState(condition));
}

const char *clearanceKindLabel(ClearanceKind kind)
{
    return kind == ClearanceKind::phaseToPhase ? "相间" : "对地";
}

std::string clearanceCheckLabel(const ClearanceCheck &check)
{
    return std::string(clearanceConditionLabel(check.condition)) + clearanceKindLabel(check.kind);
}

bool anyClearanceNotMet(const ClearanceResult &clearances)
{
    for (const ClearanceCheck &check : clearances.checks) {
        if (check.verdict == ClearanceVerdict::notMet)
            return true;
    }
    return false;
}

std::string clearanceVerdictText(const ClearanceResult &clearances)
{
    std::string notMet;
    int unchecked = 0;
    for (const ClearanceCheck &check : clearances.checks) {
        if (check.verdict == ClearanceVerdict::notMet)
            notMet += (notMet.empty() ? "" : "、") + clearanceCheckLabel(check);
        unchecked += check.verdict == ClearanceVerdict::notChecked;
    }
    if (unchecked == int(clearances.checks.size()))
        return verdictNotChecked;
    std::string details = notMet;
    if (unchecked > 0)
        details += (details.empty() ? "" : ";") + std::to_string(unchecked) + "项未校核";
    const std::string verdict = notMet.empty() ? "满足" : "不满足";
    return details.empty() ? verdict : verdict + "(" + details + ")";
}

ClearanceResult checkClearances(const CalculationResult &result, const ClearanceSettings &settings,
                                const std::optional<ShortCircuitResult> &shortCircuit)
{
    ClearanceResult out;
    out.settings = settings;
    out.swings = windSwings(result);
    const auto a = positive(settings.phaseSpacing_m, "相间距离a");
    const auto c = positive(settings.earthDistance_m, "对地距离c");
    const char *phaseNames[] = {"雷电电压相间要求距离", "操作电压相间要求距离", "工频电压相间要求距离",
                                "短路相间要求距离"};
    const char *earthNames[] = {"雷电电压对地要求距离", "操作电压对地要求距离", "工频电压对地要求距离",
                                "短路对地要求距离"};
    bool anyRequired = false;
    for (int i = 0; i < clearanceConditionCount; ++i)
        anyRequired |= positive(settings.phaseToPhase_m[std::size_t(i)], phaseNames[i]).has_value();
    for (int i = 0; i < clearanceConditionCount; ++i)
        anyRequired |= positive(settings.phaseToEarth_m[std::size_t(i)], earthNames[i]).has_value();
    out.halfWidth_m = anyRequired ? halfWidthOf(result.span, settings) : settings.halfWidth_m.value_or(0);
    const double r = out.halfWidth_m;

    for (int i = 0; i < 3; ++i) {
        const auto condition = static_cast<ClearanceCondition>(i);
        const auto &required = settings.phaseToPhase_m[std::size_t(i)];
        if (required && !a)
            refuse(std::string("填写了") + phaseNames[i] + ",应同时填写相间距离a.");
        const double b = windSwing(result, clearanceState(condition)).displacement_m;
        out.checks.push_back(judged(condition, ClearanceKind::phaseToPhase, required,
                                    a ? std::optional<double>(*a - 2 * b - 2 * r) : std::nullopt));
    }
    const std::optional<double> shortCircuitRemaining =
        shortCircuit ? std::optional<double>(shortCircuit->minimumClearance_m - 2 * r) : std::nullopt;
    out.checks.push_back(judged(ClearanceCondition::shortCircuit, ClearanceKind::phaseToPhase,
                                settings.phaseToPhase_m[3], shortCircuitRemaining));
    for (int i = 0; i < 3; ++i) {
        const auto condition = static_cast<ClearanceCondition>(i);
        const auto &required = settings.phaseToEarth_m[std::size_t(i)];
        if (required && !c)
            refuse(std::string("填写了") + earthNames[i] + ",应同时填写对地距离c.");
        const double b = windSwing(result, clearanceState(condition)).displacement_m;
        out.checks.push_back(judged(condition, ClearanceKind::phaseToEarth, required,
                                    c ? std::optional<double>(*c - b - r) : std::nullopt));
    }
    const auto &faultToEarth = settings.phaseToEarth_m[3];
    if (faultToEarth && !c)
        refuse(std::string("填写了") + earthNames[3] + ",应同时填写对地距离c.");
    std::optional<double> faultEarthRemaining;
    if (shortCircuit && c) {
        double swing = 0;
        for (const ShortCircuitTemperatureCase &fault : shortCircuit->cases)
            swing = std::max(swing, fault.values.horizontalDisplacement_m);
        faultEarthRemaining = *c - swing - r;
    }
    out.checks.push_back(judged(ClearanceCondition::shortCircuit, ClearanceKind::phaseToEarth, faultToEarth,
                                faultEarthRemaining));
    return out;
}

} // namespace engine
