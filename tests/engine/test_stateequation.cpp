// The cubic solver and the state equation with its switch of reference state.
#include "support/spanfixture.h"

#include "engine/calculation.h"
#include "engine/calculationerror.h"
#include "engine/stateequation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace engine;
using testing_span::defaultResult;
using testing_span::defaultSpan;

namespace {

double residual(double sigma, double A, double Cm)
{
    return sigma * sigma * (sigma - A) - Cm;
}

std::string cubicMessage(double A, double Cm)
{
    try {
        solveStateCubic(A, Cm);
    } catch (const CalculationError &e) {
        EXPECT_EQ(e.kind(), CalculationError::Kind::CubicSolver);
        return e.what();
    }
    return "solved";
}

void expectFixedByControlSag(const StateEquationColumn &column, float controlSag)
{
    EXPECT_EQ(column[rowF], controlSag);
    for (int row : {rowCn, rowSigmaN, rowThetaN, rowDeltaTheta, rowB, rowA})
        EXPECT_EQ(column[row], 0.0f) << row;
    EXPECT_NE(column[rowThetaM], 0.0f);
}

void expectSolvedAgainstReference(const StateEquationColumn &column, const StateEquationColumn &reference)
{
    EXPECT_EQ(column[rowCn], reference[rowCm]);
    EXPECT_EQ(column[rowSigmaN], reference[rowSigmaM]);
    EXPECT_EQ(column[rowThetaN], reference[rowThetaM]);
    EXPECT_NE(column[rowA], 0.0f);
}

} // namespace

TEST(StateCubic, FindsThePositiveRootForEverySignOfA)
{
    for (double A : {-500.0, -20.0, -0.5, 0.0, 0.5, 40.0, 400.0}) {
        for (double Cm : {1e-3, 1.0, 3e4, 5e7}) {
            const double sigma = solveStateCubic(A, Cm);
            EXPECT_GT(sigma, std::max(A, 0.0)) << A << " " << Cm;
            // Newton stops when a step is at most 0.001; the residual is then
            // at most the slope times that step.
            EXPECT_LE(std::fabs(residual(sigma, A, Cm)), (3 * sigma * sigma + 2 * std::fabs(A) * sigma) * 1e-3)
                << A << " " << Cm;
        }
    }
}

TEST(StateCubic, RefusesWhatHasNoPhysicalRoot)
{
    EXPECT_EQ(cubicMessage(1.5, 0), "程序求解三次方程出错,A=1.5, Cm=0");
    EXPECT_EQ(cubicMessage(-12.3456, -7), "程序求解三次方程出错,A=-12.346, Cm=-7");
    EXPECT_NE(cubicMessage(std::numeric_limits<double>::quiet_NaN(), 1), "solved");
    EXPECT_NE(cubicMessage(-1, std::numeric_limits<double>::infinity()), "solved");
    // Far beyond double range the iteration overflows instead of settling.
    EXPECT_NE(cubicMessage(1e300, 1e300), "solved");
}

TEST(StateEquation, MaximumTemperatureIsTheReferenceWhileTheIcedSagStaysWithinTheControlSag)
{
    const CalculationResult &r = defaultResult();
    ASSERT_EQ(r.referenceColumn, maxTemperature);
    const auto &table = r.stateEquation;
    expectFixedByControlSag(table[maxTemperature], 2.0f);
    EXPECT_LE(table[maxLoad][rowF], 2.0f);
    for (int c = maxLoad; c < stateEquationColumnCount; ++c)
        expectSolvedAgainstReference(table[c], table[maxTemperature]);
}

