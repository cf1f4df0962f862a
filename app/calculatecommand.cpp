#include "app/calculatecommand.h"

#include "app/calculationpipeline.h"
#include "app/checkmessages.h"
#include "report/pagestyle.h"

namespace app {

CalculationOutcome calculateAndShow(const MainWindowModel &window, const options::OptionsTexts &options,
                                    ResultPages &viewer, common::Messenger &messenger)
{
    const ReportPages colour = viewer.resultsInBlack() ? ReportPages::Black : ReportPages::Teal;
    const CalculationRun run = runCalculationPipeline(window, options, colour, messenger);
    switch (run.outcome) {
    case RunOutcome::Refused:
        return CalculationOutcome::Refused;
    case RunOutcome::Failed:
        if (run.stateEquationFailed)
            showError(messenger, run.failure, errorCaption);
        // Conversion errors and allocation failures read the same to the user.
        showError(messenger, calculationFailedText, calculationFailedCaption);
        return CalculationOutcome::Failed;
    case RunOutcome::Done:
        break;
    }
    for (int index = 0; index < report::reportPageCount; ++index)
        viewer.storePage(index, run.pages[static_cast<std::size_t>(index)]);
    viewer.showFirstPage();
    return CalculationOutcome::Shown;
}

} // namespace app
