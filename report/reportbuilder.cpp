#include "report/reportbuilder.h"

#include "engine/loadstate.h"
#include "report/pages.h"
#include "report/pagestyle.h"

namespace report {

namespace {

constexpr int summaryPage = 0;
constexpr int loadTablePage = 1;
constexpr int firstMomentPage = 2;  // state s is on page index s + 2
constexpr int stressPage = 15;
constexpr int stringingPage = 16;

void drawFixedContent(PageCanvas &page, int pageIndex, const engine::CalculationResult &result)
{
    if (pageIndex == designCheckPageIndex) {
        drawDesignCheckPageFixed(page);
        drawCatenaryCheckFixed(page);
    } else if (pageIndex == summaryPage)
        drawSummaryPageFixed(page);
    else if (pageIndex == loadTablePage)
        drawLoadTablePageFixed(page);
    else if (pageIndex == stressPage)
        drawStressPageFixed(page);
    else if (pageIndex == stringingPage)
        drawStringingPageFixed(page);
    else {
        const int state = pageIndex - firstMomentPage;
        drawMomentPageFixed(page, !(state == engine::marking && result.span.markingNoStringB));
    }
}

} // namespace

std::vector<ReportPage> buildReport(const engine::CalculationInput &input, const engine::CalculationResult &result,
                                    bool resultsInBlack, const std::optional<DesignCheckPage> &designCheck)
{
    const int pageCount = designCheck ? reportPageCountWithDesignCheck : reportPageCount;
    std::vector<ReportPage> pages(static_cast<std::size_t>(pageCount), ReportPage(reportPageWidth, reportPageHeight));

    // The frame's first rectangle whitens the page and every box is filled
    // white, so the fixed content must be complete before any result is
    // written into its cells.
    for (int index = 0; index < pageCount; ++index) {
        pages[index].setTitle(reportPageListTitle(index));
        drawPageFrame(pages[index], index, pageCount);
        drawFixedContent(pages[index], index, result);
        pages[index].setFontColor(resultColor(resultsInBlack));
    }

    drawInputEcho(pages[summaryPage], input);
    drawSummaryPageResults(pages[summaryPage], result);
    drawLoadTablePageResults(pages[loadTablePage], result);
    for (int state = 0; state < engine::loadStateCount; ++state)
        drawMomentPageResults(pages[firstMomentPage + state], result, state);
    drawStressPageResults(pages[stressPage], result);
    drawStringingPageResults(pages[stringingPage], result);
    if (designCheck) {
        drawDesignCheckPageResults(pages[designCheckPageIndex], input, result, designCheck->checks,
                                   designCheck->settings);
        drawCatenaryCheckResults(pages[designCheckPageIndex], result);
    }
    return pages;
}

} // namespace report
