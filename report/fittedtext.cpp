#include "report/fittedtext.h"

#include "report/markuptext.h"
#include "report/pagecanvas.h"

#include <algorithm>

namespace report {

namespace {

/// Left edge of a box \a width wide placed at \a x by \a anchor, as drawMarkupText() places it.
int boxLeft(int x, int width, const QString &anchor)
{
    const bool valid = anchor.size() == 2 && QStringLiteral("LMR").contains(anchor.at(0))
        && QStringLiteral("TCB").contains(anchor.at(1));
    if (!valid || anchor.at(0) == u'L')
        return x;
    return anchor.at(0) == u'M' ? x - width / 2 : x - width;
}

/// The start of the tag that \a position cuts through, or \a position when it cuts none.
qsizetype tagStartAround(const QString &text, qsizetype position)
{
    for (qsizetype start = std::max<qsizetype>(0, position - markupTagLength + 1); start < position; ++start) {
        if (isMarkupTagAt(text, start))
            return start;
    }
    return position;
}

/// \a text with its middle replaced by the mark, keeping about \a kept characters of its two ends.
QString abbreviated(const QString &text, qsizetype kept)
{
    qsizetype headEnd = (kept + 1) / 2;
    qsizetype tailStart = text.size() - kept / 2;
    // A cut inside a tag would print the tag's remains as text; a cut inside
    // a surrogate pair would print half a character.
    headEnd = tagStartAround(text, headEnd);
    if (headEnd > 0 && text.at(headEnd - 1).isHighSurrogate())
        --headEnd;
    const qsizetype tagStart = tagStartAround(text, tailStart);
    if (tagStart != tailStart)
        tailStart = tagStart + markupTagLength;
    if (tailStart < text.size() && text.at(tailStart).isLowSurrogate())
        ++tailStart;
    return text.left(headEnd) + abbreviationMark + text.mid(tailStart);
}

struct Fit
{
    int size;
    QString text;
    int width;
};

bool fitsAt(PageCanvas &canvas, const PageBox &cell, int size, const QString &text, int &width)
{
    width = markupTextWidth(size, text, canvas);
    canvas.setFontSize(size);
    return width <= cell.right - cell.left - 2 * cellPadding && canvas.textHeight(text) <= cell.bottom - cell.top;
}

Fit fit(PageCanvas &canvas, const PageBox &cell, int size, const QString &text)
{
    int width = 0;
    for (int trial = size; trial >= std::min(size, minimumFittedSize); --trial) {
        if (fitsAt(canvas, cell, trial, text, width))
            return {trial, text, width};
    }
    // Keep as many characters as fit, found by halving: the width grows with every character kept.
    const int smallest = std::min(size, minimumFittedSize);
    qsizetype low = 0;
    qsizetype high = text.size() - 1;
    while (low < high) {
        const qsizetype middle = (low + high + 1) / 2;
        if (fitsAt(canvas, cell, smallest, abbreviated(text, middle), width))
            low = middle;
        else
            high = middle - 1;
    }
    const QString shortened = abbreviated(text, low);
    return {smallest, shortened, markupTextWidth(smallest, shortened, canvas)};
}

} // namespace

bool fitsInCell(PageCanvas &canvas, const PageBox &cell, int size, const QString &text)
{
    int width = 0;
    return fitsAt(canvas, cell, size, text, width);
}

PageBox cellAround(int x, int y, int width, int height)
{
    const int left = x - width / 2;
    const int top = y - height / 2;
    return {left, top, left + width, top + height};
}

void drawFittedText(PageCanvas &canvas, const PageBox &cell, int x, int y, int size, const QString &anchor,
                    const QString &text)
{
    const Fit fitted = fit(canvas, cell, size, text);
    const int left = boxLeft(x, fitted.width, anchor);
    const int lowest = cell.left + cellPadding;
    const int highest = std::max(lowest, cell.right - cellPadding - fitted.width);
    const int shift = std::clamp(left, lowest, highest) - left;
    drawMarkupText(x + shift, y, fitted.size, anchor, fitted.text, canvas);
}

} // namespace report
