#pragma once

#include "common/bookdata.h"
#include "engine/designchecks.h"
#include "engine/clearances.h"
#include "engine/shortcircuitspan.h"
#include "report/bookpages.h"
#include "report/reportpage.h"

#include <optional>
#include <vector>

namespace engine {
struct CalculationInput;
struct CalculationResult;
} // namespace engine

namespace report {

/// What page 18 shows: the checks and the strengths and factors they used.
struct DesignCheckPage
{
    engine::DesignChecks checks;
    engine::DesignCheckSettings settings;
};

/// What the book's own pages show beyond the calculation: its data, and the
/// design check they cite (with every strength missing when none was asked for).
struct BookRequest
{
    common::BookData data;
    engine::DesignChecks checks;
    engine::DesignCheckSettings checkSettings;
};

/**
 * The 17 pages of the calculation report of one calculation, page 1 first.
 *
 * Every page (1188 x 840 page units) receives its frame and fixed content in
 * black; then the input texts and the results of \a result are written in
 * teal, or in black when \a resultsInBlack (for black-and-white printers).
 * \a result must come from a calculation of \a input that went through: the
 * pages show its numbers as they stand. With \a designCheck the report has an
 * 18th page "设计校核" and every page counts 18; without, it is exactly the 17.
 *
 * With \a book whose data is not empty the report is a book: the cover and
 * the contents open it, 计算依据 and 控制工况 come before the pages of the
 * method, 构架受力 and the book's other pages after them, and every page
 * but the cover carries the band with the project, the book number and the
 * span. The pages of the method keep their own numbers ("第1页 共17页").
 * With \a shortCircuit the page "短路效应计算" follows the pages of the
 * method, book or not, and with \a clearances the page "电气距离校验"
 * after it.
 *
 * @throws engine::CalculationError when a result is not finite; no partial
 *         report is returned
 */
std::vector<ReportPage> buildReport(const engine::CalculationInput &input, const engine::CalculationResult &result,
                                    bool resultsInBlack,
                                    const std::optional<DesignCheckPage> &designCheck = std::nullopt,
                                    const std::optional<BookRequest> &book = std::nullopt,
                                    const std::optional<engine::ShortCircuitResult> &shortCircuit = std::nullopt,
                                    const std::optional<engine::ClearanceResult> &clearances = std::nullopt);

/**
 * The pages of one span in a book, without cover and contents: for a batch,
 * whose one cover and contents come before all its spans.
 */
std::vector<ReportPage> buildSpanBookPages(const engine::CalculationInput &input,
                                           const engine::CalculationResult &result, bool resultsInBlack,
                                           const std::optional<DesignCheckPage> &designCheck,
                                           const BookRequest &book,
                                           const std::optional<engine::ShortCircuitResult> &shortCircuit = std::nullopt,
                                    const std::optional<engine::ClearanceResult> &clearances = std::nullopt);

/**
 * The cover and the contents of a book whose pages after them have \a titles
 * (each entry's page counted from the book's first page, the cover), the
 * cover naming \a subject: the span, or the batch.
 */
std::vector<ReportPage> buildFrontMatter(const common::BookData &book, const QString &subject,
                                         const std::vector<ContentsEntry> &entries);

/// The pages cover and contents take before a book whose contents has \a entryCount lines.
int frontMatterPageCount(int entryCount);

} // namespace report
