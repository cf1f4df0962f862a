// The pipeline without pages, as tenrix-calc runs it for numbers only: the
// steps stop where they must and say why, and only the checks talk.
#include "app/calculationinputassembly.h"
#include "app/calculationpipeline.h"
#include "recordingmessenger.h"

#include <gtest/gtest.h>

using namespace app;

TEST(CalculationPipeline, DefaultsGoThroughWithTheirSnapshotAndNoPages)
{
    RecordingMessenger messenger;
    const CalculationRun run =
        runCalculationPipeline(MainWindowModel(), options::OptionsTexts(), ReportPages::None, messenger);
    EXPECT_EQ(run.outcome, RunOutcome::Done);
    EXPECT_EQ(run.input, defaultCalculationInput());
    EXPECT_TRUE(run.pages.empty());
    EXPECT_TRUE(run.failure.empty());
    EXPECT_TRUE(messenger.messages.empty());
}

TEST(CalculationPipeline, ARefusedCheckStopsBeforeTheCalculation)
{
    MainWindowModel window;
    window.setCell(2, loadtable::relativeDistanceRow, "1.2.3");
    window.setTicked(PresenceBox::CheckBox_yx1, true);
    RecordingMessenger messenger;
    const CalculationRun run = runCalculationPipeline(window, options::OptionsTexts(), ReportPages::None, messenger);
    EXPECT_EQ(run.outcome, RunOutcome::Refused);
    ASSERT_EQ(messenger.messages.size(), 1u);
    EXPECT_EQ(messenger.messages[0].caption, "语法检查");
}

TEST(CalculationPipeline, AFailureIsDescribedNotShown)
{
    MainWindowModel window;
    RecordingMessenger messenger;

    // A cross-section of 0 from a damaged file passes every check.
    window.setText(EditBox::Edit_dx_S, "0");
    CalculationRun run = runCalculationPipeline(window, options::OptionsTexts(), ReportPages::None, messenger);
    EXPECT_EQ(run.outcome, RunOutcome::Failed);
    EXPECT_FALSE(run.failure.empty());
    EXPECT_FALSE(run.stateEquationFailed);

    // Without stiffness the state equation has no root, and the run says so.
    window = MainWindowModel();
    window.setText(EditBox::Edit_dx_E, "0");
    run = runCalculationPipeline(window, options::OptionsTexts(), ReportPages::None, messenger);
    EXPECT_EQ(run.outcome, RunOutcome::Failed);
    EXPECT_TRUE(run.stateEquationFailed);
    EXPECT_TRUE(run.failure.starts_with("程序求解三次方程出错"));
    EXPECT_TRUE(messenger.messages.empty());
}
