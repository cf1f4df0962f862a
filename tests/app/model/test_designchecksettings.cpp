#include "app/model/calculationinputassembly.h"
#include "app/model/designchecksettings.h"
#include "tools/model/composedstring.h"
#include "tools/model/stringratedload.h"

#include <gtest/gtest.h>

using app::designCheckSettings;

namespace {

engine::CalculationInput spanWith(const char *conductor, const char *stringA, const char *stringB)
{
    engine::CalculationInput input = app::defaultCalculationInput();
    input[engine::slot::conductorType] = conductor;
    input[engine::slot::stringA + engine::stringType] = stringA;
    input[engine::slot::stringB + engine::stringType] = stringB;
    return input;
}

} // namespace

TEST(DesignCheckSettings, BlankStrengthsComeFromTheCatalogueAndTheDesignations)
{
    const engine::CalculationInput input =
        spanWith("LGJ-400/35", "16*XWP2-160可调(单串单线)", "2x14*XWP2-100耐张(双串单线)");
    const engine::DesignCheckSettings settings = designCheckSettings({}, input);
    EXPECT_EQ(settings.conductorRatedStrength_N, 103900.0);
    EXPECT_EQ(settings.stringARatedLoad_kN, 160.0);
    EXPECT_EQ(settings.stringBRatedLoad_kN, 200.0);
    EXPECT_EQ(settings.conductorLongTermFactor, 4.0);
    EXPECT_EQ(settings.stringShortTermFactor, 3.3);
}

TEST(DesignCheckSettings, TypedValuesWinAndUnknownTypesStayUnchecked)
{
    options::DesignCheckOptions typed;
    typed.stringARatedLoad = "120";
    typed.conductorLongTermFactor = "3.5";
    const engine::CalculationInput input = spanWith("NAHLGJQ-1440", "16*XWP2-160耐张(单串单线)", "自定义串");
    const engine::DesignCheckSettings settings = designCheckSettings(typed, input);
    EXPECT_FALSE(settings.conductorRatedStrength_N);  // no published strength: the user must type it
    EXPECT_EQ(settings.stringARatedLoad_kN, 120.0);
    EXPECT_FALSE(settings.stringBRatedLoad_kN);
    EXPECT_EQ(settings.conductorLongTermFactor, 3.5);
}

// Each strength names the one source that gave it, in the order typed,
// composer, catalogue or designation; none when no source knows it.
TEST(DesignCheckSettings, EachStrengthSaysWhereItCameFrom)
{
    using app::StrengthSource;
    options::DesignCheckOptions typed;
    typed.stringBRatedLoad = "90";
    const engine::CalculationInput input = spanWith("LGJ-400/35", "自定义串", "16*XWP2-160耐张(单串单线)");
    const app::StrengthSources found = app::strengthSources(typed, input);
    EXPECT_EQ(found.conductor, StrengthSource::Catalogue);
    EXPECT_EQ(found.stringA, StrengthSource::None);
    EXPECT_EQ(found.stringB, StrengthSource::Typed);

    const app::StrengthSources composed = app::strengthSources({}, spanWith("NAHLGJQ-1440", "自定义串", "自定义串"),
                                                               app::ComposedRatings{70.0, std::nullopt});
    EXPECT_EQ(composed.conductor, StrengthSource::None);
    EXPECT_EQ(composed.stringA, StrengthSource::Composer);
    EXPECT_EQ(app::strengthSources({}, input).stringB, StrengthSource::Designation);
}

TEST(DesignCheckSettings, BadFieldIsRefusedWithItsMessage)
{
    options::DesignCheckOptions bad;
    bad.conductorRatedStrength = "-5";
    try {
        designCheckSettings(bad, app::defaultCalculationInput());
        FAIL() << "accepted a negative strength";
    } catch (const std::invalid_argument &e) {
        EXPECT_STREQ(e.what(), "设计校核: “导线额定拉断力(N)”应为大于0的数值,留空则按型号取值.");
    }
}

TEST(DesignCheckStatus, NamesTheFailingStates)
{
    engine::DesignChecks checks;
    EXPECT_EQ(app::designCheckStatusText(checks), "");
    checks.pass = true;
    checks.states[engine::maxLoad].pass = true;
    EXPECT_EQ(app::designCheckStatusText(checks), "设计校核: 满足");
    checks.pass = false;
    checks.states[engine::maxTemperature].pass = false;
    checks.states[engine::marking].pass = false;
    EXPECT_EQ(app::designCheckStatusText(checks), "设计校核: 不满足 (最高温度、划印)");
}

TEST(DesignCheckSettings, ComposedStringKeepsItsFittingsRatingWhileItsDesignationStands)
{
    // 16 XWP2-160 discs on a 10 t set: the designation reads 160 kN, the fittings hold 100.
    app::MainWindowModel window;
    window.applyComposedString(app::StringSide::A, tools::composeString(0, 6, 16, 2));
    window.noteComposition(app::StringSide::A, 0, 6, 16);
    const engine::CalculationInput input = app::assembleCalculationInput(window, options::OptionsTexts{});
    EXPECT_EQ(designCheckSettings({}, input, app::composedRatings(window)).stringARatedLoad_kN, 100.0);
    EXPECT_EQ(designCheckSettings({}, input).stringARatedLoad_kN, 160.0);

    // Another designation typed over it: the composition no longer applies.
    window.setStringTypeText(app::StringSide::A, "16*XWP2-160可调(单串单线)");
    EXPECT_FALSE(window.composedRatedLoad(app::StringSide::A));
    EXPECT_FALSE(window.composedRatedLoad(app::StringSide::B));
}
