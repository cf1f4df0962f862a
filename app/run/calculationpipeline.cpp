#include "app/run/calculationpipeline.h"

#include "app/model/calculationinputassembly.h"
#include "app/model/designchecksettings.h"
#include "app/model/inputchecks.h"
#include "app/model/plausibilitycheck.h"
#include "common/checkmessages.h"
#include "engine/calculation.h"
#include "report/pagestyle.h"
#include "report/reportbuilder.h"

#include <exception>
#include <stdexcept>

namespace app {

namespace {

/**
 * Runs the calculation of \a run's input, its design check and its pages.
 * Every failure ends here: engine errors, a report that comes out
 * incomplete, and running out of memory for the pages.
 */
void calculate(CalculationRun &run, const std::optional<DesignCheckRequest> &checks, ReportPages pages)
{
    try {
        run.result = engine::runCalculation(run.input);
        std::optional<report::DesignCheckPage> checkPage;
        if (checks) {
            run.checks = engine::checkDesign(run.result, run.checkSettings);
            if (checks->withPage)
                checkPage = report::DesignCheckPage{*run.checks, run.checkSettings};
        }
        if (pages != ReportPages::None) {
            run.pages = report::buildReport(run.input, run.result, pages == ReportPages::Black, checkPage);
            const int expected = checkPage ? report::reportPageCountWithDesignCheck : report::reportPageCount;
            if (run.pages.size() != static_cast<std::size_t>(expected)) {
                run.pages.clear();
                run.failure = "计算书页数不全";
                run.outcome = RunOutcome::Failed;
                return;
            }
        }
        run.outcome = RunOutcome::Done;
    } catch (const std::exception &error) {
        run.failure = error.what();
        run.outcome = RunOutcome::Failed;
    }
}

} // namespace

CalculationRun runCalculationPipeline(const MainWindowModel &window, const options::OptionsTexts &options,
                                      const std::optional<DesignCheckRequest> &checks, ReportPages pages,
                                      UnusualValues unusual, common::Messenger &messenger)
{
    CalculationRun run;
    if (!checkCustomConductor(window, messenger) || !checkLoadTable(window, messenger))
        return run;
    run.input = assembleCalculationInput(window, options);
    if (!checkPlausibility(run.input, window, messenger) || !checkIcedStrings(run.input, messenger))
        return run;
    run.warnings = implausibleValues(run.input);
    if (!run.warnings.empty() && unusual == UnusualValues::Ask
        && messenger.show(implausibleValuesQuestion(run.warnings)) != common::MessageAnswer::Continue)
        return run;
    if (checks) {
        try {
            run.checkSettings = designCheckSettings(checks->options, run.input, composedRatings(window));
        } catch (const std::invalid_argument &error) {
            common::showError(messenger, error.what(), common::optionsCaption);
            return run;
        }
    }
    calculate(run, checks, pages);
    return run;
}

} // namespace app
