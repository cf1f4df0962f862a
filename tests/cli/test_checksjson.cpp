#include "cli/checksjson.h"

#include <gtest/gtest.h>

using engine::DesignChecks;
using engine::DesignCheckSettings;

TEST(ChecksJson, NullWhereNotCheckedNumbersWhereChecked)
{
    DesignChecks checks;
    engine::StateCheck &first = checks.states[engine::maxTemperature];
    first.horizontalTension = 20000;
    first.conductorTensionA = 20591.5f;
    first.stringPullA = 41478.58f;
    first.stringFactorA = 3.8574f;
    first.requiredConductorFactor = 4;
    first.requiredStringFactor = 5.3f;
    first.pass = false;
    checks.string = engine::GoverningFactor{3.8574f, engine::maxTemperature};
    checks.pass = false;
    DesignCheckSettings settings;
    settings.stringARatedLoad_kN = 160;

    const cli::Json json = cli::designChecksToJson(checks, settings, {});
    const cli::Json &state = json.at("states").at(0);
    EXPECT_EQ(json.at("states").size(), 13u);
    EXPECT_EQ(state.at("state"), "maxTemperature");
    EXPECT_EQ(state.at("conductorTensionASub_N"), 20591.5);
    EXPECT_EQ(state.at("stringPullAPhase_N"), 41478.58);
    EXPECT_TRUE(state.at("conductorFactor").is_null());
    EXPECT_EQ(state.at("stringFactorA"), 3.8574);
    EXPECT_TRUE(state.at("stringFactorB").is_null());
    EXPECT_EQ(state.at("required").at("conductor"), 4.0);
    EXPECT_EQ(state.at("required").at("string"), 5.3);
    EXPECT_EQ(state.at("pass"), false);
    EXPECT_TRUE(json.at("states").at(1).at("pass").is_null());

    EXPECT_TRUE(json.at("governingConductorFactor").at("factor").is_null());
    EXPECT_EQ(json.at("governingStringFactor").at("factor"), 3.8574);
    EXPECT_EQ(json.at("governingStringFactor").at("state"), "maxTemperature");
    EXPECT_EQ(json.at("pass"), false);
    EXPECT_TRUE(json.at("settings").at("conductorRatedStrengthSub_N").is_null());
    EXPECT_EQ(json.at("settings").at("stringARatedLoadPhase_kN"), 160.0);
    EXPECT_EQ(json.at("settings").at("stringShortTermFactor"), 3.3);
}

// The file carries the decimal the engineer typed, not the binary noise of
// a widened float, and never a negative zero.
TEST(ChecksJson, FloatsAreWrittenAsTheirShortestDecimal)
{
    DesignChecks checks;
    checks.states[0].horizontalTension = 9.783f;
    checks.states[0].conductorTensionA = -0.0f;
    DesignCheckSettings settings;
    settings.stringARatedLoad_kN = -0.0;
    const app::StrengthSources sources{app::StrengthSource::Catalogue, app::StrengthSource::Typed,
                                       app::StrengthSource::None};

    const std::string text = cli::designChecksToJson(checks, settings, sources).dump();
    EXPECT_NE(text.find("\"horizontalTensionSub_N\":9.783,"), std::string::npos) << text;
    EXPECT_NE(text.find("\"conductorTensionASub_N\":0.0,"), std::string::npos) << text;
    EXPECT_NE(text.find("\"stringARatedLoadPhase_kN\":0.0,"), std::string::npos) << text;
    EXPECT_EQ(text.find("-0.0"), std::string::npos) << text;
    EXPECT_NE(text.find("\"conductorRatedStrengthSource\":\"catalogue\""), std::string::npos);
    EXPECT_NE(text.find("\"stringARatedLoadSource\":\"typed\""), std::string::npos);
    EXPECT_NE(text.find("\"stringBRatedLoadSource\":\"none\""), std::string::npos);
}

// The governing figures name their states; a factor not checked is null,
// never a zero that reads as a failure.
TEST(ChecksJson, GoverningFiguresNameTheirStates)
{
    engine::GoverningStates governing;
    governing.largestTension = {16.04f, engine::singlePhaseCold};
    governing.largestSag = {1.6f, engine::installation, engine::installationColumn + 2, 30};
    governing.controlSag = 1.2f;
    governing.maintenanceAboveControl = {engine::threePhaseHot, engine::singlePhaseCold};
    governing.stringFactor = engine::GoverningFactor{3.2945f, engine::installation};
    governing.pass = false;
    governing.verdict = engine::verdictFailed;
    governing.largestLoadA = {48.5655f, engine::installation};

    const cli::Json json = cli::governingToJson(governing);
    EXPECT_EQ(json.at("largestTension").at("state"), "singlePhaseCold");
    EXPECT_EQ(json.at("largestSag").at("stateEquationColumn"), "installation3");
    EXPECT_EQ(json.at("largestSag").at("temperature_degC"), 30.0);
    EXPECT_EQ(json.at("maintenanceSagAboveControl"), cli::Json({"threePhaseHot", "singlePhaseCold"}));
    EXPECT_TRUE(json.at("smallestConductorFactor").at("factor").is_null());
    EXPECT_EQ(json.at("smallestStringFactor").at("state"), "installation");
    EXPECT_EQ(json.at("verdict"), "不满足");
    EXPECT_EQ(json.at("largestLoadA").at("stringPullPhase_kN"), 48.5655);
    EXPECT_EQ(json.at("largestLoadB").at("state"), "maxTemperature");
}
