#include "app/run/calculationpipeline.h"

#include "app/model/calculationinputassembly.h"
#include "app/model/designchecksettings.h"
#include "app/model/inputchecks.h"
#include "app/model/plausibilitycheck.h"
#include "common/checkmessages.h"
#include "engine/calculation.h"
#include "engine/inputfields.h"
#include "report/pagestyle.h"
#include "report/reportbuilder.h"

#include <exception>
#include <stdexcept>

namespace app {

namespace {

/// What the book's pages of \a run cite, when the span carries the book's data.
std::optional<report::BookRequest> bookRequest(const CalculationRun &run, const common::BookData &book)
{
    if (book.isEmpty())
        return std::nullopt;
    return report::BookRequest{book, run.governingChecks, run.checkSettings};
}

/**
 * Runs the calculation of \a run's input, its design check, its short
 * circuit and its pages. Every failure ends here: engine errors, a report
 * that comes out incomplete, and running out of memory for the pages.
 */
void calculate(CalculationRun &run, const std::optional<DesignCheckRequest> &checks,
               const std::optional<engine::ShortCircuitSettings> &shortCircuit,
               const std::optional<engine::ClearanceSettings> &clearances, ReportPages pages,
               const common::BookData &book, FrontMatter front)
{
    try {
        run.result = engine::runCalculation(run.input);
        std::optional<report::DesignCheckPage> checkPage;
        if (checks) {
            run.checks = engine::checkDesign(run.result, run.checkSettings);
            if (checks->withPage)
                checkPage = report::DesignCheckPage{*run.checks, run.checkSettings};
        }
        // Without a check asked for, one without strengths still gives the
        // pulls on the structures, and the book names what it did not check.
        run.governingChecks = run.checks ? *run.checks : engine::checkDesign(run.result, {});
        if (shortCircuit) {
            run.shortCircuit = engine::shortCircuitOfSpan(run.result, *shortCircuit);
            run.shortCircuit->strengthCheck = engine::checkShortCircuit(
                run.shortCircuit->designLoad_N, run.shortCircuit->inputs.subConductors, run.checkSettings);
        }
        if (clearances)
            run.clearances = engine::checkClearances(run.result, *clearances, run.shortCircuit);
        if (pages != ReportPages::None) {
            const std::optional<report::BookRequest> bookPages = bookRequest(run, book);
            const bool black = pages == ReportPages::Black;
            run.pages = bookPages && front == FrontMatter::Omitted
                            ? report::buildSpanBookPages(run.input, run.result, black, checkPage, *bookPages,
                                                         run.shortCircuit, run.clearances)
                            : report::buildReport(run.input, run.result, black, checkPage, bookPages,
                                                  run.shortCircuit, run.clearances);
            const std::size_t plainPages = (checkPage ? report::reportPageCountWithDesignCheck
                                                      : report::reportPageCount)
                                           + (run.shortCircuit ? 1 : 0) + (run.clearances ? 1 : 0);
            if (bookPages ? run.pages.size() <= plainPages : run.pages.size() != plainPages) {
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
                                      UnusualValues unusual, common::Messenger &messenger, FrontMatter front,
                                      const options::ShortCircuitOptions &shortCircuit,
                                      const options::ClearanceOptions &clearances)
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
    std::optional<engine::ShortCircuitSettings> shortCircuitSettings;
    std::optional<engine::ClearanceSettings> clearanceSettings;
    try {
        shortCircuitSettings = options::shortCircuitSettings(shortCircuit, clearances,
                                                              run.input[engine::slot::conductorType]);
        clearanceSettings = options::clearanceSettings(
            clearances, engine::slotNumber(run.input, engine::slot::bundleCount) > 1);
    } catch (const std::invalid_argument &error) {
        common::showError(messenger, error.what(), common::optionsCaption);
        return run;
    }
    calculate(run, checks, shortCircuitSettings, clearanceSettings, pages, window.book(), front);
    return run;
}

} // namespace app
