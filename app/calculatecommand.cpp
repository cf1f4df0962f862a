#include "app/calculatecommand.h"

#include "app/checkmessages.h"
#include "app/designchecksettings.h"
#include "app/inputchecks.h"
#include "app/plausibilitycheck.h"
#include "engine/calculation.h"
#include "engine/calculationerror.h"
#include "engine/designchecks.h"
#include "report/pagestyle.h"
#include "report/reportbuilder.h"

#include <exception>
#include <optional>
#include <stdexcept>
#include <vector>

namespace app {

namespace {

void reportCalculationFailure(Messenger &messenger)
{
    showError(messenger, calculationFailedText, calculationFailedCaption);
}

struct CalculatedReport
{
    std::vector<report::ReportPage> pages;
    std::string designCheckStatus;
};

/**
 * The whole report of \a input, or nothing when the calculation failed, in
 * which case the user has been told. Every failure of the calculation ends
 * here: engine errors, a report that comes out incomplete, and running out
 * of memory for the pages.
 */
std::optional<CalculatedReport> calculateReport(const engine::CalculationInput &input,
                                                const std::optional<engine::DesignCheckSettings> &checkSettings,
                                                bool resultsInBlack, Messenger &messenger)
{
    try {
        const engine::CalculationResult result = engine::runCalculation(input);
        CalculatedReport report;
        std::optional<report::DesignCheckPage> checkPage;
        if (checkSettings) {
            checkPage = report::DesignCheckPage{engine::checkDesign(result, *checkSettings), *checkSettings};
            report.designCheckStatus = designCheckStatusText(checkPage->checks);
        }
        report.pages = report::buildReport(input, result, resultsInBlack, checkPage);
        const int expected = checkPage ? report::reportPageCountWithDesignCheck : report::reportPageCount;
        if (report.pages.size() == static_cast<std::size_t>(expected))
            return report;
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

CalculationOutcome calculateAndShow(const MainWindowModel &window, const OptionsTexts &options,
                                    const options::DesignCheckOptions &checks, ResultPages &viewer,
                                    Messenger &messenger)
{
    if (!checkLoadTable(window, messenger))
        return CalculationOutcome::Refused;
    const engine::CalculationInput input = assembleCalculationInput(window, options);
    if (!checkPlausibility(input, window, messenger))
        return CalculationOutcome::Refused;
    std::optional<engine::DesignCheckSettings> checkSettings;
    if (checks.includeCheckPage) {
        try {
            checkSettings = designCheckSettings(checks, input, composedRatings(window));
        } catch (const std::invalid_argument &error) {
            showError(messenger, error.what(), optionsCaption);
            return CalculationOutcome::Refused;
        }
    }

    const std::optional<CalculatedReport> report =
        calculateReport(input, checkSettings, viewer.resultsInBlack(), messenger);
    if (!report)
        return CalculationOutcome::Failed;

    const int pageCount = static_cast<int>(report->pages.size());
    viewer.setPageCount(pageCount);
    for (int index = 0; index < pageCount; ++index)
        viewer.storePage(index, report->pages[static_cast<std::size_t>(index)]);
    viewer.showDesignCheckStatus(report->designCheckStatus);
    viewer.showFirstPage();
    return CalculationOutcome::Shown;
}

} // namespace app
