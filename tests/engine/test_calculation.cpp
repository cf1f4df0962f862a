// Whole-span checks: the physics every load state must satisfy, whatever
// the inputs, and the failures that must end in a message instead of NaN.
#include "support/spanfixture.h"

#include "engine/calculation.h"
#include "engine/calculationerror.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace engine;
using testing_span::defaultResult;
using testing_span::defaultSpan;

namespace {

double totalVerticalLoad(const SpanData &span, const StateResult &state)
{
    double total = double(state.stringALoad) + state.stringBLoad + double(state.conductorLoad) * span.conductorSpan()
                   + state.leadLoad[leadPA] + state.leadLoad[leadPB];
    for (const PointLoad &p : state.points)
        total += p.load;
    return total;
}

void expectFinite(const CalculationResult &r)
{
    for (const StateResult &s : r.states) {
        for (float v : {s.conductorLoad, s.conductorWind, s.stringALoad, s.stringBLoad, s.reactionA, s.reactionB,
                        s.maxMoment, s.momentCheck, s.loadFactor, s.stringAMoment, s.stringBMoment})
            EXPECT_TRUE(std::isfinite(v));
        for (const Segment &seg : s.segments)
            for (float v : {seg.length, seg.moment, seg.momentTerm, seg.loadTerm, seg.loadFactorTerm})
                EXPECT_TRUE(std::isfinite(v));
    }
    for (const auto &column : r.stateEquation)
        for (float v : column)
            EXPECT_TRUE(std::isfinite(v));
    for (const SummaryRow &row : r.summary)
        for (float v : {row.tension, row.sag, row.reactionA, row.reactionB, row.lateralA, row.lateralB, row.stringASag,
                        row.stringBSag})
            EXPECT_TRUE(std::isfinite(v));
}

// The equilibrium and state-equation checks every successful run must pass.
void expectSoundResult(const CalculationInput &input)
{
    const CalculationResult r = runCalculation(input);
    expectFinite(r);
    for (int s = 0; s < loadStateCount; ++s) {
        SCOPED_TRACE(loadStateLabel(s));
        const StateResult &state = r.states[s];
        const double total = totalVerticalLoad(r.span, state);
        EXPECT_NEAR(double(state.reactionA) + state.reactionB, total, total * 1e-5);
        // M + M' is the moment at B, which must vanish for a beam in equilibrium.
        EXPECT_NEAR(state.momentCheck, 0.0, 1e-4 * state.maxMoment + 1e-3);
        double length = 0;
        for (const Segment &seg : state.segments)
            length += seg.length;
        EXPECT_NEAR(length, r.span.spanLength, 1e-4);
    }
    for (int c = 0; c < stateEquationColumnCount; ++c) {
        SCOPED_TRACE(c);
        const StateEquationColumn &col = r.stateEquation[c];
        EXPECT_GT(col[rowH], 0);
        if (c == r.referenceColumn)
            continue;
        const double sigma = col[rowSigmaM];
        EXPECT_NEAR(sigma * sigma * (sigma - col[rowA]), col[rowCm], col[rowCm] * 1e-4);
    }
}

} // namespace

TEST(Calculation, DefaultSpanIsInEquilibriumAndSolvesEveryColumn)
{
    expectSoundResult(defaultSpan());
}

TEST(Calculation, VariedSpansStayInEquilibrium)
{
    auto levelSpan = defaultSpan();
    levelSpan[slot::heightDifference] = "0";
    expectSoundResult(levelSpan);

    auto fourLeads = defaultSpan();
    testing_span::setLead(fourLeads, leadP2, "6", "8", "5");
    testing_span::setLead(fourLeads, leadP3, "7", "8", "5");
    testing_span::setLead(fourLeads, leadP4, "8", "8", "5");
    expectSoundResult(fourLeads);

    auto singleConductor = defaultSpan();
    singleConductor[slot::bundleCount] = "1";
    expectSoundResult(singleConductor);

    auto heavyIce = defaultSpan();
    heavyIce[slot::iceThickness] = "20";
    expectSoundResult(heavyIce);

    auto highVoltage = defaultSpan();
    highVoltage[slot::voltageLevel] = "500";
    expectSoundResult(highVoltage);
}

