// The short-circuit calculation of a whole span: what it takes from the span
// (static tensions, m′_s) and the thermal withstand.
#include "engine/calculation.h"
#include "engine/calculationerror.h"
#include "engine/shortcircuitspan.h"
#include "engine/shortcircuitstatictension.h"
#include "support/spanfixture.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace engine;
using testing_span::defaultResult;
using testing_span::defaultSpan;

namespace {

ShortCircuitSettings fortyKiloAmperes()
{
    ShortCircuitSettings settings;
    settings.initialCurrent_A = 40e3;
    settings.firstDuration_s = 0.5;
    settings.phaseSpacing_m = 3.5;
    settings.springConstant_N_m = 1e6;
    return settings;
}

} // namespace

TEST(ShortCircuitSpan, StaticTensionIsTheWindlessStateOfTheSameConductor)
{
    // The default options blow 10 m/s at the lowest temperature and none at
    // the highest; the span with that wind taken away must hang at the
    // computed tension, and the highest temperature at its own table H.
    CalculationInput still = defaultSpan();
    still[slot::conditionWindSpeed + conditionOfState(minTemperature) - 1] = "0";
    const CalculationResult stillResult = runCalculation(still);
    const CalculationResult &windy = defaultResult();
    ASSERT_GT(windy.span.windSpeed[minTemperature], 0.0f);
    ASSERT_EQ(stillResult.referenceColumn, windy.referenceColumn);

    // H per sub-conductor as the table holds it.
    const auto tensionOf = [&windy](int state) {
        return static_cast<float>(staticTension(windy.span, windy, state) / windy.span.bundleCount);
    };
    EXPECT_EQ(tensionOf(minTemperature), stillResult.stateEquation[minTemperature][rowH]);
    EXPECT_LT(tensionOf(minTemperature), windy.stateEquation[minTemperature][rowH]);
    EXPECT_EQ(tensionOf(maxTemperature), windy.stateEquation[maxTemperature][rowH]);
}

TEST(ShortCircuitSpan, MassPerLengthSpreadsSpacersAndHalfTheLeads)
{
    // Twin 4.942 kg/m conductor, 2.5 kg spacers every 6 m; jumpers of 5 m of
    // the same conductor and 10 kg of fittings at each end, a drop-down lead
    // of 8 m and 8 kg; strings of 2.965 m in a 36 m span.
    const CalculationResult &result = defaultResult();
    const double cordLength = 36 - 2 * 2.965;
    const double leads = 2 * (5 * 4.942 + 10) + (8 * 4.942 + 8);
    const double expected = 4.942 + 2.5 / 6 / 2 + 0.5 * leads / (2 * cordLength);
    EXPECT_NEAR(shortCircuitMassPerLength(result.span, windlessLoads(result.span, minTemperature), cordLength),
                expected, 1e-5);

    const ShortCircuitResult sc = shortCircuitOfSpan(result, fortyKiloAmperes());
    EXPECT_NEAR(sc.inputs.massPerLength_kg_m, expected, 1e-5);
    EXPECT_NEAR(sc.inputs.cordLength_m(), cordLength, 1e-5);
    EXPECT_NEAR(sc.inputs.spacerDistance_m, 6, 1e-6);
}

TEST(ShortCircuitSpan, CasesTakeTheTypedOrTheComputedTension)
{
    const CalculationResult &result = defaultResult();
    ShortCircuitSettings settings = fortyKiloAmperes();
    settings.staticTensionMax_N = 12e3;
    const ShortCircuitResult sc = shortCircuitOfSpan(result, settings);
    EXPECT_EQ(sc.cases[0].state, minTemperature);
    EXPECT_EQ(sc.cases[0].temperature_degC, -40.0f);
    EXPECT_FALSE(sc.cases[0].staticTensionTyped);
    EXPECT_EQ(sc.cases[0].values.staticTension_N, staticTension(result.span, result, minTemperature));
    EXPECT_EQ(sc.cases[1].state, maxTemperature);
    EXPECT_TRUE(sc.cases[1].staticTensionTyped);
    EXPECT_EQ(sc.cases[1].values.staticTension_N, 12e3);
    EXPECT_EQ(sc.designLoad_N, std::max(sc.cases[0].values.designLoad_N, sc.cases[1].values.designLoad_N));
    EXPECT_EQ(sc.minimumClearance_m,
              std::min(sc.cases[0].values.minimumClearance_m, sc.cases[1].values.minimumClearance_m));
    EXPECT_TRUE(sc.warnings.empty());

    settings.staticTensionMin_N = 0;
    EXPECT_THROW(shortCircuitOfSpan(result, settings), CalculationError);
}

TEST(ShortCircuitSpan, ThermalWithstandAgainstTheWholeSection)
{
    // 63 kA for 0.5 s: A_min = 63000·√0.5 / 87 = 512.1 mm² against 2 × 1555.8 mm².
    ShortCircuitSettings settings = fortyKiloAmperes();
    settings.initialCurrent_A = 63e3;
    const ThermalWithstand thermal = shortCircuitOfSpan(defaultResult(), settings).thermal;
    EXPECT_NEAR(thermal.minimumSection_mm2, 512.05, 0.01);
    EXPECT_NEAR(thermal.section_mm2, 3111.6, 1e-3);
    EXPECT_TRUE(thermal.met);
    EXPECT_EQ(thermal.duration_s, 0.5);

    // Cleared by the backup protection after 1 s, with a typed C: 63000 / 20 = 3150 mm².
    settings.thermalDuration_s = 1;
    settings.thermalCoefficient = 20;
    const ThermalWithstand slow = shortCircuitOfSpan(defaultResult(), settings).thermal;
    EXPECT_NEAR(slow.minimumSection_mm2, 3150, 1e-9);
    EXPECT_FALSE(slow.met);
}

TEST(ShortCircuitSpan, WarnsOutsideTheSpansTheMethodCovers)
{
    // 150 m with a slack control sag and the structures 40 m apart in height.
    CalculationInput input = testing_span::symmetricSpanWithoutLeads("150");
    input[slot::heightDifference] = "40";
    input[slot::controlSag] = "14";
    const ShortCircuitResult sc = shortCircuitOfSpan(runCalculation(input), fortyKiloAmperes());
    ASSERT_EQ(sc.warnings.size(), 3u);
    EXPECT_NE(sc.warnings[0].find("120m"), std::string::npos);
    EXPECT_NE(sc.warnings[1].find("8%"), std::string::npos);
    EXPECT_NE(sc.warnings[2].find("25%"), std::string::npos);
}
