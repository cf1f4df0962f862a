#pragma once

#include <QString>

namespace report {

class PageCanvas;

/**
 * Draws \a text with its markup ("$sbks"/"$sbjs" superscript, "$xbks"/"$xbjs"
 * subscript) at (x, y) placed by the two-letter \a anchor ("LT" … "RB"; any
 * other text acts as "LT"), at \a size points in the canvas's font name and
 * colour. Leaves the canvas font at the size of the last segment drawn.
 */
void drawMarkupText(int x, int y, int size, const QString &anchor, const QString &text, PageCanvas &canvas);

} // namespace report