TEST(StateEquation, MaximumLoadBecomesTheReferenceWhenItsSagExceedsTheControlSag)
{
    // A light single LGJ-95/20 under 20 mm of ice in a 30 m/s wind.
    auto input = defaultSpan();
    const char *conductor[] = {"LGJ-95/20", "13.87", "0.4089", "1", "18.5", "76000", "113.96", "6", "2.5"};
    for (int i = 0; i < 9; ++i)
        input[slot::conductorType + i] = conductor[i];
    input[slot::iceThickness] = "20";
    input[slot::conditionWindSpeed + 5] = "30";
    const CalculationResult r = runCalculation(input);
    ASSERT_EQ(r.referenceColumn, maxLoad);
    const auto &table = r.stateEquation;
    expectFixedByControlSag(table[maxLoad], 2.0f);
    expectSolvedAgainstReference(table[maxTemperature], table[maxLoad]);
    EXPECT_LT(table[maxTemperature][rowF], 2.0f);
    for (int c = maxWind; c < stateEquationColumnCount; ++c)
        expectSolvedAgainstReference(table[c], table[maxLoad]);
}

TEST(StateEquation, StringingTemperaturesShapeTheirColumns)
{
    auto input = defaultSpan();
    input[slot::markingTemperature + 1] = "40";  // equal to the first one
    input[slot::markingTemperature + 2] = "70";  // the reference temperature
    const CalculationResult r = runCalculation(input);
    const auto &table = r.stateEquation;
    EXPECT_EQ(table[installationColumn], table[installationColumn + 1]);
    EXPECT_EQ(table[markingColumn], table[markingColumn + 1]);
    EXPECT_EQ(table[installationColumn + 2][rowDeltaTheta], 0.0f);
    EXPECT_EQ(table[installationColumn + 2][rowB], 0.0f);
    // Installation and marking columns share M and D across the temperatures.
    for (int i = 1; i < markingTemperatureCount; ++i)
        EXPECT_EQ(table[markingColumn + i][rowCm], table[markingColumn][rowCm]);
}

TEST(StateEquation, ConductorCoefficientFollowsTheConductorSpan)
{
    const CalculationResult &r = defaultResult();
    const double cosGamma = r.span.cosGamma;
    const double Lc = 36 - 2 * 2.965 * cosGamma;
    EXPECT_NEAR(r.conductorCoefficient, 71853 * cosGamma / (2 * 1555.8 * 1555.8 * Lc), 1e-9);
    EXPECT_NEAR(r.stateEquation[0][rowAlphaE], 23 * 71853e-6, 1e-5);
}

// A published worked example of the state equation: the course design
// "某110KV线路,通过我国Ⅱ气象区,导线型号为LGJ-150/20,做出相关的应力弧垂曲线"
// (http://biz.doczj.com/doc/385815235.html), section 4 "计算各气象条件的应力".
// LGJ-150/20: E = 73000 N/mm², α = 19.6e-6 /℃, self-weight specific load
// γ = 32.75e-3 N/(m·mm²). From the annual-average state (15 ℃, σ = 67.32
// N/mm²) it solves the maximum-temperature state (40 ℃, same γ) and prints
// σ = 36.03 N/mm² for a span of 50 m and 42.45 N/mm² for 100 m.
//
// For a uniformly loaded span the handbook's Cm = D·ξ (D = q²L³/12,
// ξ = E/(2S²L)) is E·γ²·L²/24, so its cubic σ²(σ − A) = Cm with
// A = σn − Cn/σn² − αE·Δθ is exactly the line-design state equation.
TEST(StateCubic, AgreesWithAPublishedStateEquationExample)
{
    const double E = 73000;
    const double alpha = 19.6e-6;
    const double gamma = 32.75e-3;
    const double sigmaN = 67.32;
    const double deltaTheta = 40 - 15;
    const auto sigmaAt = [&](double span) {
        const double C = E * gamma * gamma * span * span / 24;
        const double A = sigmaN - C / (sigmaN * sigmaN) - alpha * E * deltaTheta;
        return solveStateCubic(A, C);
    };
    EXPECT_NEAR(sigmaAt(50), 36.03, 0.005);
    EXPECT_NEAR(sigmaAt(100), 42.45, 0.005);
}
