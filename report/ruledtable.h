#pragma once

#include "report/pagecommands.h"

#include <QString>

#include <vector>

namespace report {

class PageCanvas;

/**
 * A table of ruled cells on a page of the book: columns between the given
 * edges, rows of one height from the top. Texts are fitted into their cell
 * (drawFittedText), so a long name never crosses a rule.
 */
class RuledTable
{
public:
    /// @param columnEdges  ascending x of every rule, the outer ones included
    RuledTable(std::vector<int> columnEdges, int top, int rowHeight, int rowCount);

    int columnCount() const { return static_cast<int>(mEdges.size()) - 1; }
    int rowCount() const { return mRowCount; }
    int bottom() const { return mTop + mRowHeight * mRowCount; }

    PageBox cell(int column, int row) const;
    /// The box of columns \a first .. \a last of \a row joined.
    PageBox span(int first, int last, int row) const;

    /// The outer box and every rule, in the canvas's pen; cells filled with its brush.
    void drawRules(PageCanvas &canvas) const;

    /// \a text centred in its cell at \a size points.
    void text(PageCanvas &canvas, int column, int row, const QString &text, int size = 9) const;
    /// \a text from the left rule of its cell.
    void leftText(PageCanvas &canvas, int column, int row, const QString &text, int size = 9) const;
    /// \a value rounded to \a decimals, centred (drawCentredNumber).
    void number(PageCanvas &canvas, int column, int row, float value, int decimals, int size = 9) const;

private:
    std::vector<int> mEdges;
    int mTop;
    int mRowHeight;
    int mRowCount;
};

} // namespace report
