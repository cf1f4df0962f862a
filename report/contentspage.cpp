#include "report/bookpages.h"

#include "report/pagecanvas.h"
#include "report/pagestyle.h"
#include "report/ruledtable.h"

#include <algorithm>

namespace report {

namespace {

// Two columns of lines, each 序号 | 页面 | 页码, under the title.
constexpr int rowsPerColumn = 30;
constexpr int tableTop = 160;
constexpr int rowHeight = 20;
constexpr int columnLefts[] = {40, 604};
constexpr int serialWidth = 50;
constexpr int titleWidth = 414;
constexpr int pageWidth = 80;

void drawColumn(PageCanvas &canvas, int left, std::span<const ContentsEntry> entries, int firstSerial)
{
    const RuledTable table({left, left + serialWidth, left + serialWidth + titleWidth,
                            left + serialWidth + titleWidth + pageWidth},
                           tableTop, rowHeight, int(entries.size()) + 1);
    table.drawRules(canvas);
    table.text(canvas, 0, 0, QStringLiteral("序号"));
    table.text(canvas, 1, 0, QStringLiteral("内容"));
    table.text(canvas, 2, 0, QStringLiteral("页码"));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const int row = int(i) + 1;
        table.text(canvas, 0, row, QString::number(firstSerial + int(i)));
        table.leftText(canvas, 1, row, entries[i].title);
        table.text(canvas, 2, row, QString::number(entries[i].page));
    }
}

} // namespace

int contentsEntriesPerPage()
{
    return rowsPerColumn * int(std::size(columnLefts));
}

int contentsPageCount(int entryCount)
{
    return std::max(1, (entryCount + contentsEntriesPerPage() - 1) / contentsEntriesPerPage());
}

void drawContentsPage(PageCanvas &canvas, std::span<const ContentsEntry> entries, int pageIndex)
{
    drawTitledFrame(canvas, QString::fromUtf8(contentsTitle));
    std::size_t first = std::size_t(pageIndex) * std::size_t(contentsEntriesPerPage());
    for (int left : columnLefts) {
        if (first >= entries.size())
            break;
        const std::size_t count = std::min<std::size_t>(rowsPerColumn, entries.size() - first);
        drawColumn(canvas, left, entries.subspan(first, count), int(first) + 1);
        first += count;
    }
    applyPageDefaults(canvas);
}

} // namespace report
