#include "samplepage.h"

#include "report/markuptext.h"
#include "report/primitives.h"

using namespace report;

ReportPage samplePage()
{
    ReportPage page;
    page.setPenStyle(PenStyle::Clear);
    page.rectangle(0, 0, 1188, 840);
    page.setFontName(QStringLiteral("宋体"));
    page.setFontColor(Qt::black);
    page.setPenStyle(PenStyle::Solid);
    page.setPenWidth(2);
    page.setPenColor(QColor(0xFF, 0, 0));
    page.rectangle(20, 100, 1168, 820);
    page.setPenWidth(1);
    page.setPenColor(QColor(0, 0x80, 0));
    for (int y = 195; y <= 495; y += 25) {
        drawLine(628, y, 1148, y, page);
    }
    drawMarkupText(594, 130, 12, QStringLiteral("MC"), QStringLiteral("最高温度时的M、D计算"), page);
    drawMarkupText(290, 307, 8, QStringLiteral("MC"), QStringLiteral("弹性模量(N/mm$sbks2$sbjs)"), page);
    drawMarkupText(1120, 545, 10, QStringLiteral("RC"), QStringLiteral("F$xbksJ$xbjs"), page);
    drawArrow(1125, 555, 1145, 555, page);
    drawDimensionLine(50, 195, 320, 195, page);
    drawCircle(700, 700, 10, page);
    drawBezier({50, 40, 145, 76, 189, 81, 320, 63}, page);
    fillQuad({56, 40, 78, 48, 76, 53, 55, 45}, page);
    page.setPenStyle(PenStyle::Dot);
    drawLine(50, 40, 320, 63, page);
    page.setPenStyle(PenStyle::Dash);
    drawLine(50, 60, 320, 60, page);
    page.setFontColor(QColor(0, 0x80, 0x80));
    drawMarkupText(723, 257, 8, QStringLiteral("MC"), QStringLiteral("12.345"), page);
    page.setBrushStyle(BrushStyle::Clear);
    drawMarkupText(594, 125, 12, QStringLiteral("MC"), QStringLiteral("跨线一-软导线实用力学计算书"), page);
    drawMarkupText(1100, 800, 9, QStringLiteral("MC"), QStringLiteral("第3页 共17页"), page);
    return page;
}
