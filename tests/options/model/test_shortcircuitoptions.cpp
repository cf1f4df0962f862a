#include "options/model/shortcircuitoptions.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace options;

namespace {

ShortCircuitOptions typed()
{
    ShortCircuitOptions options;
    options.initialCurrent = "40";
    options.firstDuration = "0.5";
    options.springConstant = "1000";
    return options;
}

ClearanceOptions layout()
{
    ClearanceOptions layout;
    layout.phaseSpacing = "3.5";
    return layout;
}

} // namespace

TEST(ShortCircuitOptions, BlankCurrentAsksForNothing)
{
    const ShortCircuitOptions defaults;
    EXPECT_EQ(defaults.frequency, "50");
    EXPECT_EQ(defaults.thermalStrainConstant, "");
    EXPECT_EQ(defaults.thermalConstant, "87");
    EXPECT_FALSE(shortCircuitSettings(defaults, {}, "LGJ-400/35"));
    ShortCircuitOptions blankCurrent = typed();
    blankCurrent.initialCurrent = " ";
    blankCurrent.springConstant = "abc"; // not read without a current
    EXPECT_FALSE(firstBadShortCircuitField(blankCurrent));
    EXPECT_FALSE(shortCircuitSettings(blankCurrent, {}, "LGJ-400/35"));
}

TEST(ShortCircuitOptions, TypedUnitsBecomeTheEnginesAndBlanksKeepTheirMeaning)
{
    ShortCircuitOptions options = typed();
    options.staticTensionMax = "15.4";
    const engine::ShortCircuitSettings settings = *shortCircuitSettings(options, layout(), "LGJ-400/35");
    EXPECT_DOUBLE_EQ(settings.phaseSpacing_m, 3.5);
    EXPECT_DOUBLE_EQ(settings.initialCurrent_A, 40e3);
    EXPECT_DOUBLE_EQ(settings.springConstant_N_m, 1e6);
    EXPECT_DOUBLE_EQ(settings.thermalStrainConstant, 0.27e-18); // LGJ-400/35: 11.4 parts Al to 1 St
    EXPECT_EQ(settings.thermalStrainBasis, "导线LGJ-400/35标称铝钢截面比11.43>6");
    EXPECT_DOUBLE_EQ(settings.thermalCoefficient, 87);
    EXPECT_DOUBLE_EQ(settings.frequency_Hz, 50);
    EXPECT_DOUBLE_EQ(*settings.staticTensionMax_N, 15.4e3);
    EXPECT_FALSE(settings.staticTensionMin_N);
    EXPECT_FALSE(settings.thermalDuration_s);
    EXPECT_FALSE(settings.subConductorSpacing_m);
}

TEST(ShortCircuitOptions, RefusesWhatCannotBeUsedAsWritten)
{
    const std::pair<ShortCircuitField, const char *> bad[] = {
        {ShortCircuitField::firstDuration, ""},       {ShortCircuitField::frequency, "5,0"},
        {ShortCircuitField::springConstant, "0"},     {ShortCircuitField::subConductorSpacing, "-0.2"},
        {ShortCircuitField::initialCurrent, "1e999"}, {ShortCircuitField::staticTensionMin, "1e-400"},
    };
    for (const auto &[field, text] : bad) {
        ShortCircuitOptions options = typed();
        shortCircuitFieldText(options, field) = text;
        EXPECT_EQ(firstBadShortCircuitField(options), field) << text;
        EXPECT_THROW(shortCircuitSettings(options, layout(), "LGJ-400/35"), std::invalid_argument) << text;
    }
    EXPECT_EQ(badShortCircuitFieldMessage(ShortCircuitField::frequency), "短路计算: “系统频率f(Hz)”应为大于0的数值.");
    EXPECT_EQ(badShortCircuitFieldMessage(ShortCircuitField::staticTensionMin),
              "短路计算: “最低温度静态张力Fst(kN)”应为大于0的数值,留空则按状态方程计算.");
}

// a is the layout's, typed once on the clearance page: a short circuit
// without it is refused with that page's message.
TEST(ShortCircuitOptions, TakesThePhaseSpacingFromTheLayout)
{
    try {
        shortCircuitSettings(typed(), {}, "LGJ-400/35");
        FAIL() << "a blank a was accepted";
    } catch (const std::invalid_argument &error) {
        EXPECT_EQ(std::string(error.what()), badClearanceFieldMessage(ClearanceField::phaseSpacing));
    }
    EXPECT_EQ(firstBadClearanceField({}, true), ClearanceField::phaseSpacing);
    EXPECT_FALSE(firstBadClearanceField({}, false));
}

// A blank c_th is the conductor's; one whose designation gives no ratio is
// refused rather than guessed, and a typed one is taken as typed.
TEST(ShortCircuitOptions, ThermalStrainConstantFollowsTheConductorUnlessTyped)
{
    EXPECT_EQ(shortCircuitSettings(typed(), layout(), "LGJ-300/70")->thermalStrainConstant, 0.17e-18);
    try {
        shortCircuitSettings(typed(), layout(), "LGJK-1250");
        FAIL() << "a steel core of unknown ratio was given a c_th";
    } catch (const std::invalid_argument &error) {
        EXPECT_EQ(std::string(error.what()), noThermalStrainConstantMessage("LGJK-1250"));
    }
    ShortCircuitOptions options = typed();
    options.thermalStrainConstant = "0.27";
    const engine::ShortCircuitSettings settings = *shortCircuitSettings(options, layout(), "LGJK-1250");
    EXPECT_DOUBLE_EQ(settings.thermalStrainConstant, 0.27e-18);
    EXPECT_EQ(settings.thermalStrainBasis, "");
}

// The two structures yield in series; S or both of theirs, never both ways.
TEST(ShortCircuitOptions, SpringConstantsOfTheSupportsCombineInSeries)
{
    ShortCircuitOptions options = typed();
    options.springConstant = "";
    options.springConstantA = "600";
    EXPECT_EQ(firstBadShortCircuitField(options), ShortCircuitField::springConstant);
    options.springConstantB = "300";
    const engine::ShortCircuitSettings settings = *shortCircuitSettings(options, layout(), "LGJ-400/35");
    EXPECT_DOUBLE_EQ(settings.springConstant_N_m, 200e3); // 1/(1/600 + 1/300) kN/m
    ASSERT_TRUE(settings.supportSpringConstants_N_m);
    EXPECT_DOUBLE_EQ((*settings.supportSpringConstants_N_m)[1], 300e3);

    options.springConstant = "500";
    EXPECT_EQ(firstBadShortCircuitField(options), ShortCircuitField::springConstantA);
    EXPECT_EQ(badShortCircuitFieldMessage(ShortCircuitField::springConstantA),
              "短路计算: “A侧支持结构弹性系数SA(kN/m)”应为大于0的数值,且只在S留空时填写.");
    EXPECT_FALSE(shortCircuitSettings(typed(), layout(), "LGJ-400/35")->supportSpringConstants_N_m);
}
