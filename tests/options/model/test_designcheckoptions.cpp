#include "options/model/designcheckoptions.h"

#include <gtest/gtest.h>

using namespace options;

TEST(DesignCheckOptions, DefaultsAreTheRuleFactorsWithTheStrengthsFromTheDesignations)
{
    const DesignCheckOptions defaults;
    EXPECT_EQ(defaults.conductorRatedStrength, "");
    EXPECT_EQ(defaults.conductorLongTermFactor, "4");
    EXPECT_EQ(defaults.conductorShortTermFactor, "2.5");
    EXPECT_EQ(defaults.stringLongTermFactor, "5.3");
    EXPECT_EQ(defaults.stringShortTermFactor, "3.3");
    EXPECT_TRUE(defaults.includeCheckPage);
    EXPECT_FALSE(firstBadDesignCheckField(defaults));
}

TEST(DesignCheckOptions, StrengthsMayBeBlankFactorsMustBePositiveNumbers)
{
    DesignCheckOptions options;
    options.stringARatedLoad = "  ";
    EXPECT_FALSE(firstBadDesignCheckField(options));
    options.stringARatedLoad = "0";
    EXPECT_EQ(firstBadDesignCheckField(options), DesignCheckField::stringARatedLoad);
    options.stringARatedLoad = "160";
    options.stringShortTermFactor = "";
    EXPECT_EQ(firstBadDesignCheckField(options), DesignCheckField::stringShortTermFactor);
    options.stringShortTermFactor = "3,3";
    EXPECT_EQ(firstBadDesignCheckField(options), DesignCheckField::stringShortTermFactor);
    options.conductorRatedStrength = "abc";
    EXPECT_EQ(firstBadDesignCheckField(options), DesignCheckField::conductorRatedStrength);

    EXPECT_EQ(badDesignCheckFieldMessage(DesignCheckField::stringARatedLoad),
              "设计校核: “A串额定破坏荷载(kN)”应为大于0的数值,留空则按型号取值.");
    EXPECT_EQ(badDesignCheckFieldMessage(DesignCheckField::stringShortTermFactor),
              "设计校核: “绝缘子串短时荷载安全系数”应为大于0的数值.");
}

TEST(DesignCheckOptions, JsonKeepsEveryFieldAndRefusesWrongTypes)
{
    DesignCheckOptions options;
    options.conductorRatedStrength = "103900";
    options.stringBRatedLoad = "320";
    options.conductorShortTermFactor = "2.75";
    options.includeCheckPage = false;
    const nlohmann::json json = designCheckOptionsToJson(options);
    EXPECT_EQ(json.at("conductorRatedStrength_N"), "103900");
    EXPECT_EQ(json.at("includeCheckPage"), false);
    EXPECT_EQ(designCheckOptionsFromJson(json), options);

    EXPECT_EQ(designCheckOptionsFromJson(nlohmann::json::object()), DesignCheckOptions{});
    EXPECT_THROW(designCheckOptionsFromJson(nlohmann::json{{"stringARatedLoad_kN", 160}}), std::invalid_argument);
    EXPECT_THROW(designCheckOptionsFromJson(nlohmann::json{{"includeCheckPage", "yes"}}), std::invalid_argument);
    EXPECT_THROW(designCheckOptionsFromJson(nlohmann::json::array()), std::invalid_argument);
}
