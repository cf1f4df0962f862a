#pragma once

#include <QString>
#include <QVector>

namespace report {

class PageCanvas;

/// How a run of a markup text sits on the line.
enum class ScriptKind { Normal, Superscript, Subscript };

/// One run of a markup text, without its leading tag.
struct MarkupSegment
{
    QString text;
    ScriptKind script = ScriptKind::Normal;
    /// Measured width in canvas units at the run's own font size; 0 until measured.
    int width = 0;
};

/// Length of every markup tag ("$sbks", "$sbjs", "$xbks", "$xbjs").
constexpr qsizetype markupTagLength = 5;

/// Whether one of the four markup tags begins at \a position of \a text.
bool isMarkupTagAt(const QString &text, qsizetype position);

/**
 * Cuts \a text into runs at every markup tag ("$sbks", "$sbjs", "$xbks",
 * "$xbjs", case-sensitive) that does not stand at the very start; each run
 * loses its leading tag and takes the script the tag sets (either end tag
 * returns to normal). A "$" that begins no tag is ordinary text. The empty
 * text gives one empty run. Widths are left at 0.
 *
 * There is no limit on the number of runs.
 */
QVector<MarkupSegment> splitMarkup(const QString &text);

/**
 * Draws \a text with its markup at (x, y), placed by the two-letter
 * \a anchor: first letter L/M/R for the left edge, middle or right edge of
 * the text box, second letter T/C/B for its top, centre or bottom. Any other
 * anchor, lower case included, acts as "LT". The box is as wide as all runs
 * together and as high as a line of the normal font.
 *
 * Scripts are drawn at 3 × size / 5 points; their vertical offsets use the
 * line height at ⌈3 × size / 5⌉ − 1 points. A subscript written directly
 * after a superscript ("$sbjs$xbks") is set under it.
 *
 * @param size  font size in points, > 0
 *
 * Draws in the canvas's font name, colour and brush. Leaves the canvas font
 * at the size of the last run drawn (the small size when the text ends inside
 * a script). Texts of any length and any number of tags are drawn whole.
 */
void drawMarkupText(int x, int y, int size, const QString &anchor, const QString &text, PageCanvas &canvas);

/**
 * Width of the box drawMarkupText() would give \a text at \a size points, in
 * canvas units. Changes the canvas font size as drawing would.
 */
int markupTextWidth(int size, const QString &text, PageCanvas &canvas);

} // namespace report
