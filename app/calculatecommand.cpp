#include "app/calculatecommand.h"

#include "app/checkmessages.h"
#include "app/inputchecks.h"
#include "app/plausibilitycheck.h"
#include "engine/calculation.h"
#include "engine/calculationerror.h"
#include "report/pagestyle.h"
#include "report/reportbuilder.h"

#include <exception>
#include <optional>
#include <vector>

namespace app {

namespace {

void reportCalculationFailure(common::Messenger &messenger)
{
    showError(messenger, calculationFailedText, calculationFailedCaption);
}

/**
 * The whole report of \a input, or nothing when the calculation failed, in
 * which case the user has been told. Every failure of the calculation ends
 * here: engine errors, a report that comes out incomplete, and running out
 * of memory for the pages.
 */
std::optional<std::vector<report::ReportPage>> calculateReport(const engine::CalculationInput &input,
                                                               bool resultsInBlack, common::Messenger &messenger)
{
    try {
        const engine::CalculationResult result = engine::runCalculation(input);
        std::vector<report::ReportPage> pages = report::buildReport(input, result, resultsInBlack);
        if (pages.size() == static_cast<std::size_t>(report::reportPageCount))
            return pages;
    } catch (const engine::CalculationError &error) {
        // The solver explains which state had no root; the user needs that
        // to know which input to change.
        if (error.kind() == engine::CalculationError::Kind::CubicSolver)
            showError(messenger, error.what(), errorCaption);
    } catch (const std::exception &) {
        // Conversion errors and allocation failures read the same to the user.
    }
    reportCalculationFailure(messenger);
    return std::nullopt;
}

} // namespace

CalculationOutcome calculateAndShow(const MainWindowModel &window, const options::OptionsTexts &options,
                                    ResultPages &viewer, common::Messenger &messenger)
{
    if (!checkLoadTable(window, messenger))
        return CalculationOutcome::Refused;
    const engine::CalculationInput input = assembleCalculationInput(window, options);
    if (!checkPlausibility(input, window, messenger))
        return CalculationOutcome::Refused;

    const std::optional<std::vector<report::ReportPage>> pages =
        calculateReport(input, viewer.resultsInBlack(), messenger);
    if (!pages)
        return CalculationOutcome::Failed;

    for (int index = 0; index < report::reportPageCount; ++index)
        viewer.storePage(index, (*pages)[static_cast<std::size_t>(index)]);
    viewer.showFirstPage();
    return CalculationOutcome::Shown;
}

} // namespace app
