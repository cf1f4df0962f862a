#pragma once

#include "report/pagecommands.h"

#include <QString>

namespace report {

class PageCanvas;

/// The smallest size a text shrinks to before it is abbreviated: 6 points,
/// 8 page units, about 2 mm high on an A4 print.
constexpr int minimumFittedSize = 6;

/// Room kept between a text and each side rule of its cell, page units.
constexpr int cellPadding = 2;

/// What stands for the characters an abbreviated text leaves out (GBK has it).
constexpr char16_t abbreviationMark = u'…';

/// A cell of \a width × \a height page units centred on (x, y).
PageBox cellAround(int x, int y, int width, int height);

/// Whether \a text at \a size points fits \a cell as drawFittedText() requires.
bool fitsInCell(PageCanvas &canvas, const PageBox &cell, int size, const QString &text);

/**
 * Draws \a text as drawMarkupText() does at (x, y), placed by \a anchor at
 * \a size points, but never across a side of \a cell:
 *
 * 1. A text whose box fits between the cell's side rules (less cellPadding
 *    on each side) and whose line fits its height is drawn at \a size; if
 *    the anchor would push it over a side, it is moved in just enough.
 * 2. Otherwise it is drawn at the largest smaller size, down to
 *    minimumFittedSize, at which it fits.
 * 3. A text that does not fit even then is abbreviated at that size: its
 *    middle gives way to abbreviationMark, keeping as much of its start and
 *    end as fits (never splitting a markup tag or a surrogate pair).
 *
 * The text listing (PageCanvas::annotateMarkup) records the point, size and
 * text as drawn. A cell narrower than the mark alone draws the mark.
 */
void drawFittedText(PageCanvas &canvas, const PageBox &cell, int x, int y, int size, const QString &anchor,
                    const QString &text);

} // namespace report
