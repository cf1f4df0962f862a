// The figures a review asks for first, picked from the record of
// support/handbuiltresult with sags and a control sag set here.
#include "engine/designchecks.h"
#include "engine/governingstates.h"
#include "engine/structuredesignloads.h"
#include "support/handbuiltresult.h"

#include <gtest/gtest.h>

#include <vector>

using namespace engine;

namespace {

/// h = 4 m with A higher; sags 1.0 m except those set below; control sag 1.2 m.
CalculationResult resultWithSags()
{
    CalculationResult result = testing_span::handBuiltResult(4);
    result.span.controlSag = 1.2f;
    for (auto &column : result.stateEquation)
        column[rowF] = 1.0f;
    result.stateEquation[threePhaseHot][rowF] = 1.3f;
    result.stateEquation[singlePhaseCold][rowF] = 1.25f;
    result.stateEquation[singlePhaseHot][rowF] = 1.2f;  // at the control sag, not above it
    // Installation sags most at its warmest stringing temperature, not at its largest H.
    result.stateEquation[installationColumn + 2][rowF] = 1.6f;
    result.stateEquation[installationColumn + 2][rowThetaM] = 30;
    result.structureLoads = structureDesignLoads(result, {0, 0, 0, 0});
    return result;
}

} // namespace

TEST(GoverningStates, LargestTensionSagAndPullsWithTheirStates)
{
    const CalculationResult result = resultWithSags();
    DesignCheckSettings settings;
    settings.stringARatedLoad_kN = 160;
    const GoverningStates governing = governingStates(result, checkDesign(result, settings));

    EXPECT_FLOAT_EQ(governing.largestTension.value, 46.0f);  // 2·23000 N
    EXPECT_EQ(governing.largestTension.state, installation);
    EXPECT_FLOAT_EQ(governing.largestSag.sag, 1.6f);
    EXPECT_EQ(governing.largestSag.state, installation);
    EXPECT_EQ(governing.largestSag.column, installationColumn + 2);
    EXPECT_FLOAT_EQ(governing.largestSag.temperature, 30.0f);
    EXPECT_FLOAT_EQ(governing.controlSag, 1.2f);
    EXPECT_EQ(governing.maintenanceAboveControl, (std::vector<int>{threePhaseHot, singlePhaseCold}));

    // At A, the higher end: 2·√(23000² + (5488 + 2300)²) = 48565.54 N at installation.
    EXPECT_NEAR(governing.largestLoadA.value, 48.56554, 1e-4);
    EXPECT_EQ(governing.largestLoadA.state, installation);
    // At B the larger H outweighs the smaller vertical load: 2·√(23000² + (5292 − 2300)²) = 46387.59 N.
    EXPECT_NEAR(governing.largestLoadB.value, 46.38759, 1e-4);
    EXPECT_EQ(governing.largestLoadB.state, installation);

    // Only string A was given: K_s = 160000 / 48565.54 = 3.29452, at installation; K_c unchecked.
    ASSERT_TRUE(governing.stringFactor);
    EXPECT_NEAR(governing.stringFactor->factor, 3.29452, 1e-4);
    EXPECT_EQ(governing.stringFactor->state, installation);
    EXPECT_FALSE(governing.conductorFactor);
    EXPECT_EQ(governing.pass, false);  // 3.29 < 3.3 for a short load
    EXPECT_EQ(governing.verdict, "不满足");
}

TEST(GoverningStates, NothingCheckedSaysSo)
{
    const CalculationResult result = resultWithSags();
    const GoverningStates governing = governingStates(result, checkDesign(result, DesignCheckSettings{}));
    EXPECT_FALSE(governing.pass);
    EXPECT_FALSE(governing.stringFactor);
    EXPECT_EQ(governing.verdict, "未校核");
}
