#include "app/run/calculatecommand.h"

#include "app/model/designchecksettings.h"
#include "app/run/calculationpipeline.h"
#include "common/checkmessages.h"

namespace app {

CalculationShown calculateAndShow(const MainWindowModel &window, const options::OptionsTexts &options,
                                  const options::DesignCheckOptions &checks, report::ResultPages &viewer,
                                  common::Messenger &messenger, const options::ShortCircuitOptions &shortCircuit,
                                  const options::ClearanceOptions &clearances)
{
    std::optional<DesignCheckRequest> checkRequest;
    if (checks.includeCheckPage)
        checkRequest = DesignCheckRequest{checks, true};
    const ReportPages colour = viewer.resultsInBlack() ? ReportPages::Black : ReportPages::Teal;
    const CalculationRun run = runCalculationPipeline(window, options, checkRequest, colour, UnusualValues::Ask, messenger,
                                                      FrontMatter::Included, shortCircuit, clearances);
    switch (run.outcome) {
    case RunOutcome::Refused:
        return {CalculationOutcome::Refused, {}, {}, {}, {}};
    case RunOutcome::Failed:
        common::showError(messenger, failedCalculationText(run.failure), calculationFailedCaption);
        return {CalculationOutcome::Failed, {}, {}, {}, {}};
    case RunOutcome::Done:
        break;
    }

    const int pageCount = static_cast<int>(run.pages.size());
    viewer.setPageCount(pageCount);
    for (int index = 0; index < pageCount; ++index)
        viewer.storePage(index, run.pages[static_cast<std::size_t>(index)]);
    viewer.showDesignCheckStatus(run.checks ? designCheckStatusText(*run.checks) : std::string());
    viewer.showFirstPage();
    return {CalculationOutcome::Shown, engine::governingStates(run.result, run.governingChecks), run.governingChecks,
            run.shortCircuit, run.clearances};
}

std::string failedCalculationText(const std::string &cause)
{
    if (cause.empty())
        return calculationFailedText;
    return std::string(calculationFailedText) + "\n\n" + cause;
}

} // namespace app
