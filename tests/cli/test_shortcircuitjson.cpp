// The short-circuit section of the result file for IEC TR 60865-2:2015
// Example 5 stated as a span: two twin 1046-AL1/45-ST1A conductors strained
// over 48 m through strings of 5.3 m, 74 kg of concentrated masses spread
// as spacers, the static tensions typed as the example gives them.
#include "app/run/calculationpipeline.h"
#include "cli/shortcircuitjson.h"
#include "support/scriptedmessenger.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace app;

namespace {

MainWindowModel exampleFiveSpan()
{
    MainWindowModel window;
    const std::pair<EditBox, const char *> texts[] = {
        {EditBox::Edit_L, "48"},        {EditBox::Edit_h, "0"},          {EditBox::Edit_f, "1.5"},
        {EditBox::Edit_jxd, "24"},      {EditBox::Edit_dx_d, "43"},      {EditBox::Edit_dx_E, "60000"},
        {EditBox::Edit_dx_S, "1090"},   {EditBox::Edit_dx_kg, "3.2482"}, {EditBox::Edit_dx_flgs, "2"},
        {EditBox::Edit_dx_cdj, "37.4"}, {EditBox::Edit_dx_flkg, "74"},   {EditBox::Edit_jyza_l, "5300"},
        {EditBox::Edit_jyzb_l, "5300"},
    };
    for (const auto &[box, text] : texts)
        window.setText(box, text);
    for (int box = 0; box < presenceBoxCount; ++box)
        window.setTicked(static_cast<PresenceBox>(box), false);
    return window;
}

options::ShortCircuitOptions exampleFiveFault()
{
    options::ShortCircuitOptions fault;
    fault.initialCurrent = "63";
    fault.firstDuration = "0.5";
    fault.springConstant = "500";
    fault.thermalStrainConstant = "0.27";
    fault.staticTensionMin = "17.8";
    fault.staticTensionMax = "15.4";
    return fault;
}

options::ClearanceOptions exampleFiveLayout()
{
    options::ClearanceOptions layout;
    layout.phaseSpacing = "5";
    return layout;
}

} // namespace

TEST(ShortCircuitJson, ExampleFiveStatedAsASpan)
{
    ScriptedMessenger messenger;
    const CalculationRun run =
        runCalculationPipeline(exampleFiveSpan(), options::OptionsTexts(), std::nullopt, ReportPages::None,
                               UnusualValues::Compute, messenger, FrontMatter::Included, exampleFiveFault(), exampleFiveLayout());
    ASSERT_EQ(run.outcome, RunOutcome::Done) << run.failure;
    ASSERT_TRUE(run.shortCircuit);
    // As the file prints it.
    const nlohmann::json json = nlohmann::json::parse(cli::shortCircuitToJson(*run.shortCircuit).dump());

    // What the span gives the method, and the steps that depend on it.
    struct Printed
    {
        const char *state;
        double fes, Ft, CD;
    };
    const Printed printed[] = {{"minTemperature", 1.346, 36.16e3, 1.246}, {"maxTemperature", 1.555, 32.87e3, 1.185}};
    ASSERT_EQ(json.at("cases").size(), 2u);
    for (std::size_t k = 0; k < 2; ++k) {
        const nlohmann::json &c = json.at("cases").at(k);
        const Printed &p = printed[k];
        const auto expectPrinted = [&c](const char *key, double value) {
            EXPECT_NEAR(c.at(key).get<double>(), value, 0.005 * std::fabs(value)) << key;
        };
        EXPECT_EQ(c.at("state"), p.state);
        EXPECT_EQ(c.at("FstTyped"), true);
        EXPECT_EQ(c.at("li_m"), 5.3);
        expectPrinted("lc_m", 37.4);
        expectPrinted("ms_kg_m", 4.24);
        expectPrinted("Fprime_N_m", 92.8);
        expectPrinted("fes_m", p.fes);
        expectPrinted("Ft_N", p.Ft);
        expectPrinted("CD", p.CD);
        EXPECT_TRUE(c.at("Fpi_N").is_null());
        EXPECT_TRUE(c.at("as_m").is_null());
    }
    EXPECT_TRUE(json.at("warnings").empty());
}
