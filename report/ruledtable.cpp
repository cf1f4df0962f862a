#include "report/ruledtable.h"

#include "report/fittedtext.h"
#include "report/pagecanvas.h"
#include "report/pagestyle.h"
#include "report/primitives.h"

#include <stdexcept>

namespace report {

RuledTable::RuledTable(std::vector<int> columnEdges, int top, int rowHeight, int rowCount)
    : mEdges(std::move(columnEdges)), mTop(top), mRowHeight(rowHeight), mRowCount(rowCount)
{
    if (mEdges.size() < 2 || rowHeight <= 0 || rowCount <= 0)
        throw std::invalid_argument("a table needs a column and a row");
}

PageBox RuledTable::cell(int column, int row) const
{
    return span(column, column, row);
}

PageBox RuledTable::span(int first, int last, int row) const
{
    const int top = mTop + mRowHeight * row;
    return {mEdges.at(std::size_t(first)), top, mEdges.at(std::size_t(last) + 1), top + mRowHeight};
}

void RuledTable::drawRules(PageCanvas &canvas) const
{
    canvas.rectangle(mEdges.front(), mTop, mEdges.back(), bottom());
    for (std::size_t c = 1; c + 1 < mEdges.size(); ++c)
        drawLine(mEdges[c], mTop, mEdges[c], bottom(), canvas);
    for (int r = 1; r < mRowCount; ++r)
        drawLine(mEdges.front(), mTop + mRowHeight * r, mEdges.back(), mTop + mRowHeight * r, canvas);
}

void RuledTable::text(PageCanvas &canvas, int column, int row, const QString &text, int size) const
{
    const PageBox box = cell(column, row);
    drawFittedText(canvas, box, (box.left + box.right) / 2, (box.top + box.bottom) / 2, size, QStringLiteral("MC"),
                   text);
}

void RuledTable::leftText(PageCanvas &canvas, int column, int row, const QString &text, int size) const
{
    const PageBox box = cell(column, row);
    drawFittedText(canvas, box, box.left + 6, (box.top + box.bottom) / 2, size, QStringLiteral("LC"), text);
}

void RuledTable::number(PageCanvas &canvas, int column, int row, float value, int decimals, int size) const
{
    const PageBox box = cell(column, row);
    drawCentredNumber(canvas, box, (box.left + box.right) / 2, (box.top + box.bottom) / 2, size, value, decimals);
}

} // namespace report