TEST(Calculation, TightControlSagIsSolvedWhereTheCubicHasNoNegativeA)
{
    // A control sag of 0.8 m makes the cold states so tight that A ≥ 0; the
    // state equation still has its one positive root.
    auto tight = defaultSpan();
    tight[slot::controlSag] = "0.8";
    const CalculationResult r = runCalculation(tight);
    bool sawNonNegativeA = false;
    for (int c = 0; c < stateEquationColumnCount; ++c)
        if (c != r.referenceColumn && r.stateEquation[c][rowA] >= 0)
            sawNonNegativeA = true;
    EXPECT_TRUE(sawNonNegativeA);
    expectSoundResult(tight);
}

TEST(Calculation, PrintedRowsAreTheWholePhaseInKiloNewton)
{
    // The default span's figures of the golden case tests/cases/default-span,
    // re-derived by hand there (handcheck.py): forces of both sub-conductors
    // in kN, sags in m.
    const CalculationResult &r = defaultResult();
    const SummaryRow &hottest = r.summary[maxTemperature];
    EXPECT_NEAR(hottest.tension, 10.396747, 5e-6);
    EXPECT_NEAR(hottest.sag, 2.0, 5e-6);
    EXPECT_NEAR(hottest.reactionA, 3.872338, 5e-6);
    EXPECT_NEAR(hottest.reactionB, 3.5617697, 5e-6);
    EXPECT_EQ(hottest.temperature, 70.0);
    const SummaryRow &windiest = r.summary[maxWind];
    EXPECT_NEAR(windiest.tension, 12.886671, 5e-6);
    EXPECT_NEAR(windiest.lateralA, 1.6146911, 5e-6);
    EXPECT_NEAR(windiest.lateralB, 1.4334931, 5e-6);
    EXPECT_EQ(r.stringingTable[0].temperature, 40.0f);
    EXPECT_NEAR(r.stringingTable[0].installationTension, 10.730513, 5e-6);
    EXPECT_NEAR(r.stringingTable[0].markingTension, 8.644855, 5e-6);
}

TEST(Calculation, InputsThatCannotBeComputedEndInAMessageNotInNaN)
{
    const auto expectArithmeticError = [](const CalculationInput &input) {
        try {
            runCalculation(input);
            ADD_FAILURE() << "calculation succeeded";
        } catch (const CalculationError &e) {
            EXPECT_NE(std::string(e.what()), "");
        }
    };
    auto noBundle = defaultSpan();
    noBundle[slot::bundleCount] = "0";
    expectArithmeticError(noBundle);
    noBundle[slot::bundleCount] = "0.9";  // truncated to 0
    expectArithmeticError(noBundle);

    auto noSpan = defaultSpan();
    noSpan[slot::spanLength] = "0";
    expectArithmeticError(noSpan);

    // A lead at the start of string B leaves a conductor piece of no length;
    // one beyond it a piece of negative length.
    auto leadAtStringB = defaultSpan();
    leadAtStringB[slot::heightDifference] = "0";
    leadAtStringB[leadSlot(leadP1, relativeDistance)] = "33.035";
    expectArithmeticError(leadAtStringB);
    leadAtStringB[leadSlot(leadP1, relativeDistance)] = "34";
    expectArithmeticError(leadAtStringB);

    auto twoLeadsAtOnePlace = defaultSpan();
    testing_span::setLead(twoLeadsAtOnePlace, leadP2, "8", "8", "0");
    expectArithmeticError(twoLeadsAtOnePlace);

    auto stringsLongerThanSpan = defaultSpan();
    stringsLongerThanSpan[slot::spanLength] = "5";
    stringsLongerThanSpan[slot::maintenancePoint] = "2.5";
    for (int lead = 0; lead < leadCount; ++lead)
        testing_span::removeLead(stringsLongerThanSpan, lead);
    expectArithmeticError(stringsLongerThanSpan);

    auto noArea = defaultSpan();
    noArea[slot::conductorArea] = "0";
    expectArithmeticError(noArea);

    auto overflow = defaultSpan();
    overflow[slot::conductorUnitWeight] = "1e300";
    expectArithmeticError(overflow);
}

