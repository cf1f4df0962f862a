#pragma once

#include "report/pagecommands.h"

#include <QColor>
#include <QString>

#include <span>

namespace report {

class PageCanvas;

/// Size of a report page in page units (landscape; x right, y down, origin top-left).
constexpr int reportPageWidth = 1188;
constexpr int reportPageHeight = 840;
/// Pages 1..17; routines take the zero-based index 0..16.
constexpr int reportPageCount = 17;
/// The design check, when it is asked for, is page 18 after the 17.
constexpr int designCheckPageIndex = 17;
constexpr int reportPageCountWithDesignCheck = 18;

/// Everything fixed on a page is black; the results are drawn afterwards in resultColor()
constexpr QColor fixedTextColor{0x00, 0x00, 0x00};
/// Page border.
constexpr QColor borderColor{0xFF, 0x00, 0x00};
/// Boxes and grid lines.
constexpr QColor gridColor{0x00, 0x80, 0x00};
/// Page background and the brush of every box and text cell.
constexpr QColor backgroundColor{0xFF, 0xFF, 0xFF};
/// Computed values and echoed inputs, unless the user asks for black.
constexpr QColor tealResultColor{0x00, 0x80, 0x80};
/// A check that fails, in every colour mode.
constexpr QColor failColor{0xFF, 0x00, 0x00};

/// The font of every page text.
QString reportFontName();

/**
 * Colour of the results: teal, or black when \a resultsInBlack (clearer on
 * black-and-white printers).
 */
QColor resultColor(bool resultsInBlack);

/**
 * Puts the canvas into the state every page routine starts from and leaves
 * behind: font "宋体" in black, pen solid 1 unit green, brush solid white.
 */
void applyPageDefaults(PageCanvas &canvas);

/**
 * Writes \a value rounded to \a decimals (0..7) with the report's number
 * format, centred ("MC") on (x, y) at \a size points in the canvas's
 * current font colour, fitted into \a cell (drawFittedText()); a number
 * that does not fit at the smallest size is written with fewer decimals.
 * @throws engine::CalculationError when \a value is not finite (never
 *         printed as "nan" or "inf")
 */
void drawCentredNumber(PageCanvas &canvas, const PageBox &cell, int x, int y, int size, float value, int decimals);

/// A fixed text of a page at its anchor point.
struct PageLabel
{
    int x;
    int y;
    const char16_t *text;
};

/// Draws \a labels at \a size points, each placed by \a anchor on its point.
void drawLabels(PageCanvas &canvas, std::span<const PageLabel> labels, int size, const QString &anchor);

} // namespace report
