#pragma once

#include "common/bookdata.h"
#include "engine/designchecks.h"
#include "engine/governingstates.h"
#include "report/pages.h"

#include <QColor>
#include <QString>

#include <span>
#include <vector>

namespace engine {
struct CalculationInput;
struct CalculationResult;
struct ShortCircuitResult;
struct ClearanceResult;
} // namespace engine

namespace report {

class PageCanvas;

/*
 * The pages that make the calculation a filed 计算书: the cover, the
 * contents, the basis of the calculation, the governing states before the
 * 17 pages of the method, and after them the loads on the structures, the
 * cut length, the stringing curves and the span to scale. They share the
 * report's page (1188 x 840), frame and colours; the fixed words are black,
 * the figures of the calculation in the result colour, a failed requirement
 * red. Each routine draws its page whole and leaves the canvas defaults.
 */

/// Page titles of the book's own pages, in the lists, the outline and the contents.
inline constexpr const char *coverTitle = "封面";
inline constexpr const char *contentsTitle = "目录";
inline constexpr const char *basisTitle = "计算依据";
inline constexpr const char *governingTitle = "控制工况";
inline constexpr const char *structureLoadsTitle = "构架受力";
inline constexpr const char *cutLengthTitle = "下料长度";
inline constexpr const char *stringingCurvesTitle = "安装曲线";
inline constexpr const char *spanProfileTitle = "跨线示意图";
inline constexpr const char *shortCircuitTitle = "短路效应计算";
inline constexpr const char *clearanceTitle = "电气距离校验";

/// The cover's title.
inline constexpr const char *bookTitle = "软导线力学计算书";

/**
 * The band above the frame of every page but the cover: the project name
 * on the left, the book number in the middle, the span name on the right,
 * each fitted into its third. Draws nothing for a book without data.
 */
void drawBookBand(PageCanvas &canvas, const common::BookData &book, const QString &spanName);

/**
 * The cover: "软导线力学计算书", the span (or the batch) it covers, the
 * project data and the signature block, whose 签名 and 日期 are left empty
 * for the hand of each person named.
 */
void drawCoverPage(PageCanvas &canvas, const common::BookData &book, const QString &subject);

/// One line of the contents: the page's title and its page in the document (1-based).
struct ContentsEntry
{
    QString title;
    int page = 0;
};

/// The contents lines one page holds: two columns of rows.
int contentsEntriesPerPage();

/// The pages \a entryCount contents lines take, at least one.
int contentsPageCount(int entryCount);

/// Contents page \a pageIndex (0-based) of \a entries: its share of the lines.
void drawContentsPage(PageCanvas &canvas, std::span<const ContentsEntry> entries, int pageIndex);

/**
 * 计算依据: the method, the standards and what each gives, the design
 * conditions and constants as the engine uses them, and the decisions the
 * method leaves open. The safety factors are those of \a checkSettings.
 */
void drawBasisPage(PageCanvas &canvas, const engine::CalculationResult &result,
                   const engine::DesignCheckSettings &checkSettings, const QColor &resultColour);

/**
 * 控制工况: the largest H, the largest sag beside the control sag, the
 * smallest safety factors with the verdict and the largest pull on each
 * structure, each with its state, the short-circuit design load when
 * \a shortCircuit is given and the verdict of the air distances when
 * \a clearances is; what fails in red.
 */
void drawGoverningPage(PageCanvas &canvas, const engine::GoverningStates &governing,
                       const engine::DesignChecks &checks, const engine::ShortCircuitResult *shortCircuit,
                       const engine::ClearanceResult *clearances, const QColor &resultColour);

/**
 * 构架受力: for every state the horizontal tension, the true vertical load
 * and the lateral wind of one phase on structures A and B, the governing
 * state of each column marked, and the added beam loads of stringing and
 * maintenance; with \a shortCircuit its design load as a row of its own.
 */
void drawStructureLoadsPage(PageCanvas &canvas, const engine::CalculationResult &result,
                            const engine::ShortCircuitResult *shortCircuit, const QColor &resultColour);

/**
 * 下料长度: for each stringing temperature the unstressed length of one
 * sub-conductor between the strings' ends, the H and f it then hangs at,
 * and what the crew adds for the clamps.
 */
void drawCutLengthPage(PageCanvas &canvas, const engine::CalculationResult &result, const QColor &resultColour);

/**
 * 安装曲线: H and f of installation and marking against the stringing
 * temperature, the nine tabled temperatures marked.
 */
void drawStringingCurvesPage(PageCanvas &canvas, const engine::CalculationResult &result,
                             const QColor &resultColour);

/**
 * 跨线示意图: the span of the governing state (the largest H) and of the
 * largest sag, each with its attachments, strings, concentrated loads, the
 * conductor's curve, the sag from the chord and the lowest point.
 */
void drawSpanProfilePage(PageCanvas &canvas, const engine::CalculationResult &result,
                         const engine::GoverningStates &governing, const QColor &resultColour);

/**
 * 短路效应计算: the inputs of the IEC 60865-1 method for strained
 * conductors, every step with the standard's symbol and unit at the lowest
 * and the highest temperature, the design load, the pinch, the thermal
 * withstand and the method's limits the span passes. A force that the
 * method does not call for reads "不计".
 */
void drawShortCircuitPage(PageCanvas &canvas, const engine::ShortCircuitResult &shortCircuit,
                          const QColor &resultColour);

/**
 * 电气距离校验: for every design state with wind its speed, the swing
 * angles of the conductor and of both strings, f and b; then for each
 * condition the required distance, the distance that remains and the
 * verdict, a failed one red; the geometry, the assumptions of the
 * reduction and the code the requirements come from, as typed.
 */
void drawClearancePage(PageCanvas &canvas, const engine::ClearanceResult &clearances, const QColor &resultColour);

} // namespace report
