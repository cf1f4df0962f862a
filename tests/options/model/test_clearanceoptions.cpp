// The clearance texts of a span: what blank means and what is refused.
#include "options/model/clearanceoptions.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace options;

TEST(ClearanceOptions, BlankChecksNothingAndNumbersBecomeSettings)
{
    ClearanceOptions typed;
    EXPECT_FALSE(clearanceSettings(typed));
    typed.codeReference = "DL/T 5352";
    ASSERT_TRUE(clearanceSettings(typed)); // the reference alone prints the page
    ClearanceOptions spacingOnly;
    spacingOnly.phaseSpacing = "4";
    EXPECT_FALSE(clearanceSettings(spacingOnly)); // a alone is the short circuit's

    typed.phaseSpacing = "3.5";
    typed.phaseToPhaseSwitching = " 2.4";
    typed.phaseToPhaseShortCircuit = "1.6";
    const auto settings = clearanceSettings(typed);
    ASSERT_TRUE(settings);
    EXPECT_EQ(settings->phaseSpacing_m, 3.5);
    EXPECT_FALSE(settings->earthDistance_m);
    EXPECT_EQ(settings->phaseToPhase_m[1], 2.4);
    EXPECT_EQ(settings->phaseToPhase_m[3], 1.6);
    EXPECT_FALSE(settings->phaseToEarth_m[0]);
    EXPECT_EQ(settings->codeReference, "DL/T 5352");
}

TEST(ClearanceOptions, RefusesNumbersNotAboveZeroAndRequirementsWithoutGeometry)
{
    ClearanceOptions typed;
    typed.halfWidth = "0";
    EXPECT_EQ(firstBadClearanceField(typed), ClearanceField::halfWidth);
    EXPECT_THROW(clearanceSettings(typed), std::invalid_argument);

    typed = {};
    typed.phaseToEarthPowerFrequency = "abc";
    EXPECT_EQ(firstBadClearanceField(typed), ClearanceField::phaseToEarthPowerFrequency);
    typed.phaseToEarthPowerFrequency = "1.2";
    EXPECT_EQ(firstBadClearanceField(typed), ClearanceField::earthDistance);
    EXPECT_EQ(badClearanceFieldMessage(ClearanceField::earthDistance),
              "电气距离校验: “边相至接地部分水平距离c(m)”应为大于0的数值,留空则不校核风偏后的对地距离.");
    // The short circuit's requirement takes a_min, not a.
    typed = {};
    typed.phaseToPhaseShortCircuit = "1.6";
    EXPECT_FALSE(firstBadClearanceField(typed));
}

// A bundle's width across the span is no diameter: a requirement needs r typed.
TEST(ClearanceOptions, ABundleNeedsItsHalfWidthForAnyRequirement)
{
    ClearanceOptions typed;
    typed.phaseSpacing = "4";
    EXPECT_FALSE(firstBadClearanceField(typed, false, true));
    typed.phaseToPhaseShortCircuit = "1.6";
    EXPECT_EQ(firstBadClearanceField(typed, false, true), ClearanceField::halfWidth);
    EXPECT_FALSE(firstBadClearanceField(typed, false, false));
    EXPECT_THROW(clearanceSettings(typed, true), std::invalid_argument);
    typed.halfWidth = "0.126";
    EXPECT_FALSE(firstBadClearanceField(typed, false, true));
}
