// The pipeline without pages, as tenrix-calc runs it for numbers only: the
// steps stop where they must and say why, and only the checks talk.
#include "app/model/calculationinputassembly.h"
#include "app/run/calculationpipeline.h"
#include "support/scriptedmessenger.h"

#include <gtest/gtest.h>

using namespace app;

TEST(CalculationPipeline, DefaultsGoThroughWithTheirSnapshotAndNoPages)
{
    ScriptedMessenger messenger;
    const CalculationRun run =
        runCalculationPipeline(MainWindowModel(), options::OptionsTexts(), std::nullopt, ReportPages::None, UnusualValues::Ask, messenger);
    EXPECT_EQ(run.outcome, RunOutcome::Done);
    EXPECT_EQ(run.input, defaultCalculationInput());
    EXPECT_TRUE(run.pages.empty());
    EXPECT_TRUE(run.failure.empty());
    EXPECT_TRUE(messenger.shown.empty());
}

TEST(CalculationPipeline, ARefusedCheckStopsBeforeTheCalculation)
{
    MainWindowModel window;
    window.setCell(2, loadtable::relativeDistanceRow, "1.2.3");
    window.setTicked(PresenceBox::CheckBox_yx1, true);
    ScriptedMessenger messenger({common::MessageAnswer::Ok});
    const CalculationRun run = runCalculationPipeline(window, options::OptionsTexts(), std::nullopt, ReportPages::None, UnusualValues::Ask, messenger);
    EXPECT_EQ(run.outcome, RunOutcome::Refused);
    ASSERT_EQ(messenger.shown.size(), 1u);
    EXPECT_EQ(messenger.shown[0].caption, "语法检查");
}

TEST(CalculationPipeline, AFailureIsDescribedNotShown)
{
    // An expansion coefficient far beyond any material is only unusual, but
    // its thermal strain is beyond what the engine can hold.
    MainWindowModel window;
    window.setText(EditBox::Edit_dx_ax, "3e38");
    ScriptedMessenger messenger;
    const CalculationRun run = runCalculationPipeline(window, options::OptionsTexts(), std::nullopt,
                                                      ReportPages::None, UnusualValues::Compute, messenger);
    EXPECT_EQ(run.outcome, RunOutcome::Failed);
    EXPECT_FALSE(run.failure.empty());
    EXPECT_EQ(run.warnings, std::vector<std::string>{"温度线膨胀系数(10⁻⁶/℃)为3e38,常用10 ~ 25"});
    EXPECT_TRUE(messenger.shown.empty());
}

TEST(CalculationPipeline, TheDesignCheckRunsWhenAskedAndABadFactorIsRefused)
{
    ScriptedMessenger messenger;
    DesignCheckRequest request;
    request.withPage = false;
    CalculationRun run = runCalculationPipeline(MainWindowModel(), options::OptionsTexts(), request, ReportPages::None, UnusualValues::Ask, messenger);
    EXPECT_EQ(run.outcome, RunOutcome::Done);
    EXPECT_TRUE(run.checks.has_value());

    request.options.conductorLongTermFactor = "四";
    messenger.expect();
    run = runCalculationPipeline(MainWindowModel(), options::OptionsTexts(), request, ReportPages::None, UnusualValues::Ask, messenger);
    EXPECT_EQ(run.outcome, RunOutcome::Refused);
    ASSERT_EQ(messenger.shown.size(), 1u);
    EXPECT_EQ(messenger.shown[0].caption, "选项设置");
}

