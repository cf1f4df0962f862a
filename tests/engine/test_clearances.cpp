// The swing of the span under wind and the air distances it leaves.
#include "engine/calculationerror.h"
#include "engine/clearances.h"
#include "engine/windswing.h"
#include "support/handbuiltresult.h"

#include <gtest/gtest.h>

using namespace engine;

namespace {

/// The hand-built twin bundle with a 3-4-5 swing in 雷电电压: per
/// sub-conductor g = 0.5 kgf/m and g_w = 0.8/2 = 0.4 kgf/m, so g_v = 0.3 and
/// sin η = 0.8; f = 0.5 m gives b = 0.4 m. String A: W = 3 kgf against
/// G = 4 kgf. Every other state is still, f = 0.5 m.
CalculationResult swungResult()
{
    CalculationResult result = testing_span::handBuiltResult(0);
    result.span.conductorDiameter = 30;
    result.span.stringA.weight = 4;
    result.span.stringB.weight = 8;
    for (int c = 0; c < installationColumn; ++c)
        result.stateEquation[c][rowF] = 0.5f;
    for (StateResult &state : result.states)
        state.conductorLoad = 0.3f;
    result.span.windSpeed[lightning] = 15;
    StateResult &windy = result.states[lightning];
    windy.conductorLoad = 0.5f;
    windy.conductorWind = 0.8f;
    windy.stringAWind = 3;
    windy.stringBWind = 0;
    return result;
}

ClearanceSettings requireAll()
{
    ClearanceSettings settings;
    settings.phaseSpacing_m = 3.0;
    settings.earthDistance_m = 2.5;
    settings.halfWidth_m = 0.15;
    settings.phaseToPhase_m = {1.8, 2.5, std::nullopt, 1.9};
    settings.phaseToEarth_m = {2.0, std::nullopt, 1.0, 1.5};
    return settings;
}

} // namespace

TEST(WindSwing, AnglesAndDisplacementFromTheUnitLoads)
{
    const CalculationResult result = swungResult();
    const WindSwing swing = windSwing(result, lightning);
    EXPECT_NEAR(swing.conductorAngle_deg, 53.1301, 1e-3); // atan(0.4/0.3)
    EXPECT_NEAR(swing.stringAAngle_deg, 36.8699, 1e-3);   // atan(3/4)
    EXPECT_EQ(swing.stringBAngle_deg, 0);
    EXPECT_NEAR(swing.sag_m, 0.5, 1e-6);
    EXPECT_NEAR(swing.displacement_m, 0.4, 1e-6);         // 0.5·0.8

    const WindSwing still = windSwing(result, switching);
    EXPECT_EQ(still.conductorAngle_deg, 0);
    EXPECT_EQ(still.displacement_m, 0);

    const std::vector<WindSwing> listed = windSwings(result);
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].state, lightning);
}

TEST(WindSwing, RefusesLoadsWithoutVerticalPartAndWeightlessStrings)
{
    CalculationResult result = swungResult();
    result.states[lightning].conductorLoad = 0.4f;
    EXPECT_THROW(windSwing(result, lightning), CalculationError);
    result = swungResult();
    result.span.stringA.weight = 0;
    EXPECT_THROW(windSwing(result, lightning), CalculationError);
}

TEST(Clearances, RemainingDistancesAndVerdicts)
{
    ShortCircuitResult shortCircuit;
    shortCircuit.minimumClearance_m = 2.2;
    shortCircuit.cases[0].values.horizontalDisplacement_m = 0.6;
    shortCircuit.cases[1].values.horizontalDisplacement_m = 0.9;
    const ClearanceResult checked = checkClearances(swungResult(), requireAll(), shortCircuit);
    ASSERT_EQ(checked.checks.size(), 8u);
    const auto &c = checked.checks;
    // Phase to phase a − 2b − 2r: lightning 3 − 0.8 − 0.3 = 1.9 ≥ 1.8; still
    // switching 3 − 0.3 = 2.7 ≥ 2.5; power frequency not required.
    EXPECT_NEAR(*c[0].remaining_m, 1.9, 1e-6);
    EXPECT_EQ(c[0].verdict, ClearanceVerdict::met);
    EXPECT_NEAR(*c[1].remaining_m, 2.7, 1e-6);
    EXPECT_EQ(c[1].verdict, ClearanceVerdict::met);
    EXPECT_EQ(c[2].verdict, ClearanceVerdict::notChecked);
    EXPECT_FALSE(c[2].remaining_m);
    // Short circuit a_min − 2r = 2.2 − 0.3 = 1.9 ≥ 1.9, met to the last digit.
    EXPECT_EQ(c[3].condition, ClearanceCondition::shortCircuit);
    EXPECT_NEAR(*c[3].remaining_m, 1.9, 1e-12);
    EXPECT_EQ(c[3].verdict, ClearanceVerdict::met);
    // Phase to earth c − b − r: lightning 2.5 − 0.4 − 0.15 = 1.95 < 2.0;
    // power frequency 2.5 − 0.15 = 2.35 ≥ 1.0.
    EXPECT_EQ(c[4].kind, ClearanceKind::phaseToEarth);
    EXPECT_NEAR(*c[4].remaining_m, 1.95, 1e-6);
    EXPECT_EQ(c[4].verdict, ClearanceVerdict::notMet);
    EXPECT_EQ(c[5].verdict, ClearanceVerdict::notChecked);
    EXPECT_NEAR(*c[6].remaining_m, 2.35, 1e-6);
    // After a fault c − b_h − r with the larger b_h: 2.5 − 0.9 − 0.15 = 1.45 < 1.5.
    EXPECT_EQ(c[7].condition, ClearanceCondition::shortCircuit);
    EXPECT_EQ(c[7].kind, ClearanceKind::phaseToEarth);
    EXPECT_NEAR(*c[7].remaining_m, 1.45, 1e-12);
    EXPECT_EQ(c[7].verdict, ClearanceVerdict::notMet);

    // Without a short circuit its line is not checked.
    EXPECT_EQ(checkClearances(swungResult(), requireAll(), std::nullopt).checks[3].verdict,
              ClearanceVerdict::notChecked);
}

TEST(Clearances, HalfWidthOfASingleConductorAndRefusals)
{
    CalculationResult single = swungResult();
    single.span.bundleCount = 1;
    single.states[lightning].conductorWind = 0.4f;
    ClearanceSettings settings = requireAll();
    settings.halfWidth_m.reset();
    // r = 30 mm / 2: 3 − 0.8 − 0.03 = 2.17.
    EXPECT_NEAR(*checkClearances(single, settings, std::nullopt).checks[0].remaining_m, 2.17, 1e-6);
    // A bundle needs r; a requirement needs its a or c.
    EXPECT_THROW(checkClearances(swungResult(), settings, std::nullopt), CalculationError);
    settings = requireAll();
    settings.earthDistance_m.reset();
    EXPECT_THROW(checkClearances(swungResult(), settings, std::nullopt), CalculationError);
    settings = requireAll();
    settings.phaseSpacing_m = -1;
    EXPECT_THROW(checkClearances(swungResult(), settings, std::nullopt), CalculationError);
}
