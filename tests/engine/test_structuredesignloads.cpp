// The loads one phase puts on the structures: hand-worked on the record of
// support/handbuiltresult (N = 2, L = 40 m, H = 20000 N, RA = 560 kgf,
// RB = 540 kgf; installation and marking up to 23000 N) and held against
// the design check on the default span.
#include "engine/calculation.h"
#include "engine/designchecks.h"
#include "engine/structuredesignloads.h"
#include "support/handbuiltresult.h"
#include "support/spanfixture.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace engine;
using testing_span::handBuiltResult;

namespace {

StructureDesignLoads loadsOf(const CalculationResult &result)
{
    return structureDesignLoads(result, {0, 0, 0, 0});
}

} // namespace

TEST(StructureDesignLoads, SlopeAddsAtTheHigherStructureAndTakesAtTheLower)
{
    // tan γ = 4/40 = 0.1, H·tan γ = 2000 N per sub-conductor.
    CalculationResult result = handBuiltResult(4);
    StructureDesignLoads loads = loadsOf(result);
    // A higher: 2·(9.8·560 + 2000) = 14976 N, 2·(9.8·540 − 2000) = 6584 N.
    EXPECT_FLOAT_EQ(loads.onA[maxTemperature].vertical, 14.976f);
    EXPECT_FLOAT_EQ(loads.onB[maxTemperature].vertical, 6.584f);
    EXPECT_FLOAT_EQ(loads.onA[maxTemperature].horizontal, 40.0f);
    EXPECT_FLOAT_EQ(loads.onB[maxTemperature].horizontal, 40.0f);
    // Installation is held at its largest H of the nine temperatures, 23000 N.
    EXPECT_FLOAT_EQ(loads.onA[installation].horizontal, 46.0f);
    EXPECT_FLOAT_EQ(loads.onA[installation].vertical, 15.576f);  // 2·(5488 + 2300)
    EXPECT_FLOAT_EQ(loads.onB[installation].vertical, 5.984f);   // 2·(5292 − 2300)

    result.span.structureBHigher = true;
    loads = loadsOf(result);
    EXPECT_FLOAT_EQ(loads.onA[maxTemperature].vertical, 6.976f);   // 2·(5488 − 2000)
    EXPECT_FLOAT_EQ(loads.onB[maxTemperature].vertical, 14.584f);  // 2·(5292 + 2000)
    // Both ends together carry the weight of the phase, 2·9.8·1100 N, whichever is higher.
    for (int s = 0; s < loadStateCount; ++s)
        EXPECT_NEAR(loads.onA[s].vertical + loads.onB[s].vertical, 21.56, 1e-5) << s;
}

TEST(StructureDesignLoads, EachColumnMarksItsLargestStateByMagnitude)
{
    CalculationResult result = handBuiltResult(4);
    result.span.stringAProjection = result.span.stringBProjection = 0;
    result.states[maxWind].conductorWind = 10;  // kgf/m on the phase
    StructureDesignLoads loads = loadsOf(result);
    // 10 kgf/m over 40 m, half to each end: 200 kgf = 1.96 kN.
    EXPECT_FLOAT_EQ(loads.onA[maxWind].lateral, 1.96f);
    EXPECT_FLOAT_EQ(loads.onB[maxWind].lateral, 1.96f);
    EXPECT_EQ(loads.governingA.lateral, maxWind);
    EXPECT_EQ(loads.governingA.horizontal, installation);  // first of installation and marking at 23000 N
    // The larger H pulls the higher end down and lifts the lower one.
    EXPECT_EQ(loads.governingA.vertical, installation);
    EXPECT_EQ(loads.governingB.vertical, maxTemperature);

    // So steep that the lower end is lifted: 5292 − 0.3·H < 0 in every state,
    // the most at the largest H.
    result.span.heightDifference = 12;
    loads = loadsOf(result);
    EXPECT_FLOAT_EQ(loads.onB[maxTemperature].vertical, -1.416f);  // 2·(5292 − 6000)
    EXPECT_FLOAT_EQ(loads.onB[installation].vertical, -3.216f);    // 2·(5292 − 6900)
    EXPECT_EQ(loads.governingB.vertical, installation);
}

TEST(StructureDesignLoads, VerticalLoadsAreThoseOfTheDesignCheck)
{
    auto input = testing_span::defaultSpan();
    input[slot::heightDifference] = "3";
    input[slot::higherStructure] = higherStructureText::structureA;
    const CalculationResult result = runCalculation(input);
    const StructureDesignLoads &loads = result.structureLoads;
    const DesignChecks checks = checkDesign(result, DesignCheckSettings{});
    for (int s = 0; s < loadStateCount; ++s) {
        // S = √(H² + V²) of the phase, as the check computes it.
        EXPECT_NEAR(std::hypot(loads.onA[s].horizontal, loads.onA[s].vertical), checks.states[s].stringPullA * 1e-3,
                    2e-6 * checks.states[s].stringPullA * 1e-3)
            << s;
        EXPECT_NEAR(std::hypot(loads.onB[s].horizontal, loads.onB[s].vertical), checks.states[s].stringPullB * 1e-3,
                    2e-6 * checks.states[s].stringPullB * 1e-3)
            << s;
        // RA + H·tan γ and RB − H·tan γ, tan γ = 3/36.
        const double slope = loads.onA[s].horizontal * 3.0 / 36.0;
        if (s < designStateCount) {
            EXPECT_NEAR(loads.onA[s].vertical, result.summary[s].reactionA + slope, 1e-4) << s;
            EXPECT_NEAR(loads.onB[s].vertical, result.summary[s].reactionB - slope, 1e-4) << s;
            EXPECT_EQ(loads.onA[s].lateral, result.summary[s].lateralA) << s;
        }
    }
}
