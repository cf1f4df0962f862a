#include "report/pagestyle.h"

#include "engine/calculationerror.h"
#include "engine/numbers.h"
#include "report/markuptext.h"
#include "report/pagecanvas.h"

#include <cmath>

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

void requireFiniteValue(double value)
{
    // Better no report than a figure an engineer might sign.
    if (!std::isfinite(value)) {
        throw engine::CalculationError(engine::CalculationError::Kind::Arithmetic,
                                       "计算结果中出现无效数值,无法生成计算书.");
    }
}

void drawCentredNumber(PageCanvas &canvas, int x, int y, int size, float value, int decimals)
{
    requireFiniteValue(value);
    drawMarkupText(x, y, size, QStringLiteral("MC"), QString::fromStdString(engine::formatNumber(value, decimals)),
                   canvas);
}

} // namespace report