TEST(Calculation, SpanWithoutAnyWeightCannotFixItsReferenceState)
{
    CalculationInput weightless = testing_span::symmetricSpanWithoutLeads("36");
    weightless[slot::conductorUnitWeight] = "0";
    weightless[slot::spacerWeight] = "0";
    weightless[slot::iceThickness] = "0";
    for (int base : {slot::stringA, slot::stringB})
        for (int field : {stringWeight, stringIcedWeight, stringWindArea, stringIcedWindArea})
            weightless[base + field] = "0";
    // No load in any state: not even a person on the conductor at 220 kV...
    // the maintenance loads are the only weight, and they act in their states only.
    EXPECT_THROW(runCalculation(weightless), CalculationError);
}

TEST(Calculation, TextThatIsNotANumberIsAConversionError)
{
    auto input = defaultSpan();
    input[slot::elasticModulus] = "abc";
    try {
        runCalculation(input);
        FAIL() << "calculation succeeded";
    } catch (const ConversionError &e) {
        EXPECT_EQ(e.text(), "abc");
    }
}

TEST(Calculation, SameInputGivesTheSameResult)
{
    const auto first = runCalculation(defaultSpan());
    const auto second = runCalculation(defaultSpan());
    for (int c = 0; c < stateEquationColumnCount; ++c)
        EXPECT_EQ(first.stateEquation[c], second.stateEquation[c]);
}

// The engine refuses with a message that says which input is at fault, not
// with the cubic solver's or a lead's message.
TEST(Calculation, RefusalsNameTheFieldAtFault)
{
    const auto messageOf = [](const CalculationInput &input) -> std::string {
        try {
            runCalculation(input);
        } catch (const std::exception &e) {
            return e.what();
        }
        return "<no failure>";
    };
    auto input = defaultSpan();
    input[slot::spanLength] = "";
    EXPECT_EQ(messageOf(input), "跨距L(m): “” 不是有效的数值");

    input = defaultSpan();
    testing_span::setLead(input, leadP2, "8", "8", "5");
    input[leadSlot(leadP2, leadDiameter)] = "5,5";
    EXPECT_EQ(messageOf(input), "引下线P2 导线外径(mm): “5,5” 不是有效的数值");

    input = defaultSpan();
    input[slot::conditionWindSpeed + 4] = "x";
    EXPECT_EQ(messageOf(input), "最大风速 计算风速(m/s): “x” 不是有效的数值");

    input = defaultSpan();
    input[slot::elasticModulus] = "0";
    EXPECT_EQ(messageOf(input), "弹性模量(N/mm2)应大于0,请检查输入数据.");
    input = defaultSpan();
    input[slot::conductorArea] = "0";
    EXPECT_EQ(messageOf(input), "单根截面(mm2)应大于0,请检查输入数据.");

    input = defaultSpan();
    input[slot::spanLength] = "5";
    input[slot::maintenancePoint] = "2.5";
    EXPECT_EQ(messageOf(input), "两侧绝缘子串长度之和应小于跨距,请检查输入数据.");

    input = defaultSpan();
    input[slot::conductorUnitWeight] = "1e300";
    EXPECT_EQ(messageOf(input), "单根自重(kg/m): “1e300”超出可计算的范围,请检查输入数据.");
}