TEST(CalculationPipeline, TheShortCircuitRunsWhenACurrentIsGivenAndABadTextIsRefused)
{
    ScriptedMessenger messenger;
    options::ShortCircuitOptions shortCircuit;
    options::ClearanceOptions layout;
    layout.phaseSpacing = "3.5";
    CalculationRun run = runCalculationPipeline(MainWindowModel(), options::OptionsTexts(), std::nullopt,
                                                ReportPages::None, UnusualValues::Ask, messenger,
                                                FrontMatter::Included, shortCircuit);
    EXPECT_EQ(run.outcome, RunOutcome::Done);
    EXPECT_FALSE(run.shortCircuit);

    shortCircuit.initialCurrent = "40";
    shortCircuit.firstDuration = "0.5";
    shortCircuit.springConstant = "1000";
    shortCircuit.thermalStrainConstant = "0.27"; // NAHLGJQ-1440 does not tell its ratio
    run = runCalculationPipeline(MainWindowModel(), options::OptionsTexts(), std::nullopt, ReportPages::None,
                                 UnusualValues::Ask, messenger, FrontMatter::Included, shortCircuit, layout);
    EXPECT_EQ(run.outcome, RunOutcome::Done);
    ASSERT_TRUE(run.shortCircuit);
    EXPECT_EQ(run.shortCircuit->settings.initialCurrent_A, 40e3);

    shortCircuit.springConstant = "";
    messenger.expect();
    run = runCalculationPipeline(MainWindowModel(), options::OptionsTexts(), std::nullopt, ReportPages::None,
                                 UnusualValues::Ask, messenger, FrontMatter::Included, shortCircuit, layout);
    EXPECT_EQ(run.outcome, RunOutcome::Refused);
    ASSERT_EQ(messenger.shown.size(), 1u);
    EXPECT_EQ(messenger.shown[0].caption, "选项设置");
    EXPECT_NE(messenger.shown[0].text.find("支持结构弹性系数S(kN/m)"), std::string::npos);
}

TEST(CalculationPipeline, ClearancesAreCheckedAndPrintedAfterTheMethod)
{
    options::ClearanceOptions clearances;
    clearances.phaseSpacing = "3.5";
    clearances.halfWidth = "0.15";
    clearances.phaseToPhaseLightning = "2.0";
    clearances.codeReference = "GB 50060";
    ScriptedMessenger messenger;
    const CalculationRun run = runCalculationPipeline(MainWindowModel(), options::OptionsTexts(), std::nullopt,
                                                      ReportPages::Teal, UnusualValues::Ask, messenger,
                                                      FrontMatter::Included, {}, clearances);
    ASSERT_EQ(run.outcome, RunOutcome::Done);
    ASSERT_TRUE(run.clearances);
    // The default span in 雷电电压, from its load table and stress page:
    // g = 5.1832266 and g_w = 0.7730704/2 kgf/m per sub-conductor, so
    // sin η = g_w/g = 0.0745743, η = 4.2768°; f = 1.8931612 m gives
    // b = 0.141181 m and a − 2b − 2r = 3.5 − 0.282362 − 0.3 = 2.917638 m.
    const engine::ClearanceCheck &lightning = run.clearances->checks[0];
    EXPECT_NEAR(*lightning.remaining_m, 2.917638, 2e-6);
    EXPECT_EQ(lightning.verdict, engine::ClearanceVerdict::met);
    EXPECT_EQ(run.pages.size(), 18u);
    EXPECT_EQ(run.pages.back().title(), QStringLiteral("电气距离校验"));
}

TEST(CalculationPipeline, UnusualValuesAreAskedOnceOrComputedWithTheirWarnings)
{
    MainWindowModel window;
    window.setText(EditBox::Edit_L, "250");
    window.setText(EditBox::Edit_f, "10");
    const std::vector<std::string> warnings{"跨距L(m)为250m,常用10 ~ 200m(变电站跨线)"};

    ScriptedMessenger revise({common::MessageAnswer::Revise});
    CalculationRun run = runCalculationPipeline(window, options::OptionsTexts(), std::nullopt, ReportPages::None,
                                                UnusualValues::Ask, revise);
    EXPECT_EQ(run.outcome, RunOutcome::Refused);
    ASSERT_EQ(revise.shown.size(), 1u);
    EXPECT_EQ(revise.shown[0].caption, "数据合理性提示");

    ScriptedMessenger carryOn({common::MessageAnswer::Continue});
    run = runCalculationPipeline(window, options::OptionsTexts(), std::nullopt, ReportPages::None, UnusualValues::Ask,
                                 carryOn);
    EXPECT_EQ(run.outcome, RunOutcome::Done);
    EXPECT_EQ(run.warnings, warnings);

    ScriptedMessenger silent;
    run = runCalculationPipeline(window, options::OptionsTexts(), std::nullopt, ReportPages::None,
                                 UnusualValues::Compute, silent);
    EXPECT_EQ(run.outcome, RunOutcome::Done);
    EXPECT_EQ(run.warnings, warnings);
}
