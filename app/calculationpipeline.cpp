#include "app/calculationpipeline.h"

#include "app/calculationinputassembly.h"
#include "app/inputchecks.h"
#include "app/plausibilitycheck.h"
#include "engine/calculation.h"
#include "engine/calculationerror.h"
#include "report/pagestyle.h"
#include "report/reportbuilder.h"

#include <exception>

namespace app {

namespace {

/**
 * Runs the calculation of \a run's input and builds its pages. Every failure
 * ends here: engine errors, a report that comes out incomplete, and running
 * out of memory for the pages.
 */
void calculate(CalculationRun &run, ReportPages pages)
{
    try {
        run.result = engine::runCalculation(run.input);
        if (pages != ReportPages::None) {
            run.pages = report::buildReport(run.input, run.result, pages == ReportPages::Black);
            if (run.pages.size() != static_cast<std::size_t>(report::reportPageCount)) {
                run.pages.clear();
                run.failure = "计算书页数不全";
                run.outcome = RunOutcome::Failed;
                return;
            }
        }
        run.outcome = RunOutcome::Done;
    } catch (const engine::CalculationError &error) {
        run.failure = error.what();
        run.stateEquationFailed = error.kind() == engine::CalculationError::Kind::CubicSolver;
        run.outcome = RunOutcome::Failed;
    } catch (const std::exception &error) {
        run.failure = error.what();
        run.outcome = RunOutcome::Failed;
    }
}

} // namespace

CalculationRun runCalculationPipeline(const MainWindowModel &window, const options::OptionsTexts &options,
                                      ReportPages pages, common::Messenger &messenger)
{
    CalculationRun run;
    if (!checkLoadTable(window, messenger))
        return run;
    run.input = assembleCalculationInput(window, options);
    if (!checkPlausibility(run.input, window, messenger))
        return run;
    calculate(run, pages);
    return run;
}

} // namespace app
