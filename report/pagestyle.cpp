#include "report/pagestyle.h"

#include "engine/numberformatting.h"
#include "report/markuptext.h"
#include "report/pagecanvas.h"

namespace report {

QString reportFontName()
{
    return QStringLiteral("宋体");
}

QColor resultColor(bool resultsInBlack)
{
    return resultsInBlack ? fixedTextColor : tealResultColor;
}

void applyPageDefaults(PageCanvas &canvas)
{
    canvas.setFontName(reportFontName());
    canvas.setFontColor(fixedTextColor);
    canvas.setPenStyle(PenStyle::Solid);
    canvas.setPenWidth(1);
    canvas.setPenColor(gridColor);
    canvas.setBrushStyle(BrushStyle::Solid);
    canvas.setBrushColor(backgroundColor);
}

void drawCentredNumber(PageCanvas &canvas, int x, int y, int size, float value, int decimals)
{
    drawMarkupText(x, y, size, QStringLiteral("MC"), QString::fromStdString(engine::formatNumber(value, decimals)),
                   canvas);
}

void drawLabels(PageCanvas &canvas, std::span<const PageLabel> labels, int size, const QString &anchor)
{
    for (const PageLabel &label : labels)
        drawMarkupText(label.x, label.y, size, anchor, QString::fromUtf16(label.text), canvas);
}

} // namespace report
