#pragma once

#include "report/pagestyle.h"

namespace engine {
struct CalculationInput;
struct CalculationResult;
struct DesignChecks;
struct DesignCheckSettings;
} // namespace engine

namespace report {

class PageCanvas;

/*
 * The contents of the 17 report pages. Every page is drawn in three passes:
 * the frame (drawPageFrame), the page's fixed content in black, then, after
 * the caller has set the font colour to the result colour, its results.
 * Boxes and text cells are painted with the solid white brush, so each pass
 * must follow the previous one. All coordinates are page units of the
 * 1188 x 840 page.
 *
 * Every routine leaves the canvas with font "宋体", pen solid, width 1, green
 * and brush solid white; the fixed-content routines also leave the font
 * colour black, the result routines leave it as they found it.
 */

// ---- Every page --------------------------------------------------------

/**
 * Whitens the whole page and draws the red border, the title of page
 * \a pageIndex (page 1 has none, its title comes with the input echo) and
 * "第n页 共m页" for a report of \a pageCount pages: the 17 pages, or 18 with
 * the design check.
 * @throws std::out_of_range for a count other than 17 or 18, or an index
 *         outside the report
 */
void drawPageFrame(PageCanvas &canvas, int pageIndex, int pageCount = reportPageCount);

/**
 * Whitens the page and draws the red border with \a title over the frame
 * (none when empty), but no page number: drawPageFrame() for the pages of
 * the method, and alone for the book's own pages, which the contents finds.
 * Leaves the canvas defaults.
 */
void drawTitledFrame(PageCanvas &canvas, const QString &title);

/// The title drawPageFrame() writes on page \a pageIndex (0..17); empty for page 1.
QString reportPageTitle(int pageIndex);

/// "第2页 各种工况下的荷载计算表": the page's title in the viewer's list and the PDF outline.
QString reportPageListTitle(int pageIndex);

// ---- Page 1: input data and summary of results -----------------------------

/// Boxes, grid lines, labels, formula notes and the stringing-force figure of page 1.
void drawSummaryPageFixed(PageCanvas &canvas);

/**
 * The report title (span name + "-软导线实用力学计算书") and every input text
 * of page 1, exactly as entered, in the canvas's current font colour.
 */
void drawInputEcho(PageCanvas &canvas, const engine::CalculationInput &input);

/**
 * The computed values of page 1: per design state temperature, tension,
 * sag, reactions, lateral wind forces and string sags; the added beam
 * loads; the stringing tension table. Drawn in the current font colour,
 * each number exactly as the result holds it: 3 decimals, the stringing
 * temperatures whole, the design temperatures in general format.
 * @throws engine::CalculationError for a value that is not finite
 */
void drawSummaryPageResults(PageCanvas &canvas, const engine::CalculationResult &result);

// ---- Page 2: load table --------------------------------------------------

/// The load table's boxes, grid, headings, state labels and notes.
void drawLoadTablePageFixed(PageCanvas &canvas);

/**
 * ξ, cos γ, the projected string lengths, the maintenance loads and the
 * per-state loads of the table (kgf, per sub-conductor), in the current
 * font colour; ξ with 7 decimals, everything else with 3.
 * @throws engine::CalculationError for a value that is not finite
 */
void drawLoadTablePageResults(PageCanvas &canvas, const engine::CalculationResult &result);

// ---- Pages 3..15: moments and load factor, one page per load state ----------

/// Grid, labels and span figure shared by the 13 moment pages; the figure
/// shows string B only \a withStringB (not while marking without it).
void drawMomentPageFixed(PageCanvas &canvas, bool withStringB = true);

/**
 * Reactions, load and shear diagrams, segment table, M and D of load state
 * \a state (0..12), drawn on its page (page index state + 2); on the four
 * maintenance pages also the caption naming the maintenance load W.
 * The columns are 820 / e units wide for the state's e segments; a point load
 * gets an arrow only when it is greater than 0. Values per sub-conductor,
 * kgf and m, 3 decimals.
 * @throws std::out_of_range if \a state is not 0..12
 * @throws engine::CalculationError for a value that is not finite
 */
void drawMomentPageResults(PageCanvas &canvas, const engine::CalculationResult &result, int state);

// ---- Page 16: state equation of the design states ------------------------

void drawStressPageFixed(PageCanvas &canvas);
/**
 * Columns 0..10 of the state-equation table, 3 decimals. A value of exactly 0
 * leaves its cell empty: it marks a row that does not apply, such as Cn .. A
 * of the reference column.
 * @throws engine::CalculationError for a value that is not finite
 */
void drawStressPageResults(PageCanvas &canvas, const engine::CalculationResult &result);

// ---- Page 17: state equation of installation and marking ----------------

void drawStringingPageFixed(PageCanvas &canvas);
/**
 * Installation (columns 11..19) above, marking (columns 20..28) below,
 * 3 decimals, zeros included. Rows M .. θn are common to a block and written
 * once; θm .. f once per stringing temperature.
 * @throws engine::CalculationError for a value that is not finite
 */
void drawStringingPageResults(PageCanvas &canvas, const engine::CalculationResult &result);

// ---- Page 18: design check ------------------------------------------------

/// The table of the 13 states, with its headings and state names, and the labels of the check's inputs.
void drawDesignCheckPageFixed(PageCanvas &canvas);

/**
 * Per state H, T_A, T_B (kN per sub-conductor), K_c, S_A, S_B (kN, whole
 * phase), K_s of both strings, the required factors and the verdict; under
 * the table the conductor and strings with their rated strengths, the
 * required factors and the smallest factors with the overall verdict. A
 * factor that was not checked reads "未校核"; "不满足" is red whatever the
 * result colour, which is restored afterwards.
 * @throws engine::CalculationError for a value that is not finite
 */
void drawDesignCheckPageResults(PageCanvas &canvas, const engine::CalculationInput &input,
                                const engine::CalculationResult &result, const engine::DesignChecks &checks,
                                const engine::DesignCheckSettings &settings);

/// Under the check: the grid of the handbook-against-exact comparison, its
/// row labels, the design states and the statement of the exact model.
void drawCatenaryCheckFixed(PageCanvas &canvas);

/**
 * For each design state H (kN per sub-conductor) and f (m) by the handbook's
 * method and by the exact chain, and their differences in %; a state whose
 * chain did not converge reads "未收敛". The note under the grid names the
 * states whose difference exceeds 5 %, in red, or says that none does.
 * @throws engine::CalculationError for a value that is not finite
 */
void drawCatenaryCheckResults(PageCanvas &canvas, const engine::CalculationResult &result);

} // namespace report
