// Lateral wind forces and the added beam loads handed to the structures.
#include "support/spanfixture.h"

#include "engine/calculation.h"
#include "engine/structureloads.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace engine;
using testing_span::defaultResult;
using testing_span::defaultSpan;

TEST(StructureLoads, MaintenanceBeamLoadsAtMidSpan)
{
    auto input = defaultSpan();
    input[slot::voltageLevel] = "330";
    BeamLoads loads = runCalculation(input).beamLoads;
    EXPECT_FLOAT_EQ(loads.threePhaseA, 2.45f);   // 200 + 100/2 kgf
    EXPECT_FLOAT_EQ(loads.threePhaseB, 2.45f);
    EXPECT_FLOAT_EQ(loads.singlePhaseA, 2.695f); // 200 + 150/2 kgf
    EXPECT_FLOAT_EQ(loads.singlePhaseB, 2.695f);

    input[slot::voltageLevel] = "500";
    input[slot::maintenancePoint] = "9";
    loads = runCalculation(input).beamLoads;
    EXPECT_FLOAT_EQ(loads.threePhaseA, float((200 + 200 * 27.0 / 36) * 9.8e-3));
    EXPECT_FLOAT_EQ(loads.singlePhaseB, float((200 + 350 * 9.0 / 36) * 9.8e-3));
}

TEST(StructureLoads, LateralForcesShareEveryWindForceBetweenTheStructures)
{
    const CalculationResult &r = defaultResult();
    // Still air in the maximum-temperature state: nothing pushes sideways.
    EXPECT_EQ(r.summary[maxTemperature].lateralA, 0.0f);
    EXPECT_EQ(r.summary[maxTemperature].lateralB, 0.0f);

    // The two structures together carry every wind force of the span; the
    // wind on a jumper or lead is its wind per metre times its length.
    for (int s = maxLoad; s < designStateCount; ++s) {
        const StateResult &state = r.states[s];
        double total = double(state.stringAWind) + state.stringBWind
                       + double(state.conductorWind) * r.span.conductorSpan();
        for (int k = 0; k < leadCount; ++k)
            total += double(state.leadWind[k]) * r.span.leads[k].length;
        EXPECT_NEAR(r.summary[s].lateralA + r.summary[s].lateralB, total * 0.0098, 1e-5) << s;
    }
}

TEST(StructureLoads, LeadAtPositionZeroAddsNoLateralWind)
{
    const CalculationResult &r = defaultResult();
    StateResult windyLead = r.states[maxWind];
    ASSERT_GT(windyLead.leadWind[leadP1], 0.0f);
    const LateralForces withLead = lateralWindForces(r.span, windyLead, {6, 6, 6, 6});
    const LateralForces atZero = lateralWindForces(r.span, windyLead, {0, 0, 0, 0});
    windyLead.leadWind[leadP1] = 0;
    const LateralForces withoutLead = lateralWindForces(r.span, windyLead, {6, 6, 6, 6});
    EXPECT_GT(withLead.onA, withoutLead.onA);
    EXPECT_EQ(atZero.onA, withoutLead.onA);
    EXPECT_EQ(atZero.onB, withoutLead.onB);
}

TEST(StructureLoads, StringingLoadTakesTheWholeStringAndTheLargestStringingTension)
{
    const CalculationResult &r = defaultResult();
    float Hmax = 0;
    for (int c = installationColumn; c < stateEquationColumnCount; ++c)
        Hmax = std::max(Hmax, r.stateEquation[c][rowH]);
    // Stringing at the maintenance conditions: 10 m/s on the bare strings of 165.3 kg.
    const double wholeString = std::hypot(0.04125 * 0.529 * 100, 165.3);
    EXPECT_NEAR(r.beamLoads.stringingA, (wholeString * 9.8 + 1960 + 0.8485281372 * Hmax * 2) * 0.001, 1e-4);
    // The default span marks without string B, yet B is hoisted with the
    // conductor: its beam load carries the whole string as A's does.
    ASSERT_TRUE(r.span.markingNoStringB);
    EXPECT_NEAR(r.beamLoads.stringingB, (wholeString * 9.8 + 1960 + 0.8485281372 * Hmax * 2) * 0.001, 1e-4);
}
