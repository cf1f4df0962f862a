#include "engine/shortcircuit.h"

#include "engine/calculationerror.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace engine {

namespace {

constexpr double g = standardGravity_m_s2;
constexpr int maxBisectionSteps = 200;

[[noreturn]] void fail(const std::string &message)
{
    throw CalculationError(CalculationError::Kind::Arithmetic, message);
}

void requirePositive(double value, const char *quantity)
{
    if (!(value > 0) || !std::isfinite(value))
        fail(std::string("短路计算的") + quantity + "必须是大于0的数值.");
}

/// \a value, refused when a step went beyond what a double holds.
double finite(double value, const char *quantity)
{
    if (!std::isfinite(value))
        fail(std::string("短路计算的") + quantity + "超出可计算的范围,请检查输入数据.");
    return value;
}

double sinDeg(double degrees)
{
    return std::sin(degrees * std::numbers::pi / 180);
}
double cosDeg(double degrees)
{
    return std::cos(degrees * std::numbers::pi / 180);
}
double acosDeg(double value)
{
    return std::acos(value) * 180 / std::numbers::pi;
}

void requireValidInputs(const ShortCircuitInputs &in, double staticTension_N)
{
    requirePositive(in.initialCurrent_A, "短路电流I″k3");
    requirePositive(in.firstDuration_s, "首次短路持续时间Tk1");
    requirePositive(in.phaseSpacing_m, "相间距离a");
    requirePositive(in.springConstant_N_m, "支持结构弹性系数S");
    requirePositive(in.thermalStrainConstant, "热应变系数cth");
    requirePositive(in.span_m, "跨距l");
    requirePositive(in.subConductorArea_m2, "子导线截面As");
    requirePositive(in.subConductorDiameter_m, "子导线直径ds");
    requirePositive(in.elasticModulus_N_m2, "导线弹性模量E");
    requirePositive(in.massPerLength_kg_m, "子导线单位质量m′s");
    requirePositive(staticTension_N, "静态张力Fst");
    if (in.subConductors < 1)
        fail("短路计算的分裂根数n应不小于1.");
    if (!(in.stringLength_m >= 0) || !(in.cordLength_m() > 0))
        fail("短路计算的绝缘子串长度li应不小于0,且两串长度之和应小于跨距l.");
    if (in.subConductorSpacing_m)
        requirePositive(*in.subConductorSpacing_m, "次导线间距as");
    if (!(in.spacerDistance_m >= 0) || !std::isfinite(in.spacerDistance_m))
        fail("短路计算的间隔棒间距ls应不小于0.");
}

/// δ_m from χ ≤ 1, degrees.
double maxSwingAngle(double chi)
{
    if (chi >= 0.766)
        return 1.25 * acosDeg(chi);
    if (chi >= -0.985)
        return 10 + acosDeg(chi);
    return 180;
}

/// C_F from r: the conductor's form widens the sag more as the force ratio grows.
double formFactor(double r)
{
    if (r <= 0.8)
        return 1.05;
    if (r < 1.8)
        return 0.97 + 0.1 * r;
    return 1.15;
}

/// The pinch force and, when there is none, why.
void judgePinch(const ShortCircuitInputs &in, ShortCircuitCase &out)
{
    if (in.subConductors < 2) {
        out.pinchNote = "单根导线,无子导线收缩力.";
    } else if (!in.subConductorSpacing_m) {
        out.pinchNote = "未给出次导线间距,未判断子导线收缩力.";
    } else if (subConductorsClashEffectively(*in.subConductorSpacing_m, in.subConductorDiameter_m,
                                             in.spacerDistance_m)) {
        out.pinchForce_N = finite(1.1 * out.tensileForce_N, "收缩力Fpi,d");
    } else {
        out.pinchNote = "子导线不有效碰撞,收缩力需按标准的完整方法另行计算,本程序未计算.";
    }
}

} // namespace

double solvePsi(double loadParameter, double stressFactor)
{
    const double phi = loadParameter, zeta = stressFactor;
    if (!(phi >= 0) || !std::isfinite(phi))
        fail("短路计算的荷载参数φ必须是不小于0的数值.");
    requirePositive(zeta, "应力系数ζ");
    const auto left = [phi, zeta](double psi) {
        return ((phi * phi * psi + phi * (2 + zeta)) * psi + (1 + 2 * zeta)) * psi - zeta * (2 + phi);
    };
    double low = 0, high = 1;
    for (int step = 0; step < maxBisectionSteps; ++step) {
        const double middle = 0.5 * (low + high);
        if (middle <= low || middle >= high)
            break;
        (left(middle) < 0 ? low : high) = middle;
    }
    return 0.5 * (low + high);
}

bool subConductorsClashEffectively(double spacing_m, double diameter_m, double spacerDistance_m)
{
    const double ratio = spacing_m / diameter_m;
    return (ratio <= 2.0 && spacerDistance_m >= 50 * spacing_m) || (ratio <= 2.5 && spacerDistance_m >= 70 * spacing_m);
}

