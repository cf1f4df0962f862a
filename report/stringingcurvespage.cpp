#include "report/bookpages.h"

#include "engine/calculationresult.h"
#include "report/fittedtext.h"
#include "report/linechart.h"
#include "report/pagecanvas.h"
#include "report/pagestyle.h"

namespace report {

namespace {

enum class Quantity { Tension, Sag };

float valueOf(const engine::CurvePoint &point, Quantity quantity)
{
    return quantity == Quantity::Tension ? point.tension : point.sag;
}

ChartSeries curve(const QString &label, const std::vector<engine::CurvePoint> &points, Quantity quantity,
                  bool dashed)
{
    ChartSeries series{label, {}, {}, dashed};
    for (const engine::CurvePoint &point : points)
        series.points.emplace_back(point.temperature, valueOf(point, quantity));
    return series;
}

/// The installation and marking curves of one quantity, the tabled temperatures marked.
std::vector<ChartSeries> curves(const engine::CalculationResult &result, Quantity quantity)
{
    ChartSeries installation = curve(QStringLiteral("安装"), result.stringingCurves.installation, quantity, false);
    ChartSeries marking = curve(QStringLiteral("划印"), result.stringingCurves.marking, quantity, true);
    for (const engine::StringingRow &row : result.stringingTable) {
        const bool tension = quantity == Quantity::Tension;
        installation.marked.emplace_back(row.temperature, tension ? row.installationTension : row.installationSag);
        marking.marked.emplace_back(row.temperature, tension ? row.markingTension : row.markingSag);
    }
    return {installation, marking};
}

} // namespace

void drawStringingCurvesPage(PageCanvas &canvas, const engine::CalculationResult &result,
                             const QColor &resultColour)
{
    drawTitledFrame(canvas, QString::fromUtf8(stringingCurvesTitle));
    const QString temperature = QStringLiteral("施工气温 θ(℃)");
    drawLineChart(canvas, {120, 200, 520, 680, temperature, QStringLiteral("水平拉力 H(kN,每相)")},
                  curves(result, Quantity::Tension), resultColour);
    drawLineChart(canvas, {680, 200, 1080, 680, temperature, QStringLiteral("弧垂 f(m)")},
                  curves(result, Quantity::Sag), resultColour);
    drawFittedText(canvas, {120, 740, 1100, 760}, 120, 750, 9, QStringLiteral("LC"),
                   QStringLiteral("实线为安装,虚线为划印;曲线按状态方程逐度求解,圆点为第1页施工放线张力表的九个施工气温."));
    applyPageDefaults(canvas);
}

} // namespace report
