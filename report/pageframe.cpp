#include "report/pages.h"

#include "engine/numberformatting.h"
#include "report/markuptext.h"
#include "report/pagecanvas.h"
#include "report/pagestyle.h"

#include <array>
#include <stdexcept>
#include <string>

namespace report {

namespace {

// Page 1 has no title of its own: the input echo writes the span name there.
constexpr std::array<const char *, reportPageCountWithDesignCheck> pageTitles = {
    "",
    "各种工况下的荷载计算表",
    "最高温度时的M、D计算",
    "最大荷载时的M、D计算",
    "最大风速时的M、D计算",
    "最低温度时的M、D计算",
    "雷电过电压和风偏时的M、D计算",
    "操作过电压和风偏时的M、D计算",
    "最大工作电压、短路和风偏时的M、D计算",
    "高温三相上人检修时的M、D计算",
    "低温三相上人检修时的M、D计算",
    "高温单相上人检修时的M、D计算",
    "低温单相上人检修时的M、D计算",
    "安装时的M、D计算",
    "划印时的M、D计算",
    "应力σm、拉力H和弧垂值求解",
    "安装划印状态方程求解",
    "设计校核",
};

QString pageNumberText(int pageIndex, int pageCount)
{
    const auto number = [](int n) { return QString::fromStdString(engine::formatNumber(static_cast<float>(n), 0)); };
    return QStringLiteral("第") + number(pageIndex + 1) + QStringLiteral("页 共") + number(pageCount)
           + QStringLiteral("页");
}

} // namespace

QString reportPageTitle(int pageIndex)
{
    return QString::fromUtf8(pageTitles.at(static_cast<std::size_t>(pageIndex)));
}

QString reportPageListTitle(int pageIndex)
{
    // Page 1 has no title on the page: its entry says what it holds.
    const QString title = pageIndex == 0 ? QStringLiteral("输入数据和计算结果汇总") : reportPageTitle(pageIndex);
    return QStringLiteral("第%1页 %2").arg(pageIndex + 1).arg(title);
}

void drawTitledFrame(PageCanvas &canvas, const QString &title)
{
    // The whole page is painted by the white brush with no outline, so a page
    // canvas that is reused starts clean.
    canvas.setBrushStyle(BrushStyle::Solid);
    canvas.setBrushColor(backgroundColor);
    canvas.setPenStyle(PenStyle::Clear);
    canvas.rectangle(0, 0, reportPageWidth, reportPageHeight);

    canvas.setFontName(reportFontName());
    canvas.setFontColor(fixedTextColor);
    canvas.setPenStyle(PenStyle::Solid);
    canvas.setPenWidth(2);
    canvas.setPenColor(borderColor);
    canvas.rectangle(20, 100, 1168, 820);

    canvas.setPenWidth(1);
    canvas.setPenColor(gridColor);

    if (!title.isEmpty()) {
        drawMarkupText(594, 130, 12, QStringLiteral("MC"), title, canvas);
    }
}

void drawPageFrame(PageCanvas &canvas, int pageIndex, int pageCount)
{
    if (pageCount != reportPageCount && pageCount != reportPageCountWithDesignCheck)
        throw std::out_of_range("report of " + std::to_string(pageCount) + " pages");
    if (pageIndex < 0 || pageIndex >= pageCount) {
        throw std::out_of_range("report page index " + std::to_string(pageIndex) + " outside 0.."
                                + std::to_string(pageCount - 1));
    }

    drawTitledFrame(canvas, reportPageTitle(pageIndex));
    drawMarkupText(1100, 800, 9, QStringLiteral("MC"), pageNumberText(pageIndex, pageCount), canvas);
}

} // namespace report