ShortCircuitCase shortCircuitCase(const ShortCircuitInputs &in, double staticTension_N)
{
    requireValidInputs(in, staticTension_N);
    const double I = in.initialCurrent_A, Tk1 = in.firstDuration_s, l = in.span_m, lc = in.cordLength_m();
    const double n = in.subConductors, As = in.subConductorArea_m2, Fst = staticTension_N;
    const double weight_N_m = n * in.massPerLength_kg_m * g;

    ShortCircuitCase out;
    out.staticTension_N = Fst;
    const double Fprime = finite(magneticConstantOver2Pi_H_m * 0.75 * I * I / in.phaseSpacing_m * lc / l, "电磁力F′");
    out.forcePerLength_N_m = Fprime;
    const double r = finite(Fprime / weight_N_m, "力比r");
    out.forceRatio = r;
    const double delta1 = std::atan(r) * 180 / std::numbers::pi;
    out.resultantAngle_deg = delta1;

    const double fes = finite(weight_N_m * l * l / (8 * Fst), "等效静态弧垂fes");
    out.staticSag_m = fes;
    const double T = finite(2 * std::numbers::pi * std::sqrt(0.8 * fes / g), "摆动周期T");
    out.period_s = T;
    // (1 + r²)^(1/4) is taken as √√ so that a huge r does not overflow r² first.
    const double rootFactor = std::sqrt(std::hypot(1.0, r));
    const double angleFactor = 1 - std::numbers::pi * std::numbers::pi / 64 * (delta1 / 90) * (delta1 / 90);
    const double Tres = finite(T / (rootFactor * angleFactor), "短路时摆动周期Tres");
    out.resultingPeriod_s = Tres;

    const double stress = Fst / (n * As);
    const double Es = stress <= finalStressLimit_N_m2
        ? in.elasticModulus_N_m2 * (0.3 + 0.7 * sinDeg(stress / finalStressLimit_N_m2 * 90))
        : in.elasticModulus_N_m2;
    out.actualModulus_N_m2 = Es;
    const double N = finite(1 / (in.springConstant_N_m * l) + 1 / (n * Es * As), "刚度系数N");
    out.stiffnessNorm_per_N = N;
    const double zeta = finite(weight_N_m * l * weight_N_m * l / (24 * Fst * Fst * Fst * N), "应力系数ζ");
    out.stressFactor = zeta;

    const double ratio = Tk1 / Tres;
    const double deltaEnd = ratio <= 0.5 ? delta1 * (1 - cosDeg(360 * ratio)) : 2 * delta1;
    out.endAngle_deg = deltaEnd;
    const double chi = deltaEnd <= 90 ? 1 - r * sinDeg(deltaEnd) : 1 - r;
    out.chi = chi;
    out.maxSwingAngle_deg = maxSwingAngle(chi);

    // Both branches give 3·(√(1 + r²) − 1) at T_k1 = T_res/4, where δ_end = δ1.
    const bool fullQuarter = Tk1 >= Tres / 4;
    const double phi = fullQuarter ? 3 * (std::hypot(1.0, r) - 1) : 3 * (r * sinDeg(deltaEnd) + cosDeg(deltaEnd) - 1);
    out.loadParameter = finite(phi, "荷载参数φ");
    out.psi = solvePsi(phi, zeta);
    const double Ft = finite(Fst * (1 + phi * out.psi), "短路拉力Ft,d");
    out.tensileForce_N = Ft;

    out.elasticStrain = finite(N * (Ft - Fst), "弹性应变εela");
    const double density = I / (n * As);
    out.thermalStrain =
        finite(in.thermalStrainConstant * density * density * (fullQuarter ? Tres / 4 : Tk1), "热应变εth");
    out.sagFactorCD =
        finite(std::sqrt(1 + 3.0 / 8 * (l / fes) * (l / fes) * (out.elasticStrain + out.thermalStrain)), "系数CD");
    out.sagFactorCF = formFactor(r);
    out.dynamicSag_m = finite(out.sagFactorCF * out.sagFactorCD * fes, "动态弧垂fed");
    out.horizontalDisplacement_m =
        out.dynamicSag_m * sinDeg(out.maxSwingAngle_deg >= delta1 ? delta1 : out.maxSwingAngle_deg);
    out.minimumClearance_m = in.phaseSpacing_m - 2 * out.horizontalDisplacement_m;

    if (r > 0.6 && out.maxSwingAngle_deg >= 70)
        out.dropForce_N = finite(1.2 * Fst * std::sqrt(1 + 8 * zeta * out.maxSwingAngle_deg / 180), "落下力Ff,d");
    judgePinch(in, out);
    out.designLoad_N = std::max({Ft, out.dropForce_N.value_or(0), out.pinchForce_N.value_or(0)});
    return out;
}

} // namespace engine
