// The length of conductor to cut: a bare span against the catenary worked by
// hand, the default span at its nine stringing temperatures, a chain that
// cannot be solved, and the temperature the batch summary names.
#include "support/spanfixture.h"

#include "engine/calculation.h"
#include "engine/cutlength.h"

#include <gtest/gtest.h>

using namespace engine;
using testing_span::defaultResult;

namespace {

/// A level 40 m span of one NAHLGJQ-1440 (4.942 kg/m, E = 71853 N/mm²,
/// S = 1555.8 mm²) at a control sag of 2 m, without wind or ice, on strings
/// of 1 mm that weigh nothing; the first stringing temperature is the
/// maximum temperature of 70 degC, the reference state.
CalculationInput bareLevelSpan()
{
    CalculationInput in = testing_span::symmetricSpanWithoutLeads("40");
    in[slot::controlSag] = "2";
    in[slot::bundleCount] = "1";
    in[slot::iceThickness] = "0";
    for (int c = 0; c < conditionCount; ++c)
        in[slot::conditionWindSpeed + c] = "0";
    for (int base : {slot::stringA, slot::stringB}) {
        in[base + stringLength] = "1";
        in[base + stringWeight] = "0";
        in[base + stringIcedWeight] = "0";
    }
    in[slot::markingTemperature] = "70";
    return in;
}

} // namespace

TEST(CutLength, BareLevelSpanIsTheCatenaryArcLessItsStretch)
{
    // Worked by hand. At 70 degC installation hangs as the reference state
    // (same load, Δθ = 0), so H = M·g/f:
    //   q = 4.942 kgf/m, Lc = 40 − 2·0.001 = 39.998 m, RA = q·Lc/2 = 98.835 kgf,
    //   M = RA·(0.001 + Lc/4) = 988.400 kgf·m, H = 988.400·9.8/2 = 4843.16 N.
    // The chain: w = 4.942·9.8 = 48.4316 N/m, EA = 71853·1555.8 = 1.117889e8 N;
    // the weightless strings lie along the conductor's end slope VA/H = 0.2013
    // (cos 0.9802), so the conductor spans X = 40 − 0.002·0.9802 = 39.99804 m.
    //   arc length     S = (2H/w)·sinh(w·X/(2H))            = 40.26520 m
    //   ∫T ds = H·[X/2 + (H/(2w))·sinh(w·X/H)] = 196 320 N·m, stretch ∫T ds/EA = 0.00176 m
    //   cut length     S − stretch                          = 40.26344 m
    const CalculationResult result = runCalculation(bareLevelSpan());
    const CutLength &cut = result.cutLengths[0];
    ASSERT_TRUE(cut.solved) << cut.failure;
    EXPECT_EQ(cut.temperature, 70.0f);
    EXPECT_NEAR(cut.tension, 4.84316, 1e-5);  // kN, one sub-conductor
    EXPECT_NEAR(cut.sag, 2.0, 1e-5);
    EXPECT_NEAR(cut.length, 40.26344, 0.001);
}

TEST(CutLength, DefaultSpanIsCutShorterForColderStringing)
{
    // The stringing temperatures run from 40 down to -10 degC: the colder
    // conductor is strung tighter, so less of it is cut. Each entry hangs at
    // the stringing table's tension and sag.
    const CalculationResult &result = defaultResult();
    for (int i = 0; i < markingTemperatureCount; ++i) {
        const CutLength &cut = result.cutLengths[i];
        const StringingRow &row = result.stringingTable[i];
        ASSERT_TRUE(cut.solved) << i << cut.failure;
        EXPECT_EQ(cut.temperature, row.temperature);
        EXPECT_EQ(cut.tension, row.installationTension);
        EXPECT_EQ(cut.sag, row.installationSag);
        // Longer than the conductor's chord, by less than a parabola of twice the sag would add.
        const double chord = result.span.conductorSpan() / result.span.cosGamma;
        EXPECT_GT(cut.length, chord) << i;
        EXPECT_LT(cut.length, chord + 8 * 4 * cut.sag * cut.sag / (3 * result.span.conductorSpan())) << i;
        if (i > 0) {
            EXPECT_LT(cut.length, result.cutLengths[i - 1].length) << i;
        }
    }
}

TEST(CutLength, UnsolvedChainGivesNoLengthButItsReason)
{
    CalculationResult result = defaultResult();
    result.states[installation].conductorLoad = 0;  // a chain without weight has no shape
    for (const CutLength &cut : cutLengths(result.span, result)) {
        EXPECT_FALSE(cut.solved);
        EXPECT_EQ(cut.length, 0.0f);
        EXPECT_NE(cut.failure.find("悬链线"), std::string::npos) << cut.failure;
        EXPECT_GT(cut.tension, 0.0f);  // the handbook's figures stand
    }
}

TEST(CutLength, SummaryNamesTheStringingTemperatureNearest15)
{
    std::array<CutLength, markingTemperatureCount> lengths{};
    const float temperatures[] = {40, 30, 20, 16, 14, 5, 0, -5, -10};
    for (int i = 0; i < markingTemperatureCount; ++i)
        lengths[i].temperature = temperatures[i];
    EXPECT_EQ(referenceCutLength(lengths), 3);  // 16 and 14 lie equally near: the first
    lengths[4].temperature = 15;
    EXPECT_EQ(referenceCutLength(lengths), 4);
    EXPECT_EQ(referenceCutLength(defaultResult().cutLengths), 3);  // the default's 15 degC
}
