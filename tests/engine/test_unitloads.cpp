// Unit loads of the conductor, the strings and the concentrated loads, and
// the marking state's rules of what is not yet hung on the conductor.
#include "support/spanfixture.h"

#include "engine/calculation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace engine;
using testing_span::defaultResult;
using testing_span::defaultSpan;

namespace {

constexpr double cosGammaOfDefault = 36 / 36.12478373637688;  // L = 36, h = 3

CalculationInput allMarkingSwitchesOff()
{
    auto input = defaultSpan();
    const char *connected[] = {"有绝缘子串B", "引线已连接", "跳线已连接", "引线金具已连接", "左跳线金具已连接"};
    for (int i = 0; i < 5; ++i)
        input[slot::markingState + i] = connected[i];
    return input;
}

bool listsLeadAt(const StateResult &state, float position)
{
    return std::any_of(state.points.begin(), state.points.end(),
                       [position](const PointLoad &p) { return p.position == position && p.load > 0; });
}

} // namespace

TEST(UnitLoads, ConductorLoadIsOneSubConductorPerMetreOfHorizontalSpan)
{
    const CalculationResult &r = defaultResult();
    // Still air, no ice: the bare weight of two conductors plus the spacers.
    EXPECT_NEAR(r.states[maxTemperature].conductorLoad, (2 * 4.942 + 2.5 / 6) / cosGammaOfDefault / 2, 1e-5);
    EXPECT_EQ(r.states[maxTemperature].conductorWind, 0.0f);
    // 30 m/s on 51.36 mm: gw = 0.075·30²·51.36e-3 per conductor.
    const double gw = 0.075 * 900 * 51.36e-3;
    EXPECT_NEAR(r.states[maxWind].conductorWind, 2 * gw / cosGammaOfDefault, 1e-4);
    EXPECT_NEAR(r.states[maxWind].conductorLoad,
                (2 * std::hypot(4.942, gw) + 2.5 / 6) / cosGammaOfDefault / 2, 1e-5);

    auto single = defaultSpan();
    single[slot::bundleCount] = "1.8";  // truncated: one conductor, no spacers
    const CalculationResult one = runCalculation(single);
    EXPECT_EQ(one.span.bundleCount, 1);
    EXPECT_NEAR(one.states[maxTemperature].conductorLoad, 4.942 / cosGammaOfDefault, 1e-5);
}

TEST(UnitLoads, OnlyTheMaximumLoadStateCarriesIceAndTheIcedStringValues)
{
    const CalculationResult &r = defaultResult();
    EXPECT_EQ(r.span.iceOfState[maxLoad], 10.0f);
    for (int s = 0; s < loadStateCount; ++s) {
        if (s != maxLoad) {
            EXPECT_EQ(r.span.iceOfState[s], 0.0f) << s;
        }
    }
    // 10 m/s: W = 0.04125·A·v², shared by two sub-conductors.
    const double icedWind = 0.04125 * 0.695 * 100;
    EXPECT_NEAR(r.states[maxLoad].stringAWind, icedWind, 1e-4);
    EXPECT_NEAR(r.states[maxLoad].stringALoad, std::hypot(icedWind, 187.8) / 2, 1e-3);
    const double bareWind = 0.04125 * 0.529 * 100;
    EXPECT_NEAR(r.states[minTemperature].stringALoad, std::hypot(bareWind, 165.3) / 2, 1e-3);
}

TEST(UnitLoads, LeadBundleCountDecidesSpacersAndWhetherTheLeadWeighsAnything)
{
    auto input = defaultSpan();
    input[leadSlot(leadP1, leadBundleCount)] = "0.8";
    CalculationResult r = runCalculation(input);
    EXPECT_EQ(r.states[maxTemperature].leadLoad[leadP1], 0.0f);  // fittings included
    EXPECT_EQ(r.states[maxWind].leadWind[leadP1], 0.0f);

    // One sub-conductor: the spacer interval adds nothing.
    r = defaultResult();
    EXPECT_NEAR(r.states[maxTemperature].leadLoad[leadP1], (4.942 * 8 + 8) / 2, 1e-4);

    input[leadSlot(leadP1, leadBundleCount)] = "2";
    r = runCalculation(input);
    EXPECT_NEAR(r.states[maxTemperature].leadLoad[leadP1], ((2 * 4.942 + 2.5 / 2) * 8 + 8) / 2, 1e-4);

    // An empty field among the weight fields makes the load vanish silently.
    input[leadSlot(leadP1, leadSubSpan)] = "";
    r = runCalculation(input);
    EXPECT_EQ(r.states[maxTemperature].leadLoad[leadP1], 0.0f);
}

TEST(UnitLoads, MarkingStateHangsOnlyWhatIsConnected)
{
    // All switches off: only the right jumper differs from installation.
    CalculationResult r = runCalculation(allMarkingSwitchesOff());
    const StateResult &installed = r.states[installation];
    const StateResult &marked = r.states[marking];
    EXPECT_GT(installed.leadLoad[leadPB], 0.0f);
    EXPECT_EQ(marked.leadLoad[leadPB], 0.0f);
    EXPECT_EQ(marked.leadLoad[leadPA], installed.leadLoad[leadPA]);
    EXPECT_EQ(marked.leadLoad[leadP1], installed.leadLoad[leadP1]);
    EXPECT_EQ(marked.stringBLoad, installed.stringBLoad);
    EXPECT_EQ(marked.leadWind[leadPB], installed.leadWind[leadPB]);  // the wind is never reduced
    EXPECT_LT(r.stateEquation[markingColumn][rowH], r.stateEquation[installationColumn][rowH]);

    // Defaults: no string B, leads and jumpers not connected, fittings connected.
    r = defaultResult();
    EXPECT_FLOAT_EQ(r.states[marking].leadLoad[leadP1], 8.0f / 2);
    EXPECT_FLOAT_EQ(r.states[marking].leadLoad[leadPA], 10.0f / 2);
    EXPECT_FLOAT_EQ(r.states[marking].stringBLoad,
                    r.states[marking].conductorLoad * r.span.stringBProjection);

    // Leads and their fittings both disconnected: P1 weighs exactly nothing and
    // leaves no point (and no extra segment) on the marking page.
    auto bare = defaultSpan();
    bare[slot::markingState + 3] = "引线金具未连接";
    bare[slot::markingState + 4] = "左跳线金具未连接";
    r = runCalculation(bare);
    EXPECT_EQ(r.states[marking].leadLoad[leadP1], 0.0f);
    EXPECT_EQ(r.states[marking].leadLoad[leadPA], 0.0f);
    EXPECT_FALSE(listsLeadAt(r.states[marking], 6.0f));
    EXPECT_TRUE(listsLeadAt(r.states[installation], 6.0f));
}
