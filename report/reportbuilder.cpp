#include "report/reportbuilder.h"

#include "engine/calculationinput.h"
#include "engine/governingstates.h"
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

std::vector<ReportPage> buildMethodPages(const engine::CalculationInput &input, const engine::CalculationResult &result,
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


ReportPage bookPage(const QString &title)
{
    ReportPage page(reportPageWidth, reportPageHeight);
    page.setTitle(title);
    return page;
}

/// The pages of the method, then the short-circuit page and the clearance page when there are such.
std::vector<ReportPage> buildCalculationPages(const engine::CalculationInput &input,
                                              const engine::CalculationResult &result, bool resultsInBlack,
                                              const std::optional<DesignCheckPage> &designCheck,
                                              const std::optional<engine::ShortCircuitResult> &shortCircuit,
                                              const std::optional<engine::ClearanceResult> &clearances)
{
    std::vector<ReportPage> pages = buildMethodPages(input, result, resultsInBlack, designCheck);
    if (shortCircuit) {
        pages.push_back(bookPage(QString::fromUtf8(shortCircuitTitle)));
        drawShortCircuitPage(pages.back(), *shortCircuit, resultColor(resultsInBlack));
    }
    if (clearances) {
        pages.push_back(bookPage(QString::fromUtf8(clearanceTitle)));
        drawClearancePage(pages.back(), *clearances, resultColor(resultsInBlack));
    }
    return pages;
}

} // namespace

std::vector<ReportPage> buildSpanBookPages(const engine::CalculationInput &input,
                                           const engine::CalculationResult &result, bool resultsInBlack,
                                           const std::optional<DesignCheckPage> &designCheck,
                                           const BookRequest &book,
                                           const std::optional<engine::ShortCircuitResult> &shortCircuit,
                                           const std::optional<engine::ClearanceResult> &clearances)
{
    const QColor colour = resultColor(resultsInBlack);
    std::vector<ReportPage> pages;
    pages.push_back(bookPage(QString::fromUtf8(basisTitle)));
    drawBasisPage(pages.back(), result, book.checkSettings, colour);
    pages.push_back(bookPage(QString::fromUtf8(governingTitle)));
    const engine::GoverningStates governing = engine::governingStates(result, book.checks);
    const engine::ShortCircuitResult *fault = shortCircuit ? &*shortCircuit : nullptr;
    drawGoverningPage(pages.back(), governing, book.checks, fault, clearances ? &*clearances : nullptr, colour);

    std::vector<ReportPage> method =
        buildCalculationPages(input, result, resultsInBlack, designCheck, shortCircuit, clearances);
    pages.insert(pages.end(), std::make_move_iterator(method.begin()), std::make_move_iterator(method.end()));

    pages.push_back(bookPage(QString::fromUtf8(structureLoadsTitle)));
    drawStructureLoadsPage(pages.back(), result, fault, colour);
    pages.push_back(bookPage(QString::fromUtf8(cutLengthTitle)));
    drawCutLengthPage(pages.back(), result, colour);
    pages.push_back(bookPage(QString::fromUtf8(stringingCurvesTitle)));
    drawStringingCurvesPage(pages.back(), result, colour);
    pages.push_back(bookPage(QString::fromUtf8(spanProfileTitle)));
    drawSpanProfilePage(pages.back(), result, governing, colour);

    const QString spanName = QString::fromStdString(input[engine::slot::spanTitle]);
    for (ReportPage &page : pages)
        drawBookBand(page, book.data, spanName);
    return pages;
}

int frontMatterPageCount(int entryCount)
{
    return 1 + contentsPageCount(entryCount);
}

std::vector<ReportPage> buildFrontMatter(const common::BookData &book, const QString &subject,
                                         const std::vector<ContentsEntry> &entries)
{
    std::vector<ReportPage> pages;
    pages.push_back(bookPage(QString::fromUtf8(coverTitle)));
    drawCoverPage(pages.back(), book, subject);
    const int contentsPages = contentsPageCount(int(entries.size()));
    for (int index = 0; index < contentsPages; ++index) {
        pages.push_back(bookPage(QString::fromUtf8(contentsTitle)));
        drawContentsPage(pages.back(), entries, index);
        drawBookBand(pages.back(), book, subject);
    }
    return pages;
}

std::vector<ReportPage> buildReport(const engine::CalculationInput &input, const engine::CalculationResult &result,
                                    bool resultsInBlack, const std::optional<DesignCheckPage> &designCheck,
                                    const std::optional<BookRequest> &book,
                                    const std::optional<engine::ShortCircuitResult> &shortCircuit,
                                    const std::optional<engine::ClearanceResult> &clearances)
{
    if (!book || book->data.isEmpty())
        return buildCalculationPages(input, result, resultsInBlack, designCheck, shortCircuit, clearances);

    std::vector<ReportPage> pages =
        buildSpanBookPages(input, result, resultsInBlack, designCheck, *book, shortCircuit, clearances);
    const int front = frontMatterPageCount(int(pages.size()));
    std::vector<ContentsEntry> entries;
    for (std::size_t i = 0; i < pages.size(); ++i)
        entries.push_back({pages[i].title(), front + int(i) + 1});
    std::vector<ReportPage> bookPages =
        buildFrontMatter(book->data, QString::fromStdString(input[engine::slot::spanTitle]), entries);
    bookPages.insert(bookPages.end(), std::make_move_iterator(pages.begin()), std::make_move_iterator(pages.end()));
    return bookPages;
}

} // namespace report
