// Point lists, maintenance loads, the zero-shear point and the segment table.
#include "support/spanfixture.h"

#include "engine/calculation.h"

#include <gtest/gtest.h>

using namespace engine;
using testing_span::defaultResult;
using testing_span::defaultSpan;

namespace {

float positionOfLoad(const StateResult &state, float load)
{
    for (const PointLoad &p : state.points)
        if (p.load == load)
            return p.position;
    return -1;
}

} // namespace

TEST(BeamAnalysis, SymmetricSpanWithoutLeadsHasItsZeroShearPointAtMidSpan)
{
    const CalculationResult r = runCalculation(testing_span::symmetricSpanWithoutLeads("36"));
    const StateResult &hot = r.states[maxTemperature];
    ASSERT_EQ(hot.points.size(), 1u);
    EXPECT_NEAR(hot.points[0].position, 18.0, 1e-4);
    EXPECT_EQ(hot.points[0].load, 0.0f);
    ASSERT_EQ(hot.segments.size(), 4u);
    // The largest moment sits at the zero-shear point: the sum of the positive ΔM.
    EXPECT_NEAR(hot.maxMoment, hot.segments[0].moment + hot.segments[1].moment, 1e-3);
    EXPECT_NEAR(hot.stringAMoment, -hot.stringBMoment, 1e-2);
}

TEST(BeamAnalysis, NoZeroShearPointWhereTheShearChangesSignAtALoad)
{
    auto input = testing_span::symmetricSpanWithoutLeads("36");
    testing_span::setLead(input, leadP1, "20", "200", "18");
    const CalculationResult r = runCalculation(input);
    const StateResult &hot = r.states[maxTemperature];
    ASSERT_EQ(hot.points.size(), 1u);
    EXPECT_GT(hot.points[0].load, 0.0f);
    EXPECT_EQ(hot.segments.size(), 4u);
    float positive = 0;
    for (const Segment &seg : hot.segments)
        if (seg.moment > 0)
            positive += seg.moment;
    EXPECT_FLOAT_EQ(hot.maxMoment, positive);
}

TEST(BeamAnalysis, MaintenanceLoadIsSharedByTheSubConductorsWhereverItStands)
{
    // At mid-span: a new entry of W / 2 for the twin bundle.
    CalculationResult r = defaultResult();
    EXPECT_NEAR(positionOfLoad(r.states[threePhaseHot], 50.0f), 18.0, 1e-5);
    EXPECT_NEAR(positionOfLoad(r.states[singlePhaseCold], 75.0f), 18.0, 1e-5);
    EXPECT_EQ(r.threePhaseMaintenanceLoad, 100.0f);
    EXPECT_EQ(r.singlePhaseMaintenanceLoad, 150.0f);

    // Entered at the end of string A (2965 mm): it follows the projection and
    // lands on PA; further left it lands on PA too.
    const float jumperA = r.states[installation].leadLoad[leadPA];
    for (const char *x : {"2.965", "1"}) {
        auto input = defaultSpan();
        input[slot::maintenancePoint] = x;
        r = runCalculation(input);
        EXPECT_FLOAT_EQ(r.states[threePhaseHot].leadLoad[leadPA], jumperA + 50.0f) << x;
    }

    // At the start of string B it lands on PB.
    auto atB = defaultSpan();
    atB[slot::maintenancePoint] = "33.035";
    r = runCalculation(atB);
    EXPECT_FLOAT_EQ(r.states[singlePhaseHot].leadLoad[leadPB], r.states[installation].leadLoad[leadPB] + 75.0f);

    // Exactly at P1 it adds to P1's entry.
    auto atLead = defaultSpan();
    atLead[slot::maintenancePoint] = "6";
    r = runCalculation(atLead);
    const StateResult &onLead = r.states[threePhaseCold];
    EXPECT_FLOAT_EQ(onLead.points[0].load, r.states[threePhaseCold].leadLoad[leadP1] + 50.0f);
    EXPECT_EQ(onLead.points[0].position, 6.0f);

    // Left of P1 it becomes the first entry.
    auto leftOfLead = defaultSpan();
    leftOfLead[slot::maintenancePoint] = "4";
    r = runCalculation(leftOfLead);
    EXPECT_EQ(r.states[singlePhaseHot].points.front().position, 4.0f);
    EXPECT_EQ(r.states[singlePhaseHot].points.front().load, 75.0f);
}

TEST(BeamAnalysis, MaintenanceLoadsAboveThreeHundredThirtyKilovolts)
{
    auto input = defaultSpan();
    input[slot::voltageLevel] = "330";
    EXPECT_EQ(runCalculation(input).singlePhaseMaintenanceLoad, 150.0f);
    input[slot::voltageLevel] = "500";
    const CalculationResult r = runCalculation(input);
    EXPECT_EQ(r.threePhaseMaintenanceLoad, 200.0f);
    EXPECT_EQ(r.singlePhaseMaintenanceLoad, 350.0f);
    EXPECT_NEAR(positionOfLoad(r.states[singlePhaseHot], 175.0f), 18.0, 1e-5);
}

TEST(BeamAnalysis, ShearColumnsFromBothSupportsMeetInEverySegment)
{
    const CalculationResult &r = defaultResult();
    for (const StateResult &state : r.states) {
        const auto &segs = state.segments;
        // The shear at a segment's right end, walked from A, equals the one
        // walked independently from B.
        for (size_t k = 0; k < segs.size(); ++k) {
            const double rightEndFromA = double(segs[k].shearLeft) - segs[k].distributedLoad;
            EXPECT_NEAR(rightEndFromA, segs[k].shearRight, 1e-2);
        }
        EXPECT_EQ(segs.front().shearLeft, state.reactionA);
        EXPECT_EQ(segs.back().shearRight, -state.reactionB);
    }
}
