#include "report/pagestyle.h"

#include "engine/numberformatting.h"
#include "report/fittedtext.h"
#include "report/markuptext.h"
#include "report/pagecanvas.h"

#include <algorithm>

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

void drawCentredNumber(PageCanvas &canvas, const PageBox &cell, int x, int y, int size, float value, int decimals)
{
    // A number too long for its cell even at the smallest size loses decimals,
    // rounded as the page rounds, before it would lose digits to abbreviation.
    QString text = QString::fromStdString(engine::formatNumber(value, decimals));
    while (decimals > 0 && !fitsInCell(canvas, cell, std::min(size, minimumFittedSize), text))
        text = QString::fromStdString(engine::formatNumber(value, --decimals));
    drawFittedText(canvas, cell, x, y, size, QStringLiteral("MC"), text);
}

void drawLabels(PageCanvas &canvas, std::span<const PageLabel> labels, int size, const QString &anchor)
{
    for (const PageLabel &label : labels)
        drawMarkupText(label.x, label.y, size, anchor, QString::fromUtf16(label.text), canvas);
}

} // namespace report
