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
        runCalculationPipeline(MainWindowModel(), options::OptionsTexts(), std::nullopt, ReportPages::None, messenger);
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
    const CalculationRun run = runCalculationPipeline(window, options::OptionsTexts(), std::nullopt, ReportPages::None, messenger);
    EXPECT_EQ(run.outcome, RunOutcome::Refused);
    ASSERT_EQ(messenger.shown.size(), 1u);
    EXPECT_EQ(messenger.shown[0].caption, "语法检查");
}

TEST(CalculationPipeline, AFailureIsDescribedNotShown)
{
    // A span far beyond any real one passes every check, but its load factor
    // is beyond what the engine can hold.
    MainWindowModel window;
    window.setText(EditBox::Edit_L, "1e30");
    ScriptedMessenger messenger;
    const CalculationRun run = runCalculationPipeline(window, options::OptionsTexts(), std::nullopt, ReportPages::None, messenger);
    EXPECT_EQ(run.outcome, RunOutcome::Failed);
    EXPECT_FALSE(run.failure.empty());
    EXPECT_TRUE(messenger.shown.empty());
}

TEST(CalculationPipeline, TheDesignCheckRunsWhenAskedAndABadFactorIsRefused)
{
    ScriptedMessenger messenger;
    DesignCheckRequest request;
    request.withPage = false;
    CalculationRun run = runCalculationPipeline(MainWindowModel(), options::OptionsTexts(), request, ReportPages::None, messenger);
    EXPECT_EQ(run.outcome, RunOutcome::Done);
    EXPECT_TRUE(run.checks.has_value());

    request.options.conductorLongTermFactor = "四";
    messenger.expect();
    run = runCalculationPipeline(MainWindowModel(), options::OptionsTexts(), request, ReportPages::None, messenger);
    EXPECT_EQ(run.outcome, RunOutcome::Refused);
    ASSERT_EQ(messenger.shown.size(), 1u);
    EXPECT_EQ(messenger.shown[0].caption, "选项设置");
}
